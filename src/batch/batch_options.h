#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "prestress/load_generation.h"

namespace tarnex {

/// The calculation buttons that --calc can press.
enum class BatchStep { Section, EffectiveSlabWidth, TotalLosses, LossAtTransfer, PrestressForce };

/// The load generation asked for on the command line; what is not given comes from the
/// design's defaults. Line loads in lb/in.
struct BatchGeneration {
    LocationChoice locations = LocationChoice::NewLocations;
    std::optional<LiveLoad> live;
    std::optional<double> distribution;
    std::optional<double> impact;
    double nonCompositeDead = 0;
    double compositeDead = 0;
};

/// The parsed command line of tarnex-batch.
struct BatchOptions {
    bool help = false;
    std::string input;
    std::optional<std::string> output;
    std::optional<std::string> save;
    std::optional<std::string> csv;
    std::string title;
    OutputOptions report;
    std::vector<BatchStep> steps;
    double rh = 0;
    bool rhGiven = false;
    std::optional<BatchGeneration> generation;
    bool design = false;        // the one-step design after the steps
    bool wholeStrands = false;  // then whole strands in place of the designed force
    /// --rate with its vehicles and --rating-limits: the load rating section.
    std::optional<RatingOptions> rating;
};

/// The usage text of the command.
const char* BatchUsage();

/// Parses the arguments (program name excluded); on a usage error sets `error` and returns
/// nothing.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args,
                                              std::string& error);

}  // namespace tarnex
