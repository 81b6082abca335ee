#pragma once

#include <cmath>
#include <optional>

#include "model/design_code.h"
#include "model/typed_number.h"

namespace tarnex {

/// `root` times the square root of a strength (psi); nothing for a negative strength.
inline std::optional<float> RootAllowable(double root, float strength) {
    const auto f = static_cast<double>(strength);
    if (f < 0.0) return std::nullopt;
    return StorableFloat(root * std::sqrt(f));
}

/// Allowable stresses of `share` f'c in compression and `root` sqrt(f'c) in tension.
inline AllowableStresses ShareAndRoot(double share, double root, float strength) {
    return {static_cast<float>(share * static_cast<double>(strength)),
            RootAllowable(root, strength)};
}

}  // namespace tarnex
