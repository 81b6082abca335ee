#pragma once

#include <vector>

#include "model/design_data.h"
#include "report/design_results.h"
#include "report/report_file.h"

namespace tarnex {

// The output data sections that follow the OUTPUT DATA banner. Each prints results that the
// calculations have just written into the record.

/// Gross composite section properties.
void WriteCompositeProperties(ReportFile& report, const DesignData& data);
/// Transformed beam and composite properties per location.
void WriteTransformedProperties(ReportFile& report, const DesignData& data);
/// Initial force, eccentricity, force and moment at transfer, final force and moment.
void WritePrestressForces(ReportFile& report, const DesignData& data);
/// Fiber stresses per load case and their load combinations per location.
void WriteBeamStresses(ReportFile& report, const DesignData& data,
                       const CheckTable<StressCombinations>& combinations);
/// Check of the critical concrete stresses against the allowable stresses.
void WriteStressChecks(ReportFile& report, const std::vector<StressCheck>& checks);

}  // namespace tarnex
