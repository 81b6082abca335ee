#pragma once

#include "checks/design_results.h"
#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// The report run: writes the report of the design to data.OutputFileName, section by
/// section from the results of its calculation (`computed` when they serve the output options,
/// a new calculation otherwise), showing the calculation's messages as the report reaches
/// them. On any failure "Error in calculations" with its cause, the file holding what was
/// written before it, and false. Afterwards the per-location losses and the PRESTRESS load
/// case of the record are cleared, so that the next report computes them afresh.
bool WriteReport(ProgramState& state, Dialogs& dialogs, const DesignResults* computed = nullptr);

/// The calculation run of the output options dialog: the report file chosen, then WriteReport
/// (which refuses an incomplete design or one without a jacking force). False when refused or
/// failed.
bool RunCalculation(ProgramState& state, Dialogs& dialogs, const DesignResults* computed = nullptr);

/// Shows the refusals of a design that cannot be calculated yet; true when there were any.
bool ShowRefusals(const DesignResults& results, Dialogs& dialogs);

/// Shows what a calculation for the sections of `output` has to say where no report is written
/// (the CSV, the diagrams): its refusals, the messages of those sections, and "Error in
/// calculations" with the cause of a failure. True when the results are whole.
bool ShowCalculationMessages(const DesignResults& results, const OutputOptions& output,
                             Dialogs& dialogs);

/// Clears the per-location losses and the PRESTRESS load case after a report run, so that the
/// next run computes them afresh.
void ClearPrestressCase(DesignData& data);

}  // namespace tarnex
