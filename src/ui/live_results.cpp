#include "ui/live_results.h"

#include <utility>

#include "checks/design_calculation.h"

namespace tarnex::ui {

const DesignResults* LiveResults::CurrentFor(const ProgramState& state) const {
    if (!kept_ || kept_->RH != state.RH || !(kept_->data == state.data)) return nullptr;
    return &kept_->results;
}

void LiveResults::Keep(const ProgramState& inputs, DesignResults results) {
    kept_ = Kept{inputs.data, inputs.RH, std::move(results)};
}

const DesignResults& LiveResults::For(const ProgramState& state, const OutputOptions& output) {
    if (const DesignResults* current = CurrentFor(state)) {
        if (ResultsServe(*current, output)) return *current;
    } else {
        ProgramState all = state;
        all.output = AllOutputSections();
        Keep(state, CalculateDesign(all));
        if (ResultsServe(kept_->results, output)) return kept_->results;
    }
    // A stop in a section that `output` leaves out: the calculation of those sections alone.
    ProgramState asked = state;
    asked.output = output;
    other_ = CalculateDesign(asked);
    return *other_;
}

}  // namespace tarnex::ui
