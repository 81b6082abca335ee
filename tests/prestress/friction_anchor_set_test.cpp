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

/// Seating of the anchor set: the integral of the set loss stress over the beam (trapezoids).
double Seating(const DesignData& d) {
    double sum = 0.0;
    for (int i = 2; i <= d.nll; ++i) {
        const double h = static_cast<double>(d.locations(i).x) - d.locations(i - 1).x;
        sum += h * (static_cast<double>(d.ASloss(i)) + d.ASloss(i - 1)) / 2.0 * d.PSi;
    }
    return sum;
}

TEST(Friction, StraightTendonLosesWobbleOnlyAndNoFrictionGivesZero) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 600.0F, 0.0F);  // x = 0, 600, 1200
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(1), 0.0F);
    EXPECT_NEAR(d.FRloss(2), 0.1067, 5e-5);
    EXPECT_NEAR(d.FRloss(3), 0.2134, 5e-5);  // 1 - exp(-0.0002 x 1200)
    EXPECT_EQ(d.FRloss(3), static_cast<float>(1.0 - std::exp(-0.0002 * 1200.0)));
    // No set: no set zone, and the location at the jacking end gets 0 without failing.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.ASloss(i), 0.0F);
    EXPECT_EQ(d.FRASmax, d.FRloss(3));
    EXPECT_TRUE(dialogs.messages.empty());

    d.K = 0.0F;  // no friction and no set: every sum is 0 and FRASmax stays 0
    d.MU = 0.0F;
    d.FRASmax = 0.3F;
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRASmax, 0.0F);
    EXPECT_EQ(d.ASloss(1), 0.0F);
}

TEST(Friction, ParabolicSegmentsAccumulateFromTheJackingEnd) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 1200.0F, 0.0F);
    d.PathConfig = PathKind::SimpleSimple;
    d.Yl = 30.0F;
    d.Yr = 20.0F;
    AddLocation(d, 600.0F, 1000.0F);
    AddLocation(d, 300.0F, 1000.0F);
    AddLocation(d, 900.0F, 1000.0F);
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    const float f1 =
        static_cast<float>(1.0 - std::exp(-(0.25 * 2.0 * 25.0 / 600.0 + 0.0002 * 600.0)));
    const float f2 =
        static_cast<float>(1.0 - std::exp(-(0.25 * 2.0 * 15.0 / 600.0 + 0.0002 * 600.0)));
    EXPECT_EQ(d.FRloss(3), f1);  // exactly at Xm: the whole first segment
    EXPECT_FLOAT_EQ(d.FRloss(4), f1 / 2.0F);
    EXPECT_FLOAT_EQ(d.FRloss(5), f1 + f2 / 2.0F);
    EXPECT_FLOAT_EQ(d.FRloss(2), f1 + f2);
}

TEST(Friction, RisesAndInflectionHeightsAreCarriedInDouble) {
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
    EXPECT_EQ(LeftInflectionHeight(d), 12.6086664F);
    EXPECT_EQ(EvaluatePath(d, 394.0F).y, 12.6086664F);
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(3), 0.129220665F);  // at Xl: the whole first segment

    // Xl = 200, Xr = 1000, Yl = Yr = 32.5, K = 0.0002: Yd = 23.1000004; segment 2 rises
    // Yd - Ym = 18.8000004 over 400 in: f2 = 0.0983239785 (0.098323971 from a single-precision
    // rise), f1 = 0.0615258776; at x = 500, f1 + f2 x 300 / 400 = 0.135268867.
    d = Tendon(1200.0F, 1200.0F, 0.0F);
    d.PathConfig = PathKind::FixedFixed;
    d.Xl = 200.0F;
    d.Xr = 1000.0F;
    d.Yl = d.Yr = 32.5F;
    d.Ym = 4.3F;
    AddLocation(d, 500.0F, 1000.0F);
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    EXPECT_EQ(d.FRloss(3), 0.135268867F);
}

TEST(AnchorSet, ShortZoneSeatsTheSetNearTheJackingEnd) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 0.5F, 0.25F);
    ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
    const double a = 0.25 * 28500000.0;
    const double f = static_cast<float>(1.0 - std::exp(-0.24));
    const double xs = std::sqrt(a * 1200.0 / (f * 202500.0));  // about 445 in
    EXPECT_NEAR(d.ASloss(1), 2.0 * f * xs / 1200.0, 1e-6);
    EXPECT_EQ(d.ASloss(d.nll), 0.0F);
    EXPECT_NEAR(Seating(d), a, a * 1e-4);
    // Past the set zone the friction at the far end is the largest sum.
    EXPECT_EQ(d.FRASmax, d.FRloss(d.nll));
}

TEST(AnchorSet, ZoneOverTheWholeBeamSeatsTheWholeSet) {
    // F PSi below A / L: the set zone covers the whole beam and the loss mirrors the
    // friction line about A / (PSi L). The seating is the whole set, not A - 2 Ftot PSi L.
    const struct {
        const char* name;
        float length, step, aset, wobble;
    } kCases[] = {
        {"stiff set on a short beam", 240.0F, 2.0F, 1.0F, 0.0002F},
        {"default wobble: F PSi = 4018 psi < A / L = 5937.5 psi", 1200.0F, 10.0F, 0.25F,
         0.0000167F},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        DesignData d = Tendon(c.length, c.step, c.aset);
        d.K = c.wobble;
        ASSERT_TRUE(CalcFrictionAndAnchorSet(d, dialogs));
        const double a = c.aset * 28500000.0;
        const double f =
            static_cast<float>(1.0 - std::exp(-static_cast<double>(c.wobble) * c.length));
        const double uniform = a / (202500.0 * c.length);
        EXPECT_NEAR(d.ASloss(1), uniform + f, 1e-6);
        EXPECT_NEAR(d.ASloss(d.nll), uniform - f, 1e-6);
        for (int i = 1; i <= d.nll; ++i) EXPECT_GT(d.ASloss(i), 0.0F);
        EXPECT_NEAR(Seating(d), a, 1.0);
        EXPECT_EQ(d.FRASmax, d.ASloss(1));  // the largest sum is at the jacking end
    }
}

TEST(AnchorSet, LossIsContinuousWhereTheZoneReachesTheFarEnd) {
    ScriptedDialogs dialogs;
    const double f = static_cast<float>(1.0 - std::exp(-0.24));
    const double boundarySet = f * 202500.0 * 1200.0 / 28500000.0;  // xs = L
    DesignData below = Tendon(1200.0F, 300.0F, static_cast<float>(boundarySet * 0.9999));
    DesignData above = Tendon(1200.0F, 300.0F, static_cast<float>(boundarySet * 1.0001));
    ASSERT_TRUE(CalcFrictionAndAnchorSet(below, dialogs));
    ASSERT_TRUE(CalcFrictionAndAnchorSet(above, dialogs));
    for (int i = 1; i <= below.nll; ++i) {
        const double x = below.locations(i).x;
        EXPECT_NEAR(below.ASloss(i), 2.0 * f * (1.0 - x / 1200.0), 1e-4) << "x = " << x;
        EXPECT_NEAR(above.ASloss(i), below.ASloss(i), 1e-4) << "x = " << x;
    }
}

TEST(Friction, PretensioningAndHarpingAreRefusedWithZeroLosses) {
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
    ASSERT_EQ(d.FRloss.size(), 3);
    ASSERT_EQ(d.ASloss.size(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.FRloss(i), 0.0F);
        EXPECT_EQ(d.ASloss(i), 0.0F);
    }
    EXPECT_EQ(d.FRASmax, 0.5F);
}

TEST(Friction, ZeroPSiAndZeroSegmentAreReported) {
    ScriptedDialogs dialogs;
    DesignData d = Tendon(1200.0F, 600.0F, 0.25F);
    d.PSi = 0.0F;
    EXPECT_THROW(CalcFrictionAndAnchorSet(d, dialogs), CalcError);
    DesignData s = Tendon(1200.0F, 600.0F, 0.25F);
    s.PathConfig = PathKind::SimpleSimple;
    s.Xm = 0.0F;
    ExpectCalcError([&] { CalcFrictionAndAnchorSet(s, dialogs); },
                    "the length of path segment 1 is 0");
}

}  // namespace
}  // namespace tarnex
