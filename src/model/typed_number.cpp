#include "model/typed_number.h"

#include <cmath>

#include "model/number_text.h"

namespace tarnex {

std::optional<float> StorableFloat(double value) {
    // Halfway between the largest float and 2^128: from there on the nearest float would be
    // infinite (and converting such a double is undefined), below it the value rounds to a
    // finite float.
    constexpr double kFloatOverflow = 0x1.ffffffp127;
    if (!(std::fabs(value) < kFloatOverflow)) return std::nullopt;  // also NaN
    return static_cast<float>(value);
}

TypedNumber ReadTypedNumber(std::string_view text, double factor) {
    const std::optional<double> whole = ReadCompleteNumber(text);
    if (!whole) {
        if (text.find_first_not_of(" \t\n") == std::string_view::npos) {
            return {std::nullopt, "No number entered"};
        }
        return {std::nullopt, "Not a number: \"" + std::string(text) + "\""};
    }
    // The product of a typed load and its unit factor goes through its 15-digit decimal form,
    // so that 0.1 kips is exactly 100 lb.
    const double product = factor == 1.0 ? *whole : RoundToSignificant(*whole * factor, 15);
    const std::optional<float> stored = StorableFloat(product);
    if (!stored) return {std::nullopt, "Too large a number to be stored"};
    return {stored, {}};
}

}  // namespace tarnex
