#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "model/calc_error.h"
#include "model/design_data.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"

namespace tarnex::testing {

/// Area, MoI, Ytop, Ybot (or the beam's gross BeamArea..BeamYbot).
using Quad = std::array<float, 4>;
/// D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot.
using Dims = std::array<float, kDimensionFieldCount>;

inline Quad Properties(const DesignData& d) { return {d.Area, d.MoI, d.Ytop, d.Ybot}; }
inline Quad BeamProperties(const DesignData& d) {
    return {d.BeamArea, d.BeamMoI, d.BeamYtop, d.BeamYbot};
}
inline Dims Dimensions(const DesignData& d) {
    return {d.D, d.Btop, d.Htop, d.Bweb, d.Bbot, d.Hbot, d.Ftop, d.Fbot};
}

/// Sets the eight dimensions, the properties in use and the beam's properties.
inline void SetSection(DesignData& d, const Dims& dims, const Quad& inUse, const Quad& beam) {
    for (std::size_t k = 0; k < dims.size(); ++k) DimensionValue(d, kDimensionFields[k]) = dims[k];
    std::tie(d.Area, d.MoI, d.Ytop, d.Ybot) = std::tuple_cat(inUse);
    std::tie(d.BeamArea, d.BeamMoI, d.BeamYtop, d.BeamYbot) = std::tuple_cat(beam);
}

/// A record with the shape chosen from the list and then the standard section picked.
inline DesignData Picked(BeamShapeKind shape, int sectionNo) {
    DesignData data;
    SelectBeamShape(data, static_cast<int>(shape));
    SelectStandardSection(data, sectionNo);
    return data;
}

/// Runs the calculation and expects it to stop with the given reason.
template <typename Calculation>
void ExpectCalcError(Calculation&& calculation, const std::string& reason) {
    try {
        calculation();
        ADD_FAILURE() << "no error, expected: " << reason;
    } catch (const CalcError& e) {
        EXPECT_EQ(std::string(e.what()), reason);
    }
}

/// Adds a location at distance x with a beam dead load moment (lb-in).
inline void AddLocation(DesignData& d, float x, float dm) {
    const int n = ++d.nll;
    d.locations.Resize(n);
    d.locations(n).x = x;
    d.locations(n).DM = dm;
}

/// A pretensioned, non-composite beam with properties typed in: A = 2000 in2,
/// I = 200000 in4, 40 in deep with its centroid at mid-depth, straight steel 5 in above
/// the bottom (e = -15 in), L = 1200 in; PSi = 202500, PSloss = 40000, PStrans = 20250 psi;
/// 200 psi tension allowed at transfer; no locations yet.
inline DesignData PlainBeam() {
    DesignData d;
    SetSection(d, {}, {2000, 200000, 20, 20}, {2000, 200000, 20, 20});
    d.Blength = 1200.0F;
    d.PathConfig = PathKind::Straight;
    d.Ym = 5.0F;
    d.Xm = 600.0F;
    d.M28 = 4000000.0F;
    d.Mps = 3600000.0F;
    d.PSmod = 28500000.0F;
    d.PSi = 202500.0F;
    d.PSloss = 40000.0F;
    d.PStrans = 20250.0F;
    d.ATS1 = 200.0F;
    d.K = 0.0002F;
    d.MU = 0.25F;
    return d;
}

}  // namespace tarnex::testing
