#pragma once

#include <string>
#include <vector>

namespace tarnex {

/// Entry texts of the beam shape list (BeamShape 0..5).
const std::vector<std::string>& BeamShapeTexts();

/// The section list of a shape: "User defined" at index 0, then the catalogue entries in
/// order. Empty for a shape outside 0..5.
std::vector<std::string> SectionListTexts(int beamShape);

/// The text of entry `sectionNo` of the shape's section list; empty outside the list.
std::string SectionListText(int beamShape, int sectionNo);

}  // namespace tarnex
