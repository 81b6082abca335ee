#include "model/setting_handlers.h"

#include <gtest/gtest.h>

#include <string>

#include "started_up.h"

namespace tarnex {
namespace {

/// The started-up design and the dialogs that record what a handler asks.
class SettingHandlersTest : public ::testing::Test {
  protected:
    ProgramState state = testing::StartedUp();
    testing::ScriptedDialogs dialogs;
};

TEST_F(SettingHandlersTest, NoKeepsTheNumbersYesLoadsTheDefaultsTheSameSettingAsksNothing) {
    state.data.ACS2 = 1234;
    dialogs.yesNoAnswers = {false, true};
    SelectDesignCriteria(state, dialogs, DesignCriteria::AREMA);
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].text,
              "Would you like to change to AREMA default parameters?\rThis will overwrite any "
              "parameters you have specified.");
    EXPECT_EQ(dialogs.questions[0].title, "Design criteria");
    EXPECT_EQ(state.data.designCriteria, DesignCriteria::AREMA);
    EXPECT_EQ(state.data.ACS2, 1234.0F);
    EXPECT_EQ(dialogs.refreshes, 0);
    SelectDesignCriteria(state, dialogs, DesignCriteria::ACI);
    EXPECT_EQ(state.data.ACS2, 1800.0F);
    EXPECT_EQ(dialogs.refreshes, 1);
    SelectDesignCriteria(state, dialogs, DesignCriteria::ACI);
    EXPECT_EQ(dialogs.questions.size(), 2U);
    // Resetting the program options from ACI asks the AASHTO question and clears the output.
    state.output.UltimateShear = true;
    RunResetCommand(state, dialogs, ResetCommand::ProgramOptions);
    EXPECT_EQ(dialogs.questions.at(2).text.substr(0, 35), "Would you like to change to AASHTO ");
    EXPECT_EQ(state.data.designCriteria, DesignCriteria::AASHTO);
    EXPECT_FALSE(state.output.UltimateShear);
}

TEST_F(SettingHandlersTest, SilentWhileFillingFormAndTheSectionKeywordOnlyWhenNot) {
    state.data.FillingForm = 1;
    SelectDesignCriteria(state, dialogs, DesignCriteria::AREMA);
    SelectPrestressing(state, dialogs, Prestressing::PostTensioning);
    SelectSectionBasis(state, dialogs, SectionBasis::Transformed);
    SelectComposite(state, dialogs, true);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(state.data.prestressing, Prestressing::PostTensioning);
    EXPECT_EQ(state.data.CS28 + state.data.SS28, 4000.0F);
    EXPECT_TRUE(state.data.SectionKeyword.empty());
    state.data.FillingForm = 0;
    SelectSectionBasis(state, dialogs, SectionBasis::Gross);
    EXPECT_EQ(state.data.SectionKeyword, "gross");
    // A slab unchecked by the user is cleared, checked it gets the slab concrete defaults.
    state.data.SS28 = 4500;
    SelectComposite(state, dialogs, false);
    EXPECT_EQ(state.data.SUW + state.data.SS28 + state.data.SM28, 0.0F);
    SelectComposite(state, dialogs, true);
    EXPECT_EQ(state.data.SM28, 3833885.5F);
}

TEST_F(SettingHandlersTest, MetricIsRefusedByTheUserAndAskedWhileFilling) {
    SelectUnits(state, dialogs, Units::Metric);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The metric units option is not yet available"});
    EXPECT_EQ(dialogs.questions.size() + dialogs.tooltipCalls, 0U);
    EXPECT_EQ(state.data.units, Units::English);
    EXPECT_EQ(state.data.FillingForm, 0);

    state.data.Ym = 5;
    state.data.D = 54;
    state.data.FillingForm = 1;
    dialogs.yesNoAnswers = {false, true};
    SelectUnits(state, dialogs, Units::Metric);
    EXPECT_EQ(dialogs.tooltipCalls, 1);
    EXPECT_EQ(state.data.units, Units::Metric);
    EXPECT_EQ(state.data.Ym, 5.0F);
    // Back to English by the user, answered Yes: section and configuration cleared.
    state.data.FillingForm = 0;
    SelectUnits(state, dialogs, Units::English);
    EXPECT_EQ(dialogs.tooltipCalls, 2);
    EXPECT_EQ(state.data.Ym + state.data.D, 0.0F);
}

}  // namespace
}  // namespace tarnex
