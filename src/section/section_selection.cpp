#include "section/section_selection.h"

#include "section/section_catalogue.h"

namespace tarnex {
namespace {

void ClearProperties(DesignData& data) {
    data.Area = 0;
    data.MoI = 0;
    data.Ytop = 0;
    data.Ybot = 0;
}

void ClearDimensions(DesignData& data) {
    for (DimensionField field : kDimensionFields) DimensionValue(data, field) = 0;
}

void SetDimensions(DesignData& data, std::initializer_list<DimensionField> fields, float value) {
    for (DimensionField field : fields) DimensionValue(data, field) = value;
}

/// The catalogue row for the current shape and SectionNo, or null for "User defined" and
/// numbers outside the list.
const CatalogueEntry* CurrentEntry(const DesignData& data) {
    const std::vector<CatalogueEntry>& entries = SectionCatalogue(data.BeamShape);
    if (data.SectionNo < 1 || static_cast<std::size_t>(data.SectionNo) > entries.size()) {
        return nullptr;
    }
    return &entries[static_cast<std::size_t>(data.SectionNo - 1)];
}

void CopyEntry(DesignData& data, const CatalogueEntry& entry) {
    for (std::size_t k = 0; k < kDimensionFields.size(); ++k) {
        DimensionValue(data, kDimensionFields[k]) = entry.dimensions[k];
    }
    data.Area = entry.Area;
    data.MoI = entry.MoI;
    data.Ytop = entry.Ytop;
    data.Ybot = entry.Ybot;
}

}  // namespace

void CopyToBeamProperties(DesignData& data) {
    data.BeamArea = data.Area;
    data.BeamMoI = data.MoI;
    data.BeamYtop = data.Ytop;
    data.BeamYbot = data.Ybot;
}

void SelectBeamShape(DesignData& data, int index) {
    if (data.FillingForm == 1) return;
    data.BeamShape = static_cast<BeamShapeKind>(index);
    data.SectionNo = 0;
    ClearDimensions(data);
    ClearProperties(data);
}

void SelectStandardSection(DesignData& data, int index) {
    if (data.FillingForm == 1) return;
    data.SectionNo = index;
    ApplyStandardSection(data);
}

void ApplyStandardSection(DesignData& data) {
    using F = DimensionField;
    const CatalogueEntry* entry = CurrentEntry(data);
    switch (data.BeamShape) {
        case BeamShapeKind::General:
            if (data.SectionNo == 0) {
                ClearDimensions(data);
                ClearProperties(data);
            }
            break;
        case BeamShapeKind::IGirder:
        case BeamShapeKind::BoxGirder:
        case BeamShapeKind::TrapezoidalBox:
            if (data.SectionNo == 0) {
                ClearDimensions(data);
                ClearProperties(data);
            } else if (entry != nullptr) {
                CopyEntry(data, *entry);
            }
            break;
        case BeamShapeKind::VoidedSlab:
            SetDimensions(data, {F::Bbot, F::Hbot, F::Ftop, F::Fbot}, 0);
            if (data.SectionNo == 0) {
                SetDimensions(data, {F::D, F::Btop, F::Htop, F::Bweb}, 0);
                ClearProperties(data);
            } else if (entry != nullptr) {
                CopyEntry(data, *entry);  // the catalogue holds no slab properties: all 0
            }
            break;
        case BeamShapeKind::SolidSlab:
            SetDimensions(data, {F::Htop, F::Bweb, F::Bbot, F::Hbot, F::Ftop, F::Fbot}, 0);
            if (data.SectionNo == 0) {
                SetDimensions(data, {F::D, F::Btop}, 0);
                ClearProperties(data);
            }
            break;
    }
    CopyToBeamProperties(data);
}

}  // namespace tarnex
