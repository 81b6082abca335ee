#pragma once

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// Gross area, inertia and centroid distances of the beam from its dimensions; copies them
/// into BeamArea..BeamYbot. False (properties unchanged, message shown) when the dimensions
/// give no area.
bool CalcSectionProperties(DesignData& data, Dialogs& dialogs);

}  // namespace tarnex
