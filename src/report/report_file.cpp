#include "report/report_file.h"

#include <cmath>
#include <ios>
#include <limits>
#include <streambuf>
#include <string>

#include "model/calc_error.h"
#include "model/number_text.h"

namespace tarnex {

namespace {

/// Nothing in a report is inf or nan, nor beyond the range of a stored number (a numeric
/// overflow, whose last digits would only reflect the order of the arithmetic): such a value
/// stops the run with its cause.
double CheckFinite(double value, const char* what) {
    if (!std::isfinite(value)) throw CalcError(std::string(what) + " is not a finite number");
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw CalcError(std::string(what) + " is beyond the range of a stored number");
    }
    return value;
}

}  // namespace

ReportLine& ReportLine::Pattern(double value, int decimals, const char* what) {
    return Text(FormatPattern(CheckFinite(value, what), decimals));
}

ReportLine& ReportLine::Str(double value, const char* what) {
    return Text(StrForm(CheckFinite(value, what)));
}

ReportLine& ReportLine::Plain(double value, const char* what) {
    return Text(PlainNumber(CheckFinite(value, what)));
}

void ReportFile::Write(std::string_view text) {
    // Straight into the stream buffer: no formatting and no sentry per line.
    std::streambuf* const buffer = out_.rdbuf();
    const auto size = static_cast<std::streamsize>(text.size());
    const bool written = out_.good() && buffer != nullptr &&
                         buffer->sputn(text.data(), size) == size && buffer->sputn("\r\n", 2) == 2;
    if (!written) {
        out_.setstate(std::ios::badbit);
        throw CalcError("the report file cannot be written");
    }
}

}  // namespace tarnex
