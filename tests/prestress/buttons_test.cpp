#include "prestress/buttons.h"

#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "model/number_text.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using testing::AddLocation;
using testing::PlainBeam;
using testing::ScriptedDialogs;

const char* const kHumidityPrompt = "Enter mean annual ambient relative humidity in percent";

/// A complete pretensioned design: P4 = 650 kips governs (see the required force tests).
ProgramState Complete() {
    ProgramState state;
    state.data = PlainBeam();
    state.data.Pjack = 810000.0F;
    AddLocation(state.data, 600.0F, 13000000.0F);
    return state;
}

TEST(SectionButton, GeneralSectionNoticeIsDoneMissingDimensionsRefused) {
    ProgramState state = Complete();
    ScriptedDialogs dialogs;
    EXPECT_EQ(PressCalcSectionProperties(state, dialogs).result, StepResult::Done);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"General section properties must be input directly."});
    state.data.BeamShape = static_cast<int>(BeamShapeKind::IGirder);
    EXPECT_EQ(PressCalcSectionProperties(state, dialogs).result, StepResult::Refused);
    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(dialogs.messages[1].rfind("Enter the section dimensions: ", 0), 0U);
}

TEST(EffectiveWidthButton, ShowsOneDecimalOrRefuses) {
    ProgramState state;
    ScriptedDialogs dialogs;
    EXPECT_EQ(PressCalcEffectiveSlabWidth(state, dialogs).result, StepResult::Refused);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Enter slab thickness"});
    state.data.Tslab = 7.5F;
    state.data.Btop = 12.0F;
    state.data.Bspace = 144.0F;
    state.data.Blength = 1200.0F;
    const ButtonResult r = PressCalcEffectiveSlabWidth(state, dialogs);
    EXPECT_EQ(r.result, StepResult::Done);
    EXPECT_EQ(r.fieldText, "102.0");  // 12 x 7.5 + 12
    EXPECT_EQ(state.data.Beff, 102.0F);
}

TEST(LossButtons, IncompleteInputAndMissingForceAreRefused) {
    ProgramState empty;
    ScriptedDialogs dialogs;
    EXPECT_EQ(PressCalcTotalLosses(empty, dialogs).result, StepResult::Refused);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Enter beam properties", "Enter loads",
                                                          "Enter prestress path"}));
    EXPECT_EQ(empty.data.InputIncomplete, 0);  // cleared for the next press

    ProgramState noForce = Complete();
    noForce.data.Pjack = 0.0F;
    ScriptedDialogs second;
    EXPECT_EQ(PressCalcLossAtTransfer(noForce, second).result, StepResult::Refused);
    EXPECT_EQ(second.messages, std::vector<std::string>{"Please enter initial prestress force"});
    EXPECT_TRUE(second.inputs.empty());
}

TEST(LossButtons, HumidityIsAskedWhileNotPositive) {
    ProgramState state = Complete();
    ScriptedDialogs dialogs;  // the input box is cancelled
    const ButtonResult r = PressCalcTotalLosses(state, dialogs);
    ASSERT_EQ(r.result, StepResult::Done);
    ASSERT_EQ(dialogs.inputs.size(), 1U);
    EXPECT_EQ(dialogs.inputs[0].prompt, kHumidityPrompt);
    EXPECT_EQ(dialogs.inputs[0].title, "Long Term Prestress Loss");
    EXPECT_EQ(dialogs.inputs[0].defaultText, "");
    EXPECT_EQ(state.RH, 0.0F);
    EXPECT_EQ(state.data.SH, 17000.0F);
    EXPECT_EQ(r.fieldText, FormatPattern(state.data.PSloss, 0));
    EXPECT_EQ(r.fieldText.back(), '.');

    dialogs.inputReplies = {" 75.5 percent"};  // the leading number of the reply
    ASSERT_EQ(PressCalcTotalLosses(state, dialogs).result, StepResult::Done);
    EXPECT_EQ(state.RH, 75.5F);
    EXPECT_EQ(state.data.SH, 17000.0F - 150.0F * 75.5F);
    ASSERT_EQ(PressCalcTotalLosses(state, dialogs).result, StepResult::Done);
    EXPECT_EQ(dialogs.inputs.size(), 2U);  // a positive RH is not asked again
}

TEST(LossButtons, CalculationErrorIsReportedAndKeepsTheResults) {
    ProgramState state = Complete();
    state.RH = 70.0F;
    state.data.Mps = 0.0F;
    state.data.PSloss = 33333.0F;
    state.data.SH = 1.0F;
    ScriptedDialogs dialogs;
    const ButtonResult r = PressCalcTotalLosses(state, dialogs);
    EXPECT_EQ(r.result, StepResult::Failed);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Cannot calculate: the beam modulus of elasticity at "
                                       "prestressing is 0"});
    EXPECT_EQ(state.data.PSloss, 33333.0F);
    EXPECT_EQ(state.data.SH, 1.0F);
    EXPECT_TRUE(state.data.PSlossAt.empty() || state.data.PSlossAt(1) == 0.0F);
}

TEST(LossButtons, TransferButtonShowsTheLossAtTransfer) {
    ProgramState state = Complete();
    state.RH = 70.0F;
    ScriptedDialogs dialogs;
    const ButtonResult r = PressCalcLossAtTransfer(state, dialogs);
    ASSERT_EQ(r.result, StepResult::Done);
    EXPECT_EQ(state.data.PStrans,
              static_cast<float>(static_cast<double>(state.data.CRs) / 2 + state.data.ES));
    EXPECT_EQ(r.fieldText, FormatPattern(state.data.PStrans, 0));
}

TEST(ForceButton, ResultNonConvergenceAndErrors) {
    ProgramState state = Complete();
    state.data.Pjack = 1.0F;
    ScriptedDialogs dialogs;
    const ButtonResult r = PressCalcPrestressForce(state, dialogs);
    ASSERT_EQ(r.result, StepResult::Done);
    EXPECT_EQ(r.fieldText, "810.0");
    EXPECT_EQ(state.data.Pjack, 810000.0F);

    ProgramState tight = Complete();
    tight.data.locations(1).LM = 20000000.0F;  // bottom tension beyond the transfer ceiling
    ScriptedDialogs second;
    EXPECT_EQ(PressCalcPrestressForce(tight, second).result, StepResult::Refused);
    ASSERT_EQ(second.messages.size(), 1U);
    EXPECT_EQ(tight.data.Pjack, 810000.0F);

    ProgramState broken = Complete();
    broken.data.PSloss = broken.data.PSi;
    ScriptedDialogs third;
    EXPECT_EQ(PressCalcPrestressForce(broken, third).result, StepResult::Failed);
    EXPECT_EQ(third.messages, std::vector<std::string>{
                                  "Cannot calculate: the initial prestress less the loss is 0"});
    EXPECT_EQ(broken.data.Pjack, 810000.0F);

    ProgramState incomplete = Complete();
    incomplete.data.Ym = 0.0F;
    ScriptedDialogs fourth;
    EXPECT_EQ(PressCalcPrestressForce(incomplete, fourth).result, StepResult::Refused);
    EXPECT_EQ(fourth.messages, std::vector<std::string>{"Enter prestress path"});
    EXPECT_EQ(incomplete.data.InputIncomplete, 0);
}

}  // namespace
}  // namespace tarnex
