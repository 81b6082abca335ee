#include <gtest/gtest.h>

#include <cmath>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"
#include "prestress/prestress_path.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

/// A post-tensioned straight tendon with locations every `step` inches over the length.
DesignData Tendon(float length, float step, float aset) {
    DesignData d = PlainBeam();
    d.prestressing = Prestressing::PostTensioning;
    d.Blength = length;
    d.Aset = aset;
    for (float x = 0.0F; x <= length; x += step) AddLocation(d, x, 1000.0F);
    return d;
}

TEST(Friction, StraightTendonLosesWobbleOnlyAndNoFrictionGivesZero) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 600.0F, 0.0F);  // x = 0, 600, 1200
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(1), 0.0F);
    EXPECT_NEAR(d.FRloss(2), 0.1067, 5e-5);
    EXPECT_NEAR(d.FRloss(3), 0.2134, 5e-5);  // 1 - exp(-0.0002 x 1200)
    // No set: no set zone, and the location at the jacking end gets 0 without failing.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.ASloss(i), 0.0F);
    EXPECT_EQ(d.FRASmax, d.FRloss(3));

    d.K = 0.0F;  // no friction and no set: every sum is 0 and FRASmax stays 0
    d.FRASmax = 0.3F;
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRASmax, 0.0F);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Friction, InflectionHeightIsCarriedInDouble) {
    // Fixed-fixed path, Xl = 394, Xm = 600, Xr = 806, Yl = Yr = 28.5, Ym = 4.3. By hand:
    // Yd = 4.3 + (28.5 - 4.3)(600 - 394) / 600 = 12.6086664 (differences in single precision
    // would give 12.6086674); segment 1 rises Yl - Yd over 394 in, and with MU = 0.25 and
    // K = 0.0003 f1 = 1 - exp(-(0.25 x 2 x 15.8913336 / 394 + 0.0003 x 394)) = 0.129220665.
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 1200.0F, 0.0F);
    d.PathConfig = PathKind::FixedFixed;
    d.Xl = 394.0F;
    d.Xr = 806.0F;
    d.Yl = d.Yr = 28.5F;
    d.Ym = 4.3F;
    d.K = 0.0003F;
    AddLocation(d, 394.0F, 1000.0F);
    EXPECT_EQ(EvaluatePath(d, 394.0F).y, 12.6086664F);
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(3), 0.129220665F);  // at Xl: the whole first segment
}

TEST(AnchorSet, ZoneOverTheWholeBeamSeatsTheWholeSet) {
    // A stiff set on 240 in: F PSi is below A / L, the set zone covers the whole beam and the
    // loss mirrors the friction line about A / (PSi L); the seating (the loss stress integrated
    // over the beam) is the whole set A, not A - 2 F PSi L.
    ScriptedDialogs dialogs;
    DesignData d = Tendon(240.0F, 2.0F, 1.0F);
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    const double a = 28500000.0;
    const double f = static_cast<float>(1.0 - std::exp(-0.0002 * 240));
    const double uniform = a / (202500.0 * 240);
    EXPECT_NEAR(d.ASloss(1), uniform + f, 1e-6);
    EXPECT_NEAR(d.ASloss(d.nll), uniform - f, 1e-6);
    double seating = 0.0;
    for (int i = 2; i <= d.nll; ++i) seating += (d.ASloss(i) + d.ASloss(i - 1)) * 202500.0;
    EXPECT_NEAR(seating, a, 1.0);
    EXPECT_EQ(d.FRASmax, d.ASloss(1));  // the largest sum is at the jacking end
}

TEST(Friction, RefusalsLeaveZeroLossesAndZeroDivisorsAreReported) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 600.0F, 0.25F);
    d.FRASmax = 0.5F;
    d.prestressing = Prestressing::Pretensioning;
    EXPECT_FALSE(CalcFrictionAndAnchorSet(d, dialogs));
    d.prestressing = Prestressing::PostTensioning;
    d.PathConfig = PathKind::Harped;
    EXPECT_FALSE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"No friction losses occur for pretensioned beams",
                                        "Harping is not used for post-tensioned beams"}));
    ASSERT_EQ(d.ASloss.size(), 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.FRloss(i) + d.ASloss(i), 0.0F);
    EXPECT_EQ(d.FRASmax, 0.5F);

    DesignData noPsi = Tendon(1200.0F, 600.0F, 0.25F);
    noPsi.PSi = 0.0F;
    EXPECT_THROW(CalcFrictionAndAnchorSet(noPsi, dialogs), CalcError);
    DesignData s = Tendon(1200.0F, 600.0F, 0.25F);
    s.PathConfig = PathKind::SimpleSimple;
    s.Xm = 0.0F;
    ExpectCalcError([&] { CalcFrictionAndAnchorSet(s, dialogs); },
                    "the length of path segment 1 is 0");
}

}  // namespace
}  // namespace tarnex
