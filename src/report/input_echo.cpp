#include "report/input_echo.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/calc_error.h"
#include "model/input_fields.h"
#include "model/list_texts.h"
#include "model/settings.h"
#include "section/section_catalogue.h"

namespace tarnex {

namespace {

constexpr std::string_view kTitleRule = "=====================================================";

/// One echo item at indent 10: the label followed at once by the value in its pattern.
void WriteItem(ReportFile& report, const char* label, double value, int decimals) {
    report.Write(ReportLine().Indent(10).Text(label).Pattern(value, decimals, label));
}

/// The echo items of one input file line: each field with an echo label, in item order.
void WriteLineItems(ReportFile& report, const DesignData& d, int line) {
    for (const InputField* field : FieldsOfLine(line)) {
        if (field->echoLabel == nullptr) continue;
        WriteItem(report, field->echoLabel, FieldValue(d, *field), field->echoDecimals);
    }
}

/// A group title in capitals followed by an empty line.
void WriteGroupTitle(ReportFile& report, std::string_view title) {
    report.Write(5, title);
    report.Empty();
}

void WriteProgramOptions(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "P R O G R A M   O P T I O N S");
    report.Empty();
    report.Write(5, d.units == Units::English
                        ? "Units              = English (inches, pounds)"
                        : "Units              = Metric (millimeters, Newtons)");
    switch (d.designCriteria) {
        case DesignCriteria::AASHTO:
            report.Write(5, "Design Criteria    = AASHTO");
            break;
        case DesignCriteria::AREMA:
            report.Write(5, "Design Criteria    = AREMA");
            break;
        case DesignCriteria::ACI:
            report.Write(5, "Design Criteria    = ACI-318");
            break;
    }
    report.Write(5, d.prestressing == Prestressing::Pretensioning
                        ? "Prestressing       = Pretensioning"
                        : "Prestressing       = Post-tensioning");
    report.Write(5, d.sectionBasis == SectionBasis::Gross ? "Section Properties = Gross"
                                                          : "Section Properties = Transformed");
    report.Empty();
}

void WriteMaterials(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "M A T E R I A L   P R O P E R T I E S");
    report.Empty();

    const bool post = d.prestressing == Prestressing::PostTensioning;
    WriteGroupTitle(report, "BEAM CONCRETE");
    WriteLineItems(report, d, kBeamConcreteLine);
    report.Empty();

    if (FileHasLine(kSlabConcreteLine, d.Composite, post)) {
        WriteGroupTitle(report, "SLAB CONCRETE");
        WriteLineItems(report, d, kSlabConcreteLine);
        report.Empty();
    }

    WriteGroupTitle(report, "MILD REINFORCING");
    WriteLineItems(report, d, kMildSteelLine);
    report.Empty();

    WriteGroupTitle(report, "PRESTRESSING STEEL");
    report.Write(10, "Type                                  = " +
                         ListText(kSteelTypeTexts, static_cast<int>(d.PStype)));
    WriteLineItems(report, d, kPrestressingSteelLine);
    report.Empty();

    if (FileHasLine(kDuctsLine, d.Composite, post)) {
        WriteGroupTitle(report, "POST-TENSIONING DUCTS");
        WriteLineItems(report, d, kDuctsLine);
        report.Empty();
    }
}

/// The eight dimensions of the I girder, box girder and trapezoidal box.
void WriteGirderDimensions(ReportFile& report, const DesignData& d) {
    WriteLineItems(report, d, kDimensionsLine);
}

void WriteShapeLines(ReportFile& report, const DesignData& d) {
    const auto writeName = [&](std::string_view shapeName) {
        report.Write(10, shapeName);
        report.Write(10, SectionListText(d.BeamShape, d.SectionNo));
    };
    // The slab fields W, VNo and VDia share the storage of Btop, Htop and Bweb.
    switch (d.BeamShape) {
        case BeamShapeKind::General:
            writeName("General Section");
            break;
        case BeamShapeKind::IGirder:
            writeName("I Girder");
            WriteGirderDimensions(report, d);
            break;
        case BeamShapeKind::BoxGirder:
            writeName("Box Girder");
            WriteGirderDimensions(report, d);
            break;
        case BeamShapeKind::VoidedSlab:
            writeName("Voided Slab");
            WriteItem(report, "D    = ", d.D, 3);
            WriteItem(report, "W    = ", d.Btop, 3);
            WriteItem(report, "VNo  = ", d.Htop, 3);
            WriteItem(report, "VDia = ", d.Bweb, 3);
            break;
        case BeamShapeKind::SolidSlab:
            writeName("Solid Slab");
            WriteItem(report, "D    = ", d.D, 3);
            WriteItem(report, "W    = ", d.Btop, 3);
            break;
        case BeamShapeKind::TrapezoidalBox:
            writeName("Trapezoidal Box");
            WriteGirderDimensions(report, d);
            break;
        default:
            break;  // a shape outside the list has no lines
    }
}

void WriteSection(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "S E C T I O N   P R O P E R T I E S");
    report.Empty();
    WriteGroupTitle(report, "BEAM SECTION AND DIMENSIONS");
    WriteShapeLines(report, d);
    report.Empty();

    WriteGroupTitle(report, "BEAM PROPERTIES");
    WriteLineItems(report, d, kBeamPropertiesLine);
    report.Empty();
}

/// One row of a location's load table: label, axial and shear in kips, moment in kip-ft,
/// load factor.
void WriteLoadRow(ReportFile& report, const char* label, ConstLoadValues values, double force,
                  double moment) {
    report.Write(ReportLine()
                     .Indent(5)
                     .Text(label)
                     .Zone()
                     .Pattern(*values.P / force, 1, "an axial force")
                     .Zone()
                     .Pattern(*values.V / force, 1, "a shear")
                     .Zone()
                     .Pattern(*values.M / moment, 0, "a moment")
                     .Zone()
                     .Pattern(*values.F, 3, "a load factor"));
}

constexpr std::array<const char*, kLoadCaseCount> kCaseLabels = {
    "BEAM DEAD           ", "NON-COMP DEAD       ", "COMPOSITE DEAD      ", "LIVE PLUS IMPACT    ",
    "PRESTRESS           ", "SECONDARY PRESTRESS ", "MISCELLANEOUS       "};

void WriteLoads(ReportFile& report, const DesignData& d) {
    const double force = kForceFactor;
    const double moment = kMomentFactor;
    WriteSectionTitle(report, "L O A D S");
    if (d.units == Units::English) report.Write(5, "(Units = kip-ft)");
    report.Empty();
    report.Write(
        ReportLine()
            .Indent(5)
            .Text("Initial prestress force  = ")
            .Pattern(static_cast<double>(d.Pjack) / force, 1, "the initial prestress force"));
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("Number of load locations = ")
                     .Str(d.nll, "the number of load locations"));
    report.Empty();

    const std::string rule(72, '-');
    for (int i = 1; i <= d.nll; ++i) {
        const LoadLocation& loc = d.locations(i);
        WriteLocationHeading(report, d, i);
        report.Empty();
        report.Write(ReportLine()
                         .Indent(5)
                         .Text("CASE                ")
                         .Zone()
                         .Text("AXIAL")
                         .Zone()
                         .Text("SHEAR")
                         .Zone()
                         .Text("MOMENT")
                         .Zone()
                         .Text("FACTOR"));
        report.Write(5, rule);
        for (int c = 0; c < kLoadCaseCount; ++c) {
            WriteLoadRow(report, kCaseLabels[c], ValuesOf(loc, kLoadCases[c]), force, moment);
        }
        report.Empty();
    }
}

void WriteAllowables(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "A L L O W A B L E   S T R E S S   A N D   L O S S");
    report.Empty();
    WriteGroupTitle(report, "ALLOWABLE STRESS");
    WriteLineItems(report, d, kAllowableStressLine);
    report.Empty();
    WriteGroupTitle(report, "PRESTRESS LOSS");
    WriteLineItems(report, d, kLossLine);
    report.Empty();
}

/// The key points of the path, one line each: an X item, a zone step and a Y item.
void WritePathPoints(ReportFile& report, const DesignData& d) {
    const std::vector<const InputField*> items = FieldsOfLine(kPathPointsLine);
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
        const InputField& x = *items[i];
        const InputField& y = *items[i + 1];
        report.Write(ReportLine()
                         .Indent(10)
                         .Text(x.echoLabel)
                         .Pattern(FieldValue(d, x), x.echoDecimals, x.echoLabel)
                         .Zone()
                         .Text(y.echoLabel)
                         .Pattern(FieldValue(d, y), y.echoDecimals, y.echoLabel));
    }
}

void WriteConfiguration(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "C O N F I G U R A T I O N");
    report.Empty();
    WriteGroupTitle(report, "PRESTRESS PATH");
    report.Write(10, ListText(kPathConfigTexts, static_cast<int>(d.PathConfig)));
    WritePathPoints(report, d);
    report.Empty();
    WriteGroupTitle(report, "BEAM CONFIGURATION");
    WriteLineItems(report, d, kBeamConfigurationLine);
    report.Empty();

    if (FileHasLine(kSlabConfigurationLine, d.Composite,
                    d.prestressing == Prestressing::PostTensioning)) {
        WriteGroupTitle(report, "SLAB CONFIGURATION");
        WriteLineItems(report, d, kSlabConfigurationLine);
        report.Empty();
    }
}

}  // namespace

void WriteSectionTitle(ReportFile& report, std::string_view title) {
    report.Write(5, title);
    report.Write(5, kTitleRule);
}

void WriteLocationHeading(ReportFile& report, const DesignData& data, int i) {
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("LOCATION NUMBER ")
                     .Str(i, "the location number")
                     .Text("  AT X = ")
                     .Str(data.locations(i).x, "the location distance"));
}

void WriteInputEcho(ReportFile& report, const DesignData& data) {
    WriteProgramOptions(report, data);
    WriteMaterials(report, data);
    WriteSection(report, data);
    WriteLoads(report, data);
    WriteAllowables(report, data);
    WriteConfiguration(report, data);
}

}  // namespace tarnex
