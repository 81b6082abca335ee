#include "presenter_fixture.h"

namespace tarnex::ui::testing {
namespace {

using TooltipsTest = PresenterTest;

TEST_F(TooltipsTest, StartUpSetsEnglishTextsAndNoDimensionTips) {
    EXPECT_EQ(presenter["optAREA"].tooltip, "AREMA (2002) design criteria");
    EXPECT_EQ(presenter["cmdCalc"].tooltip, "Perform calculations");
    EXPECT_EQ(presenter["chkUShear"].tooltip, "Check to output ultimate shear calculations");
    EXPECT_EQ(presenter["txtBUW"].tooltip, "Enter unit weight in lbs/in^3");
    EXPECT_EQ(presenter["txtK"].tooltip, "Enter friction wobble coefficient in 1/in");
    EXPECT_EQ(presenter["txtPjack"].tooltip, "Enter initial prestressing force in kips");
    EXPECT_EQ(presenter["txtPS2M"].tooltip, "Enter secondary prestress load moment in kip-ft");
    EXPECT_EQ(presenter["txtLF"].tooltip, "Enter live load plus impact load factor");
    EXPECT_EQ(presenter["txtPSloss"].tooltip,
              "Enter total prestress loss (excluding friction and anchor set) in lbs/in^2");
    for (const char* dim : {"D", "Btop", "Htop", "Bweb", "Bbot", "Hbot", "Ftop", "Fbot"}) {
        EXPECT_FALSE(presenter[std::string("txt") + dim].visible) << dim;  // General Section
    }
}

TEST_F(TooltipsTest, DimensionTipsAndUnitsFollowTheChosenShape) {
    presenter.SelectRow("cboBeam", 1);
    EXPECT_EQ(presenter["txtHtop"].tooltip, "Enter top flange thickness in inches");
    EXPECT_EQ(presenter["txtFbot"].tooltip, "Enter bottom fillet depth in inches");
    EXPECT_EQ(presenter["txtHtop"].unit, "in");
    presenter.SelectRow("cboBeam", 3);
    EXPECT_EQ(presenter["txtHtop"].tooltip, "Enter number of voids");
    EXPECT_EQ(presenter["txtHtop"].unit, "");
    EXPECT_EQ(presenter["txtBweb"].tooltip, "Enter void diameter in inches");
    // Every box the shape shows has a tooltip.
    for (int shape = 1; shape <= 5; ++shape) {
        presenter.SelectRow("cboBeam", shape);
        for (const char* dim : {"D", "Btop", "Htop", "Bweb", "Bbot", "Hbot", "Ftop", "Fbot"}) {
            const ControlState& box = presenter[std::string("txt") + dim];
            if (box.visible) {
                EXPECT_NE(box.tooltip, "") << shape << dim;
            }
        }
    }
}

TEST_F(TooltipsTest, UnitsBesideTheBoxesComeFromTheirTooltips) {
    const std::pair<const char*, const char*> units[] = {{"txtBUW", "lb/in\u00b3"},
                                                         {"txtCS28", "psi"},
                                                         {"txtArea", "in\u00b2"},
                                                         {"txtMoI", "in\u2074"},
                                                         {"txtPjack", "kips"},
                                                         {"txtDM", "kip-ft"},
                                                         {"txtSlope", "degrees"},
                                                         {"txtK", "1/in"},
                                                         {"txtx", "in"},
                                                         {"txtnll", ""},
                                                         {"txtDF", ""},
                                                         {"txtMU", ""}};
    for (const auto& [box, unit] : units) EXPECT_EQ(presenter[box].unit, unit) << box;
    EXPECT_EQ(UnitOfTooltip("Enter area in mm^2"), "mm\u00b2");
}

TEST_F(TooltipsTest, MetricTextsReplaceTheUnitWords) {
    data.units = Units::Metric;
    data.BeamShape = BeamShapeKind::IGirder;
    presenter.SetTooltips();
    EXPECT_EQ(presenter["txtPjack"].tooltip, "Enter initial prestressing force in Newtons");
    EXPECT_EQ(presenter["txtDM"].tooltip, "Enter beam dead load moment in N-mm");
    EXPECT_EQ(presenter["txtHaunch"].tooltip, "Enter haunch depth in millimeters");
    EXPECT_EQ(presenter["txtBUW"].tooltip, "Enter unit weight in N/mm^3");
    EXPECT_EQ(presenter["txtCS28"].tooltip, "Enter concrete compressive strength in N/mm^2");
    EXPECT_EQ(presenter["txtArea"].tooltip, "Enter area in mm^2");
    EXPECT_EQ(presenter["txtMoI"].tooltip, "Enter moment of inertia in mm^4");
    EXPECT_EQ(presenter["txtK"].tooltip, "Enter friction wobble coefficient in 1/mm");
    EXPECT_EQ(presenter["txtD"].tooltip, "Enter depth in millimeters");
    EXPECT_EQ(presenter["txtSlope"].tooltip, "Enter slab slope from horizontal in degrees");
    EXPECT_EQ(presenter["txtDF"].tooltip, "Enter beam dead load factor");
    EXPECT_EQ(presenter["optMetric"].tooltip, "Select Metric units");
}

}  // namespace
}  // namespace tarnex::ui::testing
