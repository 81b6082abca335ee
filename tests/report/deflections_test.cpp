#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/calc_error.h"
#include "report/capacity_sections.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

/// A 100 ft beam (L = 1200 in), I = 100000 in^4, Ybot 20, E28 4e6, Eps 3.2e6, area 500,
/// unit weight 0.08 lb/in^3; location 2 carries the largest beam dead moment with a transfer
/// force of 400 kips and a final force of 300 kips.
ProgramState Beam(int path) {
    ProgramState state;
    DesignData& d = state.data;
    d.PathConfig = path;
    d.Blength = 1200;
    d.BeamMoI = 100000;
    d.BeamYbot = 20;
    d.BeamArea = 500;
    d.BUW = 0.08F;
    d.M28 = 4e6F;
    d.Mps = 3.2e6F;
    d.Ym = 5;
    d.Yl = d.Yr = 10;
    d.nll = 3;
    d.RecreateLocations(3);
    d.PforceT.Recreate(3);
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

std::vector<std::string> WriteSection(ProgramState& state, ScriptedDialogs& dialogs) {
    std::ostringstream out;
    ReportFile report(out);
    WriteDeflections(report, state, dialogs);
    return Lines(out.str());
}

std::vector<std::string> Expected(const char* initial, const char* final, const char* dead) {
    return {"     B E A M   D E F L E C T I O N S",
            "     =====================================================",
            "",
            std::string("     Initial prestress deflection     = ") + initial,
            std::string("     Final prestress deflection       = ") + final,
            std::string("     Simple beam dead load deflection = ") + dead,
            ""};
}

// Dead load: 5 w L^4 / (384 E I) with w = 500 * 0.08 = 40 lb/in:
// 5 * 40 * 1200^4 / (384 * 4e6 * 1e5) = 2.700 in.
TEST(Deflections, StraightPath) {
    // e = 20 - 5 = 15: k = L^2 e / (8 E I) = 1.44e6 * 15 / 3.2e12 = 6.75e-6 in/lb;
    // initial 6.75e-6 * 400000 * 4e6 / 3.2e6 = 3.375, final 6.75e-6 * 300000 = 2.025.
    ProgramState state = Beam(0);
    ScriptedDialogs dialogs;
    EXPECT_EQ(WriteSection(state, dialogs), Expected("3.375", "2.025", "2.700"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Deflections, HarpedPath) {
    // Hold-downs at L/4: camber P L^2 / (8 E I) (eM - (eM - eL) 4 a^2 / (3 L^2)) with
    // eM 15, eL 10, a = 300: 15 - 5 / 12 = 14.5833, k = 6.5625e-6;
    // initial 3.28125, final 1.96875.
    ProgramState state = Beam(1);
    state.data.Xl = 300;
    ScriptedDialogs dialogs;
    EXPECT_EQ(WriteSection(state, dialogs), Expected("3.281", "1.969", "2.700"));

    // Hold-downs at the ends: the same camber as a straight tendon at the middle height.
    state = Beam(1);
    state.data.Xl = 0;
    EXPECT_EQ(WriteSection(state, dialogs), Expected("3.375", "2.025", "2.700"));
}

TEST(Deflections, SimpleSimpleParabolicPath) {
    // P L^2 / (8 E I) (eL + 5 (eM - eL) / 6) = 14.1667: k = 6.375e-6; with Eps = E28 the
    // initial camber is 6.375e-6 * 400000 = 2.550, the final 6.375e-6 * 320000 = 2.040.
    ProgramState state = Beam(2);
    state.data.Mps = 4e6F;
    state.data.locations(2).PSP = 320000;
    ScriptedDialogs dialogs;
    EXPECT_EQ(WriteSection(state, dialogs), Expected("2.550", "2.040", "2.700"));
}

TEST(Deflections, TendonAtTheCentroidAndUnknownPath) {
    ProgramState state = Beam(0);
    state.data.Ym = 20;
    ScriptedDialogs dialogs;
    EXPECT_EQ(WriteSection(state, dialogs), Expected("0.000", "0.000", "2.700"));

    // A path number outside the list (from an input file): no camber, dead load as usual.
    state = Beam(9);
    EXPECT_EQ(WriteSection(state, dialogs), Expected("0.000", "0.000", "2.700"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Deflections, FirstOfEqualLargestDeadMoments) {
    ProgramState state = Beam(0);
    state.data.locations(3).DM = 4e6F;  // equal to location 2: location 2 still governs
    state.data.locations(1).DM = -9e6F;
    ScriptedDialogs dialogs;
    EXPECT_EQ(WriteSection(state, dialogs), Expected("3.375", "2.025", "2.700"));
}

TEST(Deflections, RefusedPaths) {
    struct Case {
        int path;
        float Yr;
        const char* message;
    };
    for (const Case& c :
         {Case{1, 12, "Deflection calculation not available for unsymmetric harped cable path"},
          Case{3, 10, "Deflection calculation not available for simple-fixed parabolic cable path"},
          Case{4, 10, "Deflection calculation not available for fixed-simple parabolic cable path"},
          Case{5, 10,
               "Deflection calculation not available for fixed-fixed parabolic cable path"}}) {
        ProgramState state = Beam(c.path);
        state.data.Yr = c.Yr;
        ScriptedDialogs dialogs;
        EXPECT_TRUE(WriteSection(state, dialogs).empty()) << c.message;
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{c.message});
    }
}

TEST(Deflections, NumericFailures) {
    ScriptedDialogs dialogs;
    ProgramState state = Beam(0);
    for (int i = 1; i <= 3; ++i) state.data.locations(i).DM = 0;  // no governing location
    EXPECT_THROW(WriteSection(state, dialogs), CalcError);
    state = Beam(0);
    state.data.BeamMoI = 0;
    EXPECT_THROW(WriteSection(state, dialogs), CalcError);
    state = Beam(0);
    state.data.Mps = 0;
    EXPECT_THROW(WriteSection(state, dialogs), CalcError);
    state = Beam(1);
    state.data.Blength = 0;
    EXPECT_THROW(WriteSection(state, dialogs), CalcError);
}

}  // namespace
}  // namespace tarnex
