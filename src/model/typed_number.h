#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnex {

/// What a number typed into a text box stores: the single-precision value, or why nothing is
/// stored (the field then keeps the value it had).
struct TypedNumber {
    std::optional<float> value;
    std::string problem;  ///< empty when `value` is set
};

/// Reads a typed text: the whole text (blanks ignored) must be one decimal number, and the
/// number times `factor` (kips to lb, kip-ft to lb-in) rounded to 15 significant digits must
/// be finite and within the single-precision range, so that the input file can hold it.
TypedNumber ReadTypedNumber(std::string_view text, double factor = 1.0);

/// The value as a float when it is finite and within the single-precision range.
std::optional<float> StorableFloat(double value);

}  // namespace tarnex
