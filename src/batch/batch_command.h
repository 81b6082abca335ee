#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarnex {

/// Runs the tarnex-batch command with its arguments (program name excluded), writing every
/// message to `err`. Returns the exit status: 0 success, 1 a refused or failed step, 2 usage.
int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarnex
