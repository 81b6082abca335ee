#include "report/capacity_sections.h"

namespace tarnex {

void WriteDeflections(ReportFile& report, const DeflectionResults& deflections) {
    if (!deflections.refusal.empty()) return;
    report.Write(5, "B E A M   D E F L E C T I O N S");
    report.Write(5, "=====================================================");
    report.Empty();
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("Initial prestress deflection     = ")
                     .Pattern(deflections.initialPrestress, 3, "the initial prestress deflection"));
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("Final prestress deflection       = ")
                     .Pattern(deflections.finalPrestress, 3, "the final prestress deflection"));
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("Simple beam dead load deflection = ")
                     .Pattern(deflections.deadLoad, 3, "the dead load deflection"));
    report.Empty();
}

}  // namespace tarnex
