#include "batch/batch_options.h"

#include <cstddef>
#include <optional>

#include "model/number_text.h"

namespace tarnex {

namespace {

std::optional<BatchStep> StepNamed(const std::string& name) {
    if (name == "section") return BatchStep::Section;
    if (name == "beff") return BatchStep::EffectiveSlabWidth;
    if (name == "losses") return BatchStep::TotalLosses;
    if (name == "transfer") return BatchStep::LossAtTransfer;
    if (name == "pjack") return BatchStep::PrestressForce;
    return std::nullopt;
}

/// Appends the comma-separated steps of `list`; false for an unknown or empty step.
bool AddSteps(const std::string& list, std::vector<BatchStep>& steps, std::string& error) {
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string name =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<BatchStep> step = StepNamed(name);
        if (!step) {
            error = "unknown calculation step \"" + name + "\"";
            return false;
        }
        steps.push_back(*step);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

}  // namespace

const char* BatchUsage() {
    return "Usage: tarnex-batch [OPTIONS] INPUT\n"
           "  -o, --output FILE   write the report to FILE\n"
           "  --title TEXT        report title\n"
           "  --stresses | --no-stresses   (default on)   --deflections  --moment  --shear"
           "   --all\n"
           "  --calc STEPS        comma-separated, run in the order given, each as its window"
           " button:\n"
           "                      section, beff, losses, transfer, pjack\n"
           "  --rh PERCENT        relative humidity for the loss steps\n"
           "  --save FILE         after the steps, write the design as an input file\n"
           "  --csv FILE          write the results of every location (x, prestress forces,\n"
           "                      stresses, moment and shear checks of the sections run) as\n"
           "                      comma-separated values, in the report's units and decimals\n"
           "  -h, --help          show this text\n";
}

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args,
                                              std::string& error) {
    BatchOptions options;
    bool inputSeen = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> attached;
        if (!optionsEnded && arg.rfind("--", 0) == 0 && arg.find('=') != std::string::npos) {
            attached = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
        }
        // The value of an option that takes one: attached with '=' or the next argument.
        const auto value = [&](std::string& into) {
            if (attached) {
                into = *attached;
                return true;
            }
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        const bool takesNoValue = arg == "-h" || arg == "--help" || arg == "--stresses" ||
                                  arg == "--no-stresses" || arg == "--deflections" ||
                                  arg == "--moment" || arg == "--shear" || arg == "--all";
        if (!optionsEnded && attached && takesNoValue) {
            error = "option " + arg + " takes no value";
            return std::nullopt;
        }
        std::string text;
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            if (inputSeen) {
                error = "more than one INPUT file";
                return std::nullopt;
            }
            options.input = arg;
            inputSeen = true;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-o" || arg == "--output") {
            if (!value(text)) return std::nullopt;
            options.output = text;
        } else if (arg == "--title") {
            if (!value(text)) return std::nullopt;
            options.title = text;
        } else if (arg == "--save") {
            if (!value(text)) return std::nullopt;
            options.save = text;
        } else if (arg == "--csv") {
            if (!value(text)) return std::nullopt;
            options.csv = text;
        } else if (arg == "--calc") {
            if (!value(text) || !AddSteps(text, options.steps, error)) return std::nullopt;
        } else if (arg == "--rh") {
            if (!value(text)) return std::nullopt;
            const std::optional<double> rh = ReadCompleteNumber(text);
            if (!rh || *rh < 0.0 || *rh > 100.0) {
                error = "--rh needs a relative humidity from 0 to 100 percent";
                return std::nullopt;
            }
            options.rh = *rh;
        } else if (arg == "--stresses") {
            options.report.Stresses = true;
        } else if (arg == "--no-stresses") {
            options.report.Stresses = false;
        } else if (arg == "--deflections") {
            options.report.Deflections = true;
        } else if (arg == "--moment") {
            options.report.UltimateMoment = true;
        } else if (arg == "--shear") {
            options.report.UltimateShear = true;
        } else if (arg == "--all") {
            options.report = {true, true, true, true};
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    if (!options.help && !inputSeen) {
        error = "no INPUT file given";
        return std::nullopt;
    }
    return options;
}

}  // namespace tarnex
