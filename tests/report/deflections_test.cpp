#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "report/capacity_sections.h"
#include "report/report_designs.h"

namespace tarnex {
namespace {

/// A 100 ft beam (L = 1200 in), I = 100000 in^4, Ybot 20, E28 4e6, Eps 3.2e6, area 500,
/// unit weight 0.08 lb/in^3, Ym 5, Yl = Yr = 10; location 2 carries the largest beam dead
/// moment with a transfer force of 400 kips and a final force of 300 kips.
ProgramState Beam(int path) {
    ProgramState state = testing::CapacityDesign(1, 3);
    DesignData& d = state.data;
    d.PathConfig = static_cast<PathKind>(path);
    d.Blength = 1200;
    d.BeamMoI = 100000;
    d.BeamYbot = 20;
    d.BeamArea = 500;
    d.BUW = 0.08F;
    d.M28 = 4e6F;
    d.Mps = 3.2e6F;
    d.Ym = 5;
    d.Yl = d.Yr = 10;
    const float dm[] = {1e6F, 4e6F, 2e6F};
    for (int i = 1; i <= 3; ++i) {
        d.locations(i).DM = dm[i - 1];
        d.locations(i).PSP = 100000.0F * static_cast<float>(i);
        d.PforceT(i) = 111111;
    }
    d.locations(2).PSP = 300000;
    d.PforceT(2) = 400000;
    return state;
}

/// The section with the dead load deflection of the beam, 2.700 in.
std::vector<std::string> Expected(const char* initial, const char* final) {
    return {"     B E A M   D E F L E C T I O N S",
            "     =====================================================",
            "",
            std::string("     Initial prestress deflection     = ") + initial,
            std::string("     Final prestress deflection       = ") + final,
            "     Simple beam dead load deflection = 2.700",
            ""};
}

// Dead load: 5 w L^4 / (384 E I) with w = 500 * 0.08 = 40 lb/in:
// 5 * 40 * 1200^4 / (384 * 4e6 * 1e5) = 2.700 in.
TEST(Deflections, CamberByPathAndDeadLoad) {
    struct Case {
        const char* name;
        int path;
        std::function<void(DesignData&)> change;
        const char *initial, *final;
    };
    const std::vector<Case> cases = {
        // e = 20 - 5 = 15: k = L^2 e / (8 E I) = 1.44e6 * 15 / 3.2e12 = 6.75e-6 in/lb;
        // initial 6.75e-6 * 400000 * 4e6 / 3.2e6 = 3.375, final 6.75e-6 * 300000 = 2.025.
        {"straight", 0, [](DesignData&) {}, "3.375", "2.025"},
        // Hold-downs at L/4: camber P L^2 / (8 E I) (eM - (eM - eL) 4 a^2 / (3 L^2)) with
        // eM 15, eL 10, a = 300: 15 - 5 / 12 = 14.5833, k = 6.5625e-6.
        {"harped at L/4", 1, [](DesignData& d) { d.Xl = 300; }, "3.281", "1.969"},
        // Hold-downs at the ends: the same camber as a straight tendon at the middle height.
        {"harped at the ends", 1, [](DesignData& d) { d.Xl = 0; }, "3.375", "2.025"},
        // P L^2 / (8 E I) (eL + 5 (eM - eL) / 6) = 14.1667: k = 6.375e-6; with Eps = E28 the
        // initial camber is 6.375e-6 * 400000 = 2.550, the final 6.375e-6 * 320000 = 2.040.
        {"simple-simple parabola", 2,
         [](DesignData& d) {
             d.Mps = 4e6F;
             d.locations(2).PSP = 320000;
         },
         "2.550", "2.040"},
        {"tendon at the centroid", 0, [](DesignData& d) { d.Ym = 20; }, "0.000", "0.000"},
        // A path number outside the list (from an input file): no camber, dead load as usual.
        {"unknown path", 9, [](DesignData&) {}, "0.000", "0.000"},
        // The first of equal largest dead moments governs: location 2, not 3.
        {"equal largest moments", 0,
         [](DesignData& d) {
             d.locations(3).DM = 4e6F;
             d.locations(1).DM = -9e6F;
         },
         "3.375", "2.025"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState state = Beam(c.path);
        c.change(state.data);
        const auto out = testing::RunSection(WriteDeflections, state);
        EXPECT_EQ(out.lines, Expected(c.initial, c.final));
        EXPECT_TRUE(out.messages.empty());
    }
}

TEST(Deflections, RefusedPathsAndNumericFailures) {
    struct Refusal {
        int path;
        float Yr;
        const char* message;
    };
    for (const Refusal& c :
         {Refusal{1, 12, "Deflection calculation not available for unsymmetric harped cable path"},
          Refusal{3, 10,
                  "Deflection calculation not available for simple-fixed parabolic cable path"},
          Refusal{4, 10,
                  "Deflection calculation not available for fixed-simple parabolic cable path"},
          Refusal{5, 10,
                  "Deflection calculation not available for fixed-fixed parabolic cable path"}}) {
        ProgramState state = Beam(c.path);
        state.data.Yr = c.Yr;
        const auto out = testing::RunSection(WriteDeflections, state);
        EXPECT_TRUE(out.lines.empty()) << c.message;
        EXPECT_EQ(out.messages, std::vector<std::string>{c.message});
    }

    const std::vector<std::pair<int, std::function<void(DesignData&)>>> failures = {
        {0,
         [](DesignData& d) {  // no governing location
             for (int i = 1; i <= 3; ++i) d.locations(i).DM = 0;
         }},
        {0, [](DesignData& d) { d.BeamMoI = 0; }},
        {0, [](DesignData& d) { d.Mps = 0; }},
        {1, [](DesignData& d) { d.Blength = 0; }}};
    for (const auto& [path, spoil] : failures) {
        ProgramState state = Beam(path);
        spoil(state.data);
        EXPECT_THROW(testing::RunSection(WriteDeflections, state), CalcError);
    }
}

}  // namespace
}  // namespace tarnex
