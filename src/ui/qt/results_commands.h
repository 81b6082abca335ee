#pragma once

#include <optional>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "report/design_results.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

/// The results of every section that the diagrams and the CSV show (stresses, ultimate moment
/// and ultimate shear), whatever the output options say, without the deflections; nothing after
/// a refusal or a failure, which the dialogs have shown.
std::optional<DesignResults> CalculateAllResults(const ProgramState& state, Dialogs& dialogs);

/// Save ▸ Results as CSV: the results of every section, written as comma-separated values to
/// the file chosen in the save-file dialog. The design's input file and its report file are
/// refused. True when written.
bool SaveResultsCsv(const ProgramState& state, Dialogs& dialogs, ShellPort& shell);

/// File dialog filters of the CSV command.
inline constexpr const char* kCsvFilters = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*";

}  // namespace tarnex::ui
