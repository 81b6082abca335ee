#include "model/completeness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "started_up.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;
using Texts = std::vector<std::string>;

/// A started-up design with a section, a beam length, a dead load, a path and slab sizes.
ProgramState CompleteDesign() {
    ProgramState state = testing::StartedUp();
    DesignData& d = state.data;
    d.Area = 789;
    d.MoI = 260730;
    d.Blength = 1200;
    d.locations(1).DM = 1.0e6F;
    d.Ym = 5;
    d.Tslab = 8;
    d.Beff = 96;
    return state;
}

TEST(CheckInputComplete, StartUpDefaultsGiveThreeMessagesAndTheSlabAFourth) {
    ProgramState state = testing::StartedUp();
    ScriptedDialogs dialogs;
    CheckInputComplete(state.data, dialogs);
    EXPECT_EQ(dialogs.messages,
              (Texts{"Enter beam properties", "Enter loads", "Enter prestress path"}));
    EXPECT_EQ(state.data.InputIncomplete, 1);

    dialogs.messages.clear();
    state.data.Composite = true;
    CheckInputComplete(state.data, dialogs);
    EXPECT_EQ(dialogs.messages.size(), 4U);
    EXPECT_EQ(dialogs.messages.back(), "Enter slab configuration");
}

TEST(CheckInputComplete, EachGroupFailsOnZeroAndNegativeValuesAndPassesOtherwise) {
    struct Case {
        const char* what;
        float DesignData::*field;
        float value;
        bool composite;
        Texts messages;
    };
    const Case cases[] = {
        {"complete", &DesignData::Blength, 1200, false, {}},
        {"complete with a slab", &DesignData::Blength, 1200, true, {}},
        {"beam length 0", &DesignData::Blength, 0, false, {"Enter beam properties"}},
        {"negative inertia", &DesignData::MoI, -1, false, {"Enter beam properties"}},
        {"area 0", &DesignData::Area, 0, false, {"Enter beam properties"}},
        {"negative path height", &DesignData::Ym, -2, false, {"Enter prestress path"}},
        {"slab without width", &DesignData::Beff, 0, true, {"Enter slab configuration"}},
        {"slab without thickness", &DesignData::Tslab, 0, true, {"Enter slab configuration"}},
        {"no slab, no slab sizes", &DesignData::Tslab, 0, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramState state = CompleteDesign();
        state.data.*c.field = c.value;
        state.data.Composite = c.composite;
        ScriptedDialogs dialogs;
        CheckInputComplete(state.data, dialogs);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(state.data.InputIncomplete, c.messages.empty() ? 0 : 1);
        // With nothing missing the flag keeps its former value.
        state.data.InputIncomplete = 1;
        CheckInputComplete(state.data, dialogs);
        EXPECT_EQ(state.data.InputIncomplete, 1);
    }
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
    EXPECT_EQ(dialogs.messages, Texts{"Enter loads"});

    dialogs.messages.clear();
    d.locations(3).DM = 0.5F;
    CheckInputComplete(d, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace tarnex
