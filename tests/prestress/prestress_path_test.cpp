#include "prestress/prestress_path.h"

#include <gtest/gtest.h>

#include <cmath>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)
using enum PathKind;

/// Key points Yl = 30 at Xl = 240, Ym = 5 at Xm = 600, Yr = 30 at Xr = 960, L = 1200.
DesignData PathBeam(PathKind kind, std::initializer_list<float> xs) {
    DesignData d = PlainBeam();
    d.PathConfig = kind;
    d.Yl = d.Yr = 30.0F;
    d.Xl = 240.0F;
    d.Xr = 960.0F;
    for (float x : xs) AddLocation(d, x, 1000.0F);
    return d;
}

TEST(PathHeights, MixedEndsReachTheirKeyPointsAndAreSmooth) {
    // A fixed end runs through Yd = 5 + 25 x 360 / 600 = 20 at Xl (or Xr) with slope
    // 2 (Yl - Ym) / Xm = 1/12 and reaches the end with zero slope; a simple end is one parabola
    // from Ym with zero slope at Xm: 30 at the end, 11.25 halfway.
    const struct {
        PathKind kind;
        float x, y;
        double theta;
    } kPoints[] = {

        {FixedSimple, 240, 20, std::atan(1.0 / 12)},
        {FixedSimple, 900, 11.25F, std::atan(1.0 / 24)},
        {FixedSimple, 1200, 30, std::atan(1.0 / 12)},
        {SimpleFixed, 300, 11.25F, std::atan(1.0 / 24)},
        {SimpleFixed, 960, 20, std::atan(1.0 / 12)},
        {SimpleFixed, 1200, 30, 0},
    };
    for (const auto& p : kPoints) {
        DesignData d = PathBeam(p.kind, {p.x});
        CalcValues v;
        CalcPathHeights(d, v);
        CalcOffsetsAndAngles(d, v);
        EXPECT_FLOAT_EQ(v.Ypath(1), p.y) << p.x;
        EXPECT_FLOAT_EQ(v.Theta(1), static_cast<float>(p.theta)) << p.x;
    }
    // Height and slope on either side of a reverse-curvature point agree.
    for (const auto& [kind, at] :
         {std::pair{FixedSimple, 240.0F}, std::pair{SimpleFixed, 960.0F}}) {
        DesignData d = PathBeam(kind, {std::nextafter(at, 0.0F), at, std::nextafter(at, 2000.0F)});
        CalcValues v;
        CalcPathHeights(d, v);
        CalcOffsetsAndAngles(d, v);
        for (int i : {1, 3}) {
            EXPECT_NEAR(v.Ypath(i), v.Ypath(2), 1e-4) << at;
            EXPECT_NEAR(v.Theta(i), v.Theta(2), 1e-5) << at;
        }
    }
}

TEST(PathAndTransformedProperties, ZeroDivisorsAreReported) {
    CalcValues v;
    DesignData right = PathBeam(FixedSimple, {700.0F});
    right.Blength = 600.0F;  // L - Xm = 0, met by a location right of Xm
    ExpectCalcError([&] { CalcPathHeights(right, v); },
                    "the distance from the middle key point to the right end is 0");
    DesignData left = PathBeam(FixedSimple, {100.0F});
    left.Xm = 0.0F;  // x = 100 < Xl needs Yd, which divides by Xm
    ExpectCalcError([&] { CalcPathHeights(left, v); },
                    "the distance Xm of the middle key point is 0");
    DesignData a = PathBeam(Straight, {300.0F});
    a.BeamArea = 0.0F;
    ExpectCalcError([&] { CalcTransformedProperties(a, v); }, "the beam area is 0");
    DesignData t = PathBeam(Straight, {300.0F});
    t.sectionBasis = SectionBasis::Transformed;
    t.Pjack = 1000.0F;
    t.PSi = 0.0F;
    v.Area = 5.0F;
    EXPECT_THROW(CalcTransformedProperties(t, v), CalcError);
    EXPECT_EQ(v.Area, 5.0F);
}

/// A post-tensioned straight tendon with locations every `step` inches over the length.
DesignData Tendon(float length, float step, float aset) {
    DesignData d = PlainBeam();
    d.prestressing = Prestressing::PostTensioning;
    d.Blength = length;
    d.Aset = aset;
    for (float x = 0.0F; x <= length; x += step) AddLocation(d, x, 1000.0F);
    return d;
}

TEST(Friction, StraightTendonLosesWobbleOnlyRefusalsLeaveZeroLosses) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 600.0F, 0.0F);  // x = 0, 600, 1200
    ASSERT_TRUE(StoreFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(1), 0.0F);
    EXPECT_NEAR(d.FRloss(2), 0.1067, 5e-5);
    EXPECT_NEAR(d.FRloss(3), 0.2134, 5e-5);  // 1 - exp(-0.0002 x 1200)
    // No set: no set zone, and the location at the jacking end gets 0 without failing.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.ASloss(i), 0.0F);
    EXPECT_EQ(d.FRASmax, d.FRloss(3));
    // Refused: no losses, and the old maximum stays.
    d = Tendon(1200.0F, 600.0F, 0.25F);
    d.FRASmax = 0.5F;
    d.prestressing = Prestressing::Pretensioning;
    EXPECT_FALSE(StoreFrictionAndAnchorSet(d, dialogs));
    d.prestressing = Prestressing::PostTensioning;
    d.PathConfig = Harped;
    EXPECT_FALSE(StoreFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"No friction losses occur for pretensioned beams",
                                        "Harping is not used for post-tensioned beams"}));
    ASSERT_EQ(d.ASloss.size(), 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.FRloss(i) + d.ASloss(i), 0.0F);
    EXPECT_EQ(d.FRASmax, 0.5F);

    DesignData s = Tendon(1200.0F, 600.0F, 0.25F);
    s.PathConfig = SimpleSimple;
    s.Xm = 0.0F;
    ExpectCalcError([&] { StoreFrictionAndAnchorSet(s, dialogs); },
                    "the length of path segment 1 is 0");
}

TEST(Friction, InflectionHeightIsCarriedInDouble) {
    // Fixed-fixed path, Xl = 394, Xm = 600, Xr = 806, Yl = Yr = 28.5, Ym = 4.3. By hand:
    // Yd = 4.3 + (28.5 - 4.3)(600 - 394) / 600 = 12.6086664 (differences in single precision
    // would give 12.6086674); segment 1 rises Yl - Yd over 394 in, and with MU = 0.25 and
    // K = 0.0003 f1 = 1 - exp(-(0.25 x 2 x 15.8913336 / 394 + 0.0003 x 394)) = 0.129220665.
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 1200.0F, 0.0F);
    d.PathConfig = FixedFixed;
    d.Xl = 394.0F;
    d.Xr = 806.0F;
    d.Yl = d.Yr = 28.5F;
    d.Ym = 4.3F;
    d.K = 0.0003F;
    AddLocation(d, 394.0F, 1000.0F);
    EXPECT_EQ(EvaluatePath(d, 394.0F).y, 12.6086664F);
    ASSERT_TRUE(StoreFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(3), 0.129220665F);  // at Xl: the whole first segment
}

TEST(AnchorSet, ZoneOverTheWholeBeamSeatsTheWholeSet) {
    // A stiff set on 240 in: F PSi is below A / L, the set zone covers the whole beam and the
    // loss mirrors the friction line about A / (PSi L); the seating (the loss stress integrated
    // over the beam) is the whole set A, not A - 2 F PSi L.
    ScriptedDialogs dialogs;
    DesignData d = Tendon(240.0F, 2.0F, 1.0F);
    ASSERT_TRUE(StoreFrictionAndAnchorSet(d, dialogs));
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

}  // namespace
}  // namespace tarnex
