// Report runs: the refusals before anything is written, what a failing run leaves behind, and
// the checks every printed number passes.

#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "checks/design_calculation.h"
#include "model/calc_error.h"
#include "model/list_texts.h"
#include "model/save_steps.h"
#include "report/report_file.h"
#include "report/report_heading.h"
#include "report_text.h"
#include "support/scratch_folder.h"

namespace tarnex {
namespace {

namespace fs = std::filesystem;
using testing::FindLine;
using testing::ScriptedDialogs;
using Texts = std::vector<std::string>;

class ReportRun : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }

    /// The solid slab example (three locations), reporting into the scratch folder.
    ProgramState Slab(const std::string& report) const {
        ProgramState state = testing::LoadExample("solid-slab");
        state.data.OutputFileName = PathOf(report);
        return state;
    }

    testing::ScratchFolder scratch_{"tarnex-report"};
};

TEST_F(ReportRun, RefusalsBeforeTheReportWriteNothing) {
    // No report file: a beep and the request, before the completeness check.
    ProgramState state;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(RunCalculation(state, dialogs));
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.messages, Texts{"Please save output filename"});

    // An incomplete design shows the check's messages and leaves the flag cleared.
    state.data.OutputFileName = PathOf("fresh.out");
    ScriptedDialogs incomplete;
    EXPECT_FALSE(RunCalculation(state, incomplete));
    ASSERT_FALSE(incomplete.messages.empty());
    EXPECT_EQ(incomplete.messages.front(), "Enter beam properties");
    EXPECT_NE(incomplete.messages.back(), "Please enter initial prestress force");
    EXPECT_EQ(state.data.InputIncomplete, 0);

    state = Slab("nopjack.out");
    state.data.Pjack = 0;
    ScriptedDialogs noForce;
    EXPECT_FALSE(RunCalculation(state, noForce));
    EXPECT_EQ(noForce.messages, Texts{"Please enter initial prestress force"});
    EXPECT_FALSE(fs::exists(PathOf("fresh.out")));
    EXPECT_FALSE(fs::exists(PathOf("nopjack.out")));
}

TEST_F(ReportRun, FailedRunsNameTheCauseKeepWhatWasWrittenAndClear) {
    // A report file that cannot be created: its name in the message, the prestress case cleared.
    ProgramState state = Slab("missing/folder/beam.out");
    state.data.PSlossAt(1) = 30000;
    LoadLocation& loc = state.data.locations(1);
    std::tie(loc.PSP, loc.PSV, loc.PSM) = std::tuple(5.0F, 6.0F, 7.0F);
    ScriptedDialogs dialogs;
    EXPECT_FALSE(RunCalculation(state, dialogs));
    EXPECT_EQ(
        dialogs.messages,
        Texts{"Error in calculations\rthe report file \"" + PathOf("missing/folder/beam.out") +
              "\" cannot be created: the folder " + PathOf("missing/folder") + " does not exist"});
    EXPECT_EQ(state.data.PSlossAt(1), 0);
    EXPECT_EQ(std::tuple(loc.PSP, loc.PSV, loc.PSM), std::tuple(0.0F, 0.0F, 0.0F));

    // Failing midway: the lines written so far stay, whole.
    state = Slab("broken.out");
    state.data.BUW = std::numeric_limits<float>::infinity();  // the echo cannot show it
    state.data.PSlossAt(3) = 30000;
    ScriptedDialogs midway;
    EXPECT_FALSE(WriteReport(state, midway));
    EXPECT_EQ(midway.messages,
              Texts{"Error in calculations\rUnit weight                           =  is not a "
                    "finite number"});
    const auto lines = testing::SplitReportLines(testing::ReadText(PathOf("broken.out")));
    EXPECT_GT(FindLine(lines, "     P R O G R A M   O P T I O N S"), 0);
    EXPECT_EQ(FindLine(lines, "     L O A D S"), -1);
    EXPECT_EQ(lines.back(), "");  // whole lines only
    EXPECT_EQ(state.data.PSlossAt(3), 0);

    // The same run on a full disk: the partial report does not replace the old one.
    const std::string partial = testing::ReadText(PathOf("broken.out"));
    scratch_.WriteText("broken.out", "the old report");
    SetSaveStepHook([](SaveStep step) { return step == SaveStep::WriteTemporary ? ENOSPC : 0; });
    ScriptedDialogs full;
    EXPECT_FALSE(WriteReport(state, full));
    SetSaveStepHook({});
    EXPECT_EQ(full.messages,
              (Texts{midway.messages.at(0), "Error in calculations\rthe report file \"" +
                                                PathOf("broken.out") +
                                                "\" cannot be written: the disk is full"}));
    EXPECT_EQ(testing::ReadText(PathOf("broken.out")), "the old report");
    // With room again, the lines before the failure replace it, as they did above.
    EXPECT_FALSE(WriteReport(state, full));
    EXPECT_EQ(testing::ReadText(PathOf("broken.out")), partial);

    // Location arrays shorter than the count fail as any other error, without a crash.
    state = Slab("short.out");
    state.data.nll = 4;
    ScriptedDialogs shortArrays;
    EXPECT_FALSE(WriteReport(state, shortArrays));
    EXPECT_EQ(shortArrays.messages.size(), 1U);
}

TEST(ReportLine, NonFiniteOrOverflowingValueAndFailedWriteAreCalculationErrors) {
    // A finite double beyond the stored range would print digits that only reflect the order
    // of the arithmetic; it stops the run as a non-finite value does.
    EXPECT_THROW(ReportLine().Pattern(INFINITY, 0, "v"), CalcError);
    EXPECT_THROW(ReportLine().Plain(-3.5e38, "v"), CalcError);
    EXPECT_EQ(ReportLine().Pattern(FLT_MAX, 0, "v").str().size(), 40U);  // 39 digits and point

    std::ostringstream out;
    ReportFile report(out);
    out.setstate(std::ios::badbit);
    EXPECT_THROW(report.Write(5, "A"), CalcError);
}

TEST(ReportDate, MonthWithoutZeroTwoDigitDayAndYearTwelveHourClock) {
    const auto date = [](int year, int month, int day, int hour, int minute) {
        std::tm t{};
        std::tie(t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min) =
            std::tuple(year - 1900, month - 1, day, hour, minute);
        return FormatReportDate(t);
    };
    EXPECT_EQ(date(2026, 12, 4, 21, 5), "12/04/26, 9:05 pm");
    EXPECT_EQ(date(2007, 3, 9, 0, 0), "3/09/07, 12:00 am");
    EXPECT_EQ(date(2000, 1, 31, 12, 59), "1/31/00, 12:59 pm");
}

TEST(InputEcho, ListTextsOutsideTheListAreEmpty) {
    // A path number from an input file may lie outside the list; the echo shows no name.
    EXPECT_EQ(ListText(kPathConfigTexts, 6), "");
    EXPECT_EQ(ListText(kPathConfigTexts, -1), "");
}

TEST(LocationLosses, OneEnteredLossAtTheLastLocationKeepsAllEnteredLosses) {
    DesignData d = testing::CapacityDesign(1, 3).data;
    d.prestressing = Prestressing::PostTensioning;
    d.PSlossAt(3) = 0.5F;
    ScriptedDialogs dialogs;
    CalcValues v;
    FillLocationLosses(d, v, dialogs);
    EXPECT_EQ(v.PSlossAt(1), 0);
    EXPECT_EQ(v.PSlossAt(3), 0.5F);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace tarnex
