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
ProgramState LossDesign(Prestressing kind) {
    ProgramState state;
    state.RH = 70.0F;
    DesignData& d = state.data;
    d = PlainBeam();
    d.prestressing = kind;
    d.Pjack = 1200000.0F;
    d.PStrans = 0.0F;
    AddLocation(d, 600.0F, 6000000.0F);
    d.locations(1).CDM = 8000000.0F;
    AddLocation(d, 300.0F, 4000000.0F);
    CalcCompositeProperties(d);
    CalcTransformedProperties(d);
    return state;
}

TEST(Losses, PretensionedStressRelievedStrand) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign(Prestressing::Pretensioning);
    CalcLosses(state, dialogs);
    const DesignData& d = state.data;
    EXPECT_EQ(d.SH, 6500.0F);    // 17000 - 150 x 70
    EXPECT_EQ(d.ES, 11875.0F);   // 28.5e6 x 1500 / 3.6e6
    EXPECT_EQ(d.CRc, 13800.0F);  // 12 x 1500 - 7 x 600
    EXPECT_EQ(d.CRs, 11190.0F);  // 20000 - 0.4 ES - 0.2 (CRc + SH)
    EXPECT_EQ(d.PSloss, 43365.0F);
    ASSERT_EQ(d.PSlossAt.size(), 2);
    EXPECT_EQ(d.PSlossAt(1), 43365.0F);
    EXPECT_EQ(d.PSlossAt(2), 43365.0F);
    EXPECT_TRUE(dialogs.messages.empty());  // no friction message for pretensioning

    DesignData transfer = d;
    CalcLossAtTransfer(transfer);
    EXPECT_EQ(transfer.PStrans, 11190.0F / 2.0F + 11875.0F);
}

TEST(Losses, LowRelaxationStrandAndUnknownStrandType) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign(Prestressing::Pretensioning);
    state.data.PStype = SteelType::LowRelaxation;
    CalcLosses(state, dialogs);
    EXPECT_EQ(state.data.CRs, 2797.5F);  // 5000 - 0.1 ES - 0.05 (CRc + SH)
    EXPECT_EQ(state.data.PSloss, 34972.5F);

    ProgramState other = LossDesign(Prestressing::Pretensioning);
    other.data.PStype = static_cast<SteelType>(2);
    other.data.CRs = 123.0F;  // an unknown strand type keeps the relaxation as it was
    CalcLosses(other, dialogs);
    EXPECT_EQ(other.data.CRs, 123.0F);
    EXPECT_EQ(other.data.PSloss, 11875.0F + 6500.0F + 13800.0F + 123.0F);
}

TEST(Losses, FirstOfEqualLargestMomentsIsCritical) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign(Prestressing::Pretensioning);
    AddLocation(state.data, 700.0F, 6000000.0F);  // same moment, no later dead load
    CalcTransformedProperties(state.data);
    CalcLosses(state, dialogs);
    EXPECT_EQ(state.data.CRc, 13800.0F);  // the first one, with fcds = 600

    ProgramState second = LossDesign(Prestressing::Pretensioning);
    second.data.locations(2).DM = 6000000.5F;  // now strictly larger: fcds = 0
    CalcLosses(second, dialogs);
    EXPECT_NEAR(second.data.CRc, 12.0 * (1350.0 + 600.0 - 15.0 * 6000000.5 / 200000.0), 1e-3);
}

TEST(Losses, PostTensionedAddsFrictionAndAnchorSetPerLocation) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign(Prestressing::PostTensioning);
    state.data.Aset = 0.25F;
    CalcLosses(state, dialogs);
    const DesignData& d = state.data;
    EXPECT_EQ(d.SH, 5200.0F);  // 0.8 x 6500
    EXPECT_EQ(d.ES, 5937.5F);  // 1500 x 0.5 x 28.5e6 / 3.6e6
    const double total = 5937.5 + 5200.0 + d.CRc + d.CRs;
    EXPECT_EQ(d.PSloss, static_cast<float>(total));
    ASSERT_EQ(d.FRloss.size(), 2);
    EXPECT_GT(d.FRloss(1), 0.0F);
    EXPECT_GT(d.ASloss(2), 0.0F);  // x = 300 lies in the set zone
    for (int i = 1; i <= 2; ++i) {
        const double fr = d.FRloss(i);
        const double as = d.ASloss(i);
        EXPECT_EQ(d.PSlossAt(i),
                  static_cast<float>(total - 0.3 * fr * 202500.0 + (as + fr) * 202500.0));
    }
    DesignData transfer = d;
    CalcLossAtTransfer(transfer);
    EXPECT_EQ(transfer.PStrans, static_cast<float>(202500.0 * d.FRASmax + 5937.5));
}

TEST(Losses, PostTensionedHarpedPathKeepsTheTotalLoss) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign(Prestressing::PostTensioning);
    state.data.PathConfig = PathKind::Harped;
    state.data.Xl = 240.0F;
    state.data.Xr = 960.0F;
    state.data.Yl = state.data.Yr = 5.0F;
    CalcLosses(state, dialogs);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Harping is not used for post-tensioned beams"});
    EXPECT_EQ(state.data.PSlossAt(1), state.data.PSloss);
    EXPECT_EQ(state.data.PSlossAt(2), state.data.PSloss);
}

TEST(Losses, ZeroDivisorsAreReported) {
    ScriptedDialogs dialogs;
    ProgramState state = LossDesign(Prestressing::Pretensioning);
    state.data.Mps = 0.0F;
    ExpectCalcError([&] { CalcLosses(state, dialogs); },
                    "the beam modulus of elasticity at prestressing is 0");
    ProgramState noPsi = LossDesign(Prestressing::Pretensioning);
    noPsi.data.PSi = 0.0F;
    EXPECT_THROW(CalcLosses(noPsi, dialogs), CalcError);
    ProgramState noLoad = LossDesign(Prestressing::Pretensioning);
    noLoad.data.locations(1).DM = 0.0F;
    noLoad.data.locations(2).DM = -1.0F;
    EXPECT_THROW(CalcLosses(noLoad, dialogs), CalcError);
}

}  // namespace
}  // namespace tarnex
