#include <string>

#include "report/input_echo.h"
#include "report/output_data.h"

namespace tarnex {

namespace {

/// One row of the transformed properties table: beam and composite value.
void WritePropertyRow(ReportFile& report, const char* label, float beam, float composite,
                      int decimals) {
    report.Write(ReportLine()
                     .Indent(10)
                     .Text(label)
                     .Zone()
                     .Pattern(beam, decimals, "a transformed beam property")
                     .Zone()
                     .Pattern(composite, decimals, "a transformed composite property"));
}

/// One row of the prestress forces table.
void WriteForceRow(ReportFile& report, const char* label, double value, int decimals) {
    report.Write(ReportLine().Indent(10).Text(label).Zone().Pattern(value, decimals, label));
}

}  // namespace

void WriteCompositeProperties(ReportFile& report, const CalcValues& v) {
    WriteSectionTitle(report, "C O M P O S I T E   P R O P E R T I E S");
    report.Empty();
    report.Write(
        ReportLine().Indent(5).Text("Area = ").Pattern(v.GCompArea, 0, "the composite area"));
    report.Write(
        ReportLine().Indent(5).Text("MoI  = ").Pattern(v.GCompMoI, 0, "the composite MoI"));
    report.Write(
        ReportLine().Indent(5).Text("Ytop = ").Pattern(v.GCompYtop, 2, "the composite Ytop"));
    report.Write(
        ReportLine().Indent(5).Text("Ybot = ").Pattern(v.GCompYbot, 2, "the composite Ybot"));
    report.Empty();
}

void WriteTransformedProperties(ReportFile& report, const DesignData& d, const CalcValues& v) {
    WriteSectionTitle(report, "T R A N S F O R M E D   P R O P E R T I E S");
    report.Empty();
    const std::string rule(48, '-');
    for (int i = 1; i <= d.nll; ++i) {
        WriteLocationHeading(report, d, i);
        report.Write(ReportLine()
                         .Indent(5)
                         .Text("P/S STEEL LOCATED AT ")
                         .Pattern(v.Ypath(i), 2, "the steel height")
                         .Text("  FROM BOTTOM FIBER"));
        report.Empty();
        report.Write(
            ReportLine().Indent(10).Text("ITEM ").Zone().Text("BEAM").Zone().Text("COMPOSITE"));
        report.Write(10, rule);
        WritePropertyRow(report, "Area ", v.TArea(i), v.TCompArea(i), 0);
        WritePropertyRow(report, "MoI  ", v.TMoI(i), v.TCompMoI(i), 0);
        WritePropertyRow(report, "Ytop ", v.TYtop(i), v.TCompYtop(i), 2);
        WritePropertyRow(report, "Ybot ", v.TYbot(i), v.TCompYbot(i), 2);
        report.Empty();
    }
}

void WritePrestressForces(ReportFile& report, const DesignData& d, const CalcValues& v) {
    const double force = kForceFactor;
    const double moment = kMomentFactor;
    WriteSectionTitle(report, "P R E S T R E S S   F O R C E S");
    if (d.units == Units::English) report.Write(5, "(Units = kip-ft)");
    report.Empty();
    const std::string rule(44, '-');
    const double initialForce = static_cast<double>(d.Pjack) / force;
    for (int i = 1; i <= d.nll; ++i) {
        WriteLocationHeading(report, d, i);
        report.Empty();
        report.Write(ReportLine().Indent(10).Text("CASE               ").Zone().Text("VALUE"));
        report.Write(10, rule);
        WriteForceRow(report, "INITIAL FORCE      ", initialForce, 1);
        WriteForceRow(report, "CABLE ECCENTRICITY ", v.Ecc(i), 2);
        WriteForceRow(report, "FORCE AT TRANSFER  ", v.PforceT(i) / force, 1);
        WriteForceRow(report, "MOMENT AT TRANSFER ", v.PmomT(i) / moment, 0);
        WriteForceRow(report, "FINAL FORCE        ", v.PSP(i) / force, 1);
        WriteForceRow(report, "FINAL MOMENT       ", v.PSM(i) / moment, 0);
        report.Empty();
    }
}

}  // namespace tarnex
