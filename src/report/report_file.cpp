#include "report/report_file.h"

#include "model/calc_error.h"

namespace tarnex {

void ReportFile::Write(std::string_view text) {
    out_ << text << "\r\n";
    if (!out_) throw CalcError("the report file cannot be written");
}

}  // namespace tarnex
