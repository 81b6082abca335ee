#pragma once

// The runs of tarnex-batch behind the expected reports tests/report/golden/*.out: every example
// design examples/NAME.in as loaded (NAME.out) and after the calculation buttons (NAME.calc.out).

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace tarnex::testing {

inline const std::filesystem::path kExamples =
    std::filesystem::path(TARNEX_SOURCE_DIR) / "examples";
inline const std::filesystem::path kGolden =
    std::filesystem::path(TARNEX_SOURCE_DIR) / "tests" / "report" / "golden";

/// The example designs: every examples/*.in, by name without extension, sorted.
inline std::vector<std::string> ExampleNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() == ".in") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

/// The calculation buttons pressed before the second report: the effective slab width only
/// for a composite design (the fourth keyword of its file).
inline std::string CalcStepsOf(const std::string& name) {
    const std::string text = ReadText(kExamples / (name + ".in"));
    const bool composite = text.find("\"non-composite\"") == std::string::npos;
    return composite ? "section,beff,losses,transfer,pjack" : "section,losses,transfer,pjack";
}

/// The further options of an example's runs (the load rating's vehicles and limits, which the
/// design file does not hold): the first line of tests/report/golden/NAME.options, or none.
inline std::string ExtraOptionsOf(const std::string& name) {
    const std::filesystem::path path = kGolden / (name + ".options");
    if (!std::filesystem::exists(path)) return {};
    const std::string text = ReadText(path);
    return " " + text.substr(0, text.find_first_of("\r\n"));
}

/// One run of tarnex-batch with all four output options (and the example's further options).
struct GoldenRun {
    std::string name;  // the example
    std::string stem;  // NAME or NAME.calc: the report's file name without ".out"
    int exitStatus = -1;
    std::string errors;            // what it wrote to stderr
    std::filesystem::path report;  // the report it wrote
    std::filesystem::path design;  // the design the report was made from
};

/// Runs tarnex-batch on example `name` in `scratch`; after the calculation buttons (at 70 %
/// relative humidity) when `calc`, saving the design they leave.
inline GoldenRun RunExample(const std::string& name, bool calc, const ScratchFolder& scratch) {
    GoldenRun run;
    run.name = name;
    run.stem = calc ? name + ".calc" : name;
    run.report = scratch.path() / (run.stem + ".out");
    run.design = kExamples / (name + ".in");
    const std::filesystem::path err = scratch.path() / (run.stem + ".err");
    std::string command = std::string("\"") + TARNEX_BATCH_EXE + "\" --all" + ExtraOptionsOf(name);
    if (calc) {
        run.design = scratch.path() / (run.stem + ".in");
        command +=
            " --calc " + CalcStepsOf(name) + " --rh 70 --save \"" + run.design.string() + "\"";
    }
    command += " -o \"" + run.report.string() + "\" \"" + (kExamples / (name + ".in")).string() +
               "\" 2>\"" + err.string() + "\"";
    const int status = std::system(command.c_str());
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = ReadText(err);
    return run;
}

/// The version line carries the date and time of the run from column 40 on.
inline std::string MaskDate(const std::string& line) {
    if (line.rfind("     (Version ", 0) == 0 && line.size() > 39)
        return line.substr(0, 39) + "<date>";
    return line;
}

}  // namespace tarnex::testing
