#include "model/setting_handlers.h"

#include <string>

#include "model/defaults.h"

namespace tarnex {

namespace {

constexpr const char* kOverwriteLine = "This will overwrite any parameters you have specified.";

/// The two-line confirmation question of a setting change to `name`.
bool AskForDefaults(Dialogs& dialogs, const std::string& name, const std::string& title) {
    return dialogs.AskYesNo("Would you like to change to " + name + " default parameters?" +
                                kMessageLineBreak + kOverwriteLine,
                            title);
}

/// Shows the record in the window; the refresh always ends with FillingForm at 0.
void Refresh(DesignData& data, Dialogs& dialogs) {
    dialogs.RefreshForm();
    data.FillingForm = 0;
}

/// Material and allowable defaults after a criteria or prestressing question answered Yes.
void ApplyCodeDefaults(ProgramState& state, Dialogs& dialogs) {
    ApplyMaterialDefaults(state.data);
    ApplyAllowableDefaults(state);
    Refresh(state.data, dialogs);
}

/// Material, section, allowable and configuration defaults after a units question.
void ApplyUnitDefaults(ProgramState& state, Dialogs& dialogs) {
    ApplyMaterialDefaults(state.data);
    ResetSection(state.data);
    ApplyAllowableDefaults(state);
    ResetConfiguration(state.data);
    Refresh(state.data, dialogs);
}

/// Every group back to its defaults, program options first.
void ResetAllGroups(ProgramState& state, Dialogs& dialogs) {
    ApplyProgramOptionDefaults(state, dialogs);
    ApplyMaterialDefaults(state.data);
    ResetSection(state.data);
    ResetLoads(state.data);
    ApplyAllowableDefaults(state);
    ResetConfiguration(state.data);
}

/// A criteria or prestressing change outside form filling offers the code defaults.
void OfferCodeDefaults(ProgramState& state, Dialogs& dialogs, const std::string& name,
                       const std::string& title) {
    if (state.data.FillingForm == 1) {
        return;
    }
    if (AskForDefaults(dialogs, name, title)) {
        ApplyCodeDefaults(state, dialogs);
    }
}

const char* CriteriaName(DesignCriteria criteria) {
    switch (criteria) {
        case DesignCriteria::AASHTO:
            return "AASHTO";
        case DesignCriteria::AREMA:
            return "AREMA";
        case DesignCriteria::ACI:
            return "ACI";
    }
    return "AASHTO";
}

}  // namespace

void SelectUnits(ProgramState& state, Dialogs& dialogs, Units units) {
    DesignData& data = state.data;
    if (data.units == units) {
        return;
    }
    if (units == Units::Metric && data.FillingForm != 1) {
        // The user's selection of Metric is refused; English stays selected.
        dialogs.ShowMessage("The metric units option is not yet available");
        data.FillingForm = 1;
        SelectUnits(state, dialogs, Units::English);
        data.FillingForm = 0;
        return;
    }
    data.units = units;
    const bool metric = units == Units::Metric;
    if (metric != (data.FillingForm == 1)) {
        return;
    }
    const bool yes = AskForDefaults(dialogs, metric ? "Metric" : "English", "Program Units");
    dialogs.SetTooltips();
    if (yes) {
        ApplyUnitDefaults(state, dialogs);
    }
}

void SelectDesignCriteria(ProgramState& state, Dialogs& dialogs, DesignCriteria criteria) {
    DesignData& data = state.data;
    if (data.designCriteria == criteria) {
        return;
    }
    data.designCriteria = criteria;
    OfferCodeDefaults(state, dialogs, CriteriaName(criteria), "Design criteria");
}

void SelectPrestressing(ProgramState& state, Dialogs& dialogs, Prestressing prestressing) {
    DesignData& data = state.data;
    if (data.prestressing == prestressing) {
        return;
    }
    data.prestressing = prestressing;
    OfferCodeDefaults(
        state, dialogs,
        prestressing == Prestressing::Pretensioning ? "Pretensioning" : "Post-tensioning",
        "Prestressing type");
}

void SelectSectionBasis(ProgramState& state, Dialogs& /*dialogs*/, SectionBasis basis) {
    DesignData& data = state.data;
    if (data.sectionBasis == basis) {
        return;
    }
    data.sectionBasis = basis;
    if (data.FillingForm != 1) {
        data.SectionKeyword = basis == SectionBasis::Gross ? "gross" : "trans";
    }
}

void SelectComposite(ProgramState& state, Dialogs& dialogs, bool composite) {
    DesignData& data = state.data;
    if (data.Composite == composite) {
        return;
    }
    data.Composite = composite;
    if (data.FillingForm == 1) {
        return;
    }
    ApplySlabConcreteDefaults(data);
    Refresh(data, dialogs);
}

void RunStartUp(ProgramState& state, Dialogs& dialogs) {
    DesignData& data = state.data;
    dialogs.SetTooltips();
    ResetAllGroups(state, dialogs);
    Refresh(data, dialogs);
    data.InputIncomplete = 0;
}

void RunResetCommand(ProgramState& state, Dialogs& dialogs, ResetCommand command) {
    DesignData& data = state.data;
    switch (command) {
        case ResetCommand::ProgramOptions:
            ApplyProgramOptionDefaults(state, dialogs);
            return;
        case ResetCommand::MaterialProperties:
            ApplyMaterialDefaults(data);
            break;
        case ResetCommand::SectionProperties:
            ResetSection(data);
            break;
        case ResetCommand::Loads:
            ResetLoads(data);
            break;
        case ResetCommand::AllowableStressAndLoss:
            ApplyAllowableDefaults(state);
            break;
        case ResetCommand::Configuration:
            ResetConfiguration(data);
            break;
        case ResetCommand::All:
            ResetAllGroups(state, dialogs);
            break;
    }
    Refresh(data, dialogs);
}

}  // namespace tarnex
