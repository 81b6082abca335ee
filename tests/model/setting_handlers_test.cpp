#include "model/setting_handlers.h"

#include <gtest/gtest.h>

#include <string>

#include "started_up.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;
using testing::StartedUp;

/// The question a setting change asks: the first line, a carriage return and the warning.
std::string Question(const std::string& newSetting) {
    return "Would you like to change to " + newSetting +
           " default parameters?\rThis will overwrite any parameters you have specified.";
}

/// The started-up design and the dialogs that record what a handler asks.
class SettingHandlersTest : public ::testing::Test {
  protected:
    ProgramState state = StartedUp();
    ScriptedDialogs dialogs;
};

TEST(StartUp, AsksNothingAndRefreshesOnce) {
    ProgramState state;
    ScriptedDialogs dialogs;
    state.data.InputIncomplete = 1;
    RunStartUp(state, dialogs);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.tooltipCalls, 1);
    EXPECT_EQ(dialogs.refreshes, 1);
    EXPECT_EQ(state.data.InputIncomplete, 0);
    EXPECT_EQ(state.data.FillingForm, 0);
    EXPECT_TRUE(state.data.CriteriaKeyword.empty());
}

TEST_F(SettingHandlersTest, CriteriaNoKeepsTheNumbersYesLoadsTheDefaultsSameAsksNothing) {
    state.data.CS28 = 5000;
    state.data.ACS2 = 1234;
    const DesignData before = state.data;
    dialogs.yesNoAnswers = {false, true};
    SelectDesignCriteria(state, dialogs, DesignCriteria::AREMA);
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].text, Question("AREMA"));
    EXPECT_EQ(dialogs.questions[0].title, "Design criteria");
    EXPECT_EQ(state.data.designCriteria, DesignCriteria::AREMA);
    EXPECT_EQ(state.data.CS28, 5000.0F);
    EXPECT_EQ(state.data.ACS2, 1234.0F);
    EXPECT_EQ(state.data.M28, before.M28);
    EXPECT_EQ(state.data.PSi, before.PSi);
    EXPECT_EQ(dialogs.refreshes, 0);
    EXPECT_TRUE(state.data.CriteriaKeyword.empty());

    SelectDesignCriteria(state, dialogs, DesignCriteria::ACI);
    EXPECT_EQ(dialogs.questions.at(1).text, Question("ACI"));
    EXPECT_EQ(state.data.ACS2, 1800.0F);
    EXPECT_EQ(state.data.PSi, 199800.0F);
    EXPECT_EQ(dialogs.refreshes, 1);

    SelectDesignCriteria(state, dialogs, DesignCriteria::ACI);
    EXPECT_EQ(dialogs.questions.size(), 2U);
}

TEST_F(SettingHandlersTest, SilentWhileFillingForm) {
    state.data.FillingForm = 1;
    SelectDesignCriteria(state, dialogs, DesignCriteria::AREMA);
    SelectPrestressing(state, dialogs, Prestressing::PostTensioning);
    SelectUnits(state, dialogs, Units::English);
    SelectSectionBasis(state, dialogs, SectionBasis::Transformed);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(state.data.designCriteria, DesignCriteria::AREMA);
    EXPECT_EQ(state.data.prestressing, Prestressing::PostTensioning);
    EXPECT_EQ(state.data.sectionBasis, SectionBasis::Transformed);
    EXPECT_EQ(state.data.CS28, 4000.0F);
    EXPECT_TRUE(state.data.SectionKeyword.empty());  // the keyword is set only when not filling

    state.data.FillingForm = 0;
    SelectSectionBasis(state, dialogs, SectionBasis::Gross);
    EXPECT_EQ(state.data.SectionKeyword, "gross");
    SelectSectionBasis(state, dialogs, SectionBasis::Transformed);
    EXPECT_EQ(state.data.SectionKeyword, "trans");
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(SettingHandlersTest, PrestressingAsksItsQuestion) {
    dialogs.yesNoAnswers = {true, false};
    SelectPrestressing(state, dialogs, Prestressing::PostTensioning);
    EXPECT_EQ(dialogs.questions.at(0).text, Question("Post-tensioning"));
    EXPECT_EQ(dialogs.questions.at(0).title, "Prestressing type");
    EXPECT_EQ(state.data.ACS1, 2200.0F);
    EXPECT_EQ(state.data.K, 0.0000167F);
    EXPECT_EQ(state.data.Aset, 0.375F);

    SelectPrestressing(state, dialogs, Prestressing::Pretensioning);
    EXPECT_EQ(dialogs.questions.at(1).text, Question("Pretensioning"));
    EXPECT_EQ(state.data.prestressing, Prestressing::Pretensioning);
    EXPECT_EQ(state.data.Aset, 0.375F);  // answered No
}

TEST_F(SettingHandlersTest, MetricIsRefusedWithoutQuestionOrTooltips) {
    SelectUnits(state, dialogs, Units::Metric);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The metric units option is not yet available"});
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.tooltipCalls, 0);
    EXPECT_EQ(state.data.units, Units::English);
    EXPECT_EQ(state.data.FillingForm, 0);
}

TEST_F(SettingHandlersTest, MetricWhileFillingAsksAndSetsTooltipsWhateverTheAnswer) {
    state.data.Ym = 5;
    state.data.D = 54;
    state.data.CS28 = 5000;
    state.data.FillingForm = 1;
    dialogs.yesNoAnswers = {false, true};
    SelectUnits(state, dialogs, Units::Metric);
    EXPECT_EQ(dialogs.questions.at(0).text, Question("Metric"));
    EXPECT_EQ(dialogs.questions.at(0).title, "Program Units");
    EXPECT_EQ(dialogs.tooltipCalls, 1);
    EXPECT_EQ(state.data.units, Units::Metric);
    EXPECT_EQ(state.data.Ym, 5.0F);

    // Back to English by the user, answered Yes: section and configuration cleared.
    state.data.FillingForm = 0;
    SelectUnits(state, dialogs, Units::English);
    EXPECT_EQ(dialogs.questions.at(1).text, Question("English"));
    EXPECT_EQ(dialogs.tooltipCalls, 2);
    EXPECT_EQ(state.data.Ym, 0.0F);
    EXPECT_EQ(state.data.D, 0.0F);
    EXPECT_EQ(state.data.CS28, 4000.0F);
    EXPECT_EQ(dialogs.refreshes, 1);
}

TEST_F(SettingHandlersTest, CompositeCheckedLoadsSlabDefaultsClearedZeroes) {
    SelectComposite(state, dialogs, true);
    EXPECT_TRUE(state.data.Composite);
    EXPECT_EQ(state.data.SUW, 0.0868F);
    EXPECT_EQ(state.data.SS28, 4000.0F);
    EXPECT_EQ(state.data.SM28, 3833885.5F);
    EXPECT_EQ(dialogs.refreshes, 1);

    state.data.SS28 = 5000;
    SelectComposite(state, dialogs, false);
    EXPECT_EQ(state.data.SUW, 0.0F);
    EXPECT_EQ(state.data.SS28, 0.0F);
    EXPECT_EQ(state.data.SM28, 0.0F);

    state.data.FillingForm = 1;
    state.data.SS28 = 4500;
    SelectComposite(state, dialogs, true);
    EXPECT_TRUE(state.data.Composite);
    EXPECT_EQ(state.data.SS28, 4500.0F);
    EXPECT_EQ(dialogs.refreshes, 2);
}

TEST_F(SettingHandlersTest, ResetProgramOptionsFromAremaAsksTheAashtoQuestion) {
    state.data.designCriteria = DesignCriteria::AREMA;
    state.output.UltimateShear = true;
    RunResetCommand(state, dialogs, ResetCommand::ProgramOptions);
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].text, Question("AASHTO"));
    EXPECT_EQ(state.data.designCriteria, DesignCriteria::AASHTO);
    EXPECT_FALSE(state.output.UltimateShear);
    EXPECT_EQ(dialogs.refreshes, 0);

    RunResetCommand(state, dialogs, ResetCommand::ProgramOptions);
    EXPECT_EQ(dialogs.questions.size(), 1U);
}

}  // namespace
}  // namespace tarnex
