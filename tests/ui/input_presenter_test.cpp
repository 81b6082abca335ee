#include "ui/input_presenter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "model/input_fields.h"
#include "scripted_shell.h"
#include "support/scratch_folder.h"
#include "support/scripted_dialogs.h"

namespace tarnex::ui::testing {
namespace {

using Texts = std::vector<std::string>;

/// The window without a display after start-up: English, AASHTO, pretensioning, the code
/// defaults; message boxes and file dialogs answer from a script.
class InputPresenterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        presenter.StartUp();
        dialogs = {};
    }
    std::string Text(const std::string& name) { return presenter[name].text; }
    /// The user's edit of a box, as the window reports it.
    void Type(const std::string& box, const std::string& text) { presenter.TextEdited(box, text); }
    /// A number of locations typed and confirmed with Enter.
    void EnterCount(const std::string& text) {
        Type("txtnll", text);
        presenter.Confirm("txtnll");
    }
    /// Three locations with a distinct moment and loss at each.
    void FillThree() {
        EnterCount("3");
        for (int i = 1; i <= 3; ++i) {
            data.locations(i).DM = 12000.0F * static_cast<float>(i);
            data.PSlossAt(i) = 1000.0F * static_cast<float>(i);
            data.FRloss(i) = 100.0F * static_cast<float>(i);
        }
    }

    ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    ScriptedShell shell;
    InputPresenter presenter{state, dialogs, &shell};
    DesignData& data = state.data;
    tarnex::testing::ScratchFolder scratch{"tarnex-ui-presenter"};
    std::string reportPath = scratch.PathOf("tarnex ui shell test.out");
    const std::string example = std::string(TARNEX_SOURCE_DIR) + "/examples/solid-slab.in";
};

// Boxes and lists bound to the design's fields.

TEST_F(InputPresenterTest, SourceBoxesDeriveTheirFieldsTypedOnesOverrideConcreteRulesInPsi) {
    data.prestressing = Prestressing::PostTensioning;
    data.PStype = SteelType::StressRelieved;
    data.SS28 = 5000;
    for (const auto& [box, text, field, expected] :
         {std::tuple{"txtCSps", "4000", &DesignData::ACS1, 2200.0F},  // 0.55 f'ci post-tensioned
          {"txtBUW", "0.08", &DesignData::Mps, 3392302.0F},     // 33 (0.08 x 1728)^1.5 sqrt(4000)
          {"txtSUW", "0.0868", &DesignData::SM28, 4286414.0F},  // 33 (150)^1.5 sqrt(5000)
          {"txtPSus", "250000", &DesignData::PSys, 212500.0F}}) {  // 0.85 fpu stress relieved
        Type(box, text);
        EXPECT_NEAR(data.*field, expected, 1.0F) << box;
    }
    EXPECT_EQ(data.M28, data.Mps);       // f'c and f'ci are both 4000
    EXPECT_EQ(Text("txtATS1"), " 190");  // 3 sqrt(f'ci) shown whole, stored unrounded
    EXPECT_NE(data.ATS1, 190.0F);
    // No square root of a negative strength: the tension allowable and modulus stay.
    const auto kept = std::tuple(data.M28, data.ATS2);
    Type("txtCS28", "-4000");
    EXPECT_EQ(data.ACS2, -1600.0F);
    EXPECT_EQ(std::tuple(data.M28, data.ATS2), kept);
    // Typed loss and section properties override the calculated ones.
    data.PSlossAt(1) = 31000;
    Type("txtPSloss", "30000");
    EXPECT_EQ(data.PSlossAt(1), 0.0F);  // the losses per location are discarded
    presenter.SelectRow("cboBeam", 1);
    presenter.SelectRow("cboSection", 1);
    EXPECT_EQ(Text("txtYtop"), " 18.9");  // the centroid to 0.1
    for (const auto& [box, beam] : {std::pair{"txtArea", &DesignData::BeamArea},
                                    {"txtMoI", &DesignData::BeamMoI},
                                    {"txtYtop", &DesignData::BeamYtop},
                                    {"txtYbot", &DesignData::BeamYbot}}) {
        Type(box, "17.5");
        EXPECT_EQ(data.*beam, 17.5F) << box;
    }

    // Metric designs: the concrete rules are in psi, so nothing is derived.
    data.units = Units::Metric;
    const DesignData before = data;
    for (const char* box : {"txtBUW", "txtCS28", "txtCSps", "txtSUW", "txtSS28"}) Type(box, "25");
    for (float DesignData::*field : {&DesignData::M28, &DesignData::Mps, &DesignData::ACS1,
                                     &DesignData::ATS2, &DesignData::SM28})
        EXPECT_EQ(data.*field, before.*field);
    data.PStype = SteelType::LowRelaxation;
    Type("txtPSus", "1860");
    EXPECT_EQ(data.PSys, 1674.0F);  // 0.90 fpu in any unit
}

TEST_F(InputPresenterTest, EveryFieldBoxShowsItsOwnFieldInItsDecimalsAndStoresWhatIsTyped) {
    // A girder shows all eight dimensions. Each field holds its row number plus 0.25: a
    // whole-number box drops the quarter, the others keep it.
    data.BeamShape = BeamShapeKind::IGirder;
    int row = 0;
    for (const InputField& field : InputFields()) {
        ++row;
        if (float DesignData::*real = RealMember(field)) data.*real = row + 0.25F;
    }
    presenter.RefreshForm();
    row = 0;
    for (const InputField& field : InputFields()) {
        ++row;
        // The initial force is shown in kips, the count is a whole number.
        if (field.box == nullptr || RealMember(field) == nullptr ||
            RealMember(field) == &DesignData::Pjack) {
            continue;
        }
        const std::string whole = " " + std::to_string(row);
        EXPECT_EQ(Text(field.box), field.boxDecimals == 0 ? whole : whole + ".25");
    }
    // Typing stores into the box's own field (a typed source also derives later fields).
    for (const InputField& field : InputFields()) {
        if (field.box == nullptr || RealMember(field) == nullptr) continue;
        Type(field.box, "7.5");
        EXPECT_EQ(data.*RealMember(field), field.box == std::string("txtPjack") ? 7500.0F : 7.5F)
            << field.box;
    }
}

TEST_F(InputPresenterTest, ListsSetTheirFieldsButNotWhileTheFormIsFilled) {
    presenter.SelectRow("cboPStype", 0);
    EXPECT_EQ(Text("txtPStrans"), " 18900");
    presenter.SelectRow("cboConfig", 3);
    EXPECT_TRUE(presenter["imgPath3"].visible);
    presenter.SelectRow("cboConfig", 6);  // no such path
    EXPECT_EQ(data.PathConfig, PathKind::SimpleFixed);
    presenter.SelectRow("cboBeam", 1);
    data.FillingForm = 1;
    presenter.SelectRow("cboPStype", 1);
    presenter.SelectRow("cboBeam", 2);
    presenter.SelectRow("cboSection", 3);
    EXPECT_EQ(data.PStrans, 18900.0F);
    EXPECT_EQ(data.BeamShape, BeamShapeKind::IGirder);
    EXPECT_EQ(data.SectionNo, 0);
    // The entry already selected picked again: no handler runs, no value changes.
    data.FillingForm = 0;
    presenter.SelectRow("cboSection", 2);
    const DesignInputs chosen = data;
    data.PSloss = 1;  // a typed loss that the steel type's handler would replace
    data.D = 7;       // a dimension that a new shape or section would replace
    presenter.SelectRow("cboPStype", static_cast<int>(data.PStype));
    presenter.SelectRow("cboBeam", 1);
    presenter.SelectRow("cboSection", 2);
    presenter.SelectRow("cboConfig", 3);
    EXPECT_EQ(data.PSloss, 1.0F);
    EXPECT_EQ(data.D, 7.0F);
    data.PSloss = chosen.PSloss;
    data.D = chosen.D;
    EXPECT_EQ(static_cast<const DesignInputs&>(data), chosen);
}

// The load locations: their number, the step buttons and the entries of the one shown.

TEST_F(InputPresenterTest, TypedCountGoesFirstStepButtonsStopAtTheEnds) {
    FillThree();
    Type("txtnll", "13");
    Type("txtDM", "5");  // another box edited: the count goes first, then location 1's moment
    EXPECT_EQ(data.nll, 13);
    EXPECT_EQ(data.locations(1).DM, 60000.0F);
    for (const auto& moveOn : std::vector<std::function<void()>>{
             [&] { presenter.CommitPendingCount(); },  // another tab
             [&] { presenter.Click("cmdCalcPSF"); }, [&] { presenter.SelectRow("cboBeam", 0); },
             [&] { presenter.SaveInput(); }, [&] { presenter.CalculateOutput(); }}) {
        Type("txtnll", "14");
        EXPECT_EQ(data.nll, 13);  // not while typing
        moveOn();
        EXPECT_EQ(data.nll, 14);
        EnterCount("13");
    }
    EnterCount("3");  // the empty locations 4 to 13 go without a question
    // The step buttons stop at the ends; entries go to the location shown, in stored units.
    for (int i = 0; i < 3; ++i) presenter.Click("cmdNext");
    EXPECT_EQ(Text("fraLocation"), "LOCATION NO  3");
    EXPECT_EQ(Text("txtDM"), "3.0");  // 36000 lb-in in kip-ft
    for (int i = 0; i < 3; ++i) presenter.Click("cmdPrev");
    presenter.Click("cmdNext");
    ASSERT_EQ(data.CurrentLocation, 2);
    Type("txtDM", "2.5");
    Type("txtLV", "-12.5");
    Type("txtDF", "1.3");  // factors are stored as typed
    const LoadLocation& second = data.locations(2);
    EXPECT_EQ(std::tuple(second.DM, second.LV, second.DF), std::tuple(30000.0F, -12500.0F, 1.3F));
    EXPECT_EQ(data.locations(1).DM, 60000.0F);
}

TEST_F(InputPresenterTest, CountRoundsHalvesToEvenKeepsEntriesAndAsksBeforeDroppingAny) {
    const std::tuple<const char*, int, bool> cases[] = {
        {"1.5", 2, false},   {"2.5", 2, false}, {"3.5", 4, false},
        {"-2", 3, true},     {"0", 3, true},    {"0.4", 3, true},
        {"100001", 3, true}, {"12a", 3, true},  {"100000", 100000, false},
        {"", 3, false},  // emptied: the count in force shown again
    };
    for (const auto& [text, nll, refused] : cases) {
        SCOPED_TRACE(text);
        dialogs = {};
        FillThree();  // empty trailing locations go without a question, else No keeps them
        dialogs.yesNoAnswers = {true};  // lowering to 2 drops location 3
        EnterCount(text);
        presenter.Confirm("txtnll");  // focus leaving after Enter applies nothing twice
        EXPECT_EQ(data.nll, nll);
        EXPECT_EQ(dialogs.messages, refused ? Texts{kCountRangeMessage} : Texts{});
        EXPECT_EQ(std::tuple(data.locations.size(), data.PSlossAt.size(), data.FRloss.size()),
                  std::tuple(nll, nll, nll));
        EXPECT_EQ(std::tuple(data.locations(2).DM, data.PSlossAt(2), data.FRloss(2)),
                  std::tuple(24000.0F, 2000.0F, 200.0F));
        EXPECT_TRUE(nll < 3 || data.locations(3).DM == 36000.0F);
        EXPECT_TRUE(nll != 3 || Text("txtnll") == " 3");
        EXPECT_EQ(dialogs.questions.size(), nll == 2 ? 1U : 0U);
        for (const auto& question : dialogs.questions)
            EXPECT_EQ(question.text,
                      "Location 3 holds entries that will be deleted.\rLower the "
                      "number of locations to 2?");
    }
}

TEST_F(InputPresenterTest, CalculationStopsAtTheFirstMissingThingElseWritesTheReportFileOnly) {
    shell.files.push_back(reportPath);
    presenter.CalculateOutput();
    EXPECT_EQ(dialogs.messages,
              (Texts{"Enter beam properties", "Enter loads", "Enter prestress path"}));
    EXPECT_EQ(data.InputIncomplete, 0);  // the next run checks again
    presenter.LoadInputFile(example);
    const float pjack = std::exchange(data.Pjack, 0.0F);
    dialogs.messages.clear();
    presenter.CalculateOutput();
    EXPECT_EQ(dialogs.messages, Texts{"Please enter initial prestress force"});
    EXPECT_FALSE(std::filesystem::exists(reportPath));

    data.Pjack = pjack;
    dialogs.yesNoAnswers.push_back(true);
    presenter.CalculateOutput();
    EXPECT_EQ(shell.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_GT(std::filesystem::file_size(reportPath), 1000U);
    EXPECT_EQ(Text("SBFiles2"), "Report written to tarnex ui shell test.out");
    EXPECT_EQ(dialogs.questions.at(0).text,
              "Report written to tarnex ui shell test.out.\rView it now?");
    EXPECT_EQ(shell.shownReports, Texts{reportPath});
    presenter.CalculateOutput();  // answered No: nothing shown
    EXPECT_EQ(shell.shownReports.size(), 1U);
    EXPECT_FALSE(presenter.DesignChanged());  // a run changes nothing the file holds

    // The report file is never the input file: chosen under another spelling, it is refused.
    const std::string design = scratch.PathOf("design.in");
    shell.files = {design, scratch.PathOf("./design.in")};
    presenter.SaveInput();
    dialogs.messages.clear();
    presenter.ChooseReportFile();
    EXPECT_EQ(dialogs.messages,
              Texts{"The output file cannot be the input file\r" + scratch.PathOf("./design.in")});
    // Saved onto the report file chosen before: the run refuses to overwrite the design.
    shell.files = {reportPath};
    presenter.SaveInput();
    dialogs.messages.clear();
    presenter.CalculateOutput();
    EXPECT_EQ(dialogs.messages,
              Texts{"Error in calculations\rthe report file " + reportPath + " is the input file"});
    EXPECT_EQ(tarnex::testing::ReadText(reportPath), tarnex::testing::ReadText(design));
}

}  // namespace
}  // namespace tarnex::ui::testing
