#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/design_data.h"

namespace tarnex::ui {

/// What a command can change of the design, taken whole: restoring it gives back the design
/// exactly, so that a save after an undo writes the bytes written before the change.
struct DesignSnapshot {
    DesignInputs inputs;
    int currentLocation = 0;
    float RH = 0;
    std::array<std::string, 5> keywords;
};

/// The design as it stands.
DesignSnapshot TakeSnapshot(const ProgramState& state);
/// Puts a snapshot back into the design (window and file state other than the location
/// shown stay as they are).
void RestoreSnapshot(ProgramState& state, const DesignSnapshot& snapshot);

/// Undo and redo by snapshots around commands: a command that leaves the inputs as they were
/// is no step; consecutive commands with the same merge key (keys typed into one box) are one.
class UndoHistory {
  public:
    /// Before a command; commands started inside a command belong to it.
    void Begin(const ProgramState& state);
    /// After a command: records the design as it was before it when the inputs changed. An
    /// empty `mergeKey` never merges. True when a step was recorded or merged.
    bool End(const ProgramState& state, const std::string& mergeKey = {});
    /// The design before the last step, the present one kept for redo; nothing when there is
    /// no step. The command running now records no step of its own.
    std::optional<DesignSnapshot> Undo(const ProgramState& state);
    std::optional<DesignSnapshot> Redo(const ProgramState& state);
    /// Forgets every step (a design loaded or started anew); the running command records none.
    void Clear();
    /// The next edit starts a step of its own even with the same merge key.
    void BreakMerge() { lastKey_.clear(); }
    [[nodiscard]] bool CanUndo() const { return !undo_.empty(); }
    [[nodiscard]] bool CanRedo() const { return !redo_.empty(); }

    /// Steps kept at most; the oldest go first.
    static constexpr std::size_t kMaxSteps = 200;

  private:
    std::vector<DesignSnapshot> undo_;
    std::vector<DesignSnapshot> redo_;
    std::optional<DesignSnapshot> before_;
    int depth_ = 0;
    bool skip_ = false;
    std::string lastKey_;
};

}  // namespace tarnex::ui
