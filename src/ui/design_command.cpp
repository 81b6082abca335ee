// The one-step design as the window runs it: the design, its summary, and the offer of whole
// strands.

#include <string>
#include <vector>

#include "checks/design_calculation.h"
#include "checks/one_step_design.h"
#include "model/number_text.h"
#include "report/design_summary.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

/// The lines of a summary joined into one message.
std::string Joined(std::string first, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) first += kMessageLineBreak + line;
    return first;
}

}  // namespace

void InputPresenter::DesignPrestress(double relativeHumidity) {
    if (RefuseMarkedText()) return;
    CommitPendingCount();
    const DesignOutcome outcome = DesignInOneStep(state_, relativeHumidity, *this);
    RefreshForm();
    const std::string first = DesignOutcomeLine(outcome);
    if (outcome.end == DesignEnd::Stopped) {
        ShowMessage(first);
        return;
    }
    const std::string summary = Joined(
        first, FailedCheckLines(state_.data, CalculateDesign(state_, ShownOutputSections())));
    if (!outcome.strand || outcome.strands < 1) {
        ShowMessage(summary);
        return;
    }
    const std::string offer = summary + kMessageLineBreak + kMessageLineBreak + "Use " +
                              std::to_string(outcome.strands) + " strands of " +
                              ShortestForm(outcome.strand->diameter) + " in?";
    if (!AskYesNo(offer, "Design")) return;
    if (!UseWholeStrands(state_, *outcome.strand, outcome.strands, *this)) return;
    RefreshForm();
    ShowMessage(
        Joined(WholeStrandsLine(state_.data, *outcome.strand, outcome.strands),
               FailedCheckLines(state_.data, CalculateDesign(state_, ShownOutputSections()))));
}

}  // namespace tarnex::ui
