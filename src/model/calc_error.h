#pragma once

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnex {

/// A calculation that cannot go on: a zero divisor, a square root of a negative, a result
/// that is not finite. Its text names the cause, e.g. "the beam area is 0"; the caller
/// reports it ("Cannot calculate: " + cause for a button, "Error in calculations" for a report).
class CalcError : public std::runtime_error {
  public:
    explicit CalcError(const std::string& cause) : std::runtime_error(cause) {}
};

/// The prefix of a button's calculation-error message.
inline constexpr const char* kCannotCalculate = "Cannot calculate: ";

// The names of the values (`what`) are views: the message is only built when a check fails,
// so that a calculation over many locations makes no text.

/// `numerator / denominator` in double; a zero denominator or a non-finite result raises
/// CalcError("<what> is 0") resp. CalcError("<what> gives no finite result").
inline double Divide(double numerator, double denominator, std::string_view what) {
    if (denominator == 0.0) throw CalcError(std::string(what) + " is 0");
    const double q = numerator / denominator;
    if (!std::isfinite(q)) throw CalcError(std::string(what) + " gives no finite result");
    return q;
}

/// Square root in double; a negative argument raises CalcError.
inline double SquareRoot(double value, std::string_view what) {
    if (!(value >= 0.0)) throw CalcError(std::string(what) + " is negative");
    return std::sqrt(value);
}

/// Rounds a double to the stored single precision; a value that is not finite or lies beyond
/// the float range raises CalcError.
inline float Store(double value, std::string_view what) {
    if (!std::isfinite(value) ||
        std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw CalcError(std::string(what) + " is not a finite number");
    }
    return static_cast<float>(value);
}

/// A double that must be finite (a value that is printed but not stored).
inline double Finite(double value, std::string_view what) {
    if (!std::isfinite(value)) throw CalcError(std::string(what) + " is not a finite number");
    return value;
}

/// A figure of the report or the results: neither inf nor nan, nor beyond the range of a stored
/// number (a numeric overflow, whose last digits would only reflect the order of the
/// arithmetic); such a value stops the run with its cause.
inline double Printable(double value, std::string_view what) {
    Finite(value, what);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw CalcError(std::string(what) + " is beyond the range of a stored number");
    }
    return value;
}

}  // namespace tarnex
