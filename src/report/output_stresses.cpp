#include <cmath>
#include <string>

#include "model/design_code.h"
#include "report/input_echo.h"
#include "report/output_data.h"

namespace tarnex {

namespace {

/// One stress row: label, top fiber and bottom fiber in psi.
void WriteStressRow(ReportFile& report, const char* label, double top, double bottom) {
    report.Write(ReportLine()
                     .Indent(10)
                     .Text(label)
                     .Zone()
                     .Pattern(top, 0, label)
                     .Zone()
                     .Pattern(bottom, 0, label));
}

/// One check row: label, actual stress, allowable text and verdict.
void WriteCheckRow(ReportFile& report, const char* label, double actual,
                   const std::string& allowable, bool holds) {
    report.Write(ReportLine()
                     .Indent(10)
                     .Text(label)
                     .Zone()
                     .Pattern(actual, 0, label)
                     .Zone()
                     .Text(allowable)
                     .Zone()
                     .Text(holds ? "< OK >" : "* NG *"));
}

std::string AllowableText(double allowable) {
    return ReportLine().Pattern(allowable, 0, "an allowable stress").str();
}

}  // namespace

void WriteBeamStresses(ReportFile& report, const DesignData& d, const CalcValues& v,
                       const CheckTable<StressCombinations>& combinations) {
    WriteSectionTitle(report, "B E A M   S T R E S S E S");
    report.Empty();
    const std::string rule(58, '-');
    const bool liveLoadCompression = CodeOf(d.designCriteria).ChecksLiveLoadCompression();
    for (int i = 1; i <= d.nll; ++i) {
        WriteLocationHeading(report, d, i);
        // The loss is shown as a whole number: rounded as by "0.", then in Str form.
        report.Write(
            ReportLine()
                .Indent(5)
                .Text("Prestress loss = ")
                .Str(std::round(static_cast<double>(v.PSlossAt(i))), "the prestress loss"));
        report.Empty();
        report.Write(ReportLine()
                         .Indent(10)
                         .Text("CASE                ")
                         .Zone()
                         .Text("TOP FIBER")
                         .Zone()
                         .Text("BOTTOM FIBER"));
        report.Write(10, rule);

        WriteStressRow(report, "INITIAL PRESTRESS   ", v.StopPSi(i), v.SbotPSi(i));
        WriteStressRow(report, "FINAL PRESTRESS     ", v.StopPS(i), v.SbotPS(i));
        WriteStressRow(report, "SECONDARY PRESTRESS ", v.StopPS2(i), v.SbotPS2(i));
        WriteStressRow(report, "BEAM DEAD           ", v.StopD(i), v.SbotD(i));
        WriteStressRow(report, "NON-COMP DEAD       ", v.StopCD(i), v.SbotCD(i));
        WriteStressRow(report, "COMPOSITE DEAD      ", v.StopAD(i), v.SbotAD(i));
        WriteStressRow(report, "LIVE PLUS IMPACT    ", v.StopL(i), v.SbotL(i));
        report.Write(10, rule);

        const StressCombinations& c = RowAt(combinations, i);
        WriteStressRow(report, "INIT P/S + BEAM DL  ", c.transfer.top, c.transfer.bottom);
        WriteStressRow(report, "FINAL P/S + TOT DL  ", c.sustained.top, c.sustained.bottom);
        if (liveLoadCompression) {
            const char* label = "LL + (P/S + DL)/2   ";
            report.Write(
                ReportLine().Indent(10).Text(label).Zone().Pattern(c.liveHalfSustained, 0, label));
        }
        WriteStressRow(report, "P/S + ALL LOADS     ", c.service.top, c.service.bottom);
        report.Empty();
    }
    if (!combinations.failure.empty()) throw CalcError(combinations.failure);
}

void WriteStressChecks(ReportFile& report, const std::vector<StressCheck>& checks) {
    report.Write(5, "CHECK CRITICAL CONCRETE STRESSES");
    report.Empty();
    report.Write(ReportLine()
                     .Indent(10)
                     .Text("CASE                   ")
                     .Zone()
                     .Text("ACTUAL")
                     .Zone()
                     .Text("ALLOWABLE"));
    report.Write(10, std::string(58, '-'));
    for (const StressCheck& check : checks) {
        WriteCheckRow(report, check.label, check.actual, AllowableText(check.allowable),
                      check.holds);
    }
    report.Empty();
}

}  // namespace tarnex
