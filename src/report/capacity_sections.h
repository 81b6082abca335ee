#pragma once

#include "checks/design_results.h"
#include "report/report_file.h"

namespace tarnex {

/// Ultimate moment capacity section with the refusal line; a table that stopped on a failure
/// raises it after its rows.
void WriteMomentCapacity(ReportFile& report, const DesignData& data,
                         const CheckTable<MomentCapacityRow>& table);
/// Deflection section; nothing when the deflections were refused.
void WriteDeflections(ReportFile& report, const DeflectionResults& deflections);
/// Ultimate shear capacity section; nothing when it was refused. A table that stopped on a
/// failure raises it after its rows.
void WriteShearCapacity(ReportFile& report, const DesignData& data,
                        const CheckTable<ShearCapacityRow>& table);
/// Load rating section: the method, the limits, the dead load effects, each vehicle's rating
/// factors and the controlling ratings; the refusal line of a design that cannot be rated.
void WriteLoadRating(ReportFile& report, const DesignData& data, const LoadRatingResults& rating);

}  // namespace tarnex
