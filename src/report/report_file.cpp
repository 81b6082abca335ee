#include "report/report_file.h"

#include <ios>
#include <streambuf>
#include <string>

#include "model/calc_error.h"
#include "model/number_text.h"

namespace tarnex {

ReportLine& ReportLine::Pattern(double value, int decimals, const char* what) {
    return Text(FormatPattern(Printable(value, what), decimals));
}

ReportLine& ReportLine::Str(double value, const char* what) {
    return Text(StrForm(Printable(value, what)));
}

ReportLine& ReportLine::Plain(double value, const char* what) {
    return Text(PlainNumber(Printable(value, what)));
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
