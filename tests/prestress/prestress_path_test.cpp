#include <gtest/gtest.h>

#include <cmath>

#include "design_fixtures.h"
#include "model/calc_error.h"
#include "prestress/calc_steps.h"

namespace tarnex {
namespace {

using testing::AddLocation;
using testing::PlainBeam;

DesignData PathBeam(PathKind kind, std::initializer_list<float> xs) {
    DesignData d = PlainBeam();
    d.PathConfig = static_cast<int>(kind);
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

TEST(PathHeights, StraightPathIsLevelAtYm) {
    DesignData d = PathBeam(PathKind::Straight, {0.0F, 450.0F, 1200.0F});
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.Ypath(i), 5.0F);
        EXPECT_EQ(d.Theta(i), 0.0F);
        EXPECT_EQ(d.Ecc(i), 5.0F - d.TYbot(i));
    }
}

TEST(PathHeights, HarpedFlatPartIncludesBothKeyPoints) {
    DesignData d = PathBeam(PathKind::Harped, {120.0F, 240.0F, 960.0F, 1080.0F});
    d.Yr = 20.0F;
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    EXPECT_FLOAT_EQ(d.Ypath(1), 17.5F);  // halfway down from 30 to 5
    EXPECT_FLOAT_EQ(d.Theta(1), static_cast<float>(std::atan(25.0 / 240.0)));
    EXPECT_EQ(d.Ypath(2), 5.0F);
    EXPECT_EQ(d.Theta(2), 0.0F);
    EXPECT_EQ(d.Ypath(3), 5.0F);
    EXPECT_EQ(d.Theta(3), 0.0F);
    EXPECT_FLOAT_EQ(d.Ypath(4), 12.5F);  // halfway up from 5 to 20
    EXPECT_FLOAT_EQ(d.Theta(4), static_cast<float>(std::atan(15.0 / 240.0)));
}

TEST(PathHeights, SimpleSimpleParabola) {
    DesignData d = PathBeam(PathKind::SimpleSimple, {300.0F, 900.0F, 600.0F, 0.0F});
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    EXPECT_EQ(d.Ypath(1), 11.25F);
    EXPECT_EQ(d.Ypath(2), 11.25F);
    EXPECT_EQ(d.Ypath(3), 5.0F);
    EXPECT_EQ(d.Theta(3), 0.0F);
    EXPECT_EQ(d.Ypath(4), 30.0F);
    EXPECT_EQ(d.Theta(4), static_cast<float>(std::atan(1.0 / 12.0)));
    EXPECT_EQ(d.Theta(1), static_cast<float>(std::atan(1.0 / 24.0)));
}

/// Height and slope on either side of a reverse-curvature point must agree.
void ExpectSmoothAt(PathKind kind, float at) {
    DesignData d = PathBeam(kind, {std::nextafter(at, 0.0F), at, std::nextafter(at, 2000.0F)});
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    EXPECT_NEAR(d.Ypath(1), d.Ypath(2), 1e-4);
    EXPECT_NEAR(d.Ypath(3), d.Ypath(2), 1e-4);
    EXPECT_NEAR(d.Theta(1), d.Theta(2), 1e-5);
    EXPECT_NEAR(d.Theta(3), d.Theta(2), 1e-5);
}

TEST(PathHeights, FixedEndsReverseCurvatureSmoothly) {
    // Yd = 5 + 25 x 360 / 600 = 20 at Xl; Yc = 20 at Xr.
    DesignData d = PathBeam(PathKind::FixedFixed, {240.0F, 960.0F, 1200.0F, 0.0F});
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    EXPECT_FLOAT_EQ(d.Ypath(1), 20.0F);
    EXPECT_FLOAT_EQ(d.Ypath(2), 20.0F);
    EXPECT_FLOAT_EQ(d.Ypath(3), 30.0F);  // the ends are reached with zero slope
    EXPECT_EQ(d.Theta(3), 0.0F);
    EXPECT_EQ(d.Theta(4), 0.0F);
    // Both branches have slope 2 (Yl - Ym) / Xm at Xl.
    EXPECT_FLOAT_EQ(d.Theta(1), static_cast<float>(std::atan(50.0 / 600.0)));
    ExpectSmoothAt(PathKind::FixedFixed, 240.0F);
    ExpectSmoothAt(PathKind::FixedFixed, 960.0F);
    ExpectSmoothAt(PathKind::FixedSimple, 240.0F);
    ExpectSmoothAt(PathKind::SimpleFixed, 960.0F);
}

TEST(PathHeights, ZeroKeyPointDistanceIsReported) {
    DesignData d = PathBeam(PathKind::SimpleSimple, {300.0F});
    d.Xm = 600.0F;
    d.Blength = 600.0F;  // L - Xm = 0, met by a location right of Xm
    d.locations(1).x = 700.0F;
    EXPECT_THROW(CalcTransformedProperties(d), CalcError);
    DesignData f = PathBeam(PathKind::FixedSimple, {100.0F});
    f.Xm = 0.0F;  // x = 100 < Xl needs Yd, which divides by Xm
    try {
        CalcPathHeights(f);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "the distance Xm of the middle key point is 0");
    }
}

TEST(TransformedProperties, GrossBasisEqualsGrossValues) {
    DesignData d = PathBeam(PathKind::SimpleSimple, {0.0F, 300.0F, 600.0F});
    d.Pjack = 800000.0F;
    d.Tslab = 8.0F;  // a slab without Composite adds nothing to the section
    d.Haunch = 2.0F;
    d.Area = d.MoI = d.Ytop = d.Ybot = 1.0F;
    d.CompArea = 77.0F;
    d.GCompArea = 2000.0F;
    d.GCompMoI = 200000.0F;
    d.GCompYtop = d.GCompYbot = 20.0F;
    CalcTransformedProperties(d);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.TArea(i), 2000.0F);
        EXPECT_EQ(d.TMoI(i), 200000.0F);
        EXPECT_EQ(d.TYtop(i), 20.0F);
        EXPECT_EQ(d.TYbot(i), 20.0F);
        EXPECT_EQ(d.TCompArea(i), 2000.0F);
        EXPECT_EQ(d.TCompMoI(i), 200000.0F);
        EXPECT_EQ(d.TCompYbot(i), 20.0F);
        EXPECT_EQ(d.TCompYtop(i), 20.0F);
    }
    EXPECT_EQ(d.Area, 2000.0F);
    EXPECT_EQ(d.MoI, 200000.0F);
    EXPECT_EQ(d.Ytop, 20.0F);
    EXPECT_EQ(d.Ybot, 20.0F);
    EXPECT_EQ(d.CompArea, 77.0F);  // gross basis keeps the composite section in use
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

TEST(TransformedProperties, ZeroBeamAreaAndZeroPSiAreReported) {
    DesignData d = PathBeam(PathKind::Straight, {300.0F});
    d.BeamArea = 0.0F;
    try {
        CalcTransformedProperties(d);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "the beam area is 0");
    }
    DesignData t = PathBeam(PathKind::Straight, {300.0F});
    t.sectionBasis = SectionBasis::Transformed;
    t.Pjack = 1000.0F;
    t.PSi = 0.0F;
    t.Area = 5.0F;
    EXPECT_THROW(CalcTransformedProperties(t), CalcError);
    EXPECT_EQ(t.Area, 5.0F);
}

TEST(TransformedProperties, NoLocationsStillSetsTheSectionInUse) {
    DesignData d = PathBeam(PathKind::Straight, {});
    d.Area = 1.0F;
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    EXPECT_TRUE(d.Ypath.empty());
    EXPECT_TRUE(d.TArea.empty());
    EXPECT_TRUE(d.Ecc.empty());
    EXPECT_EQ(d.Area, 2000.0F);
}

}  // namespace
}  // namespace tarnex
