#include "model/defaults.h"

#include <gtest/gtest.h>

#include "started_up.h"

namespace tarnex {
namespace {

using testing::StartedUp;

TEST(MaterialDefaults, FollowTheCriteriaTheSlabAndThePrestressing) {
    ProgramState state = StartedUp();
    // 33 w^1.5 sqrt(f'c) with w = 0.0868 lb/in3 (150 pcf) and f'c = 4000 psi.
    EXPECT_EQ(state.data.M28, 3833885.5F);
    // Pretensioned, AASHTO, 270 ksi low relaxation strand.
    EXPECT_EQ(state.data.PSi, 202500.0F);
    EXPECT_EQ(state.data.PSloss, 35000.0F);
    EXPECT_EQ(state.data.PStrans, 16200.0F);
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
        float cs28, acs1, acs2, ats2, psi, psloss, pstrans, aset;
    };
    constexpr auto kPost = Prestressing::PostTensioning, kPre = Prestressing::Pretensioning;
    constexpr auto kAashto = DesignCriteria::AASHTO, kAci = DesignCriteria::ACI;
    const Case cases[] = {
        {kPost, kAashto, 1, 4000, 2200, 1600, 379.4733F, 202500, 24000, 16200, 0.375F},
        {kPost, kAci, 1, 5000, 2400, 2250, 424.2641F, 202500, 24000, 16200, 0.375F},
        {kPost, kAashto, 0, 4000, 2200, 1600, 379.4733F, 202500, 32000, 32400, 0.375F},
        {kPre, kAashto, 0, 4000, 2400, 1600, 379.4733F, 189000, 45000, 18900, 0},
        {kPre, kAci, 1, 4000, 2400, 1800, 379.4733F, 199800, 35000, 13500, 0},
        // A steel type outside the list keeps the pretensioned initial stress as it was.
        {kPre, kAashto, 5, 4000, 2400, 1600, 379.4733F, 123, 35000, 123 - 186300, 0},
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
        EXPECT_NEAR(state.data.ATS2, c.ats2, 1e-4);
        EXPECT_EQ(state.data.PSi, c.psi);
        EXPECT_EQ(state.data.PSloss, c.psloss);
        EXPECT_EQ(state.data.PStrans, c.pstrans);
        EXPECT_EQ(state.data.Aset, c.aset);
        EXPECT_EQ(state.RH, 0.0F);
    }
}

TEST(MetricDesign, MaterialAndAllowableDefaultsChangeNothing) {
    ProgramState state = StartedUp();
    state.data.units = Units::Metric;
    state.data.CS28 = 35;
    state.data.ACS1 = 12;
    ApplyMaterialDefaults(state.data);
    ApplyAllowableDefaults(state);
    EXPECT_EQ(state.data.CS28, 35.0F);
    EXPECT_EQ(state.data.ACS1, 12.0F);
}

}  // namespace
}  // namespace tarnex
