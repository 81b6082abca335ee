#include "model/calc_error.h"
#include "report/capacity_sections.h"

namespace tarnex {

void WriteShearCapacity(ReportFile& report, const DesignData& d,
                        const CheckTable<ShearCapacityRow>& table) {
    if (!table.refusal.empty()) return;
    const double forceFactor = kForceFactor;

    report.Write(5, "S H E A R   C A P A C I T Y");
    report.Write(5, "=====================================================");
    if (d.units == Units::English) report.Write(5, "(Units = kip)");
    report.Empty();
    report.Write(
        ReportLine().Indent(5).Text("X").Zone().Text("Vult").Zone().Text("phiVn").Zone().Text(
            "Av/S"));
    report.Write(5, "-----------------------------------------------------");
    for (const ShearCapacityRow& r : table.rows) {
        ReportLine row;
        row.Indent(5)
            .Plain(r.x, "the location")
            .Zone()
            .Pattern(r.Vu / forceFactor, 1, "the factored shear")
            .Zone()
            .Pattern(r.phiVc / forceFactor, 1, "the shear strength")
            .Zone();
        if (r.widenWeb) {
            row.Text("Need to increase web width");
        } else {
            row.Pattern(r.AvS, 3, "Av/S");
        }
        report.Write(row);
    }
    if (!table.failure.empty()) throw CalcError(table.failure);
}

}  // namespace tarnex
