// Critical stress checks: the round-off a verdict forgives, and which checks the criteria keep.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "checks/design_results.h"

namespace tarnex {
namespace {

/// Allowables 200 / 2400 psi at transfer and 424.26 / 2250 psi final, under AASHTO; each
/// critical stress beyond its allowable by `excess` psi (tensions negative).
struct Critical {
    DesignData d;
    CalcValues v;
};
Critical CriticalStresses(double excess) {
    Critical c;
    DesignData& d = c.d;
    CalcValues& v = c.v;
    std::tie(d.ATS1, d.ACS1, d.ATS2, d.ACS2) = std::tuple(200.0F, 2400.0F, 424.26F, 2250.0F);
    const auto beyond = [excess](double allowable) {
        return static_cast<float>(allowable + excess);
    };
    std::tie(v.MinTop, v.MaxInitComp, v.MinFinalDL, v.MaxCompLL, v.MinFinalAll, v.MaxFinalComp) =
        std::tuple(-beyond(200), beyond(2400), -beyond(0), beyond(2250), -beyond(d.ATS2),
                   beyond(2250));
    return c;
}

TEST(StressChecks, RoundOffWithinAHundredthPassesTwoHundredthsFail) {
    // The required force puts a stress on its allowable; single-precision round-off of the
    // stored steps must not decide the verdict, a real shortfall must.
    for (const auto& [excess, holds] :
         std::vector<std::pair<double, bool>>{{0, true}, {0.009, true}, {0.02, false}}) {
        Critical c = CriticalStresses(excess);
        const std::vector<StressCheck> checks = CheckCriticalStresses(c.d, c.v);
        ASSERT_EQ(checks.size(), 6U);
        for (const StressCheck& check : checks) EXPECT_EQ(check.holds, holds) << check.label;
    }
}

TEST(StressChecks, OnlyAashtoChecksTheLiveLoadCompressionAndLetsItGovern) {
    for (const DesignCriteria criteria : {DesignCriteria::AASHTO, DesignCriteria::ACI}) {
        Critical c = CriticalStresses(-100);  // all within their allowables
        c.v.MaxCompLL = 2300;
        c.d.designCriteria = criteria;
        const std::vector<StressCheck> checks = CheckCriticalStresses(c.d, c.v);
        const bool aashto = criteria == DesignCriteria::AASHTO;
        EXPECT_EQ(checks.size(), aashto ? 6U : 5U);
        EXPECT_EQ(checks.back().actual, aashto ? 2300 : 2150);
        EXPECT_EQ(checks.back().holds, !aashto);
    }
}

}  // namespace
}  // namespace tarnex
