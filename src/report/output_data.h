#pragma once

#include <vector>

#include "checks/design_results.h"
#include "model/design_data.h"
#include "report/report_file.h"

namespace tarnex {

// The output data sections that follow the OUTPUT DATA banner, each formatting results of the
// calculation.

/// Gross composite section properties.
void WriteCompositeProperties(ReportFile& report, const CalcValues& values);
/// Transformed beam and composite properties per location.
void WriteTransformedProperties(ReportFile& report, const DesignData& data,
                                const CalcValues& values);
/// Initial force, eccentricity, force and moment at transfer, final force and moment.
void WritePrestressForces(ReportFile& report, const DesignData& data, const CalcValues& values);
/// Fiber stresses per load case and their load combinations per location.
void WriteBeamStresses(ReportFile& report, const DesignData& data, const CalcValues& values,
                       const CheckTable<StressCombinations>& combinations);
/// Check of the critical concrete stresses against the allowable stresses.
void WriteStressChecks(ReportFile& report, const std::vector<StressCheck>& checks);

}  // namespace tarnex
