#include "prestress/buttons.h"

#include <string>
#include <utility>

#include "model/calc_error.h"
#include "model/completeness.h"
#include "model/number_text.h"
#include "prestress/calc_steps.h"
#include "section/section_properties.h"

namespace tarnex {

namespace {

ButtonResult Refused() { return {StepResult::Refused, {}}; }

/// A calculation error ends the button with its cause; the record keeps its former values.
ButtonResult ReportFailure(const CalcError& error, Dialogs& dialogs) {
    dialogs.ShowMessage(std::string(kCannotCalculate) + error.what());
    return {StepResult::Failed, {}};
}

/// The completeness check that guards the loss and force buttons; clears the flag it sets.
bool InputIsComplete(DesignData& data, Dialogs& dialogs) {
    CheckInputComplete(data, dialogs);
    if (data.InputIncomplete != 1) return true;
    data.InputIncomplete = 0;
    return false;
}

/// The two loss buttons: checks, humidity prompt, then the losses on a working copy that
/// replaces the state only when every step succeeded.
ButtonResult PressLossButton(ProgramState& state, Dialogs& dialogs, bool atTransfer) {
    if (!InputIsComplete(state.data, dialogs)) return Refused();
    if (!(state.data.Pjack > 0.0F)) {
        dialogs.ShowMessage("Please enter initial prestress force");
        return Refused();
    }
    try {
        if (!(state.RH > 0.0F)) {
            const std::string reply =
                dialogs.InputBox("Enter mean annual ambient relative humidity in percent",
                                 "Long Term Prestress Loss", "");
            state.RH = Store(ReadLeadingNumber(reply), "the relative humidity");
        }
        ProgramState work = state;
        CalcValues values;
        CalcCompositeProperties(work.data, values);
        CalcTransformedProperties(work.data, values);
        CalcLosses(work, values, dialogs);
        if (atTransfer) CalcLossAtTransfer(work.data);
        state = std::move(work);
    } catch (const CalcError& error) {
        return ReportFailure(error, dialogs);
    }
    const double shown = atTransfer ? state.data.PStrans : state.data.PSloss;
    return {StepResult::Done, FormatPattern(shown, 0)};
}

}  // namespace

ButtonResult PressCalcSectionProperties(ProgramState& state, Dialogs& dialogs) {
    try {
        DesignData work = state.data;
        const bool computed = CalcSectionProperties(work, dialogs);
        state.data = std::move(work);
        // General Section only reminds that its properties are typed in: a notice.
        if (computed || state.data.BeamShape == BeamShapeKind::General) {
            return {StepResult::Done, {}};
        }
        return Refused();
    } catch (const CalcError& error) {
        return ReportFailure(error, dialogs);
    }
}

ButtonResult PressCalcEffectiveSlabWidth(ProgramState& state, Dialogs& dialogs) {
    try {
        DesignData work = state.data;
        if (!CalcEffectiveSlabWidth(work, dialogs)) return Refused();
        state.data = std::move(work);
    } catch (const CalcError& error) {
        return ReportFailure(error, dialogs);
    }
    return {StepResult::Done, FormatPattern(state.data.Beff, 1)};
}

ButtonResult PressCalcTotalLosses(ProgramState& state, Dialogs& dialogs) {
    return PressLossButton(state, dialogs, false);
}

ButtonResult PressCalcLossAtTransfer(ProgramState& state, Dialogs& dialogs) {
    return PressLossButton(state, dialogs, true);
}

ButtonResult PressCalcPrestressForce(ProgramState& state, Dialogs& dialogs) {
    if (!InputIsComplete(state.data, dialogs)) return Refused();
    bool converged = false;
    try {
        DesignData work = state.data;
        converged = CalcRequiredPrestressForce(work, dialogs);
        // Without convergence the losses of the search stay, Pjack does not change.
        state.data = std::move(work);
    } catch (const CalcError& error) {
        return ReportFailure(error, dialogs);
    }
    if (!converged) return Refused();
    const double kips = static_cast<double>(state.data.Pjack) / kForceFactor;
    return {StepResult::Done, FormatPattern(kips, 1)};
}

}  // namespace tarnex
