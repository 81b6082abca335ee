#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

TEST(EffectiveSlabWidth, ChecksStopAtTheFirstMissingInput) {
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
}

TEST(CompositeProperties, StoredModularRatioAndZeroModulus) {
    DesignData d;
    d.Composite = true;
    SetSection(d, {}, {}, {369.0F, 50979.0F, 15.41F, 12.59F});
    d.Btop = 12.0F;
    d.Tslab = 8.0F;
    d.Beff = 96.0F;
    d.Haunch = 2.0F;
    d.SM28 = 3000000.0F;
    d.M28 = 3650000.0F;
    DesignData zero = d;
    CalcCompositeProperties(d);
    // By hand, each stored: n = 0.821917832, bt = 96 n = 78.9041138, As = 8 bt = 631.23291,
    // Ah = 12 n x 2 = 19.7260284, A = 1019.95892, Ybot = (12.59 x 369 + 34 As + 29 Ah) / A
    // = 26.1576061. Carried in double, n, bt and As would give 26.1576042.
    EXPECT_EQ(d.CompArea, 1019.95892F);
    EXPECT_EQ(d.CompYbot, 26.1576061F);

    zero.M28 = 0.0F;
    zero.CompArea = 7.0F;
    ExpectCalcError([&] { CalcCompositeProperties(zero); },
                    "the beam modulus of elasticity at 28 days is 0");
    EXPECT_EQ(zero.CompArea, 7.0F);
}

}  // namespace
}  // namespace tarnex
