#pragma once

// Shared by the report tests and the golden report vetting: the lines of a report text, example
// designs as the program loads them and a bare design for the capacity sections.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_runs.h"
#include "model/design_data.h"
#include "model/input_file.h"
#include "model/setting_handlers.h"
#include "prestress/calc_values.h"
#include "support/scripted_dialogs.h"

namespace tarnex::testing {

/// The lines of a report text that ends each line with CR LF; any other line end shows as a
/// marker line that no expected line equals.
inline std::vector<std::string> SplitReportLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back("<no CR LF at end>" + text.substr(start));
            break;
        }
        const std::string line = text.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) lines.push_back("<stray line end>");
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

/// Index of the first line equal to `line`, or -1.
inline int FindLine(const std::vector<std::string>& lines, const std::string& line) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == line) return static_cast<int>(i);
    }
    return -1;
}

/// Example examples/NAME.in as the program loads it at start-up.
inline ProgramState LoadExample(const std::string& name) {
    ProgramState state;
    ScriptedDialogs dialogs;
    RunStartUp(state, dialogs);
    state.data.InputFileName = (kExamples / (name + ".in")).string();
    EXPECT_TRUE(ReadInputFile(state, dialogs)) << name;
    return state;
}

/// A bare design and the calculated values that the capacity checks read.
struct CapacityCase : ProgramState {
    CalcValues v;
};

/// A bare design of shape `shape` with `count` locations at x = 120, 240, ... in, beam dead
/// load factor 1, f'c 5000, fy 60000, and the per-location values of the capacity checks
/// sized.
inline CapacityCase CapacityDesign(int shape, int count) {
    CapacityCase c;
    DesignData& d = c.data;
    d.BeamShape = static_cast<BeamShapeKind>(shape);
    d.CS28 = 5000;
    d.RS = 60000;
    d.nll = count;
    d.RecreateLocations(count);
    CalcValues& v = c.v;
    for (FloatArray* a : {&v.Ypath, &v.TArea, &v.TMoI, &v.TYtop, &v.TYbot, &v.TCompYbot, &v.Ecc,
                          &v.Theta, &v.StopD, &v.SbotD, &v.StopCD, &v.SbotCD, &v.StopAD, &v.SbotAD,
                          &v.StopPS, &v.SbotPS, &v.PforceT, &v.PSP, &v.PSM}) {
        a->Recreate(count);
    }
    for (int i = 1; i <= count; ++i) {
        d.locations(i).x = 120.0F * static_cast<float>(i);
        d.locations(i).DF = 1;
    }
    return c;
}

}  // namespace tarnex::testing
