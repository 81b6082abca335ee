#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "prestress/calc_steps.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

/// Pi = Pjack = 1200 kips on e = -15 in with DM = 6000 kip-in:
/// fcir = 225 x 1.2e6 / 2e5 + 1.2e6 / 2000 - 15 x 6e6 / 2e5 = 1350 + 600 - 450 = 1500 psi;
/// CDM = 8000 kip-in: fcds = 15 x 8e6 / 2e5 = 600 psi.
ProgramState LossDesign() {
    ProgramState state;
    state.RH = 70.0F;
    DesignData& d = state.data;
    d = PlainBeam();
    d.Pjack = 1200000.0F;
    d.PStrans = 0.0F;
    AddLocation(d, 600.0F, 6000000.0F);
    d.locations(1).CDM = 8000000.0F;
    AddLocation(d, 300.0F, 4000000.0F);
    CalcCompositeProperties(d);
    CalcTransformedProperties(d);
    return state;
}

TEST(Losses, PretensionedStressRelievedStrandAndTheFirstOfEqualMomentsIsCritical) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign();
    AddLocation(state.data, 700.0F, 6000000.0F);  // same moment, no later dead load
    CalcTransformedProperties(state.data);
    CalcLosses(state, dialogs);
    const DesignData& d = state.data;
    EXPECT_EQ(d.SH, 6500.0F);    // 17000 - 150 x 70
    EXPECT_EQ(d.ES, 11875.0F);   // 28.5e6 x 1500 / 3.6e6
    EXPECT_EQ(d.CRc, 13800.0F);  // 12 x 1500 - 7 x 600: the first location's fcds
    EXPECT_EQ(d.CRs, 11190.0F);  // 20000 - 0.4 ES - 0.2 (CRc + SH)
    EXPECT_EQ(d.PSloss, 43365.0F);
    EXPECT_EQ(d.PSlossAt(3), 43365.0F);
}

TEST(Losses, ZeroDivisorsAreReported) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign();
    state.data.Mps = 0.0F;
    ExpectCalcError([&] { CalcLosses(state, dialogs); },
                    "the beam modulus of elasticity at prestressing is 0");
    ProgramState noPsi = LossDesign();
    noPsi.data.PSi = 0.0F;
    EXPECT_THROW(CalcLosses(noPsi, dialogs), CalcError);
    ProgramState noLoad = LossDesign();
    noLoad.data.locations(1).DM = 0.0F;
    noLoad.data.locations(2).DM = -1.0F;
    EXPECT_THROW(CalcLosses(noLoad, dialogs), CalcError);
}

}  // namespace
}  // namespace tarnex
