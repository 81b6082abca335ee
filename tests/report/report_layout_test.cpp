#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "model/calc_error.h"
#include "report/report_file.h"
#include "report/report_heading.h"
#include "report/report_text.h"

namespace tarnex {
namespace {

using testing::ReportLinesOf;
using testing::ReportTime;

TEST(ReportLine, ZoneStepsGoToTheNextFourteenColumnZone) {
    // Zones start at columns 1, 15, 29, 43, ...: c characters step to (c div 14 + 1) * 14.
    EXPECT_EQ(ReportLine().Zone().str().size(), 14U);
    EXPECT_EQ(ReportLine().Text("abc").Zone().str().size(), 14U);
    EXPECT_EQ(ReportLine().Text(std::string(13, 'x')).Zone().str().size(), 14U);
    // A value that fills its zone exactly steps a whole zone further.
    EXPECT_EQ(ReportLine().Text(std::string(14, 'x')).Zone().str().size(), 28U);
    EXPECT_EQ(ReportLine().Text(std::string(27, 'x')).Zone().str().size(), 28U);
    // Indent 5 plus a 20-character label: the next heading begins in column 29.
    const std::string line =
        ReportLine().Indent(5).Text("CASE                ").Zone().Text("AXIAL").str();
    EXPECT_EQ(line.find("AXIAL"), 28U);
}

TEST(ReportLine, IndentAndColumn) {
    EXPECT_EQ(ReportLine().Indent(5).Text("X").str(), "     X");
    EXPECT_EQ(ReportLine().Text("abc").Column(6).Text("d").str(), "abc  d");
    // A column already passed adds nothing.
    EXPECT_EQ(ReportLine().Text("abcdef").Column(3).Text("g").str(), "abcdefg");
}

TEST(ReportLine, StrFormHasABlankOrTheSignAndNoLeadingZeroPlainAddsABlank) {
    EXPECT_EQ(ReportLine().Text("=").Str(3, "n").str(), "= 3");
    EXPECT_EQ(ReportLine().Str(0.5, "x").str(), " .5");
    EXPECT_EQ(ReportLine().Str(-0.25, "x").str(), "-.25");
    EXPECT_EQ(ReportLine().Str(120.5, "x").str(), " 120.5");
    EXPECT_EQ(ReportLine().Str(1199.25, "x").str(), " 1199.25");
    EXPECT_EQ(ReportLine().Str(0, "x").str(), " 0");
    // The X column of the capacity tables.
    EXPECT_EQ(ReportLine().Plain(0.5, "x").str(), " .5 ");
    EXPECT_EQ(ReportLine().Plain(-12, "x").str(), "-12 ");
}

TEST(ReportLine, Patterns) {
    EXPECT_EQ(ReportLine().Pattern(0, 0, "m").str(), "0.");
    EXPECT_EQ(ReportLine().Pattern(1, 3, "f").str(), "1.000");
    EXPECT_EQ(ReportLine().Pattern(0.15, 2, "v").str(), "0.15");
    EXPECT_EQ(ReportLine().Pattern(2.5, 0, "v").str(), "3.");
    EXPECT_EQ(ReportLine().Pattern(-200, 0, "v").str(), "-200.");
    EXPECT_EQ(ReportLine().Pattern(0.0000123, 7, "K").str(), "0.0000123");
    // A small tension that rounds to zero keeps its sign; -0 itself has none.
    EXPECT_EQ(ReportLine().Pattern(-0.2, 0, "v").str(), "-0.");
    EXPECT_EQ(ReportLine().Pattern(-0.0, 0, "v").str(), "0.");
}

TEST(ReportLine, NonFiniteValueIsACalculationErrorNamingTheValue) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    try {
        ReportLine().Pattern(inf, 0, "the moment");
        FAIL() << "no error";
    } catch (const CalcError& error) {
        EXPECT_STREQ(error.what(), "the moment is not a finite number");
    }
    EXPECT_THROW(ReportLine().Pattern(nan, 2, "v"), CalcError);
    EXPECT_THROW(ReportLine().Str(-inf, "v"), CalcError);
    EXPECT_THROW(ReportLine().Plain(nan, "v"), CalcError);
}

TEST(ReportFile, EveryLineEndsWithCarriageReturnLineFeedAndAFailedWriteIsAnError) {
    std::ostringstream out;
    ReportFile report(out);
    report.Write(5, "A");
    report.Empty();
    report.Write(ReportLine().Text("B").Zone().Text("C"));
    EXPECT_EQ(out.str(), "     A\r\n\r\nB             C\r\n");

    out.setstate(std::ios::badbit);
    EXPECT_THROW(report.Write(5, "A"), CalcError);
}

TEST(ReportDate, MonthWithoutZeroTwoDigitDayAndYearTwelveHourClock) {
    EXPECT_EQ(FormatReportDate(ReportTime(2026, 12, 4, 21, 5)), "12/04/26, 9:05 pm");
    EXPECT_EQ(FormatReportDate(ReportTime(2007, 3, 9, 0, 0)), "3/09/07, 12:00 am");
    EXPECT_EQ(FormatReportDate(ReportTime(2000, 1, 31, 12, 59)), "1/31/00, 12:59 pm");
    EXPECT_EQ(FormatReportDate(ReportTime(2031, 7, 15, 11, 30)), "7/15/31, 11:30 am");
}

TEST(ReportHeading, VersionTextJoinsMinorAndRevision) {
    // Version 1.3 revision 1 is "1.31": nothing between minor and revision.
    if (TARNEX_VERSION_MAJOR != 1 || TARNEX_VERSION_MINOR != 3 || TARNEX_VERSION_PATCH != 1) {
        GTEST_SKIP() << "the project is not at version 1.3.1";
    }
    EXPECT_EQ(ProgramVersionText(), "1.31");
}

TEST(ReportHeading, TitleBannerVersionDateAndFileNames) {
    SetReportClock(&testing::FixedReportClock);
    DesignData d;
    d.OutputTitle = "Bridge 12 girder B";
    d.InputFileTitle = "girder.in";
    d.OutputFileName = "/tmp/out/girder.out";
    d.OutputFileTitle = "girder.out";
    const auto lines = ReportLinesOf([&](ReportFile& r) { WriteReportHeading(r, d); });
    SetReportClock(nullptr);

    ASSERT_EQ(lines.size(), 14U);
    EXPECT_EQ(lines[0], "     Bridge 12 girder B");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "     * * * * * * * * * * * * * * * * * * * * * * * * * * *");
    // The banner lines themselves are compared in the golden reports.
    EXPECT_EQ(lines[6], "     *                 INPUT DATA ECHO                   *");
    const std::string version = "(Version " + ProgramVersionText() + ")";
    EXPECT_EQ(lines[9],
              "     " + version + std::string(34 - version.size(), ' ') + "12/04/26, 9:05 pm");
    EXPECT_EQ(lines[9].find("12/04/26"), 39U);  // column 40
    EXPECT_EQ(d.VersionText, ProgramVersionText());
    EXPECT_EQ(testing::LinesFrom(lines, 10, 4),
              std::vector<std::string>(
                  {"", "     Input file  = girder.in", "     Output file = girder.out", ""}));
}

TEST(ReportHeading, NoTitleNoTitleLinesAndNamesWithoutFolder) {
    DesignData d;
    d.InputFileTitle = "designs/girder.in";
    d.OutputFileName = "/tmp/out/girder.out";  // no title: the name of the path
    const auto lines = ReportLinesOf([&](ReportFile& r) { WriteReportHeading(r, d); });
    ASSERT_EQ(lines.size(), 12U);
    EXPECT_EQ(lines[0], "     * * * * * * * * * * * * * * * * * * * * * * * * * * *");
    EXPECT_EQ(lines[9], "     Input file  = girder.in");
    EXPECT_EQ(lines[10], "     Output file = girder.out");
}

}  // namespace
}  // namespace tarnex
