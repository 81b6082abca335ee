#include "model/number_text.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
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

// Exact decimal rounding in integer arithmetic. A finite double is m * 2^e exactly, so
// |value| * 10^k = m * 5^k * 2^(e + k) is a ratio of integers that fit 128 bits for the
// magnitudes a design has; its rounding is then decided exactly, without the decimal expansion
// of the C library. Values out of that range take the C library path.
__extension__ typedef unsigned __int128 Wide;

constexpr int kMaxPow5 = 27;  // 5^27 < 2^63

/// 5^0 .. 5^27.
constexpr std::array<std::uint64_t, kMaxPow5 + 1> kPow5 = [] {
    std::array<std::uint64_t, kMaxPow5 + 1> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 5;
    return powers;
}();

int BitLength(Wide x) {
    const auto high = static_cast<std::uint64_t>(x >> 64);
    if (high != 0) return 128 - __builtin_clzll(high);
    const auto low = static_cast<std::uint64_t>(x);
    return low == 0 ? 0 : 64 - __builtin_clzll(low);
}

/// A finite positive double as odd significand and binary exponent: value = m * 2^e.
void Decompose(double magnitude, std::uint64_t& m, int& e) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0) {  // subnormal
        m = fraction;
        e = -1074;
    } else {
        m = fraction | (std::uint64_t{1} << 52);
        e = biased - 1075;
    }
    const int zeros = __builtin_ctzll(m);
    m >>= zeros;
    e += zeros;
}

/// Writes the decimal digits of n right-aligned ending before `end`; returns the first digit.
char* WriteDigits(Wide n, char* end) {
    char* p = end;
    if (static_cast<std::uint64_t>(n >> 64) == 0) {
        auto small = static_cast<std::uint64_t>(n);
        do {
            *--p = static_cast<char>('0' + small % 10);
            small /= 10;
        } while (small != 0);
        return p;
    }
    do {
        *--p = static_cast<char>('0' + static_cast<int>(n % 10));
        n /= 10;
    } while (n != 0);
    return p;
}

/// |value| * 10^decimals rounded half away from zero on the exact value, or false when the
/// product does not fit the integer arithmetic.
bool ScaledHalfAwayFromZero(double magnitude, int decimals, Wide& result) {
    if (decimals < 0 || decimals > kMaxPow5) return false;
    if (magnitude == 0) {
        result = 0;
        return true;
    }
    std::uint64_t m = 0;
    int e = 0;
    Decompose(magnitude, m, e);
    const Wide p = static_cast<Wide>(m) * kPow5[static_cast<std::size_t>(decimals)];  // below 2^116
    const int shift = e + decimals;
    if (shift >= 0) {
        if (BitLength(p) + shift > 126) return false;
        result = p << shift;
        return true;
    }
    const int s = -shift;
    if (s >= 127) {  // p < 2^116: the product is below one half
        result = 0;
        return true;
    }
    const Wide half = static_cast<Wide>(1) << (s - 1);
    const Wide remainder = p & ((half << 1) - 1);
    result = (p >> s) + (remainder >= half ? 1 : 0);
    return true;
}

/// The seven significant digits of a finite positive value as "%.6e" gives them (nearest,
/// ties to even, on the exact value): 1000000 <= digits < 10000000, value ~ digits *
/// 10^(exponent - 6). False when the value is out of the range of the integer arithmetic.
bool SevenSignificantDigits(double magnitude, std::uint32_t& digits, int& exponent) {
    std::uint64_t m = 0;
    int e = 0;
    Decompose(magnitude, m, e);
    int x = static_cast<int>(std::floor(std::log10(magnitude)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 6 - x;  // value * 10^k has seven digits before the point
        if (k > kMaxPow5 || -k > kMaxPow5) return false;
        Wide num = m;
        Wide den = 1;
        if (k >= 0) {
            num *= kPow5[static_cast<std::size_t>(k)];
        } else {
            den = kPow5[static_cast<std::size_t>(-k)];
        }
        const int twos = e + k;
        if (twos >= 0) {
            if (BitLength(num) + twos > 126) return false;
            num <<= twos;
        } else {
            if (BitLength(den) - twos > 126) return false;
            den <<= -twos;
        }
        Wide q = 0;
        Wide r = 0;
        if (static_cast<std::uint64_t>(num >> 64) == 0) {
            const auto n64 = static_cast<std::uint64_t>(num);
            const auto d64 = static_cast<std::uint64_t>(den);  // den <= num or q is 0
            if (static_cast<std::uint64_t>(den >> 64) != 0) {
                q = 0;
                r = num;
            } else {
                q = n64 / d64;
                r = n64 % d64;
            }
        } else {
            q = num / den;
            r = num % den;
        }
        if (q < 1000000) {
            --x;
            continue;
        }
        if (q >= 10000000) {
            ++x;
            continue;
        }
        const Wide twice = r << 1;
        if (twice > den || (twice == den && (q & 1) != 0)) ++q;
        if (q == 10000000) {
            q = 1000000;
            ++x;
        }
        digits = static_cast<std::uint32_t>(q);
        exponent = x;
        return true;
    }
    return false;
}

/// ShortestForm of a finite nonzero value through the C library.
std::string ShortestFormByLibrary(double value) {
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

/// A file item without its surrounding blanks and tabs when it is one number and nothing else.
std::optional<std::string> WholeFileNumber(std::string_view item) {
    std::size_t first = 0;
    std::size_t last = item.size();
    while (first < last && (item[first] == ' ' || item[first] == '\t')) ++first;
    while (last > first && (item[last - 1] == ' ' || item[last - 1] == '\t')) --last;
    std::string s(item.substr(first, last - first));
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
    std::uint32_t digits = 0;
    int exponent = 0;
    if (!SevenSignificantDigits(std::fabs(value), digits, exponent)) {
        return ShortestFormByLibrary(value);
    }
    char digitText[8];
    WriteDigits(digits, digitText + 7);
    int last = 6;  // the last significant digit, trailing zeros dropped
    while (last > 0 && digitText[last] == '0') --last;

    char buffer[32];
    char* p = buffer;
    if (value < 0) *p++ = '-';
    if (exponent >= 7 || exponent <= -5) {
        *p++ = digitText[0];
        if (last > 0) {
            *p++ = '.';
            for (int i = 1; i <= last; ++i) *p++ = digitText[i];
        }
        *p++ = 'E';
        *p++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) *p++ = '0';
        char exponentText[8];
        char* const end = exponentText + sizeof exponentText;
        const char* first = WriteDigits(static_cast<Wide>(magnitude), end);
        while (first != end) *p++ = *first++;
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) *p++ = digitText[i];
        if (last > exponent) {
            *p++ = '.';
            for (int i = exponent + 1; i <= last; ++i) *p++ = digitText[i];
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = exponent + 1; i < 0; ++i) *p++ = '0';
        for (int i = 0; i <= last; ++i) *p++ = digitText[i];
    }
    return std::string(buffer, p);
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
    const bool negative = std::signbit(value) && value != 0.0;
    Wide scaled = 0;
    if (!ScaledHalfAwayFromZero(std::fabs(value), decimals, scaled)) {
        const std::string magnitude = RoundedMagnitude(std::fabs(value), decimals);
        return negative ? "-" + magnitude : magnitude;
    }
    // The digits of the scaled value with the point `decimals` places from the right and at
    // least one digit before it.
    char digitText[64];
    char* const end = digitText + sizeof digitText;
    char* first = WriteDigits(scaled, end);
    while (end - first < decimals + 1) *--first = '0';
    char buffer[80];
    char* p = buffer;
    if (negative) *p++ = '-';
    const char* pointAt = end - decimals;
    while (first != pointAt) *p++ = *first++;
    *p++ = '.';
    while (first != end) *p++ = *first++;
    return std::string(buffer, p);
}

std::optional<float> ParseFileReal(std::string_view item) {
    const std::optional<std::string> number = WholeFileNumber(item);
    if (!number) return std::nullopt;
    const std::string& s = *number;
    // The float nearest the decimal value (a magnitude below the smallest float reads as the
    // nearest float); it is infinite exactly when the magnitude is beyond the largest float
    // by more than half a unit of its last place.
    const float value = std::strtof(s.c_str(), nullptr);
    if (std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseFileInteger(std::string_view item) {
    const std::optional<std::string> number = WholeFileNumber(item);
    if (!number) return std::nullopt;
    const std::string& s = *number;
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
