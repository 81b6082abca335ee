#include "ui/undo_history.h"

#include <gtest/gtest.h>

#include "ui/recent_files.h"

namespace tarnex::ui {
namespace {

/// One command of the window: `change` between Begin and End.
template <typename Change>
bool Command(UndoHistory& history, ProgramState& state, Change change,
             const std::string& key = {}) {
    history.Begin(state);
    change(state.data);
    return history.End(state, key);
}

// Keys typed into one box are one step; another box, a command without a key or a break
// starts a new one; typing back to where a step began leaves no step.
TEST(UndoHistory, StepsMergeByBoxAndVanishWhenTypedBack) {
    ProgramState state;
    UndoHistory history;
    EXPECT_FALSE(Command(history, state, [](DesignData&) {}));  // no change, no step
    Command(
        history, state, [](DesignData& d) { d.BUW = 1; }, "txtBUW");
    Command(
        history, state, [](DesignData& d) { d.BUW = 12; }, "txtBUW");
    Command(
        history, state, [](DesignData& d) { d.CS28 = 5; }, "txtCS28");
    history.BreakMerge();
    Command(
        history, state, [](DesignData& d) { d.CS28 = 50; }, "txtCS28");
    Command(
        history, state, [](DesignData& d) { d.CS28 = 5; }, "txtCS28");  // typed back
    EXPECT_EQ(state.data.CS28, 5.0F);
    auto step = history.Undo(state);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->inputs.CS28, 0.0F);
    EXPECT_EQ(step->inputs.BUW, 12.0F);
    RestoreSnapshot(state, *step);
    step = history.Undo(state);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->inputs.BUW, 0.0F);
    EXPECT_FALSE(history.CanUndo());
    RestoreSnapshot(state, *step);
    // Redo gives the steps back; a new change forgets them.
    step = history.Redo(state);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->inputs.BUW, 12.0F);
    RestoreSnapshot(state, *step);
    Command(history, state, [](DesignData& d) { d.RS = 60000; });
    EXPECT_FALSE(history.CanRedo());
}

// Commands inside a command are one step; the command that undoes, or loads a design,
// records none; the oldest steps go beyond the limit.
TEST(UndoHistory, NestedCommandsAreOneStepAndTheHistoryIsBounded) {
    ProgramState state;
    UndoHistory history;
    history.Begin(state);
    Command(history, state, [](DesignData& d) { d.nll = 2; });
    state.data.Pjack = 5;
    EXPECT_TRUE(history.End(state));
    history.Begin(state);
    state.data.Pjack = 6;
    history.Clear();
    EXPECT_FALSE(history.End(state));
    EXPECT_FALSE(history.CanUndo());
    for (int i = 1; i <= static_cast<int>(UndoHistory::kMaxSteps) + 5; ++i)
        Command(history, state, [i](DesignData& d) { d.Blength = static_cast<float>(i); });
    int steps = 0;
    float oldest = -1;
    while (auto step = history.Undo(state)) {
        oldest = step->inputs.Blength;
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(UndoHistory::kMaxSteps));
    EXPECT_EQ(oldest, 5.0F);
}

// The recent files: newest first, each once, eight at most.
TEST(RecentFiles, NewestFirstEachOnceEightAtMost) {
    RecentFiles recent;
    for (int i = 1; i <= 10; ++i) recent.Add("/d/" + std::to_string(i) + ".in");
    recent.Add("/d/5.in");
    ASSERT_EQ(recent.paths().size(), RecentFiles::kMaxFiles);
    EXPECT_EQ(recent.paths().front(), "/d/5.in");
    EXPECT_EQ(recent.paths()[1], "/d/10.in");
    EXPECT_EQ(recent.paths().back(), "/d/3.in");
    recent.Assign({"/a.in", "/b.in", "/a.in"});
    EXPECT_EQ(recent.paths(), (std::vector<std::string>{"/a.in", "/b.in"}));
}

}  // namespace
}  // namespace tarnex::ui
