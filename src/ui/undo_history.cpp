#include "ui/undo_history.h"

#include <utility>

namespace tarnex::ui {

DesignSnapshot TakeSnapshot(const ProgramState& state) {
    const DesignData& d = state.data;
    return {static_cast<const DesignInputs&>(d),
            d.CurrentLocation,
            state.RH,
            {d.UnitsKeyword, d.PrestressingKeyword, d.CriteriaKeyword, d.CompositeKeyword,
             d.SectionKeyword}};
}

void RestoreSnapshot(ProgramState& state, const DesignSnapshot& snapshot) {
    DesignData& d = state.data;
    static_cast<DesignInputs&>(d) = snapshot.inputs;
    d.CurrentLocation = snapshot.currentLocation;
    state.RH = snapshot.RH;
    d.UnitsKeyword = snapshot.keywords[0];
    d.PrestressingKeyword = snapshot.keywords[1];
    d.CriteriaKeyword = snapshot.keywords[2];
    d.CompositeKeyword = snapshot.keywords[3];
    d.SectionKeyword = snapshot.keywords[4];
}

void UndoHistory::Begin(const ProgramState& state) {
    if (depth_++ > 0) return;
    skip_ = false;
    before_ = TakeSnapshot(state);
}

bool UndoHistory::End(const ProgramState& state, const std::string& mergeKey) {
    if (depth_ == 0 || --depth_ > 0) return false;
    std::optional<DesignSnapshot> before = std::exchange(before_, std::nullopt);
    if (skip_ || !before) return false;
    const DesignInputs& now = state.data;
    if (before->inputs == now) return false;
    redo_.clear();
    if (!mergeKey.empty() && mergeKey == lastKey_ && !undo_.empty()) {
        // Typing on in the same box: one step. Typed back to where the step began, no step.
        if (undo_.back().inputs == now) {
            undo_.pop_back();
            lastKey_.clear();
        }
        return true;
    }
    undo_.push_back(std::move(*before));
    if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
    lastKey_ = mergeKey;
    return true;
}

std::optional<DesignSnapshot> UndoHistory::Undo(const ProgramState& state) {
    skip_ = true;
    lastKey_.clear();
    if (undo_.empty()) return std::nullopt;
    DesignSnapshot step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(TakeSnapshot(state));
    return step;
}

std::optional<DesignSnapshot> UndoHistory::Redo(const ProgramState& state) {
    skip_ = true;
    lastKey_.clear();
    if (redo_.empty()) return std::nullopt;
    DesignSnapshot step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(TakeSnapshot(state));
    return step;
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    lastKey_.clear();
    skip_ = true;
}

}  // namespace tarnex::ui
