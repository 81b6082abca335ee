#include "model/defaults.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/setting_handlers.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;

ProgramState StartedUp() {
    ProgramState state;
    ScriptedDialogs dialogs;
    RunStartUp(state, dialogs);
    return state;
}

TEST(StartUpDefaults, EnglishAashtoPretensionedNonComposite) {
    const ProgramState state = StartedUp();
    const DesignData& d = state.data;
    EXPECT_EQ(d.units, Units::English);
    EXPECT_EQ(d.designCriteria, DesignCriteria::AASHTO);
    EXPECT_EQ(d.prestressing, Prestressing::Pretensioning);
    EXPECT_FALSE(d.Composite);
    EXPECT_EQ(d.sectionBasis, SectionBasis::Gross);
    EXPECT_EQ(d.ForceFactor, 1000.0F);
    EXPECT_EQ(d.MomentFactor, 12000.0F);
    EXPECT_EQ(d.InputIncomplete, 0);

    EXPECT_EQ(d.BUW, 0.0868F);
    EXPECT_EQ(d.CS28, 4000.0F);
    EXPECT_EQ(d.CSps, 4000.0F);
    EXPECT_EQ(d.M28, 3833885.5F);
    EXPECT_EQ(d.Mps, 3833885.5F);
    EXPECT_EQ(d.SUW, 0.0F);
    EXPECT_EQ(d.SS28, 0.0F);
    EXPECT_EQ(d.SM28, 0.0F);
    EXPECT_EQ(d.RS, 60000.0F);
    EXPECT_EQ(d.RM, 29000000.0F);
    EXPECT_EQ(d.PStype, 1);
    EXPECT_EQ(d.PSdia, 0.5F);
    EXPECT_EQ(d.PSus, 270000.0F);
    EXPECT_EQ(d.PSys, 243000.0F);
    EXPECT_EQ(d.PSmod, 28000000.0F);
    EXPECT_EQ(d.K, 0.0F);
    EXPECT_EQ(d.MU, 0.0F);

    EXPECT_EQ(d.ACS1, 2400.0F);
    EXPECT_NEAR(d.ATS1, 189.7367, 1e-4);
    EXPECT_EQ(d.ATS1, static_cast<float>(3.0 * std::sqrt(4000.0)));
    EXPECT_EQ(d.ACS2, 1600.0F);
    EXPECT_NEAR(d.ATS2, 379.4733, 1e-4);
    EXPECT_EQ(d.PSi, 202500.0F);
    EXPECT_EQ(d.PSloss, 35000.0F);
    EXPECT_EQ(d.PStrans, 16200.0F);
    EXPECT_EQ(d.Aset, 0.0F);
    EXPECT_EQ(state.RH, 0.0F);
    EXPECT_TRUE(state.output.Stresses);
    EXPECT_FALSE(state.output.Deflections || state.output.UltimateMoment ||
                 state.output.UltimateShear);

    EXPECT_EQ(d.nll, 1);
    EXPECT_EQ(d.PrevNll, 1);
    EXPECT_EQ(d.CurrentLocation, 1);
    ASSERT_EQ(d.locations.size(), 1);
    EXPECT_EQ(d.locations(1), LoadLocation{});
    EXPECT_EQ(d.FRloss.size(), 1);
    EXPECT_EQ(d.PSlossAt.size(), 1);
}

TEST(MaterialDefaults, AremaRaisesTheStrengthAndModulus) {
    ProgramState state = StartedUp();
    state.data.designCriteria = DesignCriteria::AREMA;
    ApplyMaterialDefaults(state.data);
    EXPECT_EQ(state.data.CS28, 4500.0F);
    EXPECT_EQ(state.data.M28, 4066449.75F);
    EXPECT_EQ(state.data.Mps, 3833885.5F);
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.ACS2, 1800.0F);
    EXPECT_EQ(state.data.ATS2, 0.0F);
}

TEST(MaterialDefaults, CompositeAndPostTensioningFillSlabAndFriction) {
    ProgramState state = StartedUp();
    state.data.Composite = true;
    state.data.prestressing = Prestressing::PostTensioning;
    ApplyMaterialDefaults(state.data);
    EXPECT_EQ(state.data.SUW, 0.0868F);
    EXPECT_EQ(state.data.SS28, 4000.0F);
    EXPECT_EQ(state.data.SM28, 3833885.5F);
    EXPECT_EQ(state.data.K, 0.0000167F);
    EXPECT_EQ(state.data.MU, 0.25F);
}

TEST(AllowableDefaults, PostTensionedAashtoAndAci) {
    ProgramState state = StartedUp();
    state.data.prestressing = Prestressing::PostTensioning;
    state.RH = 70;
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.ACS1, 2200.0F);
    EXPECT_EQ(state.data.PSi, 202500.0F);
    EXPECT_EQ(state.data.PSloss, 24000.0F);
    EXPECT_EQ(state.data.PStrans, 16200.0F);
    EXPECT_EQ(state.data.Aset, 0.375F);
    EXPECT_EQ(state.RH, 0.0F);

    state.data.designCriteria = DesignCriteria::ACI;
    state.data.CS28 = 5000;
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.ACS1, 2400.0F);
    EXPECT_EQ(state.data.ACS2, static_cast<float>(0.45 * 5000.0));
    EXPECT_EQ(state.data.PSi, 202500.0F);
}

TEST(AllowableDefaults, SteelTypeSetsInitialStressAndLosses) {
    ProgramState state = StartedUp();
    state.data.PStype = 0;
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.PSi, 189000.0F);
    EXPECT_EQ(state.data.PSloss, 45000.0F);
    EXPECT_EQ(state.data.PStrans, 18900.0F);

    state.data.prestressing = Prestressing::PostTensioning;
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.PSloss, 32000.0F);
    EXPECT_EQ(state.data.PSi, 202500.0F);

    state.data.prestressing = Prestressing::Pretensioning;
    state.data.PStype = 1;
    state.data.designCriteria = DesignCriteria::ACI;
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.PSi, 199800.0F);
    EXPECT_EQ(state.data.PStrans, 13500.0F);

    // A steel type outside the list keeps the pretensioned initial stress as it was.
    state.data.designCriteria = DesignCriteria::AASHTO;
    state.data.PStype = 5;
    state.data.PSi = 123.0F;
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.PSi, 123.0F);
}

TEST(MetricDesign, MaterialAndAllowableDefaultsChangeNothingResetsStillClear) {
    ProgramState state = StartedUp();
    DesignData& d = state.data;
    d.units = Units::Metric;
    d.CS28 = 35;
    d.ACS1 = 12;
    d.D = 1000;
    d.Area = 5;
    d.BeamArea = 7;
    d.Ym = 100;
    d.nll = 3;
    d.RecreateLocations(3);
    d.Pjack = 5;
    const DesignData before = d;
    ApplyMaterialDefaults(d);
    ApplyAllowableDefaults(state);
    EXPECT_EQ(d.CS28, before.CS28);
    EXPECT_EQ(d.ACS1, before.ACS1);
    ResetSection(d);
    EXPECT_EQ(d.D, 0.0F);
    EXPECT_EQ(d.Area, 0.0F);
    EXPECT_EQ(d.BeamArea, 7.0F);
    ResetConfiguration(d);
    EXPECT_EQ(d.Ym, 0.0F);
    ResetLoads(d);
    EXPECT_EQ(d.nll, 1);
    EXPECT_EQ(d.locations.size(), 1);
    EXPECT_EQ(d.Pjack, 0.0F);
}

}  // namespace
}  // namespace tarnex
