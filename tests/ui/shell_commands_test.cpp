#include <filesystem>

#include "model/number_text.h"
#include "presenter_fixture.h"
#include "support/scratch_folder.h"

namespace tarnex::ui::testing {
namespace {

using Texts = std::vector<std::string>;

class ShellCommandsTest : public PresenterTest {
  protected:
    tarnex::testing::ScratchFolder scratch{"tarnex-ui-shell"};
    std::string reportPath = scratch.PathOf("tarnex ui shell test.out");
    const Texts missingInput = {"Enter beam properties", "Enter loads", "Enter prestress path"};
};

TEST_F(ShellCommandsTest, ViewingNeedsAReportFileChoosingOneSetsTheStatus) {
    presenter.ViewReport();
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.messages, Texts{"Please save output file"});
    EXPECT_TRUE(shell.shownReports.empty());

    shell.files.push_back("/some folder/beam1.out");
    presenter.ChooseReportFile();
    EXPECT_EQ(shell.filterLists.at(0), kOutputFilters);
    EXPECT_EQ(shell.selectedFilters.at(0), 2);
    EXPECT_EQ(data.OutputFileName, "/some folder/beam1.out");
    EXPECT_EQ(data.OutputFileTitle, "beam1.out");
    EXPECT_EQ(Text("SBFiles2"), "Output file = beam1.out");
    presenter.ViewReport();
    EXPECT_EQ(shell.shownReports, Texts{"/some folder/beam1.out"});
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(ShellCommandsTest, CancelledDialogsChangeNothing) {
    presenter.ChooseReportFile();
    presenter.LoadInput();
    presenter.SaveInput();
    EXPECT_EQ(data.OutputFileName, "");
    EXPECT_EQ(data.InputFileName, "");
    EXPECT_EQ(Text("SBFiles1"), "No input file specified");
    EXPECT_EQ(Text("SBFiles2"), "No output file specified");
    EXPECT_EQ(shell.filterLists.at(1), kInputFilters);
}

TEST_F(ShellCommandsTest, CalculationStopsAtTheFirstMissingThingAndWritesNothing) {
    // No report file: its dialog is offered first; cancelled, the run ends without a word.
    presenter.Click("cmdCalc");
    EXPECT_EQ(shell.hides, 1);
    EXPECT_EQ(shell.filterLists, Texts{kOutputFilters});
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(dialogs.messages, Texts{});

    dialogs.messages.clear();
    shell.files.push_back(reportPath);
    presenter.CalculateOutput();
    EXPECT_EQ(data.OutputFileName, reportPath);
    EXPECT_EQ(shell.hides, 2);
    EXPECT_EQ(dialogs.messages, missingInput);
    EXPECT_EQ(data.InputIncomplete, 0);

    // Just enough input for the completeness check, but no jacking force.
    dialogs.messages.clear();
    data.Area = 432;
    data.MoI = 63300;
    data.Blength = 600;
    data.locations(1).DM = 1200000;
    data.Ym = 5;
    presenter.CalculateOutput();
    EXPECT_EQ(dialogs.messages, Texts{"Please enter initial prestress force"});
    EXPECT_EQ(shell.hides, 3);
    EXPECT_FALSE(std::filesystem::exists(reportPath));
    EXPECT_TRUE(shell.busyCalls.empty());
}

TEST_F(ShellCommandsTest, OutputOptionsAndTitleStayAsLeft) {
    presenter.Click("chkDefl", true);
    presenter.Click("chkStress", false);
    EXPECT_TRUE(state.output.Deflections);
    EXPECT_FALSE(state.output.Stresses);
    EXPECT_TRUE(presenter["chkDefl"].checked);
    presenter.Click("cmdCalc");
    EXPECT_TRUE(presenter["chkDefl"].checked);
    EXPECT_FALSE(presenter["chkStress"].checked);

    dialogs.inputReplies.push_back("Bridge 12, girder B");
    presenter.AskOutputTitle();
    ASSERT_EQ(dialogs.inputs.size(), 1U);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Enter output title:");
    EXPECT_EQ(dialogs.inputs[0].title, "Output Title");
    EXPECT_EQ(dialogs.inputs[0].defaultText, "");
    EXPECT_EQ(data.OutputTitle, "Bridge 12, girder B");
    presenter.Click("cmdCalc");
    EXPECT_EQ(data.OutputTitle, "Bridge 12, girder B");
    presenter.AskOutputTitle();  // cancelled: the title is cleared
    EXPECT_EQ(data.OutputTitle, "");
}

TEST_F(ShellCommandsTest, ResetsRefreshTheWindowAndTheOptionButtons) {
    Type("txtPjack", "250");
    presenter.Reset(ResetCommand::Loads);
    EXPECT_EQ(data.Pjack, 0.0F);
    EXPECT_EQ(Text("txtPjack"), "0.0");

    data.designCriteria = DesignCriteria::AREMA;
    presenter.Reset(ResetCommand::ProgramOptions);
    EXPECT_EQ(dialogs.questions.size(), 1U);  // the AASHTO question
    EXPECT_TRUE(presenter["optAASHTO"].checked);
}

TEST_F(ShellCommandsTest, SavingAFreshDesignWarnsTwiceAndWrites) {
    const std::string path = scratch.PathOf("tarnex ui fresh design.in");
    shell.files.push_back(path);
    presenter.SaveInput();
    Texts twice = missingInput;
    twice.insert(twice.end(), missingInput.begin(), missingInput.end());
    EXPECT_EQ(dialogs.messages, twice);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(Text("SBFiles1"), "Input file = tarnex ui fresh design.in");
}

TEST_F(ShellCommandsTest, UnreadableInputIsReportedAndTheWindowRefreshed) {
    Type("txtBUW", "0.09");
    presenter["txtBUW"].text = "typed but not shown";
    shell.files.push_back("/no such folder/beam1.in");
    presenter.LoadInput();
    EXPECT_EQ(dialogs.messages,
              Texts{"Error reading input file\rthe folder /no such folder does not exist"});
    EXPECT_EQ(data.BUW, 0.09F);
    EXPECT_EQ(Text("txtBUW"), " 0.09");
    EXPECT_EQ(Text("SBFiles1"), "Input file = beam1.in");
    EXPECT_EQ(data.InputFileTitle, "beam1.in");
}

TEST_F(ShellCommandsTest, LoadedExampleIsShownAndACompleteRunWritesTheReport) {
    shell.files.push_back(std::string(TARNEX_SOURCE_DIR) + "/examples/pretensioned-i-girder.in");
    presenter.LoadInput();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(presenter["cboBeam"].selection, static_cast<int>(data.BeamShape));
    EXPECT_EQ(Text("txtnll"), ShowNumber(data.nll));
    EXPECT_EQ(Text("SBFiles1"), "Input file = pretensioned-i-girder.in");

    ASSERT_GT(data.Pjack, 0.0F);
    data.OutputFileName = reportPath;
    data.OutputFileTitle = "tarnex ui shell test.out";
    dialogs.yesNoAnswers.push_back(true);
    presenter.CalculateOutput();
    EXPECT_EQ(shell.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_TRUE(std::filesystem::exists(reportPath));
    EXPECT_GT(std::filesystem::file_size(reportPath), 1000U);
    EXPECT_EQ(Text("SBFiles2"), "Report written to tarnex ui shell test.out");
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].text,
              "Report written to tarnex ui shell test.out.\rView it now?");
    EXPECT_EQ(shell.shownReports, Texts{reportPath});
    presenter.CalculateOutput();  // answered No: nothing shown
    EXPECT_EQ(shell.shownReports.size(), 1U);
    EXPECT_FALSE(presenter.DesignChanged());  // a run changes nothing the file holds
}

TEST_F(ShellCommandsTest, ReplacingAChangedDesignAsksToSaveItFirst) {
    const std::string example =
        std::string(TARNEX_SOURCE_DIR) + "/examples/pretensioned-i-girder.in";
    // Unchanged: never asked.
    EXPECT_FALSE(presenter.DesignChanged());
    presenter.Reset(ResetCommand::Configuration);
    shell.files.push_back(example);
    presenter.LoadInput();
    EXPECT_TRUE(dialogs.saveQuestions.empty());
    EXPECT_FALSE(presenter.DesignChanged());
    EXPECT_TRUE(presenter.OfferToSave());
    const float length = data.Blength;
    ASSERT_NE(length, 612.0F);

    // Changed, then Cancel: the command stops and the design stays.
    Type("txtBlength", "612");
    EXPECT_TRUE(presenter.DesignChanged());
    dialogs.saveAnswers = {SaveChoice::Cancel, SaveChoice::Cancel};
    presenter.Reset(ResetCommand::All);
    EXPECT_EQ(dialogs.saveQuestions.at(0),
              "The design has changed since it was last saved.\rSave the changes to "
              "pretensioned-i-girder.in?");
    EXPECT_EQ(data.Blength, 612.0F);
    shell.files.push_back(example);
    presenter.LoadInput();
    EXPECT_EQ(shell.files.size(), 1U);  // the file dialog was not even shown
    EXPECT_EQ(data.Blength, 612.0F);

    // Save: written first, then the command goes on; a cancelled save stops it.
    const std::string saved = scratch.PathOf("tarnex ui changed.in");
    dialogs.saveAnswers = {SaveChoice::Save, SaveChoice::Save};
    shell.files = {std::nullopt};
    EXPECT_FALSE(presenter.OfferToSave());
    EXPECT_EQ(data.Blength, 612.0F);
    shell.files = {saved};
    presenter.Reset(ResetCommand::Configuration);
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(data.Blength, 0.0F);
    EXPECT_EQ(data.InputFileTitle, "tarnex ui changed.in");

    // Discard: the command goes on without writing.
    dialogs.saveAnswers = {SaveChoice::Discard};
    shell.files = {example};
    presenter.LoadInput();
    EXPECT_EQ(data.Blength, length);
    EXPECT_FALSE(presenter.DesignChanged());
    EXPECT_EQ(dialogs.saveQuestions.size(), 5U);
}

TEST_F(ShellCommandsTest, TheReportFileIsNeverTheInputFile) {
    const std::string design = scratch.PathOf("design.in");
    std::filesystem::copy_file(std::string(TARNEX_SOURCE_DIR) + "/examples/solid-slab.in", design);
    const std::string original = tarnex::testing::ReadText(design);
    shell.files.push_back(design);
    presenter.LoadInput();
    ASSERT_TRUE(dialogs.messages.empty());

    // Chosen as the report file under another spelling: refused, the choice unchanged.
    const std::string sameFile = scratch.PathOf("./design.in");
    shell.files.push_back(sameFile);
    presenter.ChooseReportFile();
    EXPECT_EQ(dialogs.messages, Texts{"The output file cannot be the input file\r" + sameFile});
    EXPECT_EQ(data.OutputFileName, "");
    EXPECT_EQ(Text("SBFiles2"), "No output file specified");

    // Saved onto the report file afterwards: the run refuses to overwrite the design.
    shell.files.push_back(reportPath);
    presenter.ChooseReportFile();
    shell.files.push_back(reportPath);
    presenter.SaveInput();
    dialogs.messages.clear();
    presenter.CalculateOutput();
    EXPECT_EQ(dialogs.messages,
              Texts{"Error in calculations\rthe report file " + reportPath + " is the input file"});
    EXPECT_EQ(tarnex::testing::ReadText(reportPath), original);
}

}  // namespace
}  // namespace tarnex::ui::testing
