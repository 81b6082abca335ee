#include <gtest/gtest.h>

#include <string>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

/// Straight steel at e = -15 in: per pound of force the top fiber gets 1/2000 - 20 x 15 / 2e5
/// = -0.001 psi and the bottom 1/2000 + 0.0015 = 0.002 psi. DM = 13000 kip-in gives 1300 psi
/// at either fiber, so P4 = 1300 / 0.002 = 650 kips and P1 = (200 + 1300) / 0.001 = 1500 kips.
DesignData ForceDesign() {
    DesignData d = PlainBeam();
    AddLocation(d, 600.0F, 13000000.0F);
    return d;
}

TEST(RequiredForce, SteelAreaIsStoredBeforeItFormsTheJackingForce) {
    // PSi = 189000, PSloss = 35000: As = 650000 / 154000 = 4.22077942 stored, Pjack = As x PSi
    // = 797727.3125; from the unrounded area it would be 797727.25.
    ScriptedDialogs dialogs;
    DesignData d = ForceDesign();
    d.PSi = 189000.0F;
    d.PSloss = 35000.0F;
    ASSERT_TRUE(CalcRequiredPrestressForce(d, dialogs));
    EXPECT_EQ(d.Pjack, 797727.3125F);
}

TEST(RequiredForce, RequiredForceEqualToTheCeilingStillConverges) {
    ScriptedDialogs dialogs;
    DesignData d = ForceDesign();
    d.ATS1 = 0.0F;
    // Non-composite dead load doubles the bottom tension: P4 = 2600 / 0.002 = 1300 kips,
    // equal to P1 = 1300 / 0.001; only a strictly larger required force fails.
    d.locations(1).CDM = 13000000.0F;
    ASSERT_TRUE(CalcRequiredPrestressForce(d, dialogs));
    EXPECT_EQ(d.Pjack, 1300000.0F * 202500.0F / 162500.0F);
}

TEST(RequiredForce, RequiredForceAboveTheTransferCeilingDoesNotConverge) {
    const struct {
        const char* name;
        void (*spoil)(DesignData&);
    } kCases[] = {
        {"dead load just over the ceiling",
         [](DesignData& d) {
             d.ATS1 = 0.0F;
             d.locations(1).CDM = 13100000.0F;
         }},
        // Live load adds 2000 psi bottom tension: P6 = 3300 / 0.002 = 1650 kips > P1 = 1500.
        {"real ceiling below the service force",
         [](DesignData& d) { d.locations(1).LM = 20000000.0F; }},
        // Straight steel: a location of small moment (200 psi) limits the force at transfer to
        // P1 = (200 + 200) / 0.001 = 400 kips; the larger limit of a later location (1500 kips)
        // does not lift it.
        {"a later location's larger limit",
         [](DesignData& d) {
             d.locations(1).x = 120.0F;
             d.locations(1).DM = 2000000.0F;
             AddLocation(d, 600.0F, 13000000.0F);
         }},
        // Steel at the centroid: P1 = (-200 - 1300) / 0.0005 < 0, no transfer limit anywhere.
        {"no transfer limit", [](DesignData& d) { d.Ym = 20.0F; }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        DesignData d = ForceDesign();
        d.Pjack = 5000.0F;
        c.spoil(d);
        EXPECT_FALSE(CalcRequiredPrestressForce(d, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNoConvergence});
        EXPECT_EQ(d.Pjack, 5000.0F);
    }
}

}  // namespace
}  // namespace tarnex
