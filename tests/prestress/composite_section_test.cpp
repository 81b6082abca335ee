#include <gtest/gtest.h>

#include <cmath>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

TEST(EffectiveSlabWidth, LeastOfTwelveSlabsSpacingAndQuarterSpan) {
    // Tslab 8, Btop 20: 12 x 8 + 20 = 116.
    const struct {
        float length, spacing, beff;
    } kCases[] = {
        {1200, 96, 96},    // the spacing governs; 1200 / 4 = 300 does not
        {300, 96, 75},     // a quarter of the length governs
        {1200, 116, 116},  // spacing equal to 12 Tslab + Btop: stays at the computed value
    };
    for (const auto& c : kCases) {
        ScriptedDialogs dialogs;
        DesignData d;
        d.Tslab = 8.0F;
        d.Btop = 20.0F;
        d.Bspace = c.spacing;
        d.Blength = c.length;
        ASSERT_TRUE(CalcEffectiveSlabWidth(d, dialogs));
        EXPECT_EQ(d.Beff, c.beff) << c.length << " " << c.spacing;
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST(EffectiveSlabWidth, ChecksStopAtTheFirstMissingInput) {
    ScriptedDialogs dialogs;
    DesignData d;  // no slab, no spacing, no length
    d.Beff = 55.0F;
    EXPECT_FALSE(CalcEffectiveSlabWidth(d, dialogs));
    d.Tslab = 8.0F;
    EXPECT_FALSE(CalcEffectiveSlabWidth(d, dialogs));
    d.Bspace = 96.0F;
    d.Blength = 0.0F;  // not greater than 0
    EXPECT_FALSE(CalcEffectiveSlabWidth(d, dialogs));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Enter slab thickness", "Enter beam spacing",
                                        "Enter beam length"}));
    EXPECT_EQ(d.Beff, 55.0F);
}

DesignData CompositeGirder() {
    DesignData d;
    d.Composite = true;
    d.BeamArea = 369.0F;
    d.BeamMoI = 50979.0F;
    d.BeamYtop = 15.41F;
    d.BeamYbot = 12.59F;
    d.Btop = 12.0F;
    d.Tslab = 8.0F;
    d.Beff = 96.0F;
    d.SM28 = 3600000.0F;
    d.M28 = 3600000.0F;
    return d;
}

TEST(CompositeProperties, FlatSlabWithoutHaunch) {
    DesignData d = CompositeGirder();
    CalcCompositeProperties(d);
    // n = 1: slab 96 x 8 = 768 in2 at 28 + 4 = 32 in, its own I = 96 x 8^3 / 12 = 4096 in4.
    const double ybot = (12.59 * 369.0 + 768.0 * 32.0) / 1137.0;
    const double moi =
        std::pow(ybot - 12.59, 2) * 369.0 + 50979.0 + 4096.0 + std::pow(32.0 - ybot, 2) * 768.0;
    EXPECT_EQ(d.CompArea, 1137.0F);
    EXPECT_NEAR(d.CompYbot, ybot, 1e-5);
    EXPECT_NEAR(d.CompYtop, 36.0 - ybot, 1e-5);  // total height less the centroid height
    EXPECT_NEAR(d.CompMoI, moi, 0.02);
    EXPECT_EQ(GrossComposite(d), CompositeInUse(d));
}

TEST(CompositeProperties, HaunchModularRatioAndCrossSlope) {
    DesignData d = CompositeGirder();
    d.M28 = 4800000.0F;  // n = 0.75
    d.Haunch = 2.0F;
    d.Slope = 5.0F;
    CalcCompositeProperties(d);
    const double n = 0.75;
    const double bt = 96.0 * n;
    const double as = 8.0 * bt;
    const double theta = static_cast<float>(5.0 * 3.1416 / 180.0);
    const double is =
        (64.0 * std::pow(std::cos(theta), 2) + bt * bt * std::pow(std::sin(theta), 2)) * as / 12.0;
    const double ys = 28.0 + 2.0 + 4.0;
    const double ah = 12.0 * n * 2.0;  // haunch 12 wide, 2 deep, transformed
    const double ih = 8.0 * 12.0 * n / 12.0;
    const double yh = 29.0;
    const double area = 369.0 + as + ah;
    const double ybot = (12.59 * 369.0 + as * ys + ah * yh) / area;
    const double moi = std::pow(ybot - 12.59, 2) * 369.0 + (50979.0 + is + ih) +
                       std::pow(ys - ybot, 2) * as + std::pow(yh - ybot, 2) * ah;
    EXPECT_NEAR(d.CompArea, area, 1e-3);
    EXPECT_NEAR(d.CompYbot, ybot, 1e-5);
    // The top fiber is the high edge of the sloped slab: the rise uses the full Beff.
    EXPECT_NEAR(d.CompYtop, 38.0 + 96.0 * std::tan(theta) / 2.0 - ybot, 1e-5);
    EXPECT_NEAR(d.CompMoI, moi, 0.05);
}

TEST(CompositeProperties, ModularRatioSlabWidthAndSlabAreaAreStoredWhenFormed) {
    DesignData d = CompositeGirder();
    d.SM28 = 3000000.0F;
    d.M28 = 3650000.0F;
    d.Haunch = 2.0F;
    CalcCompositeProperties(d);
    // By hand, each stored: n = 0.821917832, bt = 96 n = 78.9041138, As = 8 bt = 631.23291,
    // Ah = 12 n x 2 = 19.7260284, A = 1019.95892, Ybot = (12.59 x 369 + 34 As + 29 Ah) / A
    // = 26.1576061. Carried in double, n, bt and As would give 26.1576042.
    EXPECT_EQ(d.CompArea, 1019.95892F);
    EXPECT_EQ(d.CompYbot, 26.1576061F);
}

TEST(CompositeProperties, WithoutCompositeSlabTheBeamIsTheSectionAndZeroModulusStops) {
    DesignData d = CompositeGirder();
    d.Composite = false;
    d.Haunch = 3.0F;
    CalcCompositeProperties(d);
    const Quad beam = {369.0F, 50979.0F, 15.41F, 12.59F};
    EXPECT_EQ(GrossComposite(d), beam);
    EXPECT_EQ(CompositeInUse(d), beam);

    DesignData z = CompositeGirder();
    z.M28 = 0.0F;
    z.CompArea = 7.0F;
    ExpectCalcError([&] { CalcCompositeProperties(z); },
                    "the beam modulus of elasticity at 28 days is 0");
    EXPECT_EQ(z.CompArea, 7.0F);
}

}  // namespace
}  // namespace tarnex
