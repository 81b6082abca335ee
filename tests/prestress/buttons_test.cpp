#include "prestress/buttons.h"

#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "model/number_text.h"
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

TEST(Buttons, RefusalsNoticesAndErrorsShowTheirMessageAndKeepTheResults) {
    using Press = ButtonResult (*)(ProgramState&, Dialogs&);
    const struct {
        const char* name;
        Press press;
        void (*spoil)(ProgramState&);
        StepResult result;
        std::vector<std::string> messages;
    } kCases[] = {
        {"general section",
         PressCalcSectionProperties,
         nullptr,
         StepResult::Done,
         {"General section properties must be input directly."}},
        {"I girder without dimensions",
         PressCalcSectionProperties,
         [](ProgramState& s) { s.data.BeamShape = BeamShapeKind::IGirder; },
         StepResult::Refused,
         {"Enter the section dimensions: D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot"}},
        {"width without slab",
         PressCalcEffectiveSlabWidth,
         nullptr,
         StepResult::Refused,
         {"Enter slab thickness"}},
        {"losses of an empty record",
         PressCalcTotalLosses,
         [](ProgramState& s) { s = ProgramState{}; },
         StepResult::Refused,
         {"Enter beam properties", "Enter loads", "Enter prestress path"}},
        {"transfer loss without force",
         PressCalcLossAtTransfer,
         [](ProgramState& s) { s.data.Pjack = 0.0F; },
         StepResult::Refused,
         {"Please enter initial prestress force"}},
        {"losses without modulus",
         PressCalcTotalLosses,
         [](ProgramState& s) {
             s.RH = 70.0F;
             s.data.Mps = 0.0F;
         },
         StepResult::Failed,
         {"Cannot calculate: the beam modulus of elasticity at prestressing is 0"}},
        {"force: bottom tension beyond the transfer ceiling",
         PressCalcPrestressForce,
         [](ProgramState& s) { s.data.locations(1).LM = 20000000.0F; },
         StepResult::Refused,
         {kNoConvergence}},
        {"force without effective prestress",
         PressCalcPrestressForce,
         [](ProgramState& s) { s.data.PSloss = s.data.PSi; },
         StepResult::Failed,
         {"Cannot calculate: the initial prestress less the loss is 0"}},
        {"force without path",
         PressCalcPrestressForce,
         [](ProgramState& s) { s.data.Ym = 0; },
         StepResult::Refused,
         {"Enter prestress path"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        ProgramState state = Complete();
        if (c.spoil != nullptr) c.spoil(state);
        const DesignData before = state.data;
        ScriptedDialogs dialogs;
        EXPECT_EQ(c.press(state, dialogs).result, c.result);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_TRUE(dialogs.inputs.empty());
        EXPECT_EQ(state.data.InputIncomplete, 0);  // cleared for the next press
        EXPECT_EQ(Properties(state.data), Properties(before));
        EXPECT_EQ(state.data.Beff, before.Beff);
        EXPECT_EQ(state.data.PSloss, before.PSloss);
        EXPECT_EQ(state.data.SH, before.SH);
        EXPECT_TRUE(state.data.PSlossAt.empty() || state.data.PSlossAt(1) == 0.0F);
        EXPECT_EQ(state.data.Pjack, before.Pjack);
    }
}

TEST(Buttons, WidthAndForceAreShownInTheirFields) {
    ProgramState state;
    state.data.Tslab = 7.5F;
    state.data.Btop = 12.0F;
    state.data.Bspace = 144.0F;
    state.data.Blength = 1200.0F;
    ScriptedDialogs dialogs;
    const ButtonResult width = PressCalcEffectiveSlabWidth(state, dialogs);
    EXPECT_EQ(width.result, StepResult::Done);
    EXPECT_EQ(width.fieldText, "102.0");  // 12 x 7.5 + 12
    EXPECT_EQ(state.data.Beff, 102.0F);

    ProgramState design = Complete();
    design.data.Pjack = 1.0F;
    const ButtonResult force = PressCalcPrestressForce(design, dialogs);
    ASSERT_EQ(force.result, StepResult::Done);
    EXPECT_EQ(force.fieldText, "810.0");
    EXPECT_EQ(design.data.Pjack, 810000.0F);
}

TEST(LossButtons, HumidityIsAskedWhileNotPositive) {
    ProgramState state = Complete();
    ScriptedDialogs dialogs;  // the input box is cancelled
    const ButtonResult r = PressCalcTotalLosses(state, dialogs);
    ASSERT_EQ(r.result, StepResult::Done);
    ASSERT_EQ(dialogs.inputs.size(), 1U);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Enter mean annual ambient relative humidity in percent");
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

}  // namespace
}  // namespace tarnex
