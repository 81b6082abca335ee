#pragma once

#include <string>

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// The input file text of the design: lines 1 to 22 with CR LF line ends.
std::string FormatInputFileText(const DesignData& data);

/// Writes the design to data.InputFileName. The previous file is replaced only when the whole
/// file was written; on failure "Error writing input file" and false.
bool WriteInputFile(ProgramState& state, Dialogs& dialogs);

/// Reads data.InputFileName, all or nothing: on any error "Error reading input file", the
/// design unchanged and false. On success the settings are selected through their handlers,
/// the numbers taken, CurrentLocation set to 1 and the form refreshed.
bool ReadInputFile(ProgramState& state, Dialogs& dialogs);

}  // namespace tarnex
