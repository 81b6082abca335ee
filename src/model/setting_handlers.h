#pragma once

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

// Selecting a setting is the same act whether the user or code does it: the value is set and,
// when it changed, the setting's handler runs (question, defaults, refresh) under the
// FillingForm rule.

void SelectUnits(ProgramState& state, Dialogs& dialogs, Units units);
void SelectDesignCriteria(ProgramState& state, Dialogs& dialogs, DesignCriteria criteria);
void SelectPrestressing(ProgramState& state, Dialogs& dialogs, Prestressing prestressing);
void SelectSectionBasis(ProgramState& state, Dialogs& dialogs, SectionBasis basis);
/// The composite slab check box: slab concrete defaults when checked, zeros when cleared,
/// then a window refresh (nothing while FillingForm is 1 except the setting itself).
void SelectComposite(ProgramState& state, Dialogs& dialogs, bool composite);

/// Tooltips, every default set and reset, refresh, InputIncomplete cleared.
void RunStartUp(ProgramState& state, Dialogs& dialogs);

enum class ResetCommand {
    ProgramOptions,
    MaterialProperties,
    SectionProperties,
    Loads,
    AllowableStressAndLoss,
    Configuration,
    All
};
void RunResetCommand(ProgramState& state, Dialogs& dialogs, ResetCommand command);

}  // namespace tarnex
