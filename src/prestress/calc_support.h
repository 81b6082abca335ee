#pragma once

#include <algorithm>
#include <cmath>

#include "model/calc_error.h"
#include "model/design_data.h"

namespace tarnex::detail {

/// Number of load locations that the per-location loops visit: `nll`, never more than the
/// locations held and never negative.
inline int LocationCount(const DesignData& data) {
    return std::max(0, std::min(data.nll, data.locations.size()));
}

/// A per-location value, 0 where the array holds no entry for the location.
inline double ValueAt(const FloatArray& values, int i) {
    return i >= 1 && i <= values.size() ? static_cast<double>(values(i)) : 0.0;
}

/// Cross slope of the slab in radians (pi taken as 3.1416).
inline double SlopeAngle(const DesignData& data) {
    return static_cast<double>(
        Store(static_cast<double>(data.Slope) * 3.1416 / 180.0, "the slab slope angle"));
}

/// Height of the top fiber of the composite section above the beam bottom: beam height plus
/// haunch plus slab, plus the rise of the high edge of a sloped slab over half its width.
/// Without a composite slab the composite section is the beam itself: the beam height.
inline double CompositeTopHeight(const DesignData& data) {
    if (!data.Composite) return static_cast<double>(data.BeamYtop) + data.BeamYbot;
    const double height =
        static_cast<double>(data.BeamYtop) + data.BeamYbot + data.Haunch + data.Tslab;
    return Finite(height + static_cast<double>(data.Beff) * std::tan(SlopeAngle(data)) / 2.0,
                  "the composite top fiber height");
}

/// Square of a value carried in double.
inline double Squared(double value) { return value * value; }

}  // namespace tarnex::detail
