#include "model/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tarnex {
namespace {

bool IsIgnorable(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!IsIgnorable(c)) s.push_back(c);
    }
    return s;
}

/// Length of the longest decimal number at the start of `s` (0 when there is none).
std::size_t LeadingNumberLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) end = j;
    }
    return end;
}

double ToDouble(const std::string& number) {
    errno = 0;
    return std::strtod(number.c_str(), nullptr);
}

std::string StripTrailingZeros(std::string s) {
    if (s.find('.') == std::string::npos) return s;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

/// Rounds |value| to `decimals` places, half away from zero, judged on the exact binary value.
/// Returns the unsigned text with at least one digit before the point and the point itself.
std::string RoundedMagnitude(double magnitude, int decimals) {
    char buffer[400];
    // An exact half at `decimals` places is an odd multiple of 2^-(decimals+1) / 5^decimals,
    // so magnitude * 2^(decimals+1) is then a whole number. Any other value is rounded
    // correctly by the C library (which rounds on the exact value), ties being impossible.
    const double scaled = std::ldexp(magnitude, decimals + 1);
    std::string s;
    if (scaled != std::floor(scaled)) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
        s = buffer;
    } else {
        // At most decimals + 1 fraction bits: the expansion with decimals + 1 digits is exact.
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals + 1, magnitude);
        std::string exact(buffer);
        const bool roundUp = exact.back() >= '5';
        exact.pop_back();
        if (decimals == 0) exact.pop_back();  // the point
        if (roundUp) {
            int k = static_cast<int>(exact.size()) - 1;
            for (; k >= 0; --k) {
                char& c = exact[static_cast<std::size_t>(k)];
                if (c == '.') continue;
                if (c == '9') {
                    c = '0';
                } else {
                    ++c;
                    break;
                }
            }
            if (k < 0) exact.insert(exact.begin(), '1');
        }
        s = exact;
    }
    if (decimals == 0) s += '.';
    return s;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    const std::size_t n = LeadingNumberLength(s);
    if (n == 0) return 0.0;
    return ToDouble(s.substr(0, n));
}

std::optional<double> ReadCompleteNumber(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    const std::size_t n = LeadingNumberLength(s);
    if (n == 0 || n != s.size()) return std::nullopt;
    return ToDouble(s);
}

std::string ShortestForm(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        if (std::isnan(value)) return "0";
        if (std::isinf(value)) return value > 0 ? "1E+99" : "-1E+99";
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6e", value);
    const std::string e(buffer);
    const std::size_t ePos = e.find('e');
    const int exponent = std::atoi(e.c_str() + ePos + 1);
    if (exponent >= 7 || exponent <= -5) {
        std::string mantissa = StripTrailingZeros(e.substr(0, ePos));
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return mantissa + expText;
    }
    std::snprintf(buffer, sizeof buffer, "%.*f", 6 - exponent, value);
    std::string fixed = StripTrailingZeros(buffer);
    if (fixed == "-0") fixed = "0";
    return fixed;
}

std::string ShowNumber(double value) {
    std::string s = ShortestForm(value);
    return s[0] == '-' ? s : " " + s;
}

std::string ShowRounded(double value, int decimals) {
    std::string rounded = FormatPattern(value, decimals);
    std::string s = StripTrailingZeros(rounded);
    if (s == "-0") s = "0";
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s[0] == '-' ? s : " " + s;
}

std::string FileNumber(double value) { return ShortestForm(value); }

std::string StrForm(double value) {
    std::string s = ShortestForm(value);
    const bool negative = s[0] == '-';
    std::string digits = negative ? s.substr(1) : s;
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    return (negative ? "-" : " ") + digits;
}

std::string PlainNumber(double value) { return StrForm(value) + " "; }

std::string FormatPattern(double value, int decimals) {
    if (std::isnan(value)) value = 0.0;
    const bool negative = std::signbit(value) && value != 0.0;
    const std::string magnitude = RoundedMagnitude(std::fabs(value), decimals);
    return negative ? "-" + magnitude : magnitude;
}

std::optional<float> ParseFileReal(std::string_view item) {
    std::size_t first = 0;
    std::size_t last = item.size();
    while (first < last && (item[first] == ' ' || item[first] == '\t')) ++first;
    while (last > first && (item[last - 1] == ' ' || item[last - 1] == '\t')) --last;
    const std::string s(item.substr(first, last - first));
    const std::size_t n = LeadingNumberLength(s);
    if (n == 0 || n != s.size()) return std::nullopt;
    const double value = ToDouble(s);
    if (!std::isfinite(value)) return std::nullopt;
    const double largest = static_cast<double>(std::numeric_limits<float>::max());
    if (std::fabs(value) > largest) {
        // Beyond the largest float, unless it still rounds to it.
        const float rounded = std::strtof(s.c_str(), nullptr);
        if (std::isinf(rounded)) return std::nullopt;
        return rounded;
    }
    return std::strtof(s.c_str(), nullptr);
}

std::optional<int> ParseFileInteger(std::string_view item) {
    std::size_t first = 0;
    std::size_t last = item.size();
    while (first < last && (item[first] == ' ' || item[first] == '\t')) ++first;
    while (last > first && (item[last - 1] == ' ' || item[last - 1] == '\t')) --last;
    const std::string s(item.substr(first, last - first));
    const std::size_t n = LeadingNumberLength(s);
    if (n == 0 || n != s.size()) return std::nullopt;
    const double v = ToDouble(s);
    if (v != std::floor(v) || v < static_cast<double>(std::numeric_limits<int>::min()) ||
        v > static_cast<double>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(v);
}

double RoundToSignificant(double value, int digits) {
    if (!std::isfinite(value)) return value;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return std::strtod(buffer, nullptr);
}

}  // namespace tarnex
