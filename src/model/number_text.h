#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnex {

// Text forms of numbers, used by the window, the input file, the report and the batch command.

/// The value of the longest leading decimal number of `text` (sign, digits, point, digits,
/// exponent); blanks, tabs and line feeds are ignored anywhere; 0 when there is none.
double ReadLeadingNumber(std::string_view text);

/// The number when the whole of `text` (blanks, tabs and line feeds ignored) is one decimal
/// number; nothing for "5a", "1e", "-" or an empty text.
std::optional<double> ReadCompleteNumber(std::string_view text);

/// Shortest form with at most 7 significant digits: "0.5", "2400", "2.85E+07", "1.67E-05".
/// No leading blank; -0 is written "0".
std::string ShortestForm(double value);

/// Text box form: ShortestForm preceded by one blank when the value is not negative.
std::string ShowNumber(double value);

/// Text box form of a value rounded half away from zero to `decimals` decimals, trailing
/// zeros and point dropped: ShowRounded(18.875, 2) is " 18.88", ShowRounded(20.004, 2) " 20".
std::string ShowRounded(double value, int decimals);

/// Input file form of a real: ShortestForm ("0.5", "3833886", "2.9E+07").
std::string FileNumber(double value);

/// Report Str form: a blank (or the minus sign), shortest form, no leading zero (" .5").
std::string StrForm(double value);

/// Report plain number: Str form followed by one blank (" .5 ").
std::string PlainNumber(double value);

/// Report pattern with `decimals` decimals ("0." for 0, "0.0", ... "0.0000000"): rounded half
/// away from zero on the exact value, at least one digit before the point, a point always.
/// A negative value that rounds to zero keeps its minus sign ("-0."); -0 itself has none.
std::string FormatPattern(double value, int decimals);

/// Spreadsheet form of a report figure: the report pattern with `decimals` decimals, without
/// the point of a whole number ("12" for "12.", "0.007" for "0.007").
std::string DecimalForm(double value, int decimals);

/// One real item of the input file: the whole item (blanks and tabs around it ignored) must
/// be a decimal number; a magnitude beyond the largest float is rejected, one below the
/// smallest float reads as the nearest float.
std::optional<float> ParseFileReal(std::string_view item);

/// One integer item of the input file (blanks and tabs around it ignored).
std::optional<int> ParseFileInteger(std::string_view item);

/// The value written as a decimal text of at most `digits` significant digits and read
/// back: RoundToSignificant(0.1 * 3, 15) is exactly 0.3 (the grid's entry round trip).
double RoundToSignificant(double value, int digits);

}  // namespace tarnex

namespace tarnex {

/// The shortest decimal text of `value` with at most `digits` significant digits, in the
/// form of the C locale ("1.5", "1e+39", "-0.333333333"): the text a spreadsheet pastes back.
std::string SignificantForm(double value, int digits);

}  // namespace tarnex
