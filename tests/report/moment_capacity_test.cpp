#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "model/number_text.h"
#include "report/capacity_sections.h"
#include "report/report_designs.h"

namespace tarnex {
namespace {

using testing::ItemAt;
using testing::TextAt;

const std::vector<std::string> kHeading = {
    "     M O M E N T   C A P A C I T Y",
    "     =====================================================",
    "     (Units = kip-ft)",
    "",
    "     X        Mult          1.2Mcr        phiMn",
    "     -----------------------------------------------------"};

/// Low relaxation strands of 270 ksi, Aps = Pjack / PSi = `aps` in^2, slab f'c 4000.
ProgramState Record(int shape, bool composite, int locations, float aps = 1) {
    ProgramState state = testing::CapacityDesign(shape, locations);
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
ProgramState SolidSlab(int locations, float aps = 1) {
    ProgramState state = Record(4, false, locations, aps);
    DesignData& d = state.data;
    d.D = 12;
    d.Btop = 36;
    d.BeamYtop = d.BeamYbot = 6;
    d.GCompYtop = d.GCompYbot = 6;
    d.GCompMoI = 5184;
    for (int i = 1; i <= locations; ++i) d.Ypath(i) = 2;
    return state;
}

/// Composite I girder: slab flange Beff 24 x Tslab 1, web 12, composite depth 40, strands
/// 5 in up (dp 35), ds = 40 - 6 / 2 = 37, Aps 2, slab f'c 4000.
ProgramState CompositeIGirder(int locations) {
    ProgramState state = Record(1, true, locations, 2);
    DesignData& d = state.data;
    d.Beff = 24;
    d.Tslab = 1;
    d.Bweb = 12;
    d.Hbot = 6;
    d.GCompYtop = 25;
    d.GCompYbot = 15;
    d.GCompMoI = 100000;
    for (int i = 1; i <= locations; ++i) d.Ypath(i) = 5;
    return state;
}

testing::SectionOutput Write(ProgramState& state) {
    return testing::RunSection(WriteMomentCapacity, state);
}

/// The one table row of a single-location record; no message may be shown.
std::string OnlyRow(ProgramState& state) {
    const auto out = Write(state);
    EXPECT_TRUE(out.messages.empty());
    return out.lines.size() == kHeading.size() + 2 ? out.lines[6] : "<not one row>";
}

std::string Row(const std::string& x, const std::string& mult, const std::string& mcr,
                const std::string& phiMn, const std::string& last) {
    return TextAt({{5, x}, {14, mult}, {28, mcr}, {42, phiMn}, {56, last}});
}

// Hand calculation, slab 36 x 12, dp = 10, Aps = 1, f'c 5000 (beta1 0.80), fpu 270 ksi:
// rho = 1/360, fps = 270000 (1 - 0.35 * 0.15) = 255825, a = 1.672 < 12, index 0.1421 < 0.288,
// phiMn = 255825 * 10 * (1 - 0.6 * 0.142125) = 2340095 lb-in = 195.0 kip-ft.
// 1.2 Mcr = 1.2 * 7.5 sqrt(5000) * 5184 / 6 = 45.8 kip-ft.
TEST(MomentCapacity, RectangularSectionPositiveNegativeAndZero) {
    ProgramState state = SolidSlab(3);
    DesignData& d = state.data;
    d.locations(1).DM = 1200000;   // 100 kip-ft
    d.locations(2).DM = -1200000;  // negative: compression at the bottom, dp = Yp
    d.Ypath(2) = 10;
    d.locations(3).x = 0.5F;  // Mult = 0 counts as positive
    const auto out = Write(state);
    std::vector<std::string> expected = kHeading;
    expected.push_back(Row(" 120 ", "100.", "46.", "195.", "< OK >"));
    expected.push_back(Row(" 240 ", "-100.", "46.", "-195.", "< OK >"));
    expected.push_back(Row(" .5 ", "0.", "46.", "195.", "< OK >"));
    expected.push_back("");
    EXPECT_EQ(out.lines, expected);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(d.GammaP, 0.28F);
    EXPECT_EQ(d.Beta1, 0.8F);

    // Metric omits the units line and nothing else.
    d.units = Units::Metric;
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(Write(state).lines, expected);
}

TEST(MomentCapacity, FlexuralStrengthByHand) {
    DesignData d;
    d.PSus = 270000;
    const CompressionZone fc5000 = {5000, 0.8, 0.28};
    EXPECT_NEAR(FlexuralStrength(d, fc5000, 1.0, 1, 36, 12, 36, 10), 2340095.2, 0.5);
    EXPECT_NEAR(FlexuralStrength(d, fc5000, 0.9, 1, 36, 12, 36, 10), 0.9 * 2340095.2, 0.5);
    // Over-reinforced: index 0.7125 > 0.288, f'c b dp^2 (0.36 b1 - 0.08 b1^2) = 18e6 * 0.2368.
    EXPECT_NEAR(FlexuralStrength(d, fc5000, 1.0, 10, 36, 12, 36, 10), 4262400, 0.5);
    // Flanged: b 24, hf 1, bw 12, dp 35, f'c 4000 (beta1 0.85), Aps 2: fps = 255705.9,
    // a = 6.27 > 1, Apf = 40800 / fps = 0.1596, web index 0.2801 < 0.306,
    // Mf = 40800 * 34.5 = 1407600.
    const CompressionZone fc4000 = {4000, 0.85, 0.28};
    EXPECT_NEAR(FlexuralStrength(d, fc4000, 1.0, 2, 24, 1, 12, 35), 15110568.9, 0.5);
    // Same flange with a 6 in web: web index Apw fps / (bw dp f'c) = 0.536 > 0.306, so the
    // web is over-reinforced: f'c bw dp^2 (0.36 b1 - 0.08 b1^2) + Mf with the flange couple
    // Mf = 0.85 * 4000 * 18 * 1 * 34.5 = 2111400: 29.4e6 * 0.2482 + 2111400 = 9408480.
    EXPECT_NEAR(FlexuralStrength(d, fc4000, 1.0, 2, 24, 1, 6, 35), 9408480.2, 0.5);
}

TEST(MomentCapacity, BlockDepthFactorFollowsTheCompressionConcrete) {
    // A composite slab in compression under positive moment takes the slab's 4000 psi;
    // stress relieved strand (type 0) has gammaP 0.40.
    struct Case {
        float fc;
        bool composite;
        int strand;
        float beta1, gammaP;
    };
    for (const Case& c : {Case{4000, false, 1, 0.85F, 0.28F}, Case{3000, false, 1, 0.85F, 0.28F},
                          Case{5000, false, 1, 0.80F, 0.28F}, Case{6000, false, 1, 0.75F, 0.28F},
                          Case{8000, false, 1, 0.65F, 0.28F}, Case{9000, false, 1, 0.65F, 0.28F},
                          Case{5000, true, 1, 0.85F, 0.28F}, Case{5000, false, 0, 0.80F, 0.40F}}) {
        SCOPED_TRACE(::testing::Message() << c.fc << " composite " << c.composite);
        ProgramState state = SolidSlab(1);
        state.data.CS28 = c.fc;
        state.data.Composite = c.composite;
        state.data.Beff = 36;
        state.data.PStype = static_cast<SteelType>(c.strand);
        Write(state);
        EXPECT_FLOAT_EQ(state.data.Beta1, c.beta1);
        EXPECT_EQ(state.data.GammaP, c.gammaP);
    }
}

// Mild steel for Mult = 250 kip-ft on the slab: fps' = 270000 (1 - 0.5 * 0.15) = 249750,
// A = 60000^2 / 306000, B = 60000 * 9.6 - 249750 * 60000 / 153000,
// C = 3e6 - 249750 * 10 + 249750^2 / 306000; smaller root As = 1.5355 in^2, a = 2.23 < 12.
// Flanged: phiMn 15110569 lb-in (1259 kip-ft) < Mult 15.5e6 (1292 kip-ft); the compression
// zone grows 0.05 in at a time below the flange until the couple carries Mult, at t = 10.85:
// As = (0.85 * 4000 * (24 + 12 t) - 2 fps') / 60000 = 0.4612;
// 1.2 Mcr = 1.2 * 7.5 sqrt(5000) * 100000 / 15 = 354 kip-ft.
TEST(MomentCapacity, VerdictColumn) {
    ProgramState state = SolidSlab(1);
    state.data.locations(1).DM = 3000000;
    EXPECT_EQ(OnlyRow(state), Row(" 120 ", "250.", "46.", "195.", "Mild steel = 1.536"));

    state = CompositeIGirder(1);
    state.data.locations(1).DM = 15500000;
    EXPECT_EQ(OnlyRow(state), Row(" 120 ", "1292.", "354.", "1259.", "Mild steel = 0.461"));

    // Over-reinforced strands (Aps 10): phiMn = 4262400 lb-in = 355 kip-ft < 500, and no mild
    // steel helps.
    state = SolidSlab(1, 10);
    state.data.locations(1).DM = 6000000;
    EXPECT_EQ(OnlyRow(state), Row(" 120 ", "500.", "46.", "355.", "* NG *"));

    // phiMn 195 kip-ft carries Mult 100 kip-ft but not 1.2 Mcr = 458 kip-ft; mild steel for a
    // moment the strands already carry is a negative root, so the verdict stays.
    state = SolidSlab(1);
    state.data.GCompMoI = 51840;
    state.data.locations(1).DM = 1200000;
    EXPECT_EQ(OnlyRow(state), Row(" 120 ", "100.", "458.", "195.", "* NG *"));
}

TEST(MomentCapacity, MildSteelRequiredByHand) {
    // Equilibrium of the rectangular area: phi (Aps fps' (dp - a/2) + As fy (ds - a/2)) = Mult.
    const double as = 1.5355432;
    const double a = (249750 + as * 60000) / 153000;
    EXPECT_NEAR(249750 * (10 - a / 2) + as * 60000 * (9.6 - a / 2), 3e6, 1.0);
    DesignData d = SolidSlab(1).data;
    EXPECT_NEAR(MildSteelRequired(d, {5000, 0.8, 0}, 3e6, 1.0, 1, 36, 36, 12, 10, 9.6), as, 1e-6);

    d = CompositeIGirder(1).data;
    const CompressionZone fc4000 = {4000, 0.85, 0};
    EXPECT_NEAR(MildSteelRequired(d, fc4000, 15.2e6, 1.0, 2, 24, 12, 1, 35, 37), 0.2572143, 1e-6);
    // Past the reinforcement index limit (t = 11.7) no mild steel helps.
    EXPECT_EQ(MildSteelRequired(d, fc4000, 17e6, 1.0, 2, 24, 12, 1, 35, 37), 0.0);

    // A 1 in web under a 0.1 in flange never develops the couple; with the index limit out
    // of reach the search must stop with a calculation error, not run on.
    EXPECT_THROW(MildSteelRequired(d, {5000, 1e6, 0}, 2e6, 1.0, 0.1, 100, 1, 0.1, 10, 10),
                 CalcError);
}

TEST(MomentCapacity, NumericFailuresAreCalculationErrors) {
    const std::vector<std::pair<float DesignData::*, float>> spoils = {
        {&DesignData::GCompYbot, 0}, {&DesignData::PSi, 0}, {&DesignData::CS28, -1}};
    for (const auto& [field, value] : spoils) {
        ProgramState state = SolidSlab(1);
        state.data.*field = value;
        EXPECT_THROW(Write(state), CalcError) << value;
    }
}

TEST(MomentCapacity, MessageRowsEndTheSection) {
    struct Refusal {
        int shape;
        bool composite;
        float moment;
        float Btop, Beff, Bspace;
        const char* message;
    };
    for (const Refusal& r : std::vector<Refusal>{
             {0, false, 1e6F, 0, 0, 0, "Moment capacity of general section not available"},
             {0, true, -1e6F, 0, 0, 0, "Moment capacity of general section not available"},
             {1, false, 1e6F, 0, 0, 0, "Moment capacity of non-composite I-girder not available"},
             {1, true, -1e6F, 0, 0, 0,
              "Negative moment capacity of composite I-girder not available"},
             {2, true, 1e6F, 36, 48, 0,
              "Positive moment capacity of box girder spaced apart not available"},
             {5, true, 1e6F, 48, 48, 0,
              "Positive moment capacity of trapezoidal box girder spaced together not available"},
             {3, true, 0, 36, 40, 48,
              "Positive moment capacity of voided slab spaced apart not available"}}) {
        ProgramState state = Record(r.shape, r.composite, 2);
        state.data.Btop = r.Btop;
        state.data.Beff = r.Beff;
        state.data.Bspace = r.Bspace;
        state.data.locations(1).DM = r.moment;
        state.data.locations(2).DM = r.moment;
        const auto out = Write(state);
        std::vector<std::string> expected = kHeading;
        expected.push_back(std::string("     ") + r.message);
        expected.push_back("");
        EXPECT_EQ(out.lines, expected) << r.message;
        EXPECT_EQ(out.messages, std::vector<std::string>{r.message});
    }

    // A refusal after written rows stops the table at that location.
    ProgramState state = CompositeIGirder(3);
    state.data.locations(1).DM = 1200000;
    state.data.locations(2).DM = -1200000;
    const auto out = Write(state);
    ASSERT_EQ(out.lines.size(), kHeading.size() + 3);
    EXPECT_EQ(ItemAt(out.lines[6], 6), "120");
    EXPECT_EQ(out.lines[7], "     Negative moment capacity of composite I-girder not available");
    EXPECT_EQ(out.lines[8], "");
    EXPECT_EQ(out.messages.size(), 1U);
}

/// Beam 20 deep (BeamYtop 9 + BeamYbot 11), composite 24 deep (10 + 14), strands 4 up,
/// Htop 2, Bweb 3, Bbot 20, Hbot 1.5, D 20, Beff 40, Tslab 1, Haunch 0.5, Bspace 40;
/// Aps 3 so that most sections act as flanged and every dimension shows in phiMn. Composite
/// box girders side by side (Btop >= Beff): flange Btop x (Haunch + Tslab + Htop), webs
/// 2 Bweb, dp = Hc - Yp.
TEST(MomentCapacity, SectionChoiceByShapeSlabAndMomentSign) {
    struct SectionCase {
        const char* name;
        int shape;
        bool composite;
        float btop, moment;
        double b, hf, bw, dp;
    };
    for (const SectionCase& c :
         std::vector<SectionCase>{{"I composite +", 1, true, 30, 1e6F, 40, 1, 3, 20},
                                  {"box +", 2, false, 30, 1e6F, 30, 2, 6, 16},
                                  {"box -", 2, false, 30, -1e6F, 20, 1.5, 6, 4},
                                  {"box composite -", 2, true, 30, -1e6F, 20, 1.5, 6, 4},
                                  {"box side by side +", 2, true, 40, 1e6F, 40, 3.5, 6, 20},
                                  {"box side by side -", 2, true, 40, -1e6F, 20, 1.5, 6, 4},
                                  {"trapezoid +", 5, false, 30, 1e6F, 30, 2, 6, 16},
                                  {"trapezoid composite -", 5, true, 30, -1e6F, 20, 1.5, 6, 4},
                                  {"trapezoid composite +", 5, true, 30, 1e6F, 40, 1, 6, 20},
                                  {"voided +", 3, false, 30, 1e6F, 30, 8.5, 30 - 2 * 3, 16},
                                  {"voided -", 3, false, 30, -1e6F, 30, 8.5, 24, 4},
                                  {"voided composite -", 3, true, 30, -1e6F, 30, 8.5, 24, 4},
                                  {"voided composite +", 3, true, 30, 1e6F, 40, 10, 24, 20},
                                  {"solid +", 4, false, 30, 1e6F, 30, 20, 30, 16},
                                  {"solid -", 4, false, 30, -1e6F, 30, 20, 30, 4},
                                  {"solid composite +", 4, true, 30, 1e6F, 40, 24, 40, 20},
                                  {"solid composite -", 4, true, 30, -1e6F, 30, 24, 30, 4}}) {
        SCOPED_TRACE(c.name);
        ProgramState state = Record(c.shape, c.composite, 1, 3);
        DesignData& d = state.data;
        d.D = d.Bbot = 20;
        d.Btop = c.btop;
        d.Htop = 2;
        d.Bweb = 3;
        d.Hbot = 1.5F;
        d.Beff = d.Bspace = 40;
        d.Tslab = 1;
        d.Haunch = 0.5F;
        d.BeamYtop = 9;
        d.BeamYbot = 11;
        d.GCompYtop = 10;
        d.GCompYbot = 14;
        d.GCompMoI = 1e6F;
        d.Ypath(1) = 4;
        d.locations(1).DM = c.moment;
        const std::string row = OnlyRow(state);  // sets GammaP for the hand value
        const bool positive = c.moment > 0;
        const double fc = positive && c.composite ? 4000 : 5000;
        const CompressionZone zone = {fc, fc == 4000 ? 0.85 : 0.80, d.GammaP};
        const double phiMn =
            (positive ? 1 : -1) * FlexuralStrength(d, zone, 1.0, 3, c.b, c.hf, c.bw, c.dp) / 12000;
        EXPECT_EQ(ItemAt(row, 42), FormatPattern(phiMn, 0));
    }
}

TEST(MomentCapacity, StrengthReductionFactorByCriteria) {
    struct Case {
        DesignCriteria criteria;
        Prestressing prestressing;
        double phi;
    };
    for (const Case& c : {Case{DesignCriteria::AASHTO, Prestressing::Pretensioning, 1.0},
                          Case{DesignCriteria::AASHTO, Prestressing::PostTensioning, 0.95},
                          Case{DesignCriteria::AREMA, Prestressing::Pretensioning, 0.95},
                          Case{DesignCriteria::ACI, Prestressing::PostTensioning, 0.90}}) {
        ProgramState state = SolidSlab(1);
        state.data.designCriteria = c.criteria;
        state.data.prestressing = c.prestressing;
        state.data.locations(1).DM = 12000;
        EXPECT_EQ(ItemAt(OnlyRow(state), 42), FormatPattern(c.phi * 2340095.23 / 12000, 0));
    }
}

}  // namespace
}  // namespace tarnex
