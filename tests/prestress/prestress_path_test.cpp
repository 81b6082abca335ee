#include <gtest/gtest.h>

#include <cmath>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

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
        {PathKind::FixedSimple, 0, 30, 0},
        {PathKind::FixedSimple, 240, 20, std::atan(1.0 / 12)},
        {PathKind::FixedSimple, 900, 11.25F, std::atan(1.0 / 24)},
        {PathKind::FixedSimple, 1200, 30, std::atan(1.0 / 12)},
        {PathKind::SimpleFixed, 300, 11.25F, std::atan(1.0 / 24)},
        {PathKind::SimpleFixed, 960, 20, std::atan(1.0 / 12)},
        {PathKind::SimpleFixed, 1200, 30, 0},
    };
    for (const auto& p : kPoints) {
        SCOPED_TRACE(::testing::Message() << "path " << static_cast<int>(p.kind) << " x " << p.x);
        DesignData d = PathBeam(p.kind, {p.x});
        CalcPathHeights(d);
        CalcOffsetsAndAngles(d);
        EXPECT_FLOAT_EQ(d.Ypath(1), p.y);
        EXPECT_FLOAT_EQ(d.Theta(1), static_cast<float>(p.theta));
    }
    // Height and slope on either side of a reverse-curvature point agree.
    for (const auto& [kind, at] :
         {std::pair{PathKind::FixedSimple, 240.0F}, std::pair{PathKind::SimpleFixed, 960.0F}}) {
        DesignData d = PathBeam(kind, {std::nextafter(at, 0.0F), at, std::nextafter(at, 2000.0F)});
        CalcPathHeights(d);
        CalcOffsetsAndAngles(d);
        for (int i : {1, 3}) {
            EXPECT_NEAR(d.Ypath(i), d.Ypath(2), 1e-4) << at;
            EXPECT_NEAR(d.Theta(i), d.Theta(2), 1e-5) << at;
        }
    }
}

TEST(PathAndTransformedProperties, ZeroDivisorsAreReported) {
    DesignData right = PathBeam(PathKind::FixedSimple, {700.0F});
    right.Blength = 600.0F;  // L - Xm = 0, met by a location right of Xm
    ExpectCalcError([&] { CalcPathHeights(right); },
                    "the distance from the middle key point to the right end is 0");
    DesignData left = PathBeam(PathKind::FixedSimple, {100.0F});
    left.Xm = 0.0F;  // x = 100 < Xl needs Yd, which divides by Xm
    ExpectCalcError([&] { CalcPathHeights(left); }, "the distance Xm of the middle key point is 0");
    DesignData a = PathBeam(PathKind::Straight, {300.0F});
    a.BeamArea = 0.0F;
    ExpectCalcError([&] { CalcTransformedProperties(a); }, "the beam area is 0");
    DesignData t = PathBeam(PathKind::Straight, {300.0F});
    t.sectionBasis = SectionBasis::Transformed;
    t.Pjack = 1000.0F;
    t.PSi = 0.0F;
    t.Area = 5.0F;
    EXPECT_THROW(CalcTransformedProperties(t), CalcError);
    EXPECT_EQ(t.Area, 5.0F);
}

}  // namespace
}  // namespace tarnex
