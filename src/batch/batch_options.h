#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design_data.h"

namespace tarnex {

/// The calculation buttons that --calc can press.
enum class BatchStep { Section, EffectiveSlabWidth, TotalLosses, LossAtTransfer, PrestressForce };

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
};

/// The usage text of the command.
const char* BatchUsage();

/// Parses the arguments (program name excluded); on a usage error sets `error` and returns
/// nothing.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args,
                                              std::string& error);

}  // namespace tarnex
