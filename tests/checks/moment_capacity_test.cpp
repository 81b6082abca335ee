// Moment capacity: the strength and mild steel formulas by hand, and the sections, refusals and
// failures that no example design reaches.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/design_results.h"
#include "checks/flexural_strength.h"
#include "model/calc_error.h"
#include "report/report_text.h"

namespace tarnex {
namespace {

/// Low relaxation strands of 270 ksi, Aps = Pjack / PSi = `aps` in^2, slab f'c 4000.
testing::CapacityCase Record(int shape, bool composite, float aps) {
    testing::CapacityCase state = testing::CapacityDesign(shape, 1);
    DesignData& d = state.data;
    d.Composite = composite;
    d.PStype = SteelType::LowRelaxation;
    d.PSus = 270000;
    d.PSi = 189000;
    d.Pjack = 189000 * aps;
    d.SS28 = 4000;
    return state;
}

/// Solid slab 36 x 12, not composite, strands 2 in above the bottom: dp = 10 for positive
/// moment, gross composite properties equal to the slab's.
testing::CapacityCase SolidSlab(float aps = 1) {
    testing::CapacityCase state = Record(4, false, aps);
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.D = 12;
    d.Btop = 36;
    d.BeamYtop = d.BeamYbot = v.GCompYtop = v.GCompYbot = 6;
    v.GCompMoI = 5184;
    v.Ypath(1) = 2;
    return state;
}

/// A factored moment from the miscellaneous load case alone: no dead load enters the cracking
/// moment, which is then fr Sc.
void Miscellaneous(DesignData& d, float moment) {
    d.locations(1).MM = moment;
    d.locations(1).MF = 1;
}

/// Beam 20 deep (BeamYtop 9 + BeamYbot 11), composite 24 deep (10 + 14), strands 4 up,
/// Htop 2, Bweb 3, Bbot 20, Hbot 1.5, D 20, Tslab 1, Haunch 0.5, Bspace 40; Aps 3 so that
/// most sections act as flanged and every dimension shows in phiMn.
testing::CapacityCase TwentyInchBeam(int shape, bool composite) {
    testing::CapacityCase state = Record(shape, composite, 3);
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.D = d.Bbot = 20;
    d.Bspace = 40;
    d.Htop = 2;
    d.Bweb = 3;
    d.Hbot = 1.5F;
    d.Tslab = 1;
    d.Haunch = 0.5F;
    d.BeamYtop = 9;
    d.BeamYbot = 11;
    v.GCompYtop = 10;
    v.GCompYbot = 14;
    v.GCompMoI = 1e6F;
    v.Ypath(1) = 4;
    return state;
}

// Hand calculation, slab 36 x 12, dp = 10, Aps = 1, f'c 5000 (beta1 0.80), fpu 270 ksi:
// rho = 1/360, fps = 270000 (1 - 0.35 * 0.15) = 255825, a = 1.672 < 12, index 0.1421 < 0.288,
// phiMn = 255825 * 10 * (1 - 0.6 * 0.142125) = 2340095 lb-in.
TEST(MomentCapacity, FlexuralStrengthByHand) {
    DesignData d;
    d.PSus = 270000;
    const CompressionZone fc5000 = {5000, 0.8, 0.28};
    EXPECT_NEAR(FlexuralStrength(d, fc5000, 1.0, 1, 36, 12, 36, 10), 2340095.2, 0.5);
    // Over-reinforced: index 0.7125 > 0.288, f'c b dp^2 (0.36 b1 - 0.08 b1^2) = 18e6 * 0.2368.
    EXPECT_NEAR(FlexuralStrength(d, fc5000, 1.0, 10, 36, 12, 36, 10), 4262400, 0.5);
    // Flanged: b 24, hf 1, bw 12, dp 35, f'c 4000 (beta1 0.85), Aps 2: fps = 255705.9,
    // a = 6.27 > 1, Apf = 40800 / fps = 0.1596, web index 0.2801 < 0.306,
    // Mf = 40800 * 34.5 = 1407600.
    const CompressionZone fc4000 = {4000, 0.85, 0.28};
    EXPECT_NEAR(FlexuralStrength(d, fc4000, 1.0, 2, 24, 1, 12, 35), 15110568.9, 0.5);
    // Same flange with a 6 in web: web index 0.536 > 0.306, over-reinforced web:
    // f'c bw dp^2 (0.36 b1 - 0.08 b1^2) + Mf with Mf = 0.85 * 4000 * 18 * 1 * 34.5 = 2111400:
    // 29.4e6 * 0.2482 + 2111400 = 9408480.
    EXPECT_NEAR(FlexuralStrength(d, fc4000, 1.0, 2, 24, 1, 6, 35), 9408480.2, 0.5);
}

// Flanged (composite I girder): the compression zone grows 0.05 in at a time below the flange
// until the couple of the tension and compression forces carries Mult.
TEST(MomentCapacity, MildSteelRequiredByHand) {
    const DesignData d = Record(4, false, 1).data;  // fpu 270000, fy 60000
    const CompressionZone fc4000 = {4000, 0.85, 0};
    EXPECT_NEAR(MildSteelRequired(d, fc4000, 15.2e6, 1.0, 2, 24, 12, 1, 35, 37), 0.2572143, 1e-6);
    // Past the reinforcement index limit (t = 11.7) no mild steel helps.
    EXPECT_EQ(MildSteelRequired(d, fc4000, 17e6, 1.0, 2, 24, 12, 1, 35, 37), 0.0);
    // A 1 in web under a 0.1 in flange never develops the couple; with the index limit out of
    // reach the search must stop with a calculation error, not run on.
    EXPECT_THROW(MildSteelRequired(d, {5000, 1e6, 0}, 2e6, 1.0, 0.1, 100, 1, 0.1, 10, 10),
                 CalcError);
}

// Failed checks: mild steel makes up phiMn below Mult only where the strands are not
// over-reinforced; the 0.36 beta1 limit of the flanged section counts its web strands.
TEST(MomentCapacity, FailedChecksMildSteelAndBlockDepthFactor) {
    // Composite I girder, slab flange Beff 24 x Tslab 1, web 12, composite depth 40, strands
    // 5 in up (dp 35), ds = 40 - 6 / 2 = 37, Aps 2: phiMn 15110569 < Mult, the couple carries Mult
    // at t = 10.85: As = (0.85 * 4000 * (24 + 12 t) - 2 fps') / 60000 with fps' = 248303.6:
    // 0.46121.
    testing::CapacityCase state = Record(1, true, 2);
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.Beff = 24;
    d.Tslab = 1;
    d.Bweb = 12;
    d.Hbot = 6;
    v.GCompYtop = 25;
    v.GCompYbot = 15;
    v.GCompMoI = 100000;
    v.Ypath(1) = 5;
    Miscellaneous(d, 15.5e6F);
    MomentCapacityRow row = CalcMomentCapacity(state.data, state.v).rows.at(0);
    EXPECT_FALSE(row.holds);
    EXPECT_NEAR(row.mildSteel, 0.46121, 1e-5);
    EXPECT_FLOAT_EQ(state.v.Beta1, 0.85F);  // the slab's 4000 psi in compression
    // Over-reinforced (Aps 10): phiMn 4262400 < 6e6 and no mild steel helps.
    state = SolidSlab(10);
    Miscellaneous(state.data, 6e6F);
    row = CalcMomentCapacity(state.data, state.v).rows.at(0);
    EXPECT_FALSE(row.holds);
    EXPECT_EQ(row.mildSteel, 0);

    // The solid slab's mild steel lies at 0.8 h = 9.6. Rectangular, Mult 3e6: fps' = 270000
    // (1 - 0.5 * 0.15) = 249750, A = 60000^2 / 306000, B = 60000 * 9.6 - 249750 * 60000 /
    // 153000, C = 3e6 - 249750 * 10 + 249750^2 / 306000: the smaller root As = 1.5355432.
    state = SolidSlab();
    Miscellaneous(state.data, 3e6F);
    row = CalcMomentCapacity(state.data, state.v).rows.at(0);
    EXPECT_NEAR(row.mildSteel, 1.5355432, 1e-6);

    // ACI: beta1 0.85 - 0.05 per 1000 psi above 4000, at least 0.65; stress relieved strand
    // has gammaP 0.40.
    state.data.CS28 = 9000;
    state.data.PStype = SteelType::StressRelieved;
    CalcMomentCapacity(state.data, state.v);
    EXPECT_FLOAT_EQ(state.v.Beta1, 0.65F);
    EXPECT_EQ(state.v.GammaP, 0.40F);
}

// Composite box girders side by side (Btop >= Beff): flange Btop x (Haunch + Tslab + Htop),
// webs 2 Bweb, dp = Hc - Yp.
TEST(MomentCapacity, SectionChoiceByShapeSlabAndMomentSign) {
    struct SectionCase {
        const char* name;
        int shape;
        bool composite;
        float btop, beff, moment;
        double b, hf, bw, dp;
        std::string refusal = {};
    };
    for (const SectionCase& c : std::vector<SectionCase>{
             {"box +", 2, false, 30, 40, 1e6F, 30, 2, 6, 16},
             {"box -", 2, false, 30, 40, -1e6F, 20, 1.5, 6, 4},
             {"box side by side +", 2, true, 40, 40, 1e6F, 40, 3.5, 6, 20},
             {"voided composite -", 3, true, 30, 40, -1e6F, 30, 8.5, 24, 4},
             {"voided composite +", 3, true, 30, 40, 1e6F, 40, 10, 24, 20},
             {"solid composite +", 4, true, 30, 40, 1e6F, 40, 24, 40, 20},
             {"solid composite -", 4, true, 30, 40, -1e6F, 30, 24, 30, 4},
             {"I +", 1, false, 30, 40, 1e6F, 0, 0, 0, 0,
              "Moment capacity of non-composite I-girder not available"},
             {"I composite -", 1, true, 30, 40, -1e6F, 0, 0, 0, 0,
              "Negative moment capacity of composite I-girder not available"},
             {"trapezoid together +", 5, true, 40, 40, 1e6F, 0, 0, 0, 0,
              "Positive moment capacity of trapezoidal box girder spaced together not available"},
             {"voided apart +", 3, true, 30, 36, 0, 0, 0, 0, 0,
              "Positive moment capacity of voided slab spaced apart not available"}}) {
        SCOPED_TRACE(c.name);
        testing::CapacityCase state = TwentyInchBeam(c.shape, c.composite);
        DesignData& d = state.data;
        CalcValues& v = state.v;
        d.Btop = c.btop;
        d.Beff = c.beff;
        d.locations(1).DM = c.moment;
        const auto table = CalcMomentCapacity(d, v);
        EXPECT_EQ(table.refusal, c.refusal);
        if (!c.refusal.empty() || table.rows.size() != 1) continue;
        const double fc = c.moment > 0 && c.composite ? 4000 : 5000;
        const CompressionZone zone = {fc, fc == 4000 ? 0.85 : 0.80, 0.28};
        EXPECT_NEAR(
            table.rows[0].phiMn,
            (c.moment > 0 ? 1 : -1) * FlexuralStrength(d, zone, 1.0, 3, c.b, c.hf, c.bw, c.dp),
            1.0);
    }
}

// The cracking moment with the effective prestress, for the fiber the factored moment puts in
// tension; the verdict and the mild steel use 1.2 M*cr.
TEST(MomentCapacity, CrackingMomentWithEffectivePrestress) {
    // Rectangular beam 12 x 24 in, f'c 5000 psi (fr = 7.5 sqrt(5000) = 530.330 psi), S = 1152
    // in^3, A = 288 in^2, Pe = 250 kips at e = 8 in (strands 4 in up, dp = 20), Aps 1.0 in^2 of
    // 270 ksi low relaxation strand. fpe = 250000 / 288 + 250000 * 8 / 1152 = 868.06 + 1736.11
    // = 2604.17 psi; the self weight's stress cancels its moment (Sc = Snc), so
    // Mcr = 1152 (530.330 + 2604.167) = 3,610,943 lb-in (300.9 kip-ft), 1.2 Mcr = 361.09 kip-ft.
    // phiMn (0.90): rho = 1 / 240, fps = 270 (1 - 0.35 * 0.0041667 * 54) = 248.74 ksi,
    // 0.9 * 1.0 * 248.74 * 20 (1 - 0.6 * 0.0041667 * 248.74 / 5) = 3920.5 kip-in = 326.7 kip-ft:
    // NG by ACI 18.8.2; fr S alone (61.1 kip-ft) would pass it.
    testing::CapacityCase state = Record(4, false, 1);
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.designCriteria = DesignCriteria::ACI;
    d.D = 24;
    d.Btop = 12;
    d.BeamYtop = d.BeamYbot = v.GCompYtop = v.GCompYbot = 12;
    v.GCompMoI = 13824;
    v.Ypath(1) = 4;
    d.locations(1).DM = 1.2e6F;  // 100 kip-ft of self weight: -1041.67 psi at the bottom
    v.SbotD(1) = -1041.6666F;
    v.SbotPS(1) = 2604.1667F;
    MomentCapacityRow row = CalcMomentCapacity(d, v).rows.at(0);
    EXPECT_NEAR(row.Mcr12 / 12000, 361.094, 0.001);
    EXPECT_NEAR(row.phiMn / 12000, 326.70, 0.01);
    EXPECT_FALSE(row.holds);
    // The mild steel carries 1.2 Mcr, not the 100 kip-ft of Mult, and makes the section adequate.
    const CompressionZone zone = {5000, 0.8, 0.28};
    EXPECT_NEAR(row.mildSteel, MildSteelRequired(d, zone, row.Mcr12, 0.9, 1, 12, 12, 24, 20, 19.2),
                1e-9);
    EXPECT_GT(row.mildSteel, MildSteelRequired(d, zone, 1.2e6, 0.9, 1, 12, 12, 24, 20, 19.2));

    // Composite, negative moment: the slab (4000 psi, fr = 474.342) cracks first and carries no
    // prestress. Box girder with Sc = 1e6 / 10 = 1e5 in^3 at the top: Mdnc = -3e6 - 1e6, so
    // M*cr = 1e5 * 474.342 + 4e6 = 51,434,165 and 1.2 M*cr = 61,720,998 lb-in.
    state = TwentyInchBeam(2, true);
    state.v.StopPS(1) = 5000;  // no effect: the slab carries no prestress
    state.data.locations(1).DM = -3e6F;
    state.data.locations(1).CDM = -1e6F;
    state.data.locations(1).CDF = 1;
    EXPECT_NEAR(CalcMomentCapacity(state.data, state.v).rows.at(0).Mcr12, 61720998.3, 1);
    // Dead load moments that oppose a negative Mult would lower M*cr below fr Sc: the floor
    // 1.2 fr Sc = 1.2 * 47,434,165 = 56,920,998 holds.
    state.data.locations(1).DM = 3e6F;
    state.data.locations(1).CDF = 0;
    state.data.locations(1).CDM = 0;
    Miscellaneous(state.data, -9e6F);
    EXPECT_NEAR(CalcMomentCapacity(state.data, state.v).rows.at(0).Mcr12, 56920998.3, 1);

    // Not composite, negative moment: the top fiber with its prestress and dead load stresses.
    // Solid slab 36 x 12, Sc = 864, fr = 530.330; DM = -500000 gives -578.704 psi at the top,
    // which the dead moment cancels; prestress 400 psi at the top:
    // M*cr = 864 (530.330 + 400) = 803,805, 1.2 M*cr = 964,566.
    state = SolidSlab();
    state.data.locations(1).DM = -500000;
    state.v.StopD(1) = -578.7037F;
    state.v.StopPS(1) = 400;
    EXPECT_NEAR(CalcMomentCapacity(state.data, state.v).rows.at(0).Mcr12, 964566.1, 1);
}

TEST(MomentCapacity, ZeroDivisorsAndNegativeStrengthFailTheSection) {
    testing::CapacityCase state = SolidSlab();
    state.data.locations(1).DM = -1;
    state.v.GCompYtop = 0;
    EXPECT_EQ(CalcMomentCapacity(state.data, state.v).failure, "the composite centroid depth is 0");
    for (float DesignData::*field : {&DesignData::PSi, &DesignData::CS28}) {
        state = SolidSlab();
        state.data.*field = field == &DesignData::CS28 ? -1 : 0;
        EXPECT_NE(CalcMomentCapacity(state.data, state.v).failure, "");
    }
    state = SolidSlab();
    state.v.GCompYbot = 0;
    EXPECT_NE(CalcMomentCapacity(state.data, state.v).failure, "");
}

}  // namespace
}  // namespace tarnex
