#include "model/defaults.h"

#include <gtest/gtest.h>

#include <utility>

#include "started_up.h"

namespace tarnex {
namespace {

using testing::StartedUp;

TEST(StartUpDefaults, EnglishAashtoPretensionedNonComposite) {
    const ProgramState state = StartedUp();
    const DesignData& d = state.data;
    EXPECT_EQ(d.units, Units::English);
    EXPECT_EQ(d.designCriteria, DesignCriteria::AASHTO);
    EXPECT_EQ(d.prestressing, Prestressing::Pretensioning);
    EXPECT_FALSE(d.Composite);
    EXPECT_EQ(d.sectionBasis, SectionBasis::Gross);
    EXPECT_TRUE(state.output.Stresses);
    EXPECT_FALSE(state.output.Deflections || state.output.UltimateMoment ||
                 state.output.UltimateShear);
    // Forces in lb and moments in lb-in inside, kips and kip-ft in the window.
    EXPECT_EQ(d.ForceFactor, 1000.0F);
    EXPECT_EQ(d.MomentFactor, 12000.0F);

    // The other material defaults are checked through the input file they write.
    EXPECT_EQ(d.M28, 3833885.5F);
    EXPECT_EQ(d.Mps, 3833885.5F);
    EXPECT_EQ(d.ACS1, 2400.0F);
    EXPECT_NEAR(d.ATS1, 189.7367, 1e-4);
    EXPECT_EQ(d.ACS2, 1600.0F);
    EXPECT_NEAR(d.ATS2, 379.4733, 1e-4);
    EXPECT_EQ(d.PSi, 202500.0F);
    EXPECT_EQ(d.PSloss, 35000.0F);
    EXPECT_EQ(d.PStrans, 16200.0F);
    const std::pair<const char*, float> zeros[] = {
        {"SUW", d.SUW}, {"SS28", d.SS28}, {"SM28", d.SM28}, {"K", d.K},
        {"MU", d.MU},   {"Aset", d.Aset}, {"RH", state.RH}};
    for (const auto& [name, value] : zeros) EXPECT_EQ(value, 0.0F) << name;

    EXPECT_EQ(d.nll, 1);
    EXPECT_EQ(d.PrevNll, 1);
    EXPECT_EQ(d.CurrentLocation, 1);
    ASSERT_EQ(d.locations.size(), 1);
    EXPECT_EQ(d.locations(1), LoadLocation{});
    EXPECT_EQ(d.FRloss.size(), 1);
    EXPECT_EQ(d.PSlossAt.size(), 1);
}

TEST(MaterialDefaults, FollowTheCriteriaTheSlabAndThePrestressing) {
    ProgramState state = StartedUp();
    state.data.designCriteria = DesignCriteria::AREMA;
    ApplyMaterialDefaults(state.data);
    EXPECT_EQ(state.data.CS28, 4500.0F);
    EXPECT_EQ(state.data.M28, 4066449.75F);
    EXPECT_EQ(state.data.Mps, 3833885.5F);
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.ACS2, 1800.0F);
    EXPECT_EQ(state.data.ATS2, 0.0F);

    state = StartedUp();
    state.data.Composite = true;
    state.data.prestressing = Prestressing::PostTensioning;
    ApplyMaterialDefaults(state.data);
    EXPECT_EQ(state.data.SUW, 0.0868F);
    EXPECT_EQ(state.data.SS28, 4000.0F);
    EXPECT_EQ(state.data.SM28, 3833885.5F);
    EXPECT_EQ(state.data.K, 0.0000167F);
    EXPECT_EQ(state.data.MU, 0.25F);
}

TEST(AllowableDefaults, FollowPrestressingCriteriaAndSteelType) {
    struct Case {
        Prestressing prestressing;
        DesignCriteria criteria;
        int steelType;
        float cs28, acs1, acs2, psi, psloss, pstrans, aset;
    };
    constexpr auto kPost = Prestressing::PostTensioning;
    constexpr auto kPre = Prestressing::Pretensioning;
    constexpr auto kAashto = DesignCriteria::AASHTO;
    constexpr auto kAci = DesignCriteria::ACI;
    const Case cases[] = {
        {kPost, kAashto, 1, 4000, 2200, 1600, 202500, 24000, 16200, 0.375F},
        {kPost, kAci, 1, 5000, 2400, 2250, 202500, 24000, 16200, 0.375F},
        {kPost, kAashto, 0, 4000, 2200, 1600, 202500, 32000, 32400, 0.375F},
        {kPre, kAashto, 0, 4000, 2400, 1600, 189000, 45000, 18900, 0},
        {kPre, kAci, 1, 4000, 2400, 1800, 199800, 35000, 13500, 0},
        // A steel type outside the list keeps the pretensioned initial stress as it was.
        {kPre, kAashto, 5, 4000, 2400, 1600, 123, 35000, 123 - 186300, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "steel type " << c.steelType << ", CS28 " << c.cs28
                                          << ", expected PSi " << c.psi);
        ProgramState state = StartedUp();
        state.data.prestressing = c.prestressing;
        state.data.designCriteria = c.criteria;
        state.data.PStype = static_cast<SteelType>(c.steelType);
        state.data.CS28 = c.cs28;
        state.data.PSi = 123;
        state.RH = 70;
        ApplyAllowableDefaults(state);
        EXPECT_EQ(state.data.ACS1, c.acs1);
        EXPECT_EQ(state.data.ACS2, c.acs2);
        EXPECT_EQ(state.data.PSi, c.psi);
        EXPECT_EQ(state.data.PSloss, c.psloss);
        EXPECT_EQ(state.data.PStrans, c.pstrans);
        EXPECT_EQ(state.data.Aset, c.aset);
        EXPECT_EQ(state.RH, 0.0F);
    }
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
    ApplyMaterialDefaults(d);
    ApplyAllowableDefaults(state);
    EXPECT_EQ(d.CS28, 35.0F);
    EXPECT_EQ(d.ACS1, 12.0F);
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
