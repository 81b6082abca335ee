#include "prestress/buttons.h"

#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

/// A complete pretensioned design: P4 = 650 kips governs (see the required force tests).
ProgramState Complete() {
    ProgramState state;
    state.data = PlainBeam();
    state.data.Pjack = 810000.0F;
    AddLocation(state.data, 600.0F, 13000000.0F);
    return state;
}

TEST(Buttons, RefusalsAndErrorsShowTheirMessageAndKeepTheResults) {
    using Press = ButtonResult (*)(ProgramState&, Dialogs&);
    const struct {
        Press press;
        void (*spoil)(ProgramState&);
        StepResult result;
        std::vector<std::string> messages;
    } kCases[] = {
        {PressCalcTotalLosses,
         [](ProgramState& s) { s = ProgramState{}; },
         StepResult::Refused,
         {"Enter beam properties", "Enter loads", "Enter prestress path"}},
        {PressCalcLossAtTransfer,
         [](ProgramState& s) { s.data.Pjack = 0.0F; },
         StepResult::Refused,
         {"Please enter initial prestress force"}},
        {PressCalcTotalLosses,
         [](ProgramState& s) {
             s.RH = 70.0F;
             s.data.Mps = 0.0F;
         },
         StepResult::Failed,
         {"Cannot calculate: the beam modulus of elasticity at prestressing is 0"}},
        {PressCalcPrestressForce,
         [](ProgramState& s) { s.data.PSloss = s.data.PSi; },
         StepResult::Failed,
         {"Cannot calculate: the initial prestress less the loss is 0"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.messages[0]);
        ProgramState state = Complete();
        c.spoil(state);
        const DesignData before = state.data;
        ScriptedDialogs dialogs;
        EXPECT_EQ(c.press(state, dialogs).result, c.result);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(state.data.InputIncomplete, 0);  // cleared for the next press
        EXPECT_EQ(state.data.PSloss, before.PSloss);
        EXPECT_EQ(state.data.SH, before.SH);
        EXPECT_EQ(state.data.Pjack, before.Pjack);
    }
}

TEST(LossButtons, HumidityIsAskedWhileNotPositive) {
    ProgramState state = Complete();
    ScriptedDialogs dialogs;  // the input box is cancelled: RH stays 0
    ASSERT_EQ(PressCalcTotalLosses(state, dialogs).result, StepResult::Done);
    ASSERT_EQ(dialogs.inputs.size(), 1U);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Enter mean annual ambient relative humidity in percent");
    EXPECT_EQ(dialogs.inputs[0].title, "Long Term Prestress Loss");
    EXPECT_EQ(state.data.SH, 17000.0F);
    dialogs.inputReplies = {" 75.5 percent"};  // the leading number of the reply
    ASSERT_EQ(PressCalcTotalLosses(state, dialogs).result, StepResult::Done);
    EXPECT_EQ(state.RH, 75.5F);
    EXPECT_EQ(state.data.SH, 17000.0F - 150.0F * 75.5F);
    ASSERT_EQ(PressCalcTotalLosses(state, dialogs).result, StepResult::Done);
    EXPECT_EQ(dialogs.inputs.size(), 2U);  // a positive RH is not asked again
}

}  // namespace
}  // namespace tarnex
