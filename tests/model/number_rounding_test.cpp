// The report number forms round on the exact binary value. These tests compare them with slow,
// plainly exact references built on the C library's full decimal expansion, over random
// values of every magnitude a design has, stored floats, exact halves and ties, and the
// boundaries of a power of ten.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/number_text.h"

namespace tarnex {
namespace {

/// Half away from zero at `decimals` places, from the complete decimal expansion of the value
/// (a double has at most 1074 fraction digits).
std::string ReferencePattern(double value, int decimals) {
    const bool negative = std::signbit(value) && value != 0.0;
    std::vector<char> buffer(1500);
    std::snprintf(buffer.data(), buffer.size(), "%.1100f", std::fabs(value));
    std::string exact(buffer.data());
    const std::size_t point = exact.find('.');
    const bool roundUp = exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
    std::string kept = exact.substr(0, point) + exact.substr(point + 1, decimals);
    if (roundUp) {
        int k = static_cast<int>(kept.size()) - 1;
        for (; k >= 0 && kept[static_cast<std::size_t>(k)] == '9'; --k) {
            kept[static_cast<std::size_t>(k)] = '0';
        }
        if (k < 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[static_cast<std::size_t>(k)];
        }
    }
    const std::size_t whole = kept.size() - static_cast<std::size_t>(decimals);
    const std::string text = kept.substr(0, whole) + "." + kept.substr(whole);
    return negative ? "-" + text : text;
}

std::string WithoutTrailingZeros(std::string s) {
    if (s.find('.') == std::string::npos) return s;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

/// Seven significant digits as the C library rounds them ("%.6e": nearest, ties to even),
/// fixed for exponents -5 < e < 7, else mantissa and a signed exponent of two digits or more.
std::string ReferenceShortest(double value) {
    if (value == 0.0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6e", value);
    const std::string e(buffer);
    const std::size_t ePos = e.find('e');
    const int exponent = std::atoi(e.c_str() + ePos + 1);
    if (exponent >= 7 || exponent <= -5) {
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return WithoutTrailingZeros(e.substr(0, ePos)) + expText;
    }
    std::snprintf(buffer, sizeof buffer, "%.*f", 6 - exponent, value);
    return WithoutTrailingZeros(buffer);
}

/// Str form from the reference shortest form: sign or blank, no leading zero.
std::string ReferenceStr(double value) {
    const std::string s = ReferenceShortest(value);
    const bool negative = s[0] == '-';
    std::string digits = negative ? s.substr(1) : s;
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    return (negative ? "-" : " ") + digits;
}

/// Random values of both signs, log-uniform from 1e-12 to 1e22, half of them stored floats.
std::vector<double> RandomValues(std::size_t count, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> exponent(-12.0, 22.0);
    std::vector<double> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        double v = std::pow(10.0, exponent(random));
        if (i % 2 == 1) v = static_cast<float>(v);
        if (random() % 2 == 0) v = -v;
        values.push_back(v);
    }
    return values;
}

/// Values at and next to the powers of ten, where the digit count and the form change.
std::vector<double> PowerOfTenBoundaries() {
    std::vector<double> values;
    for (int k = -12; k <= 22; ++k) {
        const double p = std::pow(10.0, k);
        const double inf = std::numeric_limits<double>::infinity();
        values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, inf),
                                     static_cast<double>(static_cast<float>(p)), p * (1 - 0.5e-7),
                                     p * (1 - 0.4e-7), p * (1 - 0.6e-7), -p, -p * (1 - 0.5e-7)});
    }
    return values;
}

TEST(FormatPatternExactness, AgreesWithTheFullDecimalExpansion) {
    std::vector<double> values = RandomValues(20000, 7);
    const std::vector<double> edges = PowerOfTenBoundaries();
    values.insert(values.end(), edges.begin(), edges.end());
    values.insert(values.end(), {0.0, -0.0, 0.5, -0.5, 1.005, 2.675, 999.9996, 0.00000005, 4.9e-324,
                                 1e300, std::numeric_limits<double>::max()});
    for (double v : values) {
        for (int decimals = 0; decimals <= 7; ++decimals) {
            ASSERT_EQ(FormatPattern(v, decimals), ReferencePattern(v, decimals))
                << "value " << v << " with " << decimals << " decimals";
        }
    }
}

TEST(FormatPatternExactness, ExactHalvesRoundAwayFromZero) {
    // n / 2^(d + 1) with n odd ends in a 5 exactly at the place after the last kept decimal.
    std::mt19937_64 random(11);
    for (int decimals = 0; decimals <= 7; ++decimals) {
        for (int i = 0; i < 2000; ++i) {
            const auto n = static_cast<double>((random() % 100000000) | 1);
            const double half = std::ldexp(n, -(decimals + 1));
            ASSERT_EQ(FormatPattern(half, decimals), ReferencePattern(half, decimals)) << half;
            ASSERT_EQ(FormatPattern(-half, decimals), ReferencePattern(-half, decimals)) << half;
        }
    }
    EXPECT_EQ(FormatPattern(0.5, 0), "1.");
    EXPECT_EQ(FormatPattern(-1.5, 0), "-2.");
    EXPECT_EQ(FormatPattern(0.0009765625, 7), "0.0009766");  // 2^-10
}

TEST(ShortestFormExactness, AgreesWithTheLibraryRoundingOfSevenDigits) {
    std::vector<double> values = RandomValues(100000, 3);
    const std::vector<double> edges = PowerOfTenBoundaries();
    values.insert(values.end(), edges.begin(), edges.end());
    values.insert(values.end(), {4.9e-324, 2.2e-308, 1e-30, 1e30, 1e300,
                                 std::numeric_limits<double>::max(), 3833885.5F, 28500000.0F});
    for (double v : values) {
        ASSERT_EQ(ShortestForm(v), ReferenceShortest(v)) << v;
        ASSERT_EQ(StrForm(v), ReferenceStr(v)) << v;
    }
}

TEST(ShortestFormExactness, TiesAtTheSeventhDigitGoToEven) {
    std::mt19937_64 random(5);
    for (int i = 0; i < 20000; ++i) {
        const auto q = static_cast<double>(1000000 + random() % 9000000);
        // q + 0.5, q * 10 + 5 and q * 100 + 50 are exact and lie halfway between two
        // seven-digit values; q / 4 + 0.125 and q / 1024 are exact binary fractions near them.
        for (double v : {q + 0.5, q * 10 + 5, q * 100 + 50, q / 4 + 0.125, q / 1024}) {
            ASSERT_EQ(ShortestForm(v), ReferenceShortest(v)) << v;
            ASSERT_EQ(ShortestForm(-v), ReferenceShortest(-v)) << v;
        }
    }
    EXPECT_EQ(ShortestForm(1234567.5), "1234568");
    EXPECT_EQ(ShortestForm(1234568.5), "1234568");
    EXPECT_EQ(ShortestForm(99999995.0), "1E+08");
    EXPECT_EQ(ShortestForm(9999999.5), "1E+07");
    EXPECT_EQ(ShortestForm(0.000099999996), "0.0001");
}

}  // namespace
}  // namespace tarnex
