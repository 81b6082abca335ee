#include "report/input_echo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/calc_error.h"
#include "model/design_data.h"
#include "report/report_text.h"

namespace tarnex {
namespace {

using testing::AnyLineContains;
using testing::FindLine;
using testing::FindLineStarting;
using testing::ReportLinesOf;
constexpr auto At = testing::TextAt;

/// A pretensioned, non-composite AASHTO I girder with one location.
DesignData MakeGirder() {
    DesignData d;
    d.ForceFactor = kForceFactor;
    d.MomentFactor = kMomentFactor;
    d.BUW = 0.0868F;
    d.CS28 = 5000;
    d.CSps = 4000;
    d.M28 = 4286826;
    d.Mps = 3834254;
    d.SUW = 0.0868F;
    d.SS28 = 4000;
    d.SM28 = 3834254;
    d.RS = 60000;
    d.RM = 29000000;
    d.PStype = 1;
    d.PSdia = 0.5F;
    d.PSus = 270000;
    d.PSys = 243000;
    d.PSmod = 28500000;
    d.K = 0.0002F;
    d.MU = 0.25F;
    d.BeamShape = 1;
    d.SectionNo = 0;
    d.D = 54;
    d.Btop = 16;
    d.Htop = 4;
    d.Bweb = 6;
    d.Bbot = 22;
    d.Hbot = 5;
    d.Ftop = 3;
    d.Fbot = 8;
    d.BeamArea = 369;
    d.BeamMoI = 125390;
    d.BeamYtop = 29.27F;
    d.BeamYbot = 24.73F;
    d.Pjack = 810000;
    d.nll = 1;
    d.RecreateLocations(1);
    LoadLocation& loc = d.locations(1);
    loc.x = 480;
    loc.DV = 25050;  // 25.05 kips exactly in double: prints 25.1
    loc.DM = 6000000;
    loc.DF = 1;
    loc.CDF = 1;
    loc.LP = -1500;
    loc.LM = 3000;  // 0.25 kip-ft
    loc.LF = 1.3F;
    d.ACS1 = 2400;
    d.ATS1 = 189.7367F;
    d.ACS2 = 2250;
    d.ATS2 = 424.26F;
    d.PSi = 202500;
    d.PSloss = 45000.4F;
    d.PStrans = 20250;
    d.Aset = 0.25F;
    d.PathConfig = 1;
    d.Xl = 0.5F;
    d.Yl = 5;
    d.Xm = 600;
    d.Ym = 3.5F;
    d.Xr = 1199.5F;
    d.Yr = 5;
    d.Blength = 1200;
    d.Bspace = 96;
    d.Tslab = 7.5F;
    d.Beff = 96;
    d.Slope = 0.02F;
    d.Haunch = 1;
    return d;
}

std::vector<std::string> EchoOf(const DesignData& d) {
    return ReportLinesOf([&](ReportFile& r) { WriteInputEcho(r, d); });
}

TEST(InputEcho, WholeEchoOfAPretensionedGirder) {
    const std::string rule(53, '=');
    const std::string dash(72, '-');
    const std::vector<std::string> expected = {
        "     P R O G R A M   O P T I O N S",
        "     " + rule,
        "",
        "     Units              = English (inches, pounds)",
        "     Design Criteria    = AASHTO",
        "     Prestressing       = Pretensioning",
        "     Section Properties = Gross",
        "",
        "     M A T E R I A L   P R O P E R T I E S",
        "     " + rule,
        "",
        "     BEAM CONCRETE",
        "",
        "          Unit weight                           = 0.0868",
        "          Compressive strength at 28 days       = 5000.00",
        "          Compressive strength at prestressing  = 4000.00",
        "          Modulus of elasticity at 28 days      = 4286826.",
        "          Modulus of elasticity at prestressing = 3834254.",
        "",
        "     MILD REINFORCING",
        "",
        "          Yield strength                        = 60000.00",
        "          Modulus of elasticity                 = 29000000.",
        "",
        "     PRESTRESSING STEEL",
        "",
        "          Type                                  = Low relaxation strand",
        "          Diameter                              = 0.500",
        "          Ultimate strength                     = 270000.00",
        "          Yield strength                        = 243000.00",
        "          Modulus of elasticity                 = 28500000.",
        "",
        "     S E C T I O N   P R O P E R T I E S",
        "     " + rule,
        "",
        "     BEAM SECTION AND DIMENSIONS",
        "",
        "          I Girder",
        "          User defined",
        "          D    = 54.000",
        "          Btop = 16.000",
        "          Htop = 4.000",
        "          Bweb = 6.000",
        "          Bbot = 22.000",
        "          Hbot = 5.000",
        "          Ftop = 3.000",
        "          Fbot = 8.000",
        "",
        "     BEAM PROPERTIES",
        "",
        "          Area = 369.00",
        "          MoI  = 125390.",
        "          Ytop = 29.270",
        "          Ybot = 24.730",
        "",
        "     L O A D S",
        "     " + rule,
        "     (Units = kip-ft)",
        "",
        "     Initial prestress force  = 810.0",
        "     Number of load locations =  1",
        "",
        "     LOCATION NUMBER  1  AT X =  480",
        "",
        At({{5, "CASE"}, {28, "AXIAL"}, {42, "SHEAR"}, {56, "MOMENT"}, {70, "FACTOR"}}),
        "     " + dash,
        At({{5, "BEAM DEAD"}, {28, "0.0"}, {42, "25.1"}, {56, "500."}, {70, "1.000"}}),
        At({{5, "NON-COMP DEAD"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "1.000"}}),
        At({{5, "COMPOSITE DEAD"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
        At({{5, "LIVE PLUS IMPACT"}, {28, "-1.5"}, {42, "0.0"}, {56, "0."}, {70, "1.300"}}),
        At({{5, "PRESTRESS"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
        At({{5, "SECONDARY PRESTRESS"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
        At({{5, "MISCELLANEOUS"}, {28, "0.0"}, {42, "0.0"}, {56, "0."}, {70, "0.000"}}),
        "",
        "     A L L O W A B L E   S T R E S S   A N D   L O S S",
        "     " + rule,
        "",
        "     ALLOWABLE STRESS",
        "",
        "          Initial concrete compressive stress = 2400.",
        "          Initial concrete tensile stress     = 190.",
        "          Final concrete compressive stress   = 2250.",
        "          Final concrete tensile stress       = 424.",
        "          Initial prestress                   = 202500.",
        "",
        "     PRESTRESS LOSS",
        "",
        "          Total prestress loss                = 45000.",
        "          Prestress loss at time of transfer  = 20250.",
        "          Anchor set                          = 0.250",
        "",
        "     C O N F I G U R A T I O N",
        "     " + rule,
        "",
        "     PRESTRESS PATH",
        "",
        "          Harped",
        At({{10, "Xleft        = 0.5"}, {42, "  Yleft   = 5.000"}}),
        At({{10, "Xmiddle      = 600.0"}, {42, "  Ymiddle = 3.500"}}),
        At({{10, "Xright       = 1199.5"}, {42, "  Yright  = 5.000"}}),
        "",
        "     BEAM CONFIGURATION",
        "",
        "          Beam length          = 1200.000",
        "          Beam spacing         = 96.000",
        "",
    };
    const auto lines = EchoOf(MakeGirder());
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
}

TEST(InputEcho, CompositeAddsSlabGroupsInTheirPlaces) {
    DesignData d = MakeGirder();
    d.Composite = true;
    const auto lines = EchoOf(d);
    const int slab = FindLine(lines, "     SLAB CONCRETE");
    ASSERT_GE(slab, 0);
    EXPECT_EQ(FindLine(lines, "     MILD REINFORCING"), slab + 6);
    EXPECT_EQ(lines[static_cast<std::size_t>(slab + 2)],
              "          Unit weight                           = 0.0868");
    EXPECT_EQ(lines[static_cast<std::size_t>(slab + 3)],
              "          Compressive strength at 28 days       = 4000.00");
    EXPECT_EQ(lines[static_cast<std::size_t>(slab + 4)],
              "          Modulus of elasticity at 28 days      = 3834254.");
    const int config = FindLine(lines, "     SLAB CONFIGURATION");
    ASSERT_GE(config, 0);
    EXPECT_EQ(static_cast<std::size_t>(config) + 7, lines.size());
    EXPECT_EQ(lines[static_cast<std::size_t>(config + 2)],
              "          Slab thickness       = 7.500");
    EXPECT_EQ(lines[static_cast<std::size_t>(config + 3)],
              "          Effective width      = 96.000");
    EXPECT_EQ(lines[static_cast<std::size_t>(config + 4)],
              "          Cross slope          = 0.020");
    EXPECT_EQ(lines[static_cast<std::size_t>(config + 5)],
              "          Average haunch depth = 1.000");
    EXPECT_EQ(lines.back(), "");
}

TEST(InputEcho, CompositeOffHasNoSlabGroupsAtAll) {
    const auto lines = EchoOf(MakeGirder());
    EXPECT_FALSE(AnyLineContains(lines, "SLAB"));
}

TEST(InputEcho, SettingsLinesAndPostTensioningDucts) {
    DesignData d = MakeGirder();
    d.units = Units::Metric;
    d.designCriteria = DesignCriteria::ACI;
    d.prestressing = Prestressing::PostTensioning;
    d.sectionBasis = SectionBasis::Transformed;
    const auto lines = EchoOf(d);
    EXPECT_EQ(lines[3], "     Units              = Metric (millimeters, Newtons)");
    EXPECT_EQ(lines[4], "     Design Criteria    = ACI-318");
    EXPECT_EQ(lines[5], "     Prestressing       = Post-tensioning");
    EXPECT_EQ(lines[6], "     Section Properties = Transformed");
    // Metric omits the units line of the loads.
    EXPECT_FALSE(AnyLineContains(lines, "(Units = kip-ft)"));
    const int loads = FindLine(lines, "     L O A D S");
    EXPECT_EQ(lines[static_cast<std::size_t>(loads + 2)], "");
    const int ducts = FindLine(lines, "     POST-TENSIONING DUCTS");
    ASSERT_GE(ducts, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(ducts + 2)],
              "          Friction wobble coefficient           = 0.0002000");
    EXPECT_EQ(lines[static_cast<std::size_t>(ducts + 3)],
              "          Friction curvature coefficient        = 0.25");
    EXPECT_EQ(lines[static_cast<std::size_t>(ducts + 4)], "");
    EXPECT_EQ(FindLine(lines, "     S E C T I O N   P R O P E R T I E S"), ducts + 5);

    d.designCriteria = DesignCriteria::AREMA;
    EXPECT_EQ(EchoOf(d)[4], "     Design Criteria    = AREMA");
}

TEST(InputEcho, SlabShapesUseTheSharedDimensionFields) {
    DesignData d = MakeGirder();
    d.BeamShape = 3;  // voided slab: W, VNo, VDia are Btop, Htop, Bweb
    d.D = 18;
    d.Btop = 48;
    d.Htop = 2;
    d.Bweb = 10.5F;
    auto lines = EchoOf(d);
    int name = FindLine(lines, "          Voided Slab");
    ASSERT_GE(name, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 1)], "          User defined");
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 2)], "          D    = 18.000");
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 3)], "          W    = 48.000");
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 4)], "          VNo  = 2.000");
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 5)], "          VDia = 10.500");
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 6)], "");

    d.BeamShape = 4;
    lines = EchoOf(d);
    name = FindLine(lines, "          Solid Slab");
    ASSERT_GE(name, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 3)], "          W    = 48.000");
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 4)], "");

    d.BeamShape = 0;
    lines = EchoOf(d);
    name = FindLine(lines, "          General Section");
    ASSERT_GE(name, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 2)], "");
    EXPECT_EQ(FindLineStarting(lines, "          D    = "), -1);

    d.BeamShape = 5;
    lines = EchoOf(d);
    name = FindLine(lines, "          Trapezoidal Box");
    ASSERT_GE(name, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(name + 9)], "          Fbot = 8.000");
}

TEST(InputEcho, ListTextsOutsideTheListAreEmpty) {
    DesignData d = MakeGirder();
    d.PathConfig = 6;
    d.PStype = 0;
    const auto lines = EchoOf(d);
    EXPECT_GE(
        FindLine(lines, "          Type                                  = Stress relieved strand"),
        0);
    const int path = FindLine(lines, "     PRESTRESS PATH");
    EXPECT_EQ(lines[static_cast<std::size_t>(path + 2)], std::string(10, ' '));
}

TEST(InputEcho, LocationNumbersAndDistancesInStrForm) {
    DesignData d = MakeGirder();
    d.nll = 12;
    d.RecreateLocations(12);
    d.locations(12).x = 0.5F;
    d.locations(3).x = 1199.25F;
    const auto lines = EchoOf(d);
    EXPECT_GE(FindLine(lines, "     Number of load locations =  12"), 0);
    EXPECT_GE(FindLine(lines, "     LOCATION NUMBER  12  AT X =  .5"), 0);
    EXPECT_GE(FindLine(lines, "     LOCATION NUMBER  3  AT X =  1199.25"), 0);
    EXPECT_GE(FindLine(lines, "     LOCATION NUMBER  1  AT X =  0"), 0);
}

TEST(InputEcho, ZeroForceFactorIsACalculationError) {
    DesignData d = MakeGirder();
    d.ForceFactor = 0;
    EXPECT_THROW(EchoOf(d), CalcError);
}

TEST(InputEcho, LocationsShorterThanTheCountFailCleanly) {
    DesignData d = MakeGirder();
    d.nll = 2;  // one location stored
    EXPECT_THROW(EchoOf(d), std::out_of_range);
}

}  // namespace
}  // namespace tarnex
