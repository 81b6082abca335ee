#pragma once

#include <string>

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// The input file text of the design: lines 1 to 22 with CR LF line ends.
std::string FormatInputFileText(const DesignData& data);

/// Writes the design to data.InputFileName. The previous file is replaced only when the whole
/// file was written (see ReplaceTextFile); on failure "Error writing input file" with its
/// cause on a second line, and false.
bool WriteInputFile(ProgramState& state, Dialogs& dialogs);

/// Reads data.InputFileName, all or nothing: on any error "Error reading input file" with its
/// cause on a second line, the design unchanged and false. On success the settings are selected
/// through their handlers, the numbers taken, CurrentLocation set to 1 and the form refreshed.
bool ReadInputFile(ProgramState& state, Dialogs& dialogs);

/// ReadInputFile on the text of a file already read.
bool ReadInputText(ProgramState& state, Dialogs& dialogs, const std::string& text);

}  // namespace tarnex
