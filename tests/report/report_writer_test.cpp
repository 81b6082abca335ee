#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/design_data.h"
#include "report/report_designs.h"
#include "report/report_heading.h"
#include "support/scratch_folder.h"

namespace tarnex {
namespace {

namespace fs = std::filesystem;
using testing::AnyLineContains;
using testing::FindLine;
using testing::ScriptedDialogs;
using testing::SplitReportLines;
using testing::TextAt;

class ReportRun : public ::testing::Test {
  protected:
    void SetUp() override { SetReportClock(&testing::FixedReportClock); }
    void TearDown() override { SetReportClock(nullptr); }

    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }

    /// A complete pretensioned rectangular beam, gross properties, straight path, one
    /// location at midspan: 12 x 24 in, 40 ft span.
    static ProgramState MakeCompleteDesign(const std::string& outputPath) {
        ProgramState state;
        DesignData& d = state.data;
        testing::SetGirderMaterials(d);
        d.OutputFileName = outputPath;
        d.OutputFileTitle = fs::path(outputPath).filename().string();
        d.InputFileTitle = "beam.in";
        d.BeamShape = BeamShapeKind::SolidSlab;  // solid slab used as a rectangle
        d.D = 24;
        d.Btop = 12;
        d.Area = d.BeamArea = 288;
        d.MoI = d.BeamMoI = 13824;
        d.Ytop = d.BeamYtop = 12;
        d.Ybot = d.BeamYbot = 12;
        d.nll = 1;
        d.RecreateLocations(1);
        d.locations(1).x = 240;
        d.locations(1).DM = 1200000;  // 100 kip-ft
        d.locations(1).DF = 1;
        d.ATS1 = 190;
        d.ATS2 = 424;
        d.PSloss = 40500;
        d.Xm = 240;
        d.Yl = d.Ym = d.Yr = 4;
        d.Blength = 480;
        d.Bspace = 96;
        return state;
    }

    testing::ScratchFolder scratch_{"tarnex-report"};
};

TEST_F(ReportRun, NoReportFileBeepsAndRunsNoCheck) {
    ProgramState state;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(RunCalculation(state, dialogs));
    EXPECT_EQ(dialogs.beeps, 1);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], "Please save output filename");
    EXPECT_EQ(state.data.InputIncomplete, 0);
}

TEST_F(ReportRun, IncompleteDesignShowsTheCheckAndWritesNothing) {
    ProgramState state;
    state.data.OutputFileName = PathOf("fresh.out");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(RunCalculation(state, dialogs));
    EXPECT_EQ(dialogs.beeps, 0);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0], "Enter beam properties");
    for (const auto& message : dialogs.messages) {
        EXPECT_NE(message, "Please enter initial prestress force");
    }
    EXPECT_EQ(state.data.InputIncomplete, 0);
    EXPECT_FALSE(fs::exists(PathOf("fresh.out")));
}

TEST_F(ReportRun, NoJackingForceIsRefused) {
    ProgramState state = MakeCompleteDesign(PathOf("nopjack.out"));
    state.data.Pjack = 0;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(RunCalculation(state, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], "Please enter initial prestress force");
    EXPECT_FALSE(fs::exists(PathOf("nopjack.out")));

    state.data.Pjack = -5;
    ScriptedDialogs again;
    EXPECT_FALSE(RunCalculation(state, again));
    EXPECT_EQ(again.messages, dialogs.messages);
}

TEST_F(ReportRun, ReportFileThatCannotBeCreatedNamesTheFileAndStillClears) {
    const std::string path = PathOf("missing/folder/beam.out");
    ProgramState state = MakeCompleteDesign(path);
    state.data.PSlossAt(1) = 30000;
    state.data.locations(1).PSP = 5;
    state.data.locations(1).PSV = 6;
    state.data.locations(1).PSM = 7;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(RunCalculation(state, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0],
              "Error in calculations\rthe report file \"" + path + "\" cannot be created");
    EXPECT_EQ(state.data.PSlossAt(1), 0);
    EXPECT_EQ(state.data.locations(1).PSP, 0);
    EXPECT_EQ(state.data.locations(1).PSV, 0);
    EXPECT_EQ(state.data.locations(1).PSM, 0);
    EXPECT_EQ(state.data.locations(1).DM, 1200000);
}

TEST_F(ReportRun, FailureMidwayKeepsWhatWasWrittenAndClearsAnyErrorIsShown) {
    const std::string path = PathOf("broken.out");
    ProgramState state = MakeCompleteDesign(path);
    state.data.ForceFactor = 0;  // the loads echo cannot show kips
    state.data.PSlossAt(1) = 30000;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(WriteReport(state, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], "Error in calculations\rthe force factor is 0");
    ASSERT_TRUE(fs::exists(path));
    const auto lines = SplitReportLines(testing::ReadText(path));
    ASSERT_FALSE(lines.empty());
    // The echo stops before the loads, whose kips need the factor.
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], "          Ybot = 12.000");
    EXPECT_EQ(FindLine(lines, "     L O A D S"), -1);
    EXPECT_EQ(state.data.PSlossAt(1), 0);

    // Short location arrays fail without crashing, as any other error.
    state = MakeCompleteDesign(PathOf("short.out"));
    state.data.nll = 3;  // one location stored
    ScriptedDialogs again;
    EXPECT_FALSE(WriteReport(state, again));
    ASSERT_EQ(again.messages.size(), 1U);
    EXPECT_EQ(again.messages[0].rfind("Error in calculations\r", 0), 0U);
    EXPECT_GT(again.messages[0].size(), std::string("Error in calculations\r").size());
}

TEST_F(ReportRun, NumberBeyondTheStoredRangeStopsTheRunWhereItIsFormatted) {
    // A 3e38 in span: the midspan camber P e L^2 / (8 E I) is finite in double but far
    // beyond any stored number; its digits would only reflect the order of the products.
    const std::string path = PathOf("huge.out");
    ProgramState state = MakeCompleteDesign(path);
    state.data.Blength = 3e38F;
    state.data.locations(1).x = 1.5e38F;
    state.data.Xm = 1.5e38F;
    state.output.Stresses = false;
    state.output.Deflections = true;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(WriteReport(state, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0],
              "Error in calculations\rthe initial prestress deflection is beyond the range of "
              "a stored number");
    // The lines before it stay written; the failing line is not.
    const auto lines = SplitReportLines(testing::ReadText(path));
    EXPECT_GT(FindLine(lines, "     B E A M   D E F L E C T I O N S"), 0);
    EXPECT_FALSE(AnyLineContains(lines, "Initial prestress deflection"));
}

TEST(LocationLosses, PretensioningTakesTheTotalLossEverywherePostTensioningKeepsEnteredOnes) {
    DesignData d;
    d.nll = 3;
    d.RecreateLocations(3);
    d.PSloss = 40500.5F;
    ScriptedDialogs dialogs;
    FillLocationLosses(d, dialogs);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.PSlossAt(i), 40500.5F);

    d.RecreateLocations(3);
    d.prestressing = Prestressing::PostTensioning;
    d.PSlossAt(3) = 0.5F;  // one entered loss, at the last location
    FillLocationLosses(d, dialogs);
    EXPECT_EQ(d.PSlossAt(1), 0);
    EXPECT_EQ(d.PSlossAt(2), 0);
    EXPECT_EQ(d.PSlossAt(3), 0.5F);
    EXPECT_TRUE(dialogs.messages.empty());  // no friction run
}

TEST(PrestressCaseClearing, ClearsOnlyThePrestressCaseAndToleratesShortArrays) {
    DesignData d;
    d.nll = 2;
    d.RecreateLocations(2);
    d.PSlossAt.Recreate(1);  // as a failed run may leave it
    d.PSlossAt(1) = 9;
    d.locations(2).PSP = 1;
    d.locations(2).PSV = 2;
    d.locations(2).PSM = 3;
    d.locations(2).PSF = 1;
    d.locations(2).PS2M = 4;
    ClearPrestressCase(d);
    EXPECT_EQ(d.PSlossAt(1), 0);
    EXPECT_EQ(d.locations(2).PSP, 0);
    EXPECT_EQ(d.locations(2).PSV, 0);
    EXPECT_EQ(d.locations(2).PSM, 0);
    EXPECT_EQ(d.locations(2).PSF, 1);
    EXPECT_EQ(d.locations(2).PS2M, 4);
}

TEST_F(ReportRun, CompleteRunWritesEverySectionInOrder) {
    const std::string path = PathOf("beam.out");
    ProgramState state = MakeCompleteDesign(path);
    ScriptedDialogs dialogs;
    ASSERT_TRUE(RunCalculation(state, dialogs))
        << (dialogs.messages.empty() ? "" : dialogs.messages[0]);
    EXPECT_TRUE(dialogs.messages.empty());
    const std::string text = testing::ReadText(path);
    const auto lines = SplitReportLines(text);
    EXPECT_FALSE(AnyLineContains(lines,
                                 "<"
                                 "stray line end>"));
    EXPECT_FALSE(AnyLineContains(lines, "inf"));
    EXPECT_FALSE(AnyLineContains(lines, "nan"));
    ASSERT_GT(lines.size(), 11U);
    EXPECT_EQ(lines[7].substr(39), "12/04/26, 9:05 pm");
    EXPECT_EQ(lines[10], "     Output file = beam.out");

    const int echo = FindLine(lines, "     P R O G R A M   O P T I O N S");
    const int banner =
        FindLine(lines, "     *                   OUTPUT DATA                     *");
    const int forces = FindLine(lines, "     P R E S T R E S S   F O R C E S");
    const int stresses = FindLine(lines, "     B E A M   S T R E S S E S");
    const int checks = FindLine(lines, "     CHECK CRITICAL CONCRETE STRESSES");
    EXPECT_EQ(echo, 12);
    EXPECT_LT(echo, banner);
    EXPECT_EQ(forces, banner + 4);  // no composite or transformed section in between
    EXPECT_LT(forces, stresses);
    EXPECT_LT(stresses, checks);
    EXPECT_EQ(FindLine(lines, "     C O M P O S I T E   P R O P E R T I E S"), -1);
    EXPECT_EQ(FindLine(lines, "     T R A N S F O R M E D   P R O P E R T I E S"), -1);

    // Pretensioning: force at transfer (PSi - PStrans) Pjack / PSi = 0.9 x 810 = 729.0 kips;
    // final force (PSi - PSloss) Pjack / PSi = 0.8 x 810 = 648.0 kips.
    EXPECT_GE(FindLine(lines, TextAt({{10, "FORCE AT TRANSFER"}, {42, "729.0"}})), 0);
    EXPECT_GE(FindLine(lines, TextAt({{10, "FINAL FORCE"}, {42, "648.0"}})), 0);
    EXPECT_GE(FindLine(lines, "     Prestress loss =  40500"), 0);
    // Dead load stress at the top: M c / I = 1200000 x 12 / 13824 = 1041.67 psi.
    EXPECT_GE(FindLine(lines, TextAt({{10, "BEAM DEAD"}, {42, "1042."}, {56, "-1042."}})), 0);
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

    // Step 20: the losses and the prestress case are cleared for the next run.
    EXPECT_EQ(state.data.PSlossAt(1), 0);
    EXPECT_EQ(state.data.locations(1).PSP, 0);
    EXPECT_EQ(state.data.locations(1).PSM, 0);
    EXPECT_EQ(state.data.VersionText, ProgramVersionText());

    // A second run writes the same report again from the same inputs.
    ScriptedDialogs second;
    ASSERT_TRUE(WriteReport(state, second));
    EXPECT_EQ(testing::ReadText(path), text);
}

}  // namespace
}  // namespace tarnex
