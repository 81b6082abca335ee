// Critical stress checks: the round-off a verdict forgives, and which checks the criteria keep.

#include <gtest/gtest.h>

#include <vector>

#include "report/design_results.h"

namespace tarnex {
namespace {

/// Allowables 200 / 2400 psi at transfer and 424.26 / 2250 psi final, under AASHTO; each
/// critical stress beyond its allowable by `excess` psi (tensions negative).
DesignData CriticalStresses(double excess) {
    DesignData d;
    d.ATS1 = 200;
    d.ACS1 = 2400;
    d.ATS2 = 424.26F;
    d.ACS2 = 2250;
    d.MinTop = static_cast<float>(-200 - excess);
    d.MaxInitComp = static_cast<float>(2400 + excess);
    d.MinFinalDL = static_cast<float>(-excess);
    d.MaxCompLL = static_cast<float>(2250 + excess);
    d.MinFinalAll = static_cast<float>(-static_cast<double>(d.ATS2) - excess);
    d.MaxFinalComp = static_cast<float>(2250 + excess);
    return d;
}

TEST(StressChecks, RoundOffWithinAHundredthPassesTwoHundredthsFail) {
    // The required force puts a stress on its allowable; single-precision round-off of the
    // stored steps must not decide the verdict, a real shortfall must.
    for (const auto& [excess, holds] :
         std::vector<std::pair<double, bool>>{{0, true}, {0.009, true}, {0.02, false}}) {
        DesignData d = CriticalStresses(excess);
        const std::vector<StressCheck> checks = CheckCriticalStresses(d);
        ASSERT_EQ(checks.size(), 6U);
        for (const StressCheck& check : checks) EXPECT_EQ(check.holds, holds) << check.label;
    }
}

TEST(StressChecks, OnlyAashtoChecksTheLiveLoadCompressionAndLetsItGovern) {
    for (const DesignCriteria criteria : {DesignCriteria::AASHTO, DesignCriteria::ACI}) {
        DesignData d = CriticalStresses(-100);  // all within their allowables
        d.MaxCompLL = 2300;
        d.designCriteria = criteria;
        const std::vector<StressCheck> checks = CheckCriticalStresses(d);
        const bool aashto = criteria == DesignCriteria::AASHTO;
        EXPECT_EQ(checks.size(), aashto ? 6U : 5U);
        EXPECT_EQ(checks.back().actual, aashto ? 2300 : 2150);
        EXPECT_EQ(checks.back().holds, !aashto);
    }
}

}  // namespace
}  // namespace tarnex
