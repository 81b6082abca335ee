#include "model/calc_error.h"
#include "report/capacity_sections.h"

namespace tarnex {

namespace {

const char* const kRule = "=====================================================";
const char* const kDashes = "-----------------------------------------------------";

}  // namespace

void WriteMomentCapacity(ReportFile& report, const DesignData& d,
                         const CheckTable<MomentCapacityRow>& table) {
    report.Write(5, "M O M E N T   C A P A C I T Y");
    report.Write(5, kRule);
    if (d.units == Units::English) report.Write(5, "(Units = kip-ft)");
    report.Empty();
    report.Write(
        ReportLine().Indent(5).Text("X").Zone().Text("Mult").Zone().Text("1.2Mcr").Zone().Text(
            "phiMn"));
    report.Write(5, kDashes);

    const double momentFactor = kMomentFactor;
    for (const MomentCapacityRow& r : table.rows) {
        ReportLine row;
        row.Indent(5)
            .Plain(r.x, "the location")
            .Zone()
            .Pattern(Divide(r.Mult, momentFactor, "the moment factor"), 0, "the factored moment")
            .Zone()
            .Pattern(r.Mcr12 / momentFactor, 0, "the cracking moment")
            .Zone()
            .Pattern(r.phiMn / momentFactor, 0, "the moment capacity")
            .Zone();
        if (r.mildSteel > 0) {
            row.Text("Mild steel = ").Pattern(r.mildSteel, 3, "the mild steel area");
        } else {
            row.Text(r.holds ? "< OK >" : "* NG *");
        }
        report.Write(row);
    }
    if (!table.failure.empty()) throw CalcError(table.failure);
    if (!table.refusal.empty()) {
        report.Write(5, table.refusal);
    }
    report.Empty();
}

}  // namespace tarnex
