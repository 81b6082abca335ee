#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/design_data.h"

namespace tarnex {

/// The eight dimension fields of the beam section, in record order.
enum class DimensionField { D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot };
inline constexpr int kDimensionFieldCount = 8;
inline constexpr std::array<DimensionField, kDimensionFieldCount> kDimensionFields = {
    DimensionField::D,    DimensionField::Btop, DimensionField::Htop, DimensionField::Bweb,
    DimensionField::Bbot, DimensionField::Hbot, DimensionField::Ftop, DimensionField::Fbot};

/// The record name of a dimension field ("D", "Btop", ... "Fbot").
std::string DimensionName(DimensionField field);

/// The storage of a dimension field in the record.
float& DimensionValue(DesignData& data, DimensionField field);
float DimensionValue(const DesignData& data, DimensionField field);

/// True when the shape shows and uses the dimension field.
bool UsesDimension(BeamShapeKind beamShape, DimensionField field);

/// The caption of a dimension field for the shape ("W", "VNo", "VDia" for the slabs);
/// empty when the shape does not use the field.
std::string DimensionCaption(BeamShapeKind beamShape, DimensionField field);

/// One standard section: its list text, the eight dimensions and the published properties
/// (0 where the catalogue gives none).
struct CatalogueEntry {
    std::string text;
    std::array<float, kDimensionFieldCount> dimensions;
    float Area, MoI, Ytop, Ybot;
};

/// The standard sections of a shape in list order, without "User defined" (entry k is
/// SectionNo k + 1). Empty for a shape without standard sections or outside 0..5.
const std::vector<CatalogueEntry>& SectionCatalogue(BeamShapeKind beamShape);

/// Entry texts of the beam shape list (BeamShape 0..5).
const std::vector<std::string>& BeamShapeTexts();

/// The section list of a shape: "User defined" at index 0, then the catalogue entries in
/// order. Empty for a shape outside 0..5.
std::vector<std::string> SectionListTexts(BeamShapeKind beamShape);

/// The text of entry `sectionNo` of the shape's section list; empty outside the list.
std::string SectionListText(BeamShapeKind beamShape, int sectionNo);

}  // namespace tarnex
