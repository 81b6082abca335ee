#include "prestress/calc_steps.h"

#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "prestress/buttons.h"
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

TEST(CompositeSection, WidthChecksStopAtTheFirstMissingInputPropertiesUseStoredValues) {
    ScriptedDialogs dialogs;
    DesignData d;  // no slab, no spacing, no length
    d.Beff = 55.0F;
    EXPECT_FALSE(CalcEffectiveSlabWidth(d, dialogs));
    d.Tslab = 8.0F;
    EXPECT_FALSE(CalcEffectiveSlabWidth(d, dialogs));
    d.Bspace = 96.0F;
    EXPECT_FALSE(CalcEffectiveSlabWidth(d, dialogs));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Enter slab thickness", "Enter beam spacing",
                                        "Enter beam length"}));
    EXPECT_EQ(d.Beff, 55.0F);

    d = DesignData{};
    d.Composite = true;
    SetSection(d, {}, {}, {369.0F, 50979.0F, 15.41F, 12.59F});
    d.Btop = 12.0F;
    d.Tslab = 8.0F;
    d.Beff = 96.0F;
    d.Haunch = 2.0F;
    d.SM28 = 3000000.0F;
    d.M28 = 3650000.0F;
    DesignData zero = d;
    CalcValues v;
    CalcCompositeProperties(d, v);
    // By hand, each stored: n = 0.821917832, bt = 96 n = 78.9041138, As = 8 bt = 631.23291,
    // Ah = 12 n x 2 = 19.7260284, A = 1019.95892, Ybot = (12.59 x 369 + 34 As + 29 Ah) / A
    // = 26.1576061. Carried in double, n, bt and As would give 26.1576042.
    EXPECT_EQ(v.CompArea, 1019.95892F);
    EXPECT_EQ(v.CompYbot, 26.1576061F);
    zero.M28 = 0.0F;
    CalcValues kept;
    kept.CompArea = 7.0F;
    ExpectCalcError([&] { CalcCompositeProperties(zero, kept); },
                    "the beam modulus of elasticity at 28 days is 0");
    EXPECT_EQ(kept.CompArea, 7.0F);
}

TEST(Losses, PretensionedStressRelievedStrandAndTheFirstOfEqualMomentsIsCritical) {
    // Pi = Pjack = 1200 kips, DM = 6000 kip-in at the first and third location:
    // fcir = 225 x 1.2e6 / 2e5 + 1.2e6 / 2000 - 15 x 6e6 / 2e5 = 1500 psi; CDM = 8000 kip-in
    // at the first only: fcds = 15 x 8e6 / 2e5 = 600 psi.
    ProgramState state;
    state.RH = 70.0F;
    DesignData& d = state.data;
    d = PlainBeam();
    d.Pjack = 1200000.0F;
    d.PStrans = 0.0F;
    AddLocation(d, 600.0F, 6000000.0F);
    d.locations(1).CDM = 8000000.0F;
    AddLocation(d, 300.0F, 4000000.0F);
    AddLocation(d, 700.0F, 6000000.0F);
    CalcValues v;
    CalcCompositeProperties(d, v);
    CalcTransformedProperties(d, v);
    ScriptedDialogs dialogs;
    CalcLosses(state, v, dialogs);
    // SH = 17000 - 150 x 70 = 6500, ES = 28.5e6 x 1500 / 3.6e6 = 11875, CRc = 12 x 1500
    // - 7 x 600 = 13800 (the first location's CDM), CRs = 20000 - 0.4 ES - 0.2 (CRc + SH) = 11190.
    EXPECT_EQ(d.CRc, 13800.0F);
    EXPECT_EQ(d.PSloss, 43365.0F);
    // No beam dead load moment greater than 0: no critical location.
    ProgramState noLoad = state;
    for (int i = 1; i <= 3; ++i) noLoad.data.locations(i).DM = i == 1 ? 0.0F : -1.0F;
    ExpectCalcError([&] { CalcLosses(noLoad, v, dialogs); },
                    "no location has a beam dead load moment greater than 0");
}

TEST(RequiredForce, SteelAreaIsStoredFirstAndAForceAboveTheTransferCeilingDoesNotConverge) {
    // PSi = 189000, PSloss = 35000: As = 650000 / 154000 = 4.22077942 stored, Pjack = As x PSi
    // = 797727.3125; from the unrounded area it would be 797727.25.
    ScriptedDialogs dialogs;
    DesignData d = ForceDesign();
    d.PSi = 189000.0F;
    d.PSloss = 35000.0F;
    ASSERT_TRUE(CalcRequiredPrestressForce(d, dialogs));
    EXPECT_EQ(d.Pjack, 797727.3125F);
    // Non-composite dead load doubles the bottom tension: P4 = 2600 / 0.002 = 1300 kips,
    // equal to P1 = 1300 / 0.001 without tension allowed; only a larger force fails.
    d = ForceDesign();
    d.ATS1 = 0.0F;
    d.locations(1).CDM = 13000000.0F;
    ASSERT_TRUE(CalcRequiredPrestressForce(d, dialogs));
    EXPECT_EQ(d.Pjack, 1300000.0F * 202500.0F / 162500.0F);
    // A required force above the transfer ceiling does not converge.
    void (*const kSpoils[])(DesignData&) = {
        // Live load adds 2000 psi bottom tension: P6 = 3300 / 0.002 = 1650 kips > P1 = 1500.
        [](DesignData& d) { d.locations(1).LM = 20000000.0F; },
        // Straight steel: a location of small moment (200 psi) limits the force at transfer to
        // P1 = (200 + 200) / 0.001 = 400 kips; the larger limit of a later location (1500 kips)
        // does not lift it.
        [](DesignData& d) {
            d.locations(1).x = 120.0F;
            d.locations(1).DM = 2000000.0F;
            AddLocation(d, 600.0F, 13000000.0F);
        },
        // Steel at the centroid: P1 = (-200 - 1300) / 0.0005 < 0, no transfer limit anywhere.
        [](DesignData& d) { d.Ym = 20.0F; },
    };
    for (const auto spoil : kSpoils) {
        ScriptedDialogs failing;
        d = ForceDesign();
        d.Pjack = 5000.0F;
        spoil(d);
        EXPECT_FALSE(CalcRequiredPrestressForce(d, failing));
        EXPECT_EQ(failing.messages,
                  std::vector<std::string>{"The solution will not converge using the specified\r"
                                           "prestress path due to excessive tension."});
        EXPECT_EQ(d.Pjack, 5000.0F);
    }
}

TEST(Buttons, RefusalsAndErrorsShowTheirMessageAndKeepTheResults) {
    const struct {
        ButtonResult (*press)(ProgramState&, Dialogs&);
        void (*spoil)(ProgramState&);
        StepResult result;
        std::vector<std::string> messages;
    } kCases[] = {
        {PressCalcLossAtTransfer,
         [](ProgramState& s) { s.data.Pjack = 0.0F; },
         StepResult::Refused,
         {"Please enter initial prestress force"}},
        {PressCalcTotalLosses,
         [](ProgramState& s) { s.data.Mps = 0.0F; },
         StepResult::Failed,
         {"Cannot calculate: the beam modulus of elasticity at prestressing is 0"}},
        {PressCalcPrestressForce,
         [](ProgramState& s) { s.data.PSloss = s.data.PSi; },
         StepResult::Failed,
         {"Cannot calculate: the initial prestress less the loss is 0"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.messages[0]);
        ProgramState state;
        state.RH = 70.0F;
        state.data = ForceDesign();
        state.data.Pjack = 810000.0F;
        c.spoil(state);
        const DesignData before = state.data;
        ScriptedDialogs dialogs;
        EXPECT_EQ(c.press(state, dialogs).result, c.result);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(state.data.InputIncomplete, 0);  // cleared for the next press
        EXPECT_EQ(state.data.PSloss, before.PSloss);
        EXPECT_EQ(state.data.Pjack, before.Pjack);
    }
    // The prestress effects divide by PSi.
    DesignData d = ForceDesign();
    d.Pjack = 810000.0F;
    d.PSi = 0.0F;
    CalcValues v;
    ExpectCalcError([&] { CalcPrestressEffects(d, v); }, "the initial prestress PSi is 0");
}

}  // namespace
}  // namespace tarnex
