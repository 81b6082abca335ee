#include "ui/live_results.h"

#include <utility>

#include "checks/design_calculation.h"

namespace tarnex::ui {

const DesignResults* LiveResults::CurrentFor(const ProgramState& state) const {
    return kept_ && SameInputs(kept_->inputs, state) ? &kept_->results : nullptr;
}

void LiveResults::Keep(const ProgramState& inputs, DesignResults results) {
    kept_ = Kept{inputs, std::move(results)};
}

const DesignResults& LiveResults::For(const ProgramState& state, const OutputOptions& output) {
    if (CurrentFor(state) == nullptr)
        Keep(state, CalculateDesign(state, LiveOutputSections(state)));
    if (ResultsServe(kept_->results, output)) return kept_->results;
    // A stop in a section that `output` leaves out: the calculation of those sections alone.
    other_ = CalculateDesign(state, output);
    return *other_;
}

}  // namespace tarnex::ui
