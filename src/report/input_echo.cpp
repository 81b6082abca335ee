#include "report/input_echo.h"

#include <array>
#include <string>

#include "model/calc_error.h"
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

    WriteGroupTitle(report, "BEAM CONCRETE");
    WriteItem(report, "Unit weight                           = ", d.BUW, 4);
    WriteItem(report, "Compressive strength at 28 days       = ", d.CS28, 2);
    WriteItem(report, "Compressive strength at prestressing  = ", d.CSps, 2);
    WriteItem(report, "Modulus of elasticity at 28 days      = ", d.M28, 0);
    WriteItem(report, "Modulus of elasticity at prestressing = ", d.Mps, 0);
    report.Empty();

    if (d.Composite) {
        WriteGroupTitle(report, "SLAB CONCRETE");
        WriteItem(report, "Unit weight                           = ", d.SUW, 4);
        WriteItem(report, "Compressive strength at 28 days       = ", d.SS28, 2);
        WriteItem(report, "Modulus of elasticity at 28 days      = ", d.SM28, 0);
        report.Empty();
    }

    WriteGroupTitle(report, "MILD REINFORCING");
    WriteItem(report, "Yield strength                        = ", d.RS, 2);
    WriteItem(report, "Modulus of elasticity                 = ", d.RM, 0);
    report.Empty();

    WriteGroupTitle(report, "PRESTRESSING STEEL");
    report.Write(10, "Type                                  = " +
                         ListText(kSteelTypeTexts, static_cast<int>(d.PStype)));
    WriteItem(report, "Diameter                              = ", d.PSdia, 3);
    WriteItem(report, "Ultimate strength                     = ", d.PSus, 2);
    WriteItem(report, "Yield strength                        = ", d.PSys, 2);
    WriteItem(report, "Modulus of elasticity                 = ", d.PSmod, 0);
    report.Empty();

    if (d.prestressing == Prestressing::PostTensioning) {
        WriteGroupTitle(report, "POST-TENSIONING DUCTS");
        WriteItem(report, "Friction wobble coefficient           = ", d.K, 7);
        WriteItem(report, "Friction curvature coefficient        = ", d.MU, 2);
        report.Empty();
    }
}

/// The eight dimensions of the I girder, box girder and trapezoidal box.
void WriteGirderDimensions(ReportFile& report, const DesignData& d) {
    WriteItem(report, "D    = ", d.D, 3);
    WriteItem(report, "Btop = ", d.Btop, 3);
    WriteItem(report, "Htop = ", d.Htop, 3);
    WriteItem(report, "Bweb = ", d.Bweb, 3);
    WriteItem(report, "Bbot = ", d.Bbot, 3);
    WriteItem(report, "Hbot = ", d.Hbot, 3);
    WriteItem(report, "Ftop = ", d.Ftop, 3);
    WriteItem(report, "Fbot = ", d.Fbot, 3);
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
    WriteItem(report, "Area = ", d.BeamArea, 2);
    WriteItem(report, "MoI  = ", d.BeamMoI, 0);
    WriteItem(report, "Ytop = ", d.BeamYtop, 3);
    WriteItem(report, "Ybot = ", d.BeamYbot, 3);
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
    WriteItem(report, "Initial concrete compressive stress = ", d.ACS1, 0);
    WriteItem(report, "Initial concrete tensile stress     = ", d.ATS1, 0);
    WriteItem(report, "Final concrete compressive stress   = ", d.ACS2, 0);
    WriteItem(report, "Final concrete tensile stress       = ", d.ATS2, 0);
    WriteItem(report, "Initial prestress                   = ", d.PSi, 0);
    report.Empty();
    WriteGroupTitle(report, "PRESTRESS LOSS");
    WriteItem(report, "Total prestress loss                = ", d.PSloss, 0);
    WriteItem(report, "Prestress loss at time of transfer  = ", d.PStrans, 0);
    WriteItem(report, "Anchor set                          = ", d.Aset, 3);
    report.Empty();
}

/// One line of the path: an X item, a zone step and a Y item.
void WritePathPoint(ReportFile& report, const char* xLabel, float x, const char* yLabel, float y) {
    report.Write(ReportLine()
                     .Indent(10)
                     .Text(xLabel)
                     .Pattern(x, 1, xLabel)
                     .Zone()
                     .Text(yLabel)
                     .Pattern(y, 3, yLabel));
}

void WriteConfiguration(ReportFile& report, const DesignData& d) {
    WriteSectionTitle(report, "C O N F I G U R A T I O N");
    report.Empty();
    WriteGroupTitle(report, "PRESTRESS PATH");
    report.Write(10, ListText(kPathConfigTexts, static_cast<int>(d.PathConfig)));
    WritePathPoint(report, "Xleft        = ", d.Xl, "  Yleft   = ", d.Yl);
    WritePathPoint(report, "Xmiddle      = ", d.Xm, "  Ymiddle = ", d.Ym);
    WritePathPoint(report, "Xright       = ", d.Xr, "  Yright  = ", d.Yr);
    report.Empty();
    WriteGroupTitle(report, "BEAM CONFIGURATION");
    WriteItem(report, "Beam length          = ", d.Blength, 3);
    WriteItem(report, "Beam spacing         = ", d.Bspace, 3);
    report.Empty();

    if (d.Composite) {
        WriteGroupTitle(report, "SLAB CONFIGURATION");
        WriteItem(report, "Slab thickness       = ", d.Tslab, 3);
        WriteItem(report, "Effective width      = ", d.Beff, 3);
        WriteItem(report, "Cross slope          = ", d.Slope, 3);
        WriteItem(report, "Average haunch depth = ", d.Haunch, 3);
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
