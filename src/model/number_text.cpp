#include "model/number_text.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <system_error>

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
std::size_t LeadingNumberLength(std::string_view s) {
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

/// The C locale, whatever locale the process runs in: the window's toolkit takes the user's
/// locale, whose decimal separator may be a comma, but a number typed or stored in a file always
/// has a decimal point.
locale_t DecimalPointLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

double ToDouble(const std::string& number) {
    errno = 0;
    return strtod_l(number.c_str(), nullptr, DecimalPointLocale());
}

std::string StripTrailingZeros(std::string s) {
    if (s.find('.') == std::string::npos) return s;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

// Exact decimal rounding through std::to_chars, which rounds the exact binary value to the
// nearest decimal of the asked precision, ties to even, as printf does in the C locale. The
// report's half away from zero differs from that only at an exact tie, which a short check
// finds (RoundedMagnitude).

/// Enough for the fixed form of the largest double with the decimals a pattern asks for.
constexpr std::size_t kFixedBufferSize = 400;

/// Seven significant digits of a finite positive value, nearest with ties to even on the exact
/// value: the digit text "d.dddddd" (trailing zeros dropped, the point too when nothing
/// follows) and the decimal exponent.
struct SevenDigits {
    std::array<char, 7> digits{};
    int last = 0;  // index of the last significant digit
    int exponent = 0;
};

SevenDigits SevenSignificantDigits(double magnitude) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, 6);
    // "d.dddddde+XX": seven digits, then the exponent.
    SevenDigits seven;
    seven.digits[0] = buffer[0];
    for (std::size_t i = 1; i < seven.digits.size(); ++i) seven.digits[i] = buffer[i + 1];
    const char* exponentAt = buffer.data() + 9;  // after "d.dddddde"
    if (*exponentAt == '+') ++exponentAt;
    std::from_chars(exponentAt, result.ptr, seven.exponent);
    seven.last = 6;
    while (seven.last > 0 && seven.digits[static_cast<std::size_t>(seven.last)] == '0') {
        --seven.last;
    }
    return seven;
}

/// Writes |value| rounded to `decimals` places, half away from zero on the exact binary value,
/// into [first, last): at least one digit before the point and the point itself. Returns the
/// end of the text.
char* WriteRoundedMagnitude(double magnitude, int decimals, char* first, char* last) {
    // An exact half at `decimals` places is an odd multiple of 2^-(decimals+1) / 5^decimals,
    // so magnitude * 2^(decimals+1) is then a whole number. Any other value rounds the same
    // to nearest as half away from zero, ties being impossible.
    const double scaled = std::ldexp(magnitude, decimals + 1);
    char* end = nullptr;
    if (scaled != std::floor(scaled)) {
        end = std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals).ptr;
    } else {
        // At most decimals + 1 fraction bits: the expansion with decimals + 1 digits is exact
        // and its last digit is 0 or 5; a 5 is the tie, rounded up.
        end = std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals + 1).ptr;
        --end;
        if (*end == '5') {
            char* digit = end;
            for (; digit != first; --digit) {
                char& c = digit[-1];
                if (c == '.') continue;
                if (c != '9') {
                    ++c;
                    break;
                }
                c = '0';
            }
            if (digit == first) {  // 9.99.. became 0.00..: one more digit in front
                std::memmove(first + 1, first, static_cast<std::size_t>(end - first));
                *first = '1';
                ++end;
            }
        }
        if (decimals == 0) --end;  // the point, written for the digit dropped
    }
    if (decimals == 0) *end++ = '.';
    return end;
}

/// A file item without its surrounding blanks and tabs when it is one number and nothing else.
std::optional<std::string_view> WholeFileNumber(std::string_view item) {
    std::size_t first = 0;
    std::size_t last = item.size();
    while (first < last && (item[first] == ' ' || item[first] == '\t')) ++first;
    while (last > first && (item[last - 1] == ' ' || item[last - 1] == '\t')) --last;
    const std::string_view s = item.substr(first, last - first);
    const std::size_t n = LeadingNumberLength(s);
    if (n == 0 || n != s.size()) return std::nullopt;
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
    const SevenDigits seven = SevenSignificantDigits(std::fabs(value));
    const auto digit = [&](int i) { return seven.digits[static_cast<std::size_t>(i)]; };
    const int exponent = seven.exponent;
    std::string s;
    if (value < 0) s += '-';
    if (exponent >= 7 || exponent <= -5) {
        s += digit(0);
        if (seven.last > 0) {
            s += '.';
            for (int i = 1; i <= seven.last; ++i) s += digit(i);
        }
        s += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) s += '0';
        s += std::to_string(magnitude);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) s += digit(i);
        if (seven.last > exponent) {
            s += '.';
            for (int i = exponent + 1; i <= seven.last; ++i) s += digit(i);
        }
    } else {
        s += "0.";
        s.append(static_cast<std::size_t>(-exponent - 1), '0');
        for (int i = 0; i <= seven.last; ++i) s += digit(i);
    }
    return s;
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

std::string DecimalForm(double value, int decimals) {
    std::string s = FormatPattern(value, decimals);
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string StrForm(double value) {
    std::string s = ShortestForm(value);
    if (s[0] == '-') {
        if (s.size() > 2 && s[1] == '0' && s[2] == '.') s.erase(1, 1);  // "-0.25" -> "-.25"
        return s;
    }
    if (s.size() > 1 && s[0] == '0' && s[1] == '.') {
        s[0] = ' ';  // "0.5" -> " .5"
        return s;
    }
    s.insert(s.begin(), ' ');
    return s;
}

std::string PlainNumber(double value) {
    std::string s = StrForm(value);
    s.push_back(' ');
    return s;
}

std::string FormatPattern(double value, int decimals) {
    if (std::isnan(value)) value = 0.0;
    std::array<char, kFixedBufferSize> buffer;  // not cleared: only the written text is used
    char* first = buffer.data();
    if (std::signbit(value) && value != 0.0) *first++ = '-';
    // Room for the carry digit of a rounding up and for the point.
    char* const end =
        WriteRoundedMagnitude(std::fabs(value), decimals, first, buffer.data() + buffer.size() - 2);
    return {buffer.data(), end};
}

std::optional<float> ParseFileReal(std::string_view item) {
    const std::optional<std::string_view> number = WholeFileNumber(item);
    if (!number) return std::nullopt;
    const std::string_view s = *number;
    // The float nearest the decimal value: from_chars rounds correctly as strtof does; what it
    // does not take (a leading '+', a magnitude beyond the float range either way) goes to
    // strtof, by which a magnitude below the smallest float reads as the nearest float and one
    // beyond the largest by more than half a unit of its last place is infinite.
    float fast = 0;
    const char* begin = s.data();
    const char* end = begin + s.size();
    const auto parsed = std::from_chars(begin, end, fast);
    if (parsed.ec == std::errc() && parsed.ptr == end) return fast;
    const float value = strtof_l(std::string(s).c_str(), nullptr, DecimalPointLocale());
    if (std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseFileInteger(std::string_view item) {
    const std::optional<std::string_view> number = WholeFileNumber(item);
    if (!number) return std::nullopt;
    const double v = ToDouble(std::string(*number));
    if (v != std::floor(v) || v < static_cast<double>(std::numeric_limits<int>::min()) ||
        v > static_cast<double>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(v);
}

double RoundToSignificant(double value, int digits) {
    if (!std::isfinite(value)) return value;
    std::array<char, kFixedBufferSize> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, digits);
    double rounded = value;
    const auto read = std::from_chars(buffer.data(), written.ptr, rounded);
    // The largest doubles can round up beyond the range: they keep their value.
    return read.ec == std::errc{} ? rounded : value;
}

}  // namespace tarnex

namespace tarnex {

std::string SignificantForm(double value, int digits) {
    if (!std::isfinite(value)) return "0";
    if (value == 0.0) return "0";
    std::array<char, kFixedBufferSize> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, digits);
    return {buffer.data(), written.ptr};
}

}  // namespace tarnex
