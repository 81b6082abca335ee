#pragma once

#include <string>
#include <vector>

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// The message of each missing input group, in order: beam properties, loads, prestress path,
/// slab configuration. Empty when the design can be calculated.
std::vector<std::string> MissingInput(const DesignData& data);

/// Shows one message per missing input group (beam properties, loads, prestress path, slab)
/// and sets InputIncomplete to 1 when it showed any.
void CheckInputComplete(DesignData& data, Dialogs& dialogs);

}  // namespace tarnex
