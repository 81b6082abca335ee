#include "ui/input_presenter.h"

namespace tarnex::ui {

void InputPresenter::BeginCommand() {
    if (commandDepth_++ == 0) mergeKey_.clear();
    history_.Begin(state_);
}

void InputPresenter::EndCommand() {
    if (commandDepth_ > 0) --commandDepth_;
    history_.End(state_, mergeKey_);
}

void InputPresenter::ShowRestored(const DesignSnapshot& snapshot) {
    // A count typed and not applied belongs to the design left behind.
    countPending_ = false;
    RestoreSnapshot(state_, snapshot);
    RefreshForm();
    SyncSettingButtons();
}

bool InputPresenter::Undo() {
    const std::optional<DesignSnapshot> step = history_.Undo(state_);
    if (!step) return false;
    ShowRestored(*step);
    return true;
}

bool InputPresenter::Redo() {
    const std::optional<DesignSnapshot> step = history_.Redo(state_);
    if (!step) return false;
    ShowRestored(*step);
    return true;
}

}  // namespace tarnex::ui
