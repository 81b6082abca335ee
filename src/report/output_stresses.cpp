#include <cmath>
#include <string>

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

/// Round-off that a stress check forgives: the required force puts a stress exactly on its
/// allowable, and the stored single-precision steps then land within about 1e-4 psi of it.
constexpr double kStressCheckTolerance = 0.01;  // psi

/// A tension check holds when the stress is not below the allowable (negative) less the
/// round-off; a compression check when it is not above the allowable plus the round-off.
bool TensionHolds(double actual, double allowable) {
    return actual >= allowable - kStressCheckTolerance;
}
bool CompressionHolds(double actual, double allowable) {
    return actual <= allowable + kStressCheckTolerance;
}

std::string AllowableText(double allowable) {
    return ReportLine().Pattern(allowable, 0, "an allowable stress").str();
}

}  // namespace

void WriteBeamStresses(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "B E A M   S T R E S S E S");
    report.Empty();
    const std::string rule(58, '-');
    const bool aashto = d.designCriteria == DesignCriteria::AASHTO;
    for (int i = 1; i <= d.nll; ++i) {
        WriteLocationHeading(report, d, i);
        // The loss is shown as a whole number: rounded as by "0.", then in Str form.
        report.Write(
            ReportLine()
                .Indent(5)
                .Text("Prestress loss = ")
                .Str(std::round(static_cast<double>(d.PSlossAt(i))), "the prestress loss"));
        report.Empty();
        report.Write(ReportLine()
                         .Indent(10)
                         .Text("CASE                ")
                         .Zone()
                         .Text("TOP FIBER")
                         .Zone()
                         .Text("BOTTOM FIBER"));
        report.Write(10, rule);

        const double tPSi = d.StopPSi(i), bPSi = d.SbotPSi(i);
        const double tPS = d.StopPS(i), bPS = d.SbotPS(i);
        const double tPS2 = d.StopPS2(i), bPS2 = d.SbotPS2(i);
        const double tD = d.StopD(i), bD = d.SbotD(i);
        const double tCD = d.StopCD(i), bCD = d.SbotCD(i);
        const double tAD = d.StopAD(i), bAD = d.SbotAD(i);
        const double tL = d.StopL(i), bL = d.SbotL(i);
        WriteStressRow(report, "INITIAL PRESTRESS   ", tPSi, bPSi);
        WriteStressRow(report, "FINAL PRESTRESS     ", tPS, bPS);
        WriteStressRow(report, "SECONDARY PRESTRESS ", tPS2, bPS2);
        WriteStressRow(report, "BEAM DEAD           ", tD, bD);
        WriteStressRow(report, "NON-COMP DEAD       ", tCD, bCD);
        WriteStressRow(report, "COMPOSITE DEAD      ", tAD, bAD);
        WriteStressRow(report, "LIVE PLUS IMPACT    ", tL, bL);
        report.Write(10, rule);

        // Load combinations, summed in double in the order of the table.
        WriteStressRow(report, "INIT P/S + BEAM DL  ", tPSi + tD, bPSi + bD);
        const double topDead = tPS + tD + tCD + tAD + tPS2;
        const double botDead = bPS + bD + bCD + bAD + bPS2;
        WriteStressRow(report, "FINAL P/S + TOT DL  ", topDead, botDead);
        if (aashto) {
            const char* label = "LL + (P/S + DL)/2   ";
            report.Write(
                ReportLine().Indent(10).Text(label).Zone().Pattern(topDead / 2 + tL, 0, label));
        }
        WriteStressRow(report, "P/S + ALL LOADS     ", tPS + tD + tCD + tAD + tL + tPS2,
                       bPS + bD + bCD + bAD + bL + bPS2);
        report.Empty();
    }
}

void WriteStressChecks(ReportFile& report, DesignData& d) {
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

    const bool aashto = d.designCriteria == DesignCriteria::AASHTO;
    // Allowable tensions are entered as magnitudes and compared negated.
    const double tension1 = -static_cast<double>(d.ATS1);
    const double tension2 = -static_cast<double>(d.ATS2);
    WriteCheckRow(report, "TENSION (TOP FIBER)    ", d.MinTop, AllowableText(tension1),
                  TensionHolds(d.MinTop, tension1));
    WriteCheckRow(report, "INITIAL COMPRESSION    ", d.MaxInitComp, AllowableText(d.ACS1),
                  CompressionHolds(d.MaxInitComp, d.ACS1));
    WriteCheckRow(report, "FINAL TENSION (DL ONLY)", d.MinFinalDL, "0.",
                  TensionHolds(d.MinFinalDL, 0.0));
    if (aashto) {
        WriteCheckRow(report, "COMP @ (LL + [PS+DL]/2)", d.MaxCompLL, AllowableText(d.ACS2),
                      CompressionHolds(d.MaxCompLL, d.ACS2));
    }
    WriteCheckRow(report, "FINAL TENSION          ", d.MinFinalAll, AllowableText(tension2),
                  TensionHolds(d.MinFinalAll, tension2));
    // AASHTO: the final compression governs as the larger of the service and live load states.
    if (aashto && d.MaxCompLL > d.MaxFinalComp) d.MaxFinalComp = d.MaxCompLL;
    WriteCheckRow(report, "FINAL COMPRESSION      ", d.MaxFinalComp, AllowableText(d.ACS2),
                  CompressionHolds(d.MaxFinalComp, d.ACS2));
    report.Empty();
}

}  // namespace tarnex
