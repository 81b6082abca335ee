#pragma once

#include <string>

#include "checks/design_results.h"
#include "model/design_data.h"

namespace tarnex {

/// The results of a run as comma-separated values: a header row naming each column as the
/// report does, with its unit in brackets, then one row per location with x and the figures
/// of the sections the run computed, in the report's units and to its printed decimals.
/// Cells of a section that was refused or stopped before a location stay empty. Lines end
/// with CR LF. A figure beyond the range of a stored number raises CalcError.
std::string FormatResultsCsv(const DesignData& data, const DesignResults& results);

}  // namespace tarnex
