#include "model/completeness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "started_up.h"

namespace tarnex {
namespace {

using Texts = std::vector<std::string>;

TEST(CheckInputComplete, EachGroupFailsOnZeroAndNegativeValuesAndPassesOtherwise) {
    struct Case {
        const char* what;
        void (*change)(DesignData&);
        Texts messages;
    };
    const Case cases[] = {
        {"complete", [](DesignData&) {}, {}},
        {"complete with a slab", [](DesignData& d) { d.Composite = true; }, {}},
        {"beam length 0", [](DesignData& d) { d.Blength = 0; }, {"Enter beam properties"}},
        {"negative inertia", [](DesignData& d) { d.MoI = -1; }, {"Enter beam properties"}},
        {"area 0", [](DesignData& d) { d.Area = 0; }, {"Enter beam properties"}},
        {"negative path height", [](DesignData& d) { d.Ym = -2; }, {"Enter prestress path"}},
        {"path height below an inch", [](DesignData& d) { d.Ym = 0.5F; }, {}},
        {"slab without width",
         [](DesignData& d) { d.Composite = true, d.Beff = 0; },
         {"Enter slab configuration"}},
        {"slab without thickness",
         [](DesignData& d) { d.Composite = true, d.Tslab = 0; },
         {"Enter slab configuration"}},
        {"no slab, no slab sizes", [](DesignData& d) { d.Tslab = 0; }, {}},
        // Loads need a positive beam dead moment at some location: other loads do not count.
        {"negative dead moment", [](DesignData& d) { d.locations(1).DM = -5; }, {"Enter loads"}},
        {"dead moment at the last location only",
         [](DesignData& d) { d.locations(1).DM = 0, d.locations(3).DM = 0.5F; },
         {}},
        {"all missing",
         [](DesignData& d) { d = testing::StartedUp().data, d.Composite = true; },
         {"Enter beam properties", "Enter loads", "Enter prestress path",
          "Enter slab configuration"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramState state = testing::StartedUp();
        DesignData& d = state.data;
        d.Area = 789;
        d.MoI = 260730;
        d.Blength = 1200;
        d.Ym = 5;
        d.Tslab = 8;
        d.Beff = 96;
        d.nll = 3;
        d.RecreateLocations(3);
        d.locations(1).DM = 1.0e6F;
        d.locations(2).LM = 1.0e6F;
        d.locations(3).CDM = 1.0e6F;
        c.change(d);
        testing::ScriptedDialogs dialogs;
        CheckInputComplete(d, dialogs);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(d.InputIncomplete, c.messages.empty() ? 0 : 1);
        // With nothing missing the flag keeps its former value.
        d.InputIncomplete = 1;
        CheckInputComplete(d, dialogs);
        EXPECT_EQ(d.InputIncomplete, 1);
    }
}

}  // namespace
}  // namespace tarnex
