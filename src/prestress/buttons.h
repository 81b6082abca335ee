#pragma once

#include <string>

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// How a calculation button ended.
enum class StepResult {
    Done,     ///< computed (notices such as the pretensioning friction message included)
    Refused,  ///< a precondition message, a completeness message or non-convergence
    Failed    ///< a calculation error, shown as "Cannot calculate: " + cause
};

/// The outcome of a button: how it ended and the text it puts in its text box (if any).
struct ButtonResult {
    StepResult result = StepResult::Done;
    std::string fieldText;
};

/// "&Calculate" of the section tab.
ButtonResult PressCalcSectionProperties(ProgramState& state, Dialogs& dialogs);
/// "&Calculate" effective slab width (txtBeff, "0.0").
ButtonResult PressCalcEffectiveSlabWidth(ProgramState& state, Dialogs& dialogs);
/// "&Calculate" total prestress losses (txtPSloss, "0.").
ButtonResult PressCalcTotalLosses(ProgramState& state, Dialogs& dialogs);
/// "C&alculate" prestress loss at initial transfer (txtPStrans, "0.").
ButtonResult PressCalcLossAtTransfer(ProgramState& state, Dialogs& dialogs);
/// "&Calculate" initial prestress force (txtPjack, "0.0").
ButtonResult PressCalcPrestressForce(ProgramState& state, Dialogs& dialogs);

}  // namespace tarnex
