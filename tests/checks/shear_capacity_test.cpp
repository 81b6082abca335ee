// Shear capacity by hand: which of flexure-shear and web-shear strength governs, the stirrups,
// and the branches no example design reaches (transfer length, density factor, signs).

#include <gtest/gtest.h>

#include <vector>

#include "report/capacity_sections.h"
#include "report/report_text.h"

namespace tarnex {
namespace {

/// Post-tensioned I girder, web 8, f'c 5000, normal weight, fy 60000, AASHTO. Every location:
/// x = 120 i, beam dead V 20 k and M 1.2e6 lb-in, live M 2.4e6 lb-in with shear `liveShear`,
/// final prestress 300 k at angle 0.05, composite depth 40 with the strands 5 up (d = 35),
/// TArea 500 (fpc 600), bottom stresses -300 dead and 1500 prestress, gross composite
/// I / Ybot = 150000 / 20.
testing::CapacityCase Girder(const std::vector<float>& liveShear) {
    const int n = static_cast<int>(liveShear.size());
    testing::CapacityCase state = testing::CapacityDesign(1, n);
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.Bweb = 8;
    d.BUW = 0.0868F;
    d.prestressing = Prestressing::PostTensioning;
    d.Blength = 1200;
    d.PSdia = 0.5F;
    v.CompYtop = v.Ytop = 25;
    v.CompYbot = v.Ybot = 15;
    v.GCompYtop = 30;
    v.GCompYbot = 20;
    v.GCompMoI = 150000;
    for (int i = 1; i <= n; ++i) {
        LoadLocation& loc = d.locations(i);
        loc.DV = 20000;
        loc.DM = 1.2e6F;
        loc.LV = liveShear[static_cast<std::size_t>(i - 1)];
        loc.LM = 2.4e6F;
        loc.LF = 1;
        v.PSP(i) = 300000;
        v.Ypath(i) = 5;
        v.TArea(i) = 500;
        v.Theta(i) = 0.05F;
        v.SbotD(i) = v.StopD(i) = -300;
        v.SbotPS(i) = v.StopPS(i) = 1500;
    }
    return state;
}

/// Checks phiVc (lb) of every location; no refusal or failure.
void ExpectStrengths(const testing::CapacityCase& c, const std::vector<double>& expected) {
    const auto table = CalcShearCapacity(c.data, c.v);
    EXPECT_EQ(table.refusal + table.failure, "");
    ASSERT_EQ(table.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(table.rows[i].phiVc, expected[i], 1);
}

// Vcw = (3.5 sqrt f'c + 0.3 * 600) * 8 * 35 + 300000 tan 0.05 = 134709; Vci = 0.6 sqrt f'c *
// 280 + 20000 + Mcr Vi / Mmax with Mcr = (6 sqrt f'c + 1500 - 300) * 7500 = 12.18e6 and
// Mmax = 2.4e6: Vci > Vcw for large Vi, so phiVc = 0.9 * 134709 = 121238. The web is too
// thin when Vs = (Vu - phiVc) / 0.9 reaches 8 sqrt f'c * 280 = 158392: Vu 270 k gives
// Vs = 165291, Vu 255 k gives 148624.
TEST(ShearCapacity, TooThinAWeb) {
    const testing::CapacityCase girder = Girder({250000, 235000});
    const auto table = CalcShearCapacity(girder.data, girder.v);
    ASSERT_EQ(table.rows.size(), 2U);
    EXPECT_NEAR(table.rows[0].phiVc, 121238.1, 1);
    EXPECT_TRUE(table.rows[0].widenWeb);
    EXPECT_FALSE(table.rows[1].widenWeb);
}

TEST(ShearCapacity, TransferLengthOfPretensionedStrands) {
    // lt = 50 * 0.5 = 25: at 12.5 in from either end half of the prestress acts (fpc 300,
    // Vp 7506): 0.9 * ((3.5 sqrt f'c + 90) * 280 + 7506) = 91802.
    testing::CapacityCase state = Girder({30000, 30000});
    state.data.prestressing = Prestressing::Pretensioning;
    state.data.locations(1).x = 12.5F;
    state.data.locations(2).x = 1187.5F;
    ExpectStrengths(state, {91802.4, 91802.4});
}

TEST(ShearCapacity, DensityFactorFromUnitWeightComparedAsStored) {
    // Web shear governs: phiVc = 0.9 ((3.5 lambda sqrt f'c + 180) * 280 + 15013).
    for (const auto& [unitWeight, phiVc] : std::vector<std::pair<float, double>>{
             {0.0831F, 121238.1}, {0.083F, 111883.1}, {0.0641F, 111883.1}, {0.064F, 105646.4}}) {
        testing::CapacityCase state = Girder({30000});
        state.data.BUW = unitWeight;
        ExpectStrengths(state, {phiVc});
    }
}

TEST(ShearCapacity, FlexureShearGovernsAtNegativeAndPositiveMoment) {
    // Mu = -3.6e6: d = Ypath 30 raised to 0.8 * 40 = 32; top fiber stresses, the dead load one
    // the sum of the beam, non-composite and composite dead loads (-150 - 100 - 50); Mcr over
    // Ytop + Ybot - GCompYbot = 20 (not GCompYtop 30): 12.18e6; Vi = 10000 - 20000,
    // Mmax = -2.4e6: Vci = 0.6 sqrt f'c * 256 + 20000 + 50758 = 81619 < Vcw = 124449.
    testing::CapacityCase state = Girder({-10000});
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.locations(1).DM = -1.2e6F;
    d.locations(1).LM = -2.4e6F;
    v.Ypath(1) = 30;
    v.StopD(1) = -150;
    v.StopCD(1) = -100;
    v.StopAD(1) = -50;
    v.SbotD(1) = v.SbotPS(1) = 0;
    ExpectStrengths(state, {0.9 * 81619.4});

    // Vu = 20 + 10 = 30 k, Vd = 20 k, Vi = 10 k: Vci = 0.6 sqrt f'c * 280 + 20000 + 12.18e6 *
    // 10000 / 2.4e6 = 82638 < Vcw.
    ExpectStrengths(Girder({10000}), {0.9 * 82637.6});
}

TEST(ShearCapacity, RefusalAndNumericFailures) {
    testing::CapacityCase state = Girder({30000});
    state.data.BeamShape = BeamShapeKind::General;
    EXPECT_EQ(CalcShearCapacity(state.data, state.v).refusal,
              "Shear capacity of general section not available");

    state = Girder({30000});
    state.v.TArea(1) = 0;
    EXPECT_NE(CalcShearCapacity(state.data, state.v).failure, "");
    state = Girder({30000});
    state.data.CS28 = -5000;
    EXPECT_NE(CalcShearCapacity(state.data, state.v).failure, "");
}

}  // namespace
}  // namespace tarnex
