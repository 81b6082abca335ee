#include <filesystem>

#include "presenter_fixture.h"
#include "support/scratch_folder.h"

namespace tarnex::ui::testing {
namespace {

using Texts = std::vector<std::string>;

class ShellCommandsTest : public PresenterTest {
  protected:
    tarnex::testing::ScratchFolder scratch{"tarnex-ui-shell"};
    std::string reportPath = scratch.PathOf("tarnex ui shell test.out");
    const std::string example = std::string(TARNEX_SOURCE_DIR) + "/examples/solid-slab.in";
};

TEST_F(ShellCommandsTest, CalculationStopsAtTheFirstMissingThingAndWritesNothing) {
    shell.files.push_back(reportPath);
    presenter.CalculateOutput();
    EXPECT_EQ(data.OutputFileName, reportPath);
    EXPECT_EQ(dialogs.messages,
              (Texts{"Enter beam properties", "Enter loads", "Enter prestress path"}));
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
    EXPECT_EQ(shell.hides, 2);
    EXPECT_FALSE(std::filesystem::exists(reportPath));
    EXPECT_TRUE(shell.busyCalls.empty());
}

TEST_F(ShellCommandsTest, ACompleteRunWritesTheReportAndOffersToShowIt) {
    presenter.LoadInputFile(example);
    ASSERT_TRUE(dialogs.messages.empty());
    data.OutputFileName = reportPath;
    data.OutputFileTitle = "tarnex ui shell test.out";
    dialogs.yesNoAnswers.push_back(true);
    presenter.CalculateOutput();
    EXPECT_EQ(shell.busyCalls, (std::vector<bool>{true, false}));
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
    // Unchanged: never asked.
    presenter.Reset(ResetCommand::Configuration);
    shell.files.push_back(example);
    presenter.LoadInput();
    EXPECT_TRUE(dialogs.saveQuestions.empty());
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
              "solid-slab.in?");
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
    std::filesystem::copy_file(example, design);
    shell.files.push_back(design);
    presenter.LoadInput();

    // Chosen as the report file under another spelling: refused, the choice unchanged.
    const std::string sameFile = scratch.PathOf("./design.in");
    shell.files.push_back(sameFile);
    presenter.ChooseReportFile();
    EXPECT_EQ(dialogs.messages, Texts{"The output file cannot be the input file\r" + sameFile});
    EXPECT_EQ(data.OutputFileName, "");
    EXPECT_EQ(Text("SBFiles2"), "No output file specified");

    // Saved onto the report file afterwards: the run refuses to overwrite the design.
    shell.files = {reportPath, reportPath};
    presenter.ChooseReportFile();
    presenter.SaveInput();
    dialogs.messages.clear();
    presenter.CalculateOutput();
    EXPECT_EQ(dialogs.messages,
              Texts{"Error in calculations\rthe report file " + reportPath + " is the input file"});
    EXPECT_EQ(tarnex::testing::ReadText(reportPath), tarnex::testing::ReadText(example));
}

}  // namespace
}  // namespace tarnex::ui::testing
