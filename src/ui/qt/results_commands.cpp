#include "ui/qt/results_commands.h"

#include <exception>

#include "model/text_files.h"
#include "report/report_writer.h"
#include "report/results_csv.h"

namespace tarnex::ui {

namespace {

std::string Line(const char* message, const std::string& cause) {
    return message + std::string(1, kMessageLineBreak) + cause;
}

}  // namespace

std::optional<DesignResults> CalculateAllResults(const ProgramState& state, Dialogs& dialogs) {
    ProgramState all = state;
    all.output.Stresses = true;
    all.output.UltimateMoment = true;
    all.output.UltimateShear = true;
    all.output.Deflections = false;  // neither drawn nor in the CSV
    try {
        return CalculateResults(all, dialogs);
    } catch (const std::exception& error) {
        dialogs.ShowMessage(Line("Error in calculations", error.what()));
    }
    return std::nullopt;
}

bool SaveResultsCsv(const ProgramState& state, Dialogs& dialogs, ShellPort& shell) {
    const std::optional<DesignResults> results = CalculateAllResults(state, dialogs);
    if (!results) return false;
    const std::optional<std::string> file = shell.ChooseSaveFile(kCsvFilters, 1);
    if (!file) return false;
    const DesignData& d = state.data;
    // The CSV never takes the place of the design or of its report.
    if (const auto kept = OverwrittenFile(
            *file, {{d.InputFileName, "the input file"}, {d.OutputFileName, "the report file"}})) {
        dialogs.ShowMessage(Line("Error writing results file",
                                 "the CSV file " + *file + " is " + kept->what + " " + kept->path));
        return false;
    }
    std::string text;
    try {
        text = FormatResultsCsv(d, *results);
    } catch (const std::exception& error) {
        dialogs.ShowMessage(Line("Error in calculations", error.what()));
        return false;
    }
    try {
        ReplaceTextFile(*file, text);
    } catch (const std::exception& error) {
        dialogs.ShowMessage(Line("Error writing results file", error.what()));
        return false;
    }
    return true;
}

}  // namespace tarnex::ui
