#include "batch/batch_options.h"

#include <cstddef>
#include <optional>

#include "model/number_text.h"
#include "model/option_text.h"

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
    for (const std::string& name : SplitCommaList(list)) {
        const std::optional<BatchStep> step = StepNamed(name);
        if (!step) {
            error = "unknown calculation step \"" + name + "\"";
            return false;
        }
        steps.push_back(*step);
    }
    return true;
}

/// The number of an option's value; a usage error for anything else.
std::optional<double> NumberOf(const std::string& option, const std::string& text,
                               std::string& error) {
    const std::optional<double> number = ReadCompleteNumber(text);
    if (!number) error = option + " needs a number";
    return number;
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
           "  --rh PERCENT        relative humidity for the loss steps and --design (default 70)\n"
           "  --design            after the steps, design the prestress in one step: losses,\n"
           "                      loss at transfer and required force repeated until they settle;\n"
           "                      the summary goes to stderr (exit 1 when it does not converge)\n"
           "  --whole-strands     with --design: the jacking force of the whole number of strands\n"
           "                      of the design's diameter, and the losses once more\n"
           "  --generate-loads    after loading, replace the locations by generated ones with\n"
           "                      their dead and live loads (before --calc)\n"
           "  --generate-at-locations   the same at the present locations: only the dead and\n"
           "                      live load rows are replaced, every factor is kept\n"
           "    --live SPEC       HS20-44, HS15-44, H20-44, H15-44, E80 or any E<n>, or a\n"
           "                      uniform live load in kip/ft (default: by the design criteria)\n"
           "    --distribution X  wheel lines (AASHTO trucks), fraction of a track (Cooper) or\n"
           "                      of the uniform load (default: by the rule of the live load)\n"
           "    --impact X        impact fraction (default: by the rule of the live load)\n"
           "    --noncomp-dead W  superimposed non-composite dead load, kip/ft (default 0)\n"
           "    --comp-dead W     composite dead load, kip/ft (default 0)\n"
           "  --save FILE         after the steps, write the design as an input file\n"
           "  --csv FILE          write the results of every location (x, prestress forces,\n"
           "                      stresses, moment and shear checks of the sections run) as\n"
           "                      comma-separated values, in the report's units and decimals\n"
           "  --rate VEHICLES     load rating (AASHTO designs): comma-separated HS20-44,"
           " HS15-44,\n"
           "                      H20-44, H15-44, TYPE3, TYPE3S2, TYPE3-3, or legal for the"
           " three\n"
           "                      legal trucks; adds the load rating section\n"
           "    --rating-limits T,C,SI,SO   service limits: tension T sqrt(f'c), compression"
           " C f'c,\n"
           "                      steel SI fy* (inventory) and SO fy* (operating)"
           " (default 6,0.6,0.8,0.9)\n"
           "  -h, --help          show this text\n";
}

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args,
                                              std::string& error) {
    BatchOptions options;
    BatchGeneration generation;
    int generateFlags = 0;
    std::string tuning;  // a generation option given, by name
    bool inputSeen = false;
    std::optional<RatingLimits> ratingLimits;
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
                                  arg == "--moment" || arg == "--shear" || arg == "--all" ||
                                  arg == "--generate-loads" || arg == "--generate-at-locations" ||
                                  arg == "--design" || arg == "--whole-strands";
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
            options.rhGiven = true;
        } else if (arg == "--design") {
            options.design = true;
        } else if (arg == "--whole-strands") {
            options.wholeStrands = true;
        } else if (arg == "--generate-loads" || arg == "--generate-at-locations") {
            ++generateFlags;
            generation.locations = arg == "--generate-loads" ? LocationChoice::NewLocations
                                                             : LocationChoice::PresentLocations;
        } else if (arg == "--live") {
            if (!value(text)) return std::nullopt;
            generation.live = ParseLiveLoad(text);
            if (!generation.live) {
                error = "--live needs HS20-44, HS15-44, H20-44, H15-44, E<n> or a load in kip/ft";
                return std::nullopt;
            }
            tuning = arg;
        } else if (arg == "--distribution" || arg == "--impact" || arg == "--noncomp-dead" ||
                   arg == "--comp-dead") {
            if (!value(text)) return std::nullopt;
            const std::optional<double> number = NumberOf(arg, text, error);
            if (!number) return std::nullopt;
            if (arg == "--distribution") generation.distribution = *number;
            if (arg == "--impact") generation.impact = *number;
            if (arg == "--noncomp-dead") generation.nonCompositeDead = LbPerInch(*number);
            if (arg == "--comp-dead") generation.compositeDead = LbPerInch(*number);
            tuning = arg;
        } else if (arg == "--rate") {
            if (!value(text)) return std::nullopt;
            const std::optional<std::vector<RatingVehicle>> vehicles =
                ParseRatingVehicles(text, error);
            if (!vehicles) return std::nullopt;
            options.rating = RatingOptions{};
            options.rating->vehicles = *vehicles;
        } else if (arg == "--rating-limits") {
            if (!value(text)) return std::nullopt;
            ratingLimits = ParseRatingLimits(text, error);
            if (!ratingLimits) return std::nullopt;
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
    if (generateFlags > 1) {
        error = "give one of --generate-loads and --generate-at-locations";
        return std::nullopt;
    }
    if (generateFlags == 1) {
        options.generation = generation;
    } else if (!tuning.empty()) {
        error = tuning + " needs --generate-loads or --generate-at-locations";
        return std::nullopt;
    }
    if (options.wholeStrands && !options.design) {
        error = "--whole-strands needs --design";
        return std::nullopt;
    }
    if (ratingLimits) {
        if (!options.rating) {
            error = "--rating-limits needs --rate";
            return std::nullopt;
        }
        options.rating->limits = *ratingLimits;
    }
    if (!options.help && !inputSeen) {
        error = "no INPUT file given";
        return std::nullopt;
    }
    return options;
}

}  // namespace tarnex
