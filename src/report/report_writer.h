#pragma once

#include <optional>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "report/design_results.h"

namespace tarnex {

/// Writes the report to data.OutputFileName, running the calculations in their fixed order.
/// On any failure "Error in calculations" with its cause, the file closed as far as written,
/// and false.
/// The results of the run, as far as it went, go to `results` when given.
bool WriteReport(ProgramState& state, Dialogs& dialogs, DesignResults* results = nullptr);

/// The calculation run of the output options dialog: the report file chosen, the completeness
/// check, the jacking force, then WriteReport. False when refused or failed.
bool RunCalculation(ProgramState& state, Dialogs& dialogs, DesignResults* results = nullptr);

/// The results of a report run of the output sections that `state.output` asks for, without a
/// report file and without changing the design: the completeness check and the jacking force
/// as for a report run; nothing after a refusal or a failure (shown as for a report run).
std::optional<DesignResults> CalculateResults(const ProgramState& state, Dialogs& dialogs);

/// The losses per location for the report, unless some location already holds a positive
/// one: friction and anchor set plus the total loss (post-tensioning), the total loss
/// (pretensioning).
void FillLocationLosses(DesignData& data, Dialogs& dialogs);

/// Clears the per-location losses and the PRESTRESS load case after a report run, so that the
/// next run computes them afresh.
void ClearPrestressCase(DesignData& data);

}  // namespace tarnex
