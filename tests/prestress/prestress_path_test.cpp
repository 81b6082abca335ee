#include <gtest/gtest.h>

#include <cmath>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

DesignData PathBeam(PathKind kind, std::initializer_list<float> xs) {
    DesignData d = PlainBeam();
    d.PathConfig = kind;
    d.Yl = 30.0F;
    d.Ym = 5.0F;
    d.Yr = 30.0F;
    d.Xl = 240.0F;
    d.Xm = 600.0F;
    d.Xr = 960.0F;
    for (float x : xs) AddLocation(d, x, 1000.0F);
    CalcCompositeProperties(d);  // the transformed composite builds on it
    return d;
}

TEST(PathHeights, HeightsAndSlopesOfEachPath) {
    // Key points Yl = 30 at Xl = 240, Ym = 5 at Xm = 600, Yr at Xr = 960, L = 1200. A harped
    // path is flat between both key points. Fixed ends: Yd = 5 + 25 x 360 / 600 = 20 at Xl and
    // Yc = 20 at Xr, both with slope 2 (Yl - Ym) / Xm; the ends are reached with zero slope.
    const struct {
        PathKind kind;
        float yr, x, ypath;
        double theta;
    } kPoints[] = {
        {PathKind::Straight, 30, 0, 5, 0},
        {PathKind::Straight, 30, 450, 5, 0},
        {PathKind::Straight, 30, 1200, 5, 0},
        {PathKind::Harped, 20, 120, 17.5F, std::atan(25.0 / 240.0)},
        {PathKind::Harped, 20, 240, 5, 0},
        {PathKind::Harped, 20, 960, 5, 0},
        {PathKind::Harped, 20, 1080, 12.5F, std::atan(15.0 / 240.0)},
        {PathKind::SimpleSimple, 30, 300, 11.25F, std::atan(1.0 / 24.0)},
        {PathKind::SimpleSimple, 30, 900, 11.25F, std::atan(1.0 / 24.0)},
        {PathKind::SimpleSimple, 30, 600, 5, 0},
        {PathKind::SimpleSimple, 30, 0, 30, std::atan(1.0 / 12.0)},
        {PathKind::FixedFixed, 30, 240, 20, std::atan(50.0 / 600.0)},
        {PathKind::FixedFixed, 30, 960, 20, std::atan(50.0 / 600.0)},
        {PathKind::FixedFixed, 30, 1200, 30, 0},
        {PathKind::FixedFixed, 30, 0, 30, 0},
    };
    for (const auto& p : kPoints) {
        SCOPED_TRACE(::testing::Message() << "path " << static_cast<int>(p.kind) << " x " << p.x);
        DesignData d = PathBeam(p.kind, {p.x});
        d.Yr = p.yr;
        CalcTransformedProperties(d);
        CalcOffsetsAndAngles(d);
        EXPECT_FLOAT_EQ(d.Ypath(1), p.ypath);
        EXPECT_FLOAT_EQ(d.Theta(1), static_cast<float>(p.theta));
        // The offsets evaluate the path on their own; they must agree with the heights.
        EXPECT_FLOAT_EQ(d.Ecc(1), d.Ypath(1) - d.TYbot(1));
    }
}

TEST(PathHeights, ReverseCurvatureIsSmooth) {
    // Height and slope on either side of a reverse-curvature point must agree.
    for (const auto& [kind, at] :
         {std::pair{PathKind::FixedFixed, 240.0F}, std::pair{PathKind::FixedFixed, 960.0F},
          std::pair{PathKind::FixedSimple, 240.0F}, std::pair{PathKind::SimpleFixed, 960.0F}}) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(kind) << " at " << at);
        DesignData d = PathBeam(kind, {std::nextafter(at, 0.0F), at, std::nextafter(at, 2000.0F)});
        CalcTransformedProperties(d);
        CalcOffsetsAndAngles(d);
        for (int i : {1, 3}) {
            EXPECT_NEAR(d.Ypath(i), d.Ypath(2), 1e-4);
            EXPECT_NEAR(d.Theta(i), d.Theta(2), 1e-5);
        }
    }
}

TEST(TransformedProperties, GrossBasisEqualsGrossValuesAlsoWithoutLocations) {
    DesignData d = PathBeam(PathKind::SimpleSimple, {0.0F, 300.0F, 600.0F});
    d.Pjack = 800000.0F;
    d.Tslab = 8.0F;  // a slab without Composite adds nothing to the section
    d.Haunch = 2.0F;
    SetProperties(d, {1, 1, 1, 1});
    d.CompArea = 77.0F;
    const Quad gross = {2000.0F, 200000.0F, 20.0F, 20.0F};
    ASSERT_EQ(GrossComposite(d), gross);
    CalcTransformedProperties(d);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ((Quad{d.TArea(i), d.TMoI(i), d.TYtop(i), d.TYbot(i)}), gross) << i;
        EXPECT_EQ((Quad{d.TCompArea(i), d.TCompMoI(i), d.TCompYtop(i), d.TCompYbot(i)}), gross)
            << i;
    }
    EXPECT_EQ(Properties(d), gross);
    EXPECT_EQ(d.CompArea, 77.0F);  // gross basis keeps the composite section in use

    DesignData none = PathBeam(PathKind::Straight, {});
    none.Area = 1.0F;
    CalcTransformedProperties(none);
    CalcOffsetsAndAngles(none);
    EXPECT_TRUE(none.Ypath.empty());
    EXPECT_TRUE(none.TArea.empty());
    EXPECT_TRUE(none.Ecc.empty());
    EXPECT_EQ(none.Area, 2000.0F);  // the section in use is still set
}

TEST(TransformedProperties, SteelTransformedAtEachLocationAndAtMidspan) {
    DesignData d = PathBeam(PathKind::SimpleSimple, {0.0F, 600.0F});
    d.sectionBasis = SectionBasis::Transformed;
    d.Pjack = 810000.0F;
    d.PSmod = 28000000.0F;  // n = 7, As = 810000 / 202500 = 4 in2, k = 24 in2
    d.GCompArea = 3000.0F;
    d.GCompMoI = 500000.0F;
    d.GCompYbot = 30.0F;
    CalcTransformedProperties(d);
    // At x = 0 the steel is at 30 in: ybot = (24 x 30 + 20 x 2000) / 2024.
    const double yb1 = (24.0 * 30.0 + 40000.0) / 2024.0;
    EXPECT_EQ(d.TArea(1), 2024.0F);
    EXPECT_NEAR(d.TYbot(1), yb1, 1e-5);
    EXPECT_NEAR(d.TYtop(1), 40.0 - yb1, 1e-5);
    EXPECT_NEAR(d.TMoI(1), std::pow(yb1 - 20, 2) * 2000 + 200000 + std::pow(yb1 - 30, 2) * 24,
                0.01);
    const double cyb = (24.0 * 30.0 + 30.0 * 3000.0) / 3024.0;
    EXPECT_EQ(d.TCompArea(1), 3024.0F);
    EXPECT_NEAR(d.TCompYbot(1), cyb, 1e-5);
    EXPECT_NEAR(d.TCompMoI(1), std::pow(cyb - 30, 2) * 3000 + 500000 + std::pow(cyb - 30, 2) * 24,
                0.01);
    // Section in use: the steel at Ym = 5.
    const double yb = (24.0 * 5.0 + 40000.0) / 2024.0;
    EXPECT_EQ(d.Area, 2024.0F);
    EXPECT_NEAR(d.Ybot, yb, 1e-5);
    EXPECT_EQ(d.TYbot(2), d.Ybot);
    EXPECT_EQ(d.TMoI(2), d.MoI);
    EXPECT_EQ(d.CompArea, 3024.0F);
    EXPECT_NEAR(d.CompYbot, (24.0 * 5.0 + 90000.0) / 3024.0, 1e-5);
}

TEST(PathAndTransformedProperties, ZeroDivisorsAreReported) {
    DesignData d = PathBeam(PathKind::SimpleSimple, {700.0F});
    d.Blength = 600.0F;  // L - Xm = 0, met by a location right of Xm
    EXPECT_THROW(CalcTransformedProperties(d), CalcError);
    DesignData f = PathBeam(PathKind::FixedSimple, {100.0F});
    f.Xm = 0.0F;  // x = 100 < Xl needs Yd, which divides by Xm
    ExpectCalcError([&] { CalcPathHeights(f); }, "the distance Xm of the middle key point is 0");
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
