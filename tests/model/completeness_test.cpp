#include "model/completeness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/setting_handlers.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;

/// A started-up design with a section, a beam length, a dead load and a path.
ProgramState CompleteDesign() {
    ProgramState state;
    ScriptedDialogs quiet;
    RunStartUp(state, quiet);
    state.data.Area = 789;
    state.data.MoI = 260730;
    state.data.Blength = 1200;
    state.data.locations(1).DM = 1.0e6F;
    state.data.Ym = 5;
    return state;
}

TEST(CheckInputComplete, StartUpDefaultsGiveThreeMessagesAndTheSlabAFourth) {
    ProgramState state;
    ScriptedDialogs dialogs;
    RunStartUp(state, dialogs);
    CheckInputComplete(state.data, dialogs);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Enter beam properties", "Enter loads",
                                                          "Enter prestress path"}));
    EXPECT_EQ(state.data.InputIncomplete, 1);

    dialogs.messages.clear();
    state.data.Composite = true;
    CheckInputComplete(state.data, dialogs);
    EXPECT_EQ(dialogs.messages.size(), 4U);
    EXPECT_EQ(dialogs.messages.back(), "Enter slab configuration");
}

TEST(CheckInputComplete, CompleteDesignShowsNothingAndKeepsTheFlag) {
    ProgramState state = CompleteDesign();
    ScriptedDialogs dialogs;
    CheckInputComplete(state.data, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(state.data.InputIncomplete, 0);
    state.data.InputIncomplete = 1;
    CheckInputComplete(state.data, dialogs);
    EXPECT_EQ(state.data.InputIncomplete, 1);
}

TEST(CheckInputComplete, EachGroupFailsOnZeroAndOnNegativeValues) {
    const auto messagesFor = [](auto change) {
        ProgramState state = CompleteDesign();
        change(state.data);
        ScriptedDialogs dialogs;
        CheckInputComplete(state.data, dialogs);
        return dialogs.messages;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(messagesFor([](DesignData& d) { d.Blength = 0; }), Texts{"Enter beam properties"});
    EXPECT_EQ(messagesFor([](DesignData& d) { d.MoI = -1; }), Texts{"Enter beam properties"});
    EXPECT_EQ(messagesFor([](DesignData& d) { d.Area = 0; }), Texts{"Enter beam properties"});
    EXPECT_EQ(messagesFor([](DesignData& d) { d.Ym = -2; }), Texts{"Enter prestress path"});
    EXPECT_EQ(messagesFor([](DesignData& d) {
                  d.Composite = true;
                  d.Tslab = 8;
              }),
              Texts{"Enter slab configuration"});
    EXPECT_TRUE(messagesFor([](DesignData& d) {
                    d.Composite = true;
                    d.Tslab = 8;
                    d.Beff = 96;
                }).empty());
}

TEST(CheckInputComplete, LoadsNeedAPositiveBeamDeadMomentAtSomeLocation) {
    ProgramState state = CompleteDesign();
    DesignData& d = state.data;
    d.nll = 3;
    d.RecreateLocations(3);
    d.locations(1).DM = -5;
    d.locations(2).LM = 1.0e6F;
    d.locations(3).CDM = 1.0e6F;
    ScriptedDialogs dialogs;
    CheckInputComplete(d, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Enter loads"});

    dialogs.messages.clear();
    d.locations(3).DM = 0.5F;
    CheckInputComplete(d, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace tarnex
