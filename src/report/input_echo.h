#pragma once

#include "model/design_data.h"
#include "report/report_file.h"

namespace tarnex {

/// The echo of every input group: program options, materials, section, loads, allowable
/// stresses and losses, configuration. Needs no calculation.
void WriteInputEcho(ReportFile& report, const DesignData& data);

/// A spaced-out section title at indent 5 with its line of 53 "=".
void WriteSectionTitle(ReportFile& report, std::string_view title);

/// The location heading: "LOCATION NUMBER " i "  AT X = " x, both in Str form.
void WriteLocationHeading(ReportFile& report, const DesignData& data, int i);

}  // namespace tarnex
