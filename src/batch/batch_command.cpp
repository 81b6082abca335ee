#include "batch/batch_command.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_dialogs.h"
#include "batch/batch_options.h"
#include "checks/design_calculation.h"
#include "checks/one_step_design.h"
#include "model/calc_error.h"
#include "model/design_data.h"
#include "model/input_file.h"
#include "model/setting_handlers.h"
#include "model/text_files.h"
#include "prestress/buttons.h"
#include "prestress/load_generation.h"
#include "report/design_summary.h"
#include "report/report_writer.h"
#include "report/results_csv.h"

namespace tarnex {

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

/// The file name without its folder, as the file dialog's title gives it.
std::string FileTitleOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

/// Presses one calculation button; an error escaping it counts as a failed step.
StepResult PressButton(BatchStep step, ProgramState& state, BatchDialogs& dialogs) {
    try {
        switch (step) {
            case BatchStep::Section:
                return PressCalcSectionProperties(state, dialogs).result;
            case BatchStep::EffectiveSlabWidth:
                return PressCalcEffectiveSlabWidth(state, dialogs).result;
            case BatchStep::TotalLosses:
                return PressCalcTotalLosses(state, dialogs).result;
            case BatchStep::LossAtTransfer:
                return PressCalcLossAtTransfer(state, dialogs).result;
            case BatchStep::PrestressForce:
                return PressCalcPrestressForce(state, dialogs).result;
        }
    } catch (const std::exception& error) {
        dialogs.Print(std::string(kCannotCalculate) + error.what());
    }
    return StepResult::Failed;
}

/// Generates the loads asked for on the command line; the command line itself is the
/// engineer's consent to replacing the loads of the file.
bool GenerateDesignLoads(ProgramState& state, BatchDialogs& dialogs, const BatchGeneration& asked) {
    DesignData& data = state.data;
    LoadGenerationOptions options = DefaultLoadGenerationOptions(data);
    options.locations = asked.locations;
    if (asked.live) {
        options.live = *asked.live;
        options.distribution = RuleDistribution(options.live, data);
    }
    if (asked.distribution) options.distribution = *asked.distribution;
    options.impact = asked.impact;
    options.nonCompositeDead = asked.nonCompositeDead;
    options.compositeDead = asked.compositeDead;
    if (const std::optional<std::string> refusal = CheckLoadGenerationOptions(options, data)) {
        dialogs.Print(*refusal);
        return false;
    }
    try {
        const int outside = GenerateLoads(data, options);
        if (outside > 0) dialogs.Print(OutsideSpanMessage(outside));
    } catch (const std::exception& error) {
        dialogs.Print(std::string(kCannotCalculate) + error.what());
        return false;
    }
    data.CurrentLocation = 1;
    return true;
}

/// Writes the design as an input file; the report still names INPUT as its input file.
bool SaveDesign(ProgramState& state, BatchDialogs& dialogs, const std::string& path) {
    DesignData& data = state.data;
    const std::string inputName = data.InputFileName;
    const std::string inputTitle = data.InputFileTitle;
    data.InputFileName = path;
    data.InputFileTitle = FileTitleOf(path);
    bool written = false;
    try {
        written = WriteInputFile(state, dialogs);
    } catch (const std::exception&) {
        dialogs.Print("Error writing input file");
    }
    data.InputFileName = inputName;
    data.InputFileTitle = inputTitle;
    return written;
}

/// The calculation run of the output options dialog with the command line's options, on the
/// results of the calculation.
bool WriteReportFile(ProgramState& state, BatchDialogs& dialogs, const BatchOptions& options,
                     const DesignResults& results) {
    DesignData& data = state.data;
    data.OutputFileName = *options.output;
    data.OutputFileTitle = FileTitleOf(*options.output);
    data.OutputTitle = options.title;
    try {
        return RunCalculation(state, dialogs, &results);
    } catch (const std::exception& error) {
        dialogs.Print(CalculationErrorText(error.what()));
    }
    return false;
}

/// The clash of an output file (the report, the CSV) with a file of the design or with each
/// other, or nothing: an output would overwrite the input, the saved design or the report.
std::optional<std::string> OutputFileClash(const BatchOptions& options) {
    std::vector<KeptFile> kept = {{options.input, "the input file"},
                                  {options.save.value_or(""), "the --save file"}};
    const auto clash = [&](const std::optional<std::string>& out,
                           const char* what) -> std::optional<std::string> {
        const std::optional<KeptFile> found = out ? OverwrittenFile(*out, kept) : std::nullopt;
        if (!found) return std::nullopt;
        return std::string(what) + " " + *out + " is " + found->what + " " + found->path;
    };
    if (auto found = clash(options.output, "the report file")) return found;
    kept.push_back({options.output.value_or(""), "the report file"});
    return clash(options.csv, "the CSV file");
}

/// Writes the results of the run as comma-separated values.
bool WriteCsvFile(const ProgramState& state, const DesignResults& results, BatchDialogs& dialogs,
                  const std::string& path) {
    try {
        ReplaceTextFile(path, FormatResultsCsv(state.data, results));
        return true;
    } catch (const std::exception& error) {
        dialogs.Print(std::string("Error writing CSV file") + kMessageLineBreak + error.what());
    }
    return false;
}

/// The one-step design, whole strands when asked, and the summary on stderr: how it ended,
/// then every check that still fails. False when it did not converge or stopped.
bool DesignPrestress(ProgramState& state, BatchDialogs& dialogs, const BatchOptions& options) {
    constexpr double kDefaultHumidity = 70;
    const double rh = options.rhGiven ? options.rh : kDefaultHumidity;
    const DesignOutcome outcome = DesignInOneStep(state, rh, dialogs);
    dialogs.Print(DesignOutcomeLine(outcome));
    if (outcome.end == DesignEnd::Stopped) return false;
    bool done = outcome.end == DesignEnd::Converged;
    if (options.wholeStrands) {
        if (!outcome.strand || outcome.strands < 1) {
            dialogs.Print("--whole-strands: no strand count for the design's strand diameter");
            done = false;
        } else if (UseWholeStrands(state, *outcome.strand, outcome.strands, dialogs)) {
            dialogs.Print(WholeStrandsLine(state.data, *outcome.strand, outcome.strands));
        } else {
            return false;
        }
    }
    const DesignResults results = CalculateDesign(state, ShownOutputSections());
    for (const std::string& line : FailedCheckLines(state.data, results)) dialogs.Print(line);
    return done;
}

/// One run: start-up, load, load generation, steps, save, report. Returns the exit status.
int RunDesign(const BatchOptions& options, BatchDialogs& dialogs) {
    if (const std::optional<std::string> clash = OutputFileClash(options)) {
        dialogs.Print("tarnex-batch: " + *clash);
        return kExitFailed;
    }
    // The record is large; keep it off the stack.
    auto state = std::make_unique<ProgramState>();
    try {
        RunStartUp(*state, dialogs);
    } catch (const std::exception& error) {
        dialogs.Print(std::string("Error starting up: ") + error.what());
        return kExitFailed;
    }

    state->data.InputFileName = options.input;
    state->data.InputFileTitle = FileTitleOf(options.input);
    bool loaded = false;
    try {
        loaded = ReadInputFile(*state, dialogs);
    } catch (const std::exception&) {
        dialogs.Print("Error loading input file");
    }
    if (!loaded) return kExitUsage;
    if (options.rating && state->data.designCriteria != DesignCriteria::AASHTO) {
        dialogs.Print("Load rating is available for AASHTO designs");
        return kExitFailed;
    }

    // ACI has no design vehicle: its uniform live load is the engineer's to give.
    if (options.generation && !options.generation->live &&
        state->data.designCriteria == DesignCriteria::ACI) {
        dialogs.Print(
            "Enter a live load: --live HS20-44, HS15-44, H20-44, H15-44, E<n> or a load "
            "in kip/ft");
        return kExitUsage;
    }
    if (options.generation && !GenerateDesignLoads(*state, dialogs, *options.generation)) {
        return kExitFailed;
    }
    if (options.rh > 0) state->RH = static_cast<float>(options.rh);
    for (BatchStep step : options.steps) {
        if (PressButton(step, *state, dialogs) != StepResult::Done) return kExitFailed;
    }
    if (options.design && !DesignPrestress(*state, dialogs, options)) return kExitFailed;
    if (options.save) {
        if (!SaveDesign(*state, dialogs, *options.save)) return kExitFailed;
        // The save's completeness warnings do not decide the report run: it checks anew.
        state->data.InputIncomplete = 0;
    }
    if (!options.output && !options.csv) return kExitSuccess;
    // One calculation serves the report and the CSV.
    state->output = options.report;
    if (options.rating) {
        state->output.LoadRating = true;
        state->output.rating = *options.rating;
    }
    const DesignResults results = CalculateDesign(*state, state->output);
    if (options.output && !WriteReportFile(*state, dialogs, options, results)) return kExitFailed;
    if (options.csv) {
        // Without a report its messages are shown here.
        if (!options.output && !ShowCalculationMessages(results, state->output, dialogs))
            return kExitFailed;
        if (!WriteCsvFile(*state, results, dialogs, *options.csv)) return kExitFailed;
    }
    return kExitSuccess;
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<BatchOptions> options = ParseBatchOptions(args, error);
    if (!options) {
        err << "tarnex-batch: " << error << "\n" << BatchUsage();
        return kExitUsage;
    }
    if (options->help) {
        out << BatchUsage();
        return kExitSuccess;
    }
    BatchDialogs dialogs(err);
    try {
        return RunDesign(*options, dialogs);
    } catch (const std::exception& e) {
        dialogs.Print(std::string("tarnex-batch: ") + e.what());
        return kExitFailed;
    }
}

}  // namespace tarnex
