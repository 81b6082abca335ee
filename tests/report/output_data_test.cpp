#include "report/output_data.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/calc_error.h"
#include "model/design_data.h"
#include "report/report_text.h"

namespace tarnex {
namespace {

using testing::AnyLineContains;
using testing::LinesFrom;
using testing::ReportLinesOf;
constexpr auto At = testing::TextAt;
using Lines = std::vector<std::string>;

void Fill(FloatArray& array, std::vector<float> values) {
    array.Recreate(static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) array(static_cast<int>(i) + 1) = values[i];
}

/// Two locations whose computed arrays are set by hand, as the calculations would leave them.
DesignData MakeComputed() {
    DesignData d;
    d.ForceFactor = kForceFactor;
    d.MomentFactor = kMomentFactor;
    d.nll = 2;
    d.RecreateLocations(2);
    d.locations(1).x = 0.5F;
    d.locations(2).x = 600;
    d.Pjack = 810000;
    d.GCompArea = 1089.5F;
    d.GCompMoI = 434567.4F;
    d.GCompYtop = 18.456F;
    d.GCompYbot = 43.044F;
    Fill(d.Ypath, {5, 3.5F});
    Fill(d.TArea, {381.25F, 381.25F});
    Fill(d.TMoI, {130000.6F, 131234.4F});
    Fill(d.TYtop, {29.861F, 29.9F});
    Fill(d.TYbot, {24.139F, 24.1F});
    Fill(d.TCompArea, {1101.5F, 1101.5F});
    Fill(d.TCompMoI, {440000, 441000});
    Fill(d.TCompYtop, {18.9F, 18.95F});
    Fill(d.TCompYbot, {42.6F, 42.55F});
    Fill(d.Ecc, {-19.139F, -20.6F});
    Fill(d.PSlossAt, {45000.4F, 45000.5F});
    Fill(d.PforceT, {729000, 729000});
    Fill(d.PmomT, {-13952331, -15017400});
    d.locations(1).PSP = 630000;
    d.locations(1).PSM = -12057570;
    d.locations(2).PSP = 630000;
    d.locations(2).PSM = -12978000;
    Fill(d.StopPSi, {-1.4F, -200.6F});
    Fill(d.SbotPSi, {4500.5F, 4300});
    Fill(d.StopPS, {-1.2F, -150});
    Fill(d.SbotPS, {3500, 3400});
    Fill(d.StopPS2, {0, 0});
    Fill(d.SbotPS2, {0, 0});
    Fill(d.StopD, {10, 1100.5F});
    Fill(d.SbotD, {-8, -900});
    Fill(d.StopCD, {0, 300});
    Fill(d.SbotCD, {0, -250});
    Fill(d.StopAD, {0, 100});
    Fill(d.SbotAD, {0, -120.5F});
    Fill(d.StopL, {0, 400});
    Fill(d.SbotL, {0, -500});
    d.ACS1 = 2400;
    d.ATS1 = 200;
    d.ACS2 = 2250;
    d.ATS2 = 424.26F;
    return d;
}

TEST(PrestressForces, KipsAndKipFeetFormedInDouble) {
    DesignData d = MakeComputed();
    d.Pjack = 25050;  // 25.05 kips in double: 25.1, not 25.0 from the float 25.05F
    auto lines = ReportLinesOf([&](ReportFile& r) { WritePrestressForces(r, d); });
    ASSERT_EQ(lines.size(), 4U + 2 * 11);
    EXPECT_EQ(lines[0], "     P R E S T R E S S   F O R C E S");
    EXPECT_EQ(LinesFrom(lines, 2, 13),
              Lines({"     (Units = kip-ft)", "", "     LOCATION NUMBER  1  AT X =  .5", "",
                     At({{10, "CASE"}, {42, "VALUE"}}), std::string(10, ' ') + std::string(44, '-'),
                     At({{10, "INITIAL FORCE"}, {42, "25.1"}}),
                     At({{10, "CABLE ECCENTRICITY"}, {42, "-19.14"}}),
                     At({{10, "FORCE AT TRANSFER"}, {42, "729.0"}}),
                     // -13952331 lb-in / 12000 = -1162.69 kip-ft
                     At({{10, "MOMENT AT TRANSFER"}, {42, "-1163."}}),
                     At({{10, "FINAL FORCE"}, {42, "630.0"}}),
                     At({{10, "FINAL MOMENT"}, {42, "-1005."}}), ""}));

    // Metric omits the units line.
    d.units = Units::Metric;
    lines = ReportLinesOf([&](ReportFile& r) { WritePrestressForces(r, d); });
    EXPECT_FALSE(AnyLineContains(lines, "(Units = kip-ft)"));
    EXPECT_EQ(LinesFrom(lines, 2, 2), Lines({"", "     LOCATION NUMBER  1  AT X =  .5"}));
}

TEST(OutputData, ZeroMomentFactorAndNonFiniteStressAreCalculationErrors) {
    DesignData d = MakeComputed();
    d.MomentFactor = 0;
    EXPECT_THROW(ReportLinesOf([&](ReportFile& r) { WritePrestressForces(r, d); }), CalcError);
    d = MakeComputed();
    d.StopL(2) = std::numeric_limits<float>::infinity();
    EXPECT_THROW(ReportLinesOf([&](ReportFile& r) { WriteBeamStresses(r, d, CombineStresses(d)); }),
                 CalcError);
}

TEST(BeamStresses, ComponentsAndCombinationsUnderAashto) {
    const DesignData d = MakeComputed();
    const auto lines =
        ReportLinesOf([&](ReportFile& r) { WriteBeamStresses(r, d, CombineStresses(d)); });
    ASSERT_EQ(lines.size(), 3U + 2 * 18);
    EXPECT_EQ(lines[0], "     B E A M   S T R E S S E S");
    // Str form, no point; 45000.4 prints 45000 and 45000.5 rounds half away from zero: 45001.
    EXPECT_EQ(lines[3 + 1], "     Prestress loss =  45000");
    // A small tension that rounds to zero keeps its sign.
    EXPECT_EQ(lines[3 + 5], At({{10, "INITIAL PRESTRESS"}, {42, "-1."}, {56, "4501."}}));
    EXPECT_EQ(lines[3 + 13], At({{10, "INIT P/S + BEAM DL"}, {42, "9."}, {56, "4493."}}));
    const std::string rule = std::string(10, ' ') + std::string(58, '-');
    EXPECT_EQ(LinesFrom(lines, 3 + 18, 18),
              Lines({"     LOCATION NUMBER  2  AT X =  600", "     Prestress loss =  45001", "",
                     At({{10, "CASE"}, {42, "TOP FIBER"}, {56, "BOTTOM FIBER"}}), rule,
                     At({{10, "INITIAL PRESTRESS"}, {42, "-201."}, {56, "4300."}}),
                     At({{10, "FINAL PRESTRESS"}, {42, "-150."}, {56, "3400."}}),
                     At({{10, "SECONDARY PRESTRESS"}, {42, "0."}, {56, "0."}}),
                     At({{10, "BEAM DEAD"}, {42, "1101."}, {56, "-900."}}),
                     At({{10, "NON-COMP DEAD"}, {42, "300."}, {56, "-250."}}),
                     At({{10, "COMPOSITE DEAD"}, {42, "100."}, {56, "-121."}}),
                     At({{10, "LIVE PLUS IMPACT"}, {42, "400."}, {56, "-500."}}), rule,
                     // -200.6 + 1100.5 = 899.9; 4300 - 900 = 3400
                     At({{10, "INIT P/S + BEAM DL"}, {42, "900."}, {56, "3400."}}),
                     // -150 + 1100.5 + 300 + 100 + 0 = 1350.5 -> 1351;
                     // 3400 - 900 - 250 - 120.5 = 2129.5 -> 2130
                     At({{10, "FINAL P/S + TOT DL"}, {42, "1351."}, {56, "2130."}}),
                     // 1350.5 / 2 + 400 = 1075.25: top only
                     At({{10, "LL + (P/S + DL)/2"}, {42, "1075."}}),
                     // 1350.5 + 400 = 1750.5 -> 1751; 2129.5 - 500 = 1629.5 -> 1630
                     At({{10, "P/S + ALL LOADS"}, {42, "1751."}, {56, "1630."}}), ""}));
}

TEST(BeamStresses, OtherCriteriaDropTheHalfSustainedRow) {
    DesignData d = MakeComputed();
    d.designCriteria = DesignCriteria::AREMA;
    d.PSlossAt(1) = -0.3F;  // a negative loss that rounds to zero has no sign
    const auto lines =
        ReportLinesOf([&](ReportFile& r) { WriteBeamStresses(r, d, CombineStresses(d)); });
    ASSERT_EQ(lines.size(), 3U + 2 * 17);
    EXPECT_FALSE(AnyLineContains(lines, "LL + (P/S + DL)/2"));
    EXPECT_EQ(lines[3 + 17 + 15], At({{10, "P/S + ALL LOADS"}, {42, "1751."}, {56, "1630."}}));
    EXPECT_EQ(lines[4], "     Prestress loss =  0");
}

/// Critical stresses that all pass under AASHTO.
DesignData MakeCritical() {
    DesignData d = MakeComputed();
    d.MinTop = -150;
    d.MaxInitComp = 2300;
    d.MinFinalDL = 12;
    d.MaxCompLL = 1400;
    d.MinFinalAll = -300;
    d.MaxFinalComp = 1800;
    return d;
}

std::vector<std::string> ChecksOf(DesignData& d) {
    return ReportLinesOf([&](ReportFile& r) { WriteStressChecks(r, CheckCriticalStresses(d)); });
}

std::string CheckRow(const std::string& label, const std::string& actual,
                     const std::string& allowable, const std::string& verdict) {
    return At({{10, label}, {42, actual}, {56, allowable}, {70, verdict}});
}

TEST(StressChecks, EqualityPasses) {
    DesignData d = MakeCritical();
    d.MinTop = -200;
    d.MaxInitComp = 2400;
    d.MinFinalDL = 0;
    d.MaxCompLL = 2250;
    d.MinFinalAll = -424.26F;
    d.MaxFinalComp = 2250;
    const auto lines = ChecksOf(d);
    for (std::size_t i = 4; i <= 9; ++i) EXPECT_EQ(lines[i].substr(70), "< OK >") << lines[i];

    // A zero tensile allowable prints without sign.
    d.ATS1 = 0;
    d.MinTop = 0;
    EXPECT_EQ(ChecksOf(d)[4], CheckRow("TENSION (TOP FIBER)", "0.", "0.", "< OK >"));
}

TEST(StressChecks, RoundOffWithinAHundredthPassesAndTwoHundredthsFail) {
    // The required force puts a stress on its allowable; single-precision round-off of the
    // stored steps must not decide the verdict, a real shortfall must.
    DesignData d = MakeCritical();
    d.MinTop = -200.009F;
    d.MaxInitComp = 2400.009F;
    d.MinFinalDL = -0.009F;
    d.MaxCompLL = 2250.009F;
    d.MinFinalAll = -424.269F;
    d.MaxFinalComp = 2250.009F;
    auto lines = ChecksOf(d);
    for (std::size_t i = 4; i <= 9; ++i) EXPECT_EQ(lines[i].substr(70), "< OK >") << lines[i];
    EXPECT_EQ(lines[6], CheckRow("FINAL TENSION (DL ONLY)", "-0.", "0.", "< OK >"));

    d.MinTop = -200.02F;
    d.MaxInitComp = 2400.02F;
    d.MinFinalDL = -0.02F;
    d.MaxCompLL = 2250.02F;
    d.MinFinalAll = -424.28F;
    d.MaxFinalComp = 2250.02F;
    lines = ChecksOf(d);
    for (std::size_t i = 4; i <= 9; ++i) EXPECT_EQ(lines[i].substr(70), "* NG *") << lines[i];
}

TEST(StressChecks, FailuresAndTheSignOfASmallTension) {
    DesignData d = MakeCritical();
    d.MinTop = -200.5F;
    d.MaxInitComp = 2400.2F;  // prints as the allowable, still fails
    d.MinFinalDL = -0.2F;     // any bottom tension fails: "-0."
    d.MaxCompLL = 2251;
    d.MinFinalAll = -425;
    d.MaxFinalComp = 2000;
    const auto lines = ChecksOf(d);
    EXPECT_EQ(lines[4], CheckRow("TENSION (TOP FIBER)", "-201.", "-200.", "* NG *"));
    EXPECT_EQ(lines[5], CheckRow("INITIAL COMPRESSION", "2400.", "2400.", "* NG *"));
    EXPECT_EQ(lines[6], CheckRow("FINAL TENSION (DL ONLY)", "-0.", "0.", "* NG *"));
    EXPECT_EQ(lines[7], CheckRow("COMP @ (LL + [PS+DL]/2)", "2251.", "2250.", "* NG *"));
    EXPECT_EQ(lines[8], CheckRow("FINAL TENSION", "-425.", "-424.", "* NG *"));
    // AASHTO: the live load compression governs the final compression and is kept.
    EXPECT_EQ(lines[9], CheckRow("FINAL COMPRESSION", "2251.", "2250.", "* NG *"));
    EXPECT_EQ(d.MaxFinalComp, 2251);
}

TEST(StressChecks, OtherCriteriaDropTheLiveLoadCheckAndKeepFinalCompression) {
    DesignData d = MakeCritical();
    d.designCriteria = DesignCriteria::ACI;
    d.MaxCompLL = 2300;
    const auto lines = ChecksOf(d);
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_FALSE(AnyLineContains(lines, "COMP @"));
    EXPECT_EQ(lines[7], CheckRow("FINAL TENSION", "-300.", "-424.", "< OK >"));
    EXPECT_EQ(lines[8], CheckRow("FINAL COMPRESSION", "1800.", "2250.", "< OK >"));
    EXPECT_EQ(d.MaxFinalComp, 1800);
}

}  // namespace
}  // namespace tarnex
