#pragma once

#include <string>

#include "checks/design_results.h"
#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// The text of a report and whether it ran to its end.
struct ComposedReport {
    std::string text;
    bool complete = false;
};

/// The report of the design from the results of its calculation, section by section, showing
/// the calculation's messages as the report reaches them. A failure partway shows "Error in
/// calculations" with its cause; the text then holds the lines written before it.
ComposedReport ComposeReport(ProgramState& state, const DesignResults& results, Dialogs& dialogs);

/// The report run: writes the report of the design to data.OutputFileName (ComposeReport on
/// the results of its calculation: `computed` when they serve the output options, a new
/// calculation otherwise). A report file that cannot be written is refused before the
/// calculation, with the cause. The report replaces the old file whole through the safe writer
/// (src/model/text_files.h): a calculation failure leaves exactly the lines written before it,
/// a failed write the old report untouched, with the file and the cause in the message.
/// Returns false on any failure. Afterwards the per-location losses and the PRESTRESS load
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
