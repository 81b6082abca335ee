#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "report/capacity_sections.h"
#include "report/report_designs.h"

namespace tarnex {
namespace {

using testing::TextAt;

std::string Row(const std::string& x, const std::string& vu, const std::string& phiVc,
                const std::string& last) {
    return TextAt({{5, x}, {14, vu}, {28, phiVc}, {42, last}});
}

const std::vector<std::string> kHeading = {
    "     S H E A R   C A P A C I T Y",
    "     =====================================================",
    "     (Units = kip)",
    "",
    "     X        Vult          phiVn         Av/S",
    "     -----------------------------------------------------"};

/// Post-tensioned I girder, web 8, f'c 5000 (sqrt 70.71), normal weight, fy 60000, AASHTO.
/// Every location: x = 120 i, beam dead V 20 k and M 100 kip-ft, live M 200 kip-ft with
/// shear `liveShear`, final prestress 300 k at angle 0.05, composite depth 40 with the
/// strands 5 up (d = 35), TArea 500 (fpc 600), bottom stresses -300 dead and 1500 prestress,
/// gross composite I / Ybot = 150000 / 20.
ProgramState Girder(const std::vector<float>& liveShear) {
    const int n = static_cast<int>(liveShear.size());
    ProgramState state = testing::CapacityDesign(1, n);
    DesignData& d = state.data;
    d.Bweb = 8;
    d.prestressing = Prestressing::PostTensioning;
    d.BUW = 0.0868F;
    d.Blength = 1200;
    d.PSdia = 0.5F;
    d.CompYtop = d.Ytop = 25;
    d.CompYbot = d.Ybot = 15;
    d.GCompYtop = 30;
    d.GCompYbot = 20;
    d.GCompMoI = 150000;
    for (int i = 1; i <= n; ++i) {
        LoadLocation& loc = d.locations(i);
        loc.DV = 20000;
        loc.DM = 1.2e6F;
        loc.LV = liveShear[static_cast<std::size_t>(i - 1)];
        loc.LM = 2.4e6F;
        loc.LF = 1;
        loc.PSP = 300000;
        d.Ypath(i) = 5;
        d.TArea(i) = 500;
        d.Theta(i) = 0.05F;
        d.SbotD(i) = d.StopD(i) = -300;
        d.SbotPS(i) = d.StopPS(i) = 1500;
    }
    return state;
}

/// The table rows of a section that must show no message.
std::vector<std::string> Rows(ProgramState& state) {
    const auto out = testing::RunSection(WriteShearCapacity, state);
    EXPECT_TRUE(out.messages.empty());
    if (out.lines.size() < kHeading.size()) return {"<no heading>"};
    return {out.lines.begin() + static_cast<long>(kHeading.size()), out.lines.end()};
}

// Hand calculation at a location: Vcw = (3.5 sqrt f'c + 0.3 * 600) * 8 * 35 + 300000 tan 0.05
// = 119696 + 15013 = 134709; Vci = 0.6 sqrt f'c * 280 + 20000 + Mcr Vi / Mmax with
// Mcr = (6 sqrt f'c + 1500 - 300) * 7500 = 12.18e6 and Mmax = 2.4e6: Vci > Vcw for every Vi
// here, so phiVc = 0.9 * 134709 = 121.2 k. Av/S = (Vu - phiVc) / (60000 * 0.9 * 35) with the
// minimum 50 * 8 / 60000 = 0.0067; the web is too thin when Vs >= 8 sqrt f'c * 280 = 158.4 k.
// A support without moments uses the web shear strength alone.
TEST(ShearCapacity, RowsWithMinimumStirrupsStirrupsAndTooThinAWeb) {
    ProgramState state = Girder({30000, 180000, 380000, 30000, 30000});
    LoadLocation& support = state.data.locations(5);
    support.DM = support.LM = 0;
    support.x = 0.5F;
    std::vector<std::string> expected = kHeading;
    expected.push_back(Row(" 120 ", "50.0", "121.2", "0.007"));
    expected.push_back(Row(" 240 ", "200.0", "121.2", "0.042"));
    expected.push_back(Row(" 360 ", "400.0", "121.2", "Need to increase web width"));
    expected.push_back(Row(" 480 ", "50.0", "121.2", "0.007"));
    expected.push_back(Row(" .5 ", "50.0", "121.2", "0.007"));
    const auto out = testing::RunSection(WriteShearCapacity, state);
    EXPECT_EQ(out.lines, expected);
    EXPECT_TRUE(out.messages.empty());

    // Metric omits the units line and nothing else.
    state.data.units = Units::Metric;
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(testing::RunSection(WriteShearCapacity, state).lines, expected);
}

TEST(ShearCapacity, TransferLengthOfPretensionedStrands) {
    // lt = 50 * 0.5 = 25: at x = 0 no prestress acts (phiVc = 0.9 * 3.5 sqrt f'c * 280 =
    // 62.4 k); at 12.5 in from either end half of it (fpc 300, Vp 7506): 91.8 k.
    ProgramState state = Girder({30000, 30000, 30000, 30000});
    state.data.prestressing = Prestressing::Pretensioning;
    state.data.locations(1).x = 0;
    state.data.locations(2).x = 12.5F;
    state.data.locations(3).x = 1187.5F;
    state.data.locations(4).x = 600;
    EXPECT_EQ(Rows(state), std::vector<std::string>({Row(" 0 ", "50.0", "62.4", "0.007"),
                                                     Row(" 12.5 ", "50.0", "91.8", "0.007"),
                                                     Row(" 1187.5 ", "50.0", "91.8", "0.007"),
                                                     Row(" 600 ", "50.0", "121.2", "0.007")}));
}

TEST(ShearCapacity, DensityFactorFromUnitWeight) {
    // No prestress and no moments: phiVc = 0.9 * 3.5 lambda sqrt f'c * 8 * 35.
    struct Case {
        float unitWeight;
        const char* phiVc;
    };
    for (const Case& c :
         {Case{0.0868F, "62.4"}, Case{0.0831F, "62.4"}, Case{0.083F, "53.0"}, Case{0.080F, "53.0"},
          Case{0.0641F, "53.0"}, Case{0.064F, "46.8"}, Case{0.05F, "46.8"}}) {
        ProgramState state = Girder({0});
        LoadLocation& loc = state.data.locations(1);
        loc = LoadLocation{};
        loc.x = 120;
        loc.DV = 1000;
        loc.DF = 1;
        state.data.BUW = c.unitWeight;
        EXPECT_EQ(Rows(state), std::vector<std::string>{Row(" 120 ", "1.0", c.phiVc, "0.007")})
            << c.unitWeight;
    }
}

TEST(ShearCapacity, CompositeCentroidStress) {
    // ec = TCompYbot - TYbot = 7 (below TYtop): fpc = 600 + 1.2e6 * 7 / 70000
    // + 300000 * (-10) * 7 / 70000 = 420 -> phiVc 107.6 k; with TYtop 5 the offset is limited
    // to 5: fpc = 471.4 -> 111.5 k.
    for (const auto& [tytop, phiVc] : {std::pair<float, const char*>{22, "107.6"}, {5, "111.5"}}) {
        ProgramState state = Girder({30000});
        DesignData& d = state.data;
        d.Composite = true;
        d.TCompYbot(1) = 25;
        d.TYbot(1) = 18;
        d.TYtop(1) = tytop;
        d.TMoI(1) = 70000;
        d.Ecc(1) = -10;
        EXPECT_EQ(Rows(state), std::vector<std::string>{Row(" 120 ", "50.0", phiVc, "0.007")});
    }
}

TEST(ShearCapacity, NegativeMoment) {
    // Mu = -300 kip-ft: d = Ypath 30 raised to 0.8 * 40 = 32; top fiber stresses; Mcr over
    // Ytop + Ybot - GCompYbot = 20 (not GCompYtop 30): 12.18e6; Vi = 10000 - 20000,
    // Mmax = -2.4e6: Vci = 0.6 sqrt f'c * 256 + 20000 + 50758 = 81619 < Vcw = 124449,
    // phiVc = 73.5 k.
    ProgramState state = Girder({-10000});
    DesignData& d = state.data;
    d.locations(1).DM = -1.2e6F;
    d.locations(1).LM = -2.4e6F;
    d.Ypath(1) = 30;
    d.SbotD(1) = 0;
    d.SbotPS(1) = 0;
    EXPECT_EQ(Rows(state), std::vector<std::string>{Row(" 120 ", "10.0", "73.5", "0.007")});
}

TEST(ShearCapacity, RightHalfShearsTypedNegativeAreCheckedAsTheMirrorImage) {
    // Vu = 20 + 10 = 30 k, Vd = 20 k, Vi = 10 k: Vci = 0.6 sqrt f'c * 280 + 20000 + 12.18e6 *
    // 10000 / 2.4e6 = 82629 < Vcw, phiVc = 74.4 k. The same shears typed negative give the
    // same row: Vu and Vd both change sign, so Vi stays 10 k.
    ProgramState left = Girder({10000});
    const std::vector<std::string> expected = {Row(" 120 ", "30.0", "74.4", "0.007")};
    EXPECT_EQ(Rows(left), expected);
    ProgramState right = Girder({-10000});
    right.data.locations(1).DV = -20000;
    EXPECT_EQ(Rows(right), expected);
}

TEST(ShearCapacity, RefusalAndNumericFailures) {
    ProgramState state = Girder({30000});
    state.data.BeamShape = BeamShapeKind::General;
    const auto out = testing::RunSection(WriteShearCapacity, state);
    EXPECT_TRUE(out.lines.empty());
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Shear capacity of general section not available"});

    for (const std::function<void(DesignData&)>& spoil :
         std::vector<std::function<void(DesignData&)>>{
             [](DesignData& d) { d.TArea(1) = 0; }, [](DesignData& d) { d.GCompYbot = 0; },
             [](DesignData& d) { d.RS = 0; }, [](DesignData& d) { d.CS28 = -5000; }}) {
        state = Girder({30000});
        spoil(state.data);
        EXPECT_THROW(testing::RunSection(WriteShearCapacity, state), CalcError);
    }
}

}  // namespace
}  // namespace tarnex
