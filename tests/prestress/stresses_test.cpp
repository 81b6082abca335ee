#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "model/calc_error.h"
#include "prestress/calc_steps.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

/// PlainBeam with its transformed arrays (gross basis) at the given locations.
DesignData StressDesign(std::initializer_list<float> xs) {
    DesignData d = PlainBeam();
    for (float x : xs) AddLocation(d, x, 0.0F);
    CalcCompositeProperties(d);
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    return d;
}

TEST(LoadStresses, BeamAndCompositeCases) {
    DesignData d = StressDesign({600.0F});
    LoadLocation& loc = d.locations(1);
    loc.DM = 2000000.0F;  // 20 x 2e6 / 2e5 = 200 psi
    loc.DP = 100000.0F;   // 50 psi compression on both fibers
    loc.PSP = 800000.0F;
    loc.PSM = -12000000.0F;  // steel below: hogging
    CalcLoadStresses(d);
    EXPECT_EQ(d.StopD(1), 250.0F);
    EXPECT_EQ(d.SbotD(1), -150.0F);
    EXPECT_EQ(d.StopPS(1), 400.0F - 1200.0F);
    EXPECT_EQ(d.SbotPS(1), 400.0F + 1200.0F);
    EXPECT_EQ(d.StopCD(1), 0.0F);
    EXPECT_EQ(d.SbotM(1), 0.0F);
}

TEST(LoadStresses, CompositeCasesActAtTheBeamTopAndZeroInertiaIsReported) {
    DesignData d = StressDesign({600.0F});
    d.Composite = true;
    d.TCompArea(1) = 3000.0F;
    d.TCompMoI(1) = 500000.0F;
    d.TCompYbot(1) = 30.0F;  // beam top lies 40 - 30 = 10 in above the composite centroid
    d.locations(1).LM = 5000000.0F;
    d.locations(1).ADP = 30000.0F;
    CalcLoadStresses(d);
    EXPECT_EQ(d.StopL(1), 100.0F);   // 10 x 5e6 / 5e5
    EXPECT_EQ(d.SbotL(1), -300.0F);  // 30 x 5e6 / 5e5
    EXPECT_EQ(d.StopAD(1), 10.0F);
    EXPECT_EQ(d.SbotAD(1), 10.0F);

    d.TMoI(1) = 0.0F;
    d.locations(1).DM = 1.0F;
    EXPECT_THROW(CalcLoadStresses(d), CalcError);
}

TEST(PrestressEffects, PretensionedForceAtTransferAndFinalCase) {
    DesignData d = StressDesign({300.0F, 600.0F});
    d.Pjack = 810000.0F;
    d.PSlossAt(1) = 40500.0F;
    d.PSlossAt(2) = 0.0F;
    CalcPrestressEffects(d);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(d.PforceT(i), 729000.0F);  // (202500 - 20250) x 810000 / 202500
        EXPECT_EQ(d.PmomT(i), -729000.0F * 15.0F);
        // Steel below the centroid: less at the top than P / A, more at the bottom.
        EXPECT_FLOAT_EQ(d.StopPSi(i), 364.5F - 729000.0F * 15.0F * 20.0F / 200000.0F);
        EXPECT_FLOAT_EQ(d.SbotPSi(i), 364.5F + 729000.0F * 15.0F * 20.0F / 200000.0F);
    }
    EXPECT_EQ(d.locations(1).PSP, 648000.0F);  // 0.8 x 810000
    EXPECT_EQ(d.locations(1).PSM, -648000.0F * 15.0F);
    EXPECT_EQ(d.locations(2).PSP, 810000.0F);  // no loss at the location: Pjack itself
}

TEST(PrestressEffects, PostTensionedTransferForceFollowsFrictionAndSetZeroPSiIsReported) {
    DesignData d = StressDesign({0.0F, 600.0F});
    d.prestressing = Prestressing::PostTensioning;
    d.Pjack = 1000000.0F;
    d.FRloss.Recreate(2);
    d.ASloss.Recreate(2);
    d.FRloss(2) = 0.1F;
    d.ASloss(1) = 0.05F;
    CalcPrestressEffects(d);
    EXPECT_FLOAT_EQ(d.PforceT(1), 950000.0F);
    EXPECT_FLOAT_EQ(d.PforceT(2), 900000.0F);

    d.PSi = 0.0F;  // reported, and the load case is kept
    d.locations(1).PSP = 7.0F;
    EXPECT_THROW(CalcPrestressEffects(d), CalcError);
    EXPECT_EQ(d.locations(1).PSP, 7.0F);
}

/// Fills the per-location stress arrays of the critical-stress combinations.
struct Fibers {
    float topD, botD, topPSi, botPSi, topPS, botPS, topL, botL;
};

void SetStresses(DesignData& d, int i, const Fibers& f) {
    d.StopD(i) = f.topD;
    d.SbotD(i) = f.botD;
    d.StopPSi(i) = f.topPSi;
    d.SbotPSi(i) = f.botPSi;
    d.StopPS(i) = f.topPS;
    d.SbotPS(i) = f.botPS;
    d.StopL(i) = f.topL;
    d.SbotL(i) = f.botL;
}

DesignData CriticalDesign(int n) {
    DesignData d = StressDesign({});
    for (int i = 0; i < n; ++i) AddLocation(d, 100.0F * static_cast<float>(i), 0.0F);
    for (FloatArray* a :
         {&d.StopD, &d.SbotD, &d.StopCD, &d.SbotCD, &d.StopAD, &d.SbotAD, &d.StopL, &d.SbotL,
          &d.StopPS, &d.SbotPS, &d.StopPS2, &d.SbotPS2, &d.StopPSi, &d.SbotPSi}) {
        a->Recreate(n);
    }
    return d;
}

TEST(CriticalStresses, OneLocationGivesItsOwnStatesExtremesOverLocationsNoneKeepsThem) {
    DesignData d = CriticalDesign(1);
    SetStresses(d, 1, {500, -600, -300, 1800, -200, 1500, 400, -700});
    d.StopAD(1) = 50.0F;
    CalcCriticalStresses(d);
    EXPECT_EQ(d.MaxInitComp, 1200.0F);            // bottom at transfer: -600 + 1800
    EXPECT_EQ(d.MinFinalDL, 900.0F);              // 1500 - 600
    EXPECT_EQ(d.MinFinalAll, 200.0F);             // 1500 - 600 - 700
    EXPECT_EQ(d.MaxFinalComp, 750.0F);            // top 500 - 200 + 50 + 400 beats 200
    EXPECT_EQ(d.MaxCompLL, 350.0F / 2 + 400.0F);  // half the sustained top plus live
    EXPECT_EQ(d.MinTop, 200.0F);                  // transfer top 500 - 300

    DesignData two = CriticalDesign(2);
    SetStresses(two, 1, {500, -600, -300, 1800, -200, 1500, 400, -700});
    SetStresses(two, 2, {-100, 100, -50, 500, -100, 800, -50, 100});
    CalcCriticalStresses(two);
    EXPECT_EQ(two.MaxInitComp, 1200.0F);
    EXPECT_EQ(two.MinTop, -250.0F);  // service top at location 2: -100 - 100 - 50
    EXPECT_EQ(two.MinFinalAll, 200.0F);
    EXPECT_EQ(two.MinFinalDL, 900.0F);

    DesignData none = CriticalDesign(0);
    none.MinTop = 12.0F;
    none.MaxInitComp = 34.0F;
    CalcCriticalStresses(none);
    EXPECT_EQ(none.MinTop, 12.0F);
    EXPECT_EQ(none.MaxInitComp, 34.0F);
}

}  // namespace
}  // namespace tarnex
