#pragma once

#include "model/design_data.h"
#include "model/dialogs.h"
#include "report/report_file.h"

namespace tarnex {

/// Ultimate moment capacity section, with its refusals.
void WriteMomentCapacity(ReportFile& report, ProgramState& state, Dialogs& dialogs);
/// Deflection section, with its refusals.
void WriteDeflections(ReportFile& report, ProgramState& state, Dialogs& dialogs);
/// Ultimate shear capacity section, with its refusals.
void WriteShearCapacity(ReportFile& report, ProgramState& state, Dialogs& dialogs);

}  // namespace tarnex
