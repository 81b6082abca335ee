#include "report/input_echo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/calc_error.h"
#include "model/design_data.h"
#include "report/report_designs.h"

namespace tarnex {
namespace {

using testing::AnyLineContains;
using testing::FindLine;
using testing::LinesFrom;
using testing::ReportLinesOf;
constexpr auto At = testing::TextAt;
using Lines = std::vector<std::string>;

/// A pretensioned, non-composite AASHTO I girder with one location.
DesignData MakeGirder() {
    DesignData d;
    testing::SetGirderMaterials(d);
    d.SUW = 0.0868F;
    d.SS28 = 4000;
    d.SM28 = 3834254;
    d.K = 0.0002F;
    d.MU = 0.25F;
    d.BeamShape = BeamShapeKind::IGirder;
    d.D = 54;
    d.Btop = 16;
    d.Htop = 4;
    d.Bweb = 6;
    d.Bbot = 22;
    d.Hbot = 5;
    d.Ftop = 3;
    d.Fbot = 8;
    d.nll = 1;
    d.RecreateLocations(1);
    LoadLocation& loc = d.locations(1);
    loc.x = 480;
    loc.DV = 25050;  // 25.05 kips exactly in double: prints 25.1
    loc.DM = 6000000;
    loc.DF = loc.CDF = 1;
    loc.LP = -1500;
    loc.LM = 3000;  // 0.25 kip-ft
    loc.LF = 1.3F;
    d.ATS1 = 189.7367F;
    d.ATS2 = 424.26F;
    d.PSloss = 45000.4F;
    d.Aset = 0.25F;
    d.PathConfig = PathKind::Harped;
    d.Xl = 0.5F;
    d.Xm = 600;
    d.Ym = 3.5F;
    d.Xr = 1199.5F;
    d.Yl = d.Yr = 5;
    d.Beff = 96;
    d.Tslab = 7.5F;
    d.Slope = 0.02F;
    d.Haunch = 1;
    return d;
}

std::vector<std::string> EchoOf(const DesignData& d) {
    return ReportLinesOf([&](ReportFile& r) { WriteInputEcho(r, d); });
}

// Every group's layout and labels are compared line by line in the golden reports of the
// examples; here the groups whose values round, carry a sign or are left at 0.
TEST(InputEcho, LoadsAllowablesAndPathOfAPretensionedGirder) {
    const auto lines = EchoOf(MakeGirder());
    EXPECT_EQ(
        LinesFrom(lines, FindLine(lines, "     L O A D S"), 19),
        Lines(
            {"     L O A D S", "     " + std::string(53, '='), "     (Units = kip-ft)", "",
             "     Initial prestress force  = 810.0", "     Number of load locations =  1", "",
             "     LOCATION NUMBER  1  AT X =  480", "",
             At({{5, "CASE"}, {28, "AXIAL"}, {42, "SHEAR"}, {56, "MOMENT"}, {70, "FACTOR"}}),
             "     " + std::string(72, '-'),
             At({{5, "BEAM DEAD"}, {28, "0.0"}, {42, "25.1"}, {56, "500."}, {70, "1.000"}}),
             At({{5, "NON-COMP DEAD"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "1.000"}}),
             At({{5, "COMPOSITE DEAD"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
             At({{5, "LIVE PLUS IMPACT"}, {28, "-1.5"}, {42, "0.0"}, {56, "0."}, {70, "1.300"}}),
             At({{5, "PRESTRESS"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
             At({{5, "SECONDARY PRESTRESS"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
             At({{5, "MISCELLANEOUS"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}), ""}));
    EXPECT_EQ(
        LinesFrom(lines, FindLine(lines, "     ALLOWABLE STRESS"), 14),
        Lines({"     ALLOWABLE STRESS", "", "          Initial concrete compressive stress = 2400.",
               "          Initial concrete tensile stress     = 190.",
               "          Final concrete compressive stress   = 2250.",
               "          Final concrete tensile stress       = 424.",
               "          Initial prestress                   = 202500.", "", "     PRESTRESS LOSS",
               "", "          Total prestress loss                = 45000.",
               "          Prestress loss at time of transfer  = 20250.",
               "          Anchor set                          = 0.250", ""}));
    EXPECT_EQ(LinesFrom(lines, FindLine(lines, "     PRESTRESS PATH"), 6),
              Lines({"     PRESTRESS PATH", "", "          Harped",
                     At({{10, "Xleft        = 0.5"}, {42, "  Yleft   = 5.000"}}),
                     At({{10, "Xmiddle      = 600.0"}, {42, "  Ymiddle = 3.500"}}),
                     At({{10, "Xright       = 1199.5"}, {42, "  Yright  = 5.000"}})}));
}

TEST(InputEcho, SettingsLinesAndPostTensioningDucts) {
    DesignData d = MakeGirder();
    d.units = Units::Metric;
    d.designCriteria = DesignCriteria::ACI;
    d.prestressing = Prestressing::PostTensioning;
    d.sectionBasis = SectionBasis::Transformed;
    const auto lines = EchoOf(d);
    EXPECT_EQ(
        LinesFrom(lines, 3, 4),
        Lines({"     Units              = Metric (millimeters, Newtons)",
               "     Design Criteria    = ACI-318", "     Prestressing       = Post-tensioning",
               "     Section Properties = Transformed"}));
    // Metric omits the units line of the loads.
    EXPECT_FALSE(AnyLineContains(lines, "(Units = kip-ft)"));
    EXPECT_EQ(LinesFrom(lines, FindLine(lines, "     L O A D S"), 3),
              Lines({"     L O A D S", "     " + std::string(53, '='), ""}));
    EXPECT_EQ(LinesFrom(lines, FindLine(lines, "     POST-TENSIONING DUCTS"), 6),
              Lines({"     POST-TENSIONING DUCTS", "",
                     "          Friction wobble coefficient           = 0.0002000",
                     "          Friction curvature coefficient        = 0.25", "",
                     "     S E C T I O N   P R O P E R T I E S"}));

    d.designCriteria = DesignCriteria::AREMA;
    EXPECT_EQ(EchoOf(d)[4], "     Design Criteria    = AREMA");
}

TEST(InputEcho, ListTextsOutsideTheListAreEmpty) {
    DesignData d = MakeGirder();
    d.PathConfig = static_cast<PathKind>(6);
    d.PStype = SteelType::StressRelieved;
    const auto lines = EchoOf(d);
    EXPECT_GE(
        FindLine(lines, "          Type                                  = Stress relieved strand"),
        0);
    const int path = FindLine(lines, "     PRESTRESS PATH");
    EXPECT_EQ(LinesFrom(lines, path + 2, 1), Lines({std::string(10, ' ')}));
}

TEST(InputEcho, ZeroForceFactorAndMissingLocationsFailCleanly) {
    DesignData d = MakeGirder();
    d.ForceFactor = 0;
    EXPECT_THROW(EchoOf(d), CalcError);
    d = MakeGirder();
    d.nll = 2;  // one location stored
    EXPECT_THROW(EchoOf(d), std::out_of_range);
}

}  // namespace
}  // namespace tarnex
