// Deflections: the governing location, and the paths and designs without a closed form.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "checks/design_results.h"
#include "model/calc_error.h"
#include "report/report_text.h"

namespace tarnex {
namespace {

/// A 100 ft beam (L = 1200 in), I = 100000 in^4, Ybot 20, E 4e6, Ym 5, the same beam dead
/// moment at all three locations, whose prestress force is 100, 200 and 300 kips.
testing::CapacityCase Beam(int path) {
    testing::CapacityCase state = testing::CapacityDesign(1, 3);
    DesignData& d = state.data;
    CalcValues& v = state.v;
    d.PathConfig = static_cast<PathKind>(path);
    d.Blength = 1200;
    d.BeamMoI = 100000;
    d.BeamYbot = 20;
    d.M28 = d.Mps = 4e6F;
    d.Ym = 5;
    for (int i = 1; i <= 3; ++i) {
        d.locations(i).DM = 4e6F;
        v.PSP(i) = v.PforceT(i) = 100000.0F * static_cast<float>(i);
    }
    return state;
}

TEST(Deflections, FirstOfEqualLargestDeadMomentsGovernsAndUnknownPathHasNoCamber) {
    // Straight tendon, e = 15: L^2 e P / (8 E I) = 1.44e6 * 15 * 100000 / 3.2e12 = 0.675 in
    // with the force of location 1.
    DeflectionResults out = CalcDeflections(Beam(0).data, Beam(0).v);
    EXPECT_NEAR(out.initialPrestress, 0.675, 1e-9);
    EXPECT_NEAR(out.finalPrestress, 0.675, 1e-9);
    // A path number outside the list (from an input file): no camber, no refusal.
    out = CalcDeflections(Beam(9).data, Beam(9).v);
    EXPECT_EQ(out.refusal, "");
    EXPECT_EQ(out.initialPrestress, 0);
}

TEST(Deflections, RefusedPathsAndNumericFailures) {
    for (const auto& [path, message] : std::vector<std::pair<int, std::string>>{
             {1, "Deflection calculation not available for unsymmetric harped cable path"},
             {4, "Deflection calculation not available for fixed-simple parabolic cable path"}}) {
        testing::CapacityCase state = Beam(path);
        state.data.Yl = 10;  // unsymmetric hold-downs
        EXPECT_EQ(CalcDeflections(state.data, state.v).refusal, message);
    }
    for (const auto& [path, spoil] : std::vector<std::pair<int, std::function<void(DesignData&)>>>{
             {0,
              [](DesignData& d) { d.locations(1).DM = d.locations(2).DM = d.locations(3).DM = 0; }},
             {0, [](DesignData& d) { d.BeamMoI = 0; }},
             {1, [](DesignData& d) { d.Blength = 0; }}}) {
        testing::CapacityCase state = Beam(path);
        spoil(state.data);
        EXPECT_THROW(CalcDeflections(state.data, state.v), CalcError);
    }
}

}  // namespace
}  // namespace tarnex
