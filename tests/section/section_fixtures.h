#pragma once

#include <array>

#include "model/design_data.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"

namespace tarnex::testing {

inline constexpr BeamShapeKind kGeneral = BeamShapeKind::General, kIGirder = BeamShapeKind::IGirder,
                               kBox = BeamShapeKind::BoxGirder, kVoided = BeamShapeKind::VoidedSlab,
                               kSolid = BeamShapeKind::SolidSlab,
                               kTrapezoid = BeamShapeKind::TrapezoidalBox;

/// Four section properties in record order: area, moment of inertia, Ytop, Ybot.
using Quad = std::array<float, 4>;
using Dims = std::array<float, kDimensionFieldCount>;

/// Area, MoI, Ytop, Ybot: the section in use.
inline Quad Properties(const DesignData& d) { return {d.Area, d.MoI, d.Ytop, d.Ybot}; }

/// BeamArea, BeamMoI, BeamYtop, BeamYbot: the beam's gross section.
inline Quad BeamProperties(const DesignData& d) {
    return {d.BeamArea, d.BeamMoI, d.BeamYtop, d.BeamYbot};
}

/// D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot.
inline Dims Dimensions(const DesignData& d) {
    return {d.D, d.Btop, d.Htop, d.Bweb, d.Bbot, d.Hbot, d.Ftop, d.Fbot};
}

inline void SetDimensions(DesignData& d, const Dims& values) {
    for (int k = 0; k < kDimensionFieldCount; ++k) {
        DimensionValue(d, kDimensionFields[static_cast<std::size_t>(k)]) =
            values[static_cast<std::size_t>(k)];
    }
}

inline void SetProperties(DesignData& d, const Quad& q) {
    d.Area = q[0];
    d.MoI = q[1];
    d.Ytop = q[2];
    d.Ybot = q[3];
}

inline void SetBeamProperties(DesignData& d, const Quad& q) {
    d.BeamArea = q[0];
    d.BeamMoI = q[1];
    d.BeamYtop = q[2];
    d.BeamYbot = q[3];
}

/// A record with the shape chosen from the list and then the standard section picked.
inline DesignData Picked(BeamShapeKind shape, int sectionNo) {
    DesignData data;
    SelectBeamShape(data, static_cast<int>(shape));
    SelectStandardSection(data, sectionNo);
    return data;
}

}  // namespace tarnex::testing
