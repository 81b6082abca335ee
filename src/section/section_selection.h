#pragma once

#include "model/design_data.h"

namespace tarnex {

/// Click action of the shape list: sets BeamShape and clears SectionNo, the eight dimensions
/// and Area..Ybot (BeamArea..BeamYbot keep their values). Nothing while FillingForm is 1.
void SelectBeamShape(DesignData& data, int index);

/// Click action of the section list: sets SectionNo and applies the standard section.
/// Nothing while FillingForm is 1.
void SelectStandardSection(DesignData& data, int index);

/// Copies the catalogue row of BeamShape / SectionNo into the dimensions and properties
/// ("User defined" clears them), then copies Area..Ybot into BeamArea..BeamYbot.
void ApplyStandardSection(DesignData& data);

/// Copies the properties in use into the beam's gross properties (BeamArea = Area, ...).
void CopyToBeamProperties(DesignData& data);

}  // namespace tarnex
