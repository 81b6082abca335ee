#pragma once

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// Shows one message per missing input group (beam properties, loads, prestress path, slab)
/// and sets InputIncomplete to 1 when it showed any.
void CheckInputComplete(DesignData& data, Dialogs& dialogs);

}  // namespace tarnex
