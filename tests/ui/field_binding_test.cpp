#include "presenter_fixture.h"

namespace tarnex::ui::testing {
namespace {

using FieldBindingTest = PresenterTest;

TEST_F(FieldBindingTest, EachSourceBoxDerivesItsOwnFieldsInEnglishUnitsOnly) {
    data.prestressing = Prestressing::PostTensioning;
    Type("txtCSps", "4000");
    EXPECT_EQ(data.ACS1, 2200.0F);           // 0.55 f'ci
    EXPECT_NEAR(data.ATS1, 189.74F, 0.01F);  // 3 sqrt(f'ci), stored unrounded, shown whole
    EXPECT_EQ(Text("txtATS1"), " 190");
    Type("txtBUW", "0.08");
    EXPECT_NEAR(data.M28, 3392302.0F, 0.5F);  // 33 (0.08 x 1728)^1.5 sqrt(4000)
    EXPECT_EQ(data.Mps, data.M28);            // f'c and f'ci are both 4000
    Type("txtSS28", "5000");
    Type("txtSUW", "0.0868");
    EXPECT_NEAR(data.SM28, 4286414.5F, 0.5F);
    EXPECT_EQ(data.M28, 3392302.0F);  // the slab's boxes leave the beam alone
    data.PStype = SteelType::StressRelieved;
    Type("txtPSus", "250000");
    EXPECT_EQ(data.PSys, 212500.0F);  // 0.85 fpu
    EXPECT_EQ(Text("txtPSys"), " 212500");

    // Metric: the concrete rules are for psi, the yield rule holds in any unit.
    data.units = Units::Metric;
    const DesignData before = data;
    for (const char* box : {"txtBUW", "txtCS28", "txtCSps", "txtSUW", "txtSS28"}) Type(box, "25");
    EXPECT_EQ(data.CSps, 25.0F);
    for (const auto& [now, was] : {std::pair{data.M28, before.M28},
                                   {data.Mps, before.Mps},
                                   {data.ACS1, before.ACS1},
                                   {data.ATS2, before.ATS2},
                                   {data.SM28, before.SM28}})
        EXPECT_EQ(now, was);
    data.PStype = SteelType::LowRelaxation;
    Type("txtPSus", "1860");
    EXPECT_EQ(data.PSys, 1674.0F);
}

TEST_F(FieldBindingTest, SourceWithoutARealResultLeavesDerivedFieldsAlone) {
    const float m28 = data.M28, ats2 = data.ATS2, acs2 = data.ACS2;
    Type("txtCS28", "5000x");  // refused: derives nothing
    EXPECT_EQ(data.ACS2, acs2);
    Type("txtCS28", "-4000");  // no square root: the tension allowable and modulus stay
    EXPECT_EQ(data.M28, m28);
    EXPECT_EQ(data.ATS2, ats2);
    EXPECT_EQ(data.ACS2, -1600.0F);
    // 33 (1728 w)^1.5 sqrt(f'c) beyond a float: the weight is stored, the modulus kept.
    Type("txtCS28", "4000");
    Type("txtBUW", "1e30");
    EXPECT_EQ(data.BUW, 1e30F);
    EXPECT_EQ(data.M28, m28);
    EXPECT_EQ(Text("txtM28"), " 3833886");
}

TEST_F(FieldBindingTest, RefusedTextIsMarkedWithTheValueInUseInTheBoxUnit) {
    Type("txtPjack", "250.5");
    EXPECT_EQ(data.Pjack, 250500.0F);
    Type("txtPjack", "0");  // a zero force is a value like any other
    EXPECT_EQ(data.Pjack, 0.0F);
    Type("txtPjack", "2.5");
    for (const char* text : {"", "1e", "-", "2.5e+", "12.5 kips"}) {
        Type("txtPjack", text);
        EXPECT_NE(presenter["txtPjack"].problem, "") << text;
    }
    // 1e36 kips is beyond a float in lb; the force in use stays, named in kips.
    Type("txtPjack", "1e36");
    EXPECT_EQ(data.Pjack, 2500.0F);
    EXPECT_EQ(presenter["txtPjack"].problem,
              "Too large a number to be stored; not stored, the value in use is 2.5 kips");
    EXPECT_EQ(Text("txtPjack"), "1e36");  // what was typed stays in view
    presenter.RefreshForm();              // the design shown again clears the mark
    EXPECT_EQ(presenter["txtPjack"].problem, "");
    EXPECT_EQ(Text("txtPjack"), "2.5");
    Type("txtYm", " 1 2");
    EXPECT_EQ(data.Ym, 12.0F);
    Type("txtBlength", "3.4e38");
    EXPECT_EQ(data.Blength, 3.4e38F);
}

TEST_F(FieldBindingTest, TypedLossAndPropertiesOverrideTheCalculatedOnes) {
    data.PSlossAt(1) = 31000;
    Type("txtPSloss", "30000");
    EXPECT_EQ(data.PSloss, 30000.0F);
    EXPECT_EQ(data.PSlossAt(1), 0.0F);  // the losses per location are discarded
    presenter.SelectRow("cboBeam", 1);
    presenter.SelectRow("cboSection", 1);
    EXPECT_EQ(Text("txtArea"), " 432");  // properties whole, the centroid to 0.1
    EXPECT_EQ(Text("txtYtop"), " 18.9");
    const std::pair<const char*, float DesignData::*> typed[] = {
        {"txtArea", &DesignData::BeamArea},
        {"txtMoI", &DesignData::BeamMoI},
        {"txtYtop", &DesignData::BeamYtop},
        {"txtYbot", &DesignData::BeamYbot}};
    for (const auto& [box, beam] : typed) {
        Type(box, "17.5");
        EXPECT_EQ(data.*beam, 17.5F) << box;
    }
    EXPECT_EQ(data.SectionNo, 1);
}

TEST_F(FieldBindingTest, ListsSetTheirFieldsButNotWhileTheFormIsFilled) {
    presenter.SelectRow("cboPStype", 0);
    EXPECT_EQ(data.PSloss, 45000.0F);
    EXPECT_EQ(data.PSi, 189000.0F);
    EXPECT_EQ(Text("txtPStrans"), " 18900");
    presenter.SelectRow("cboConfig", 3);
    EXPECT_EQ(data.PathConfig, PathKind::SimpleFixed);
    EXPECT_TRUE(presenter["imgPath3"].visible);
    EXPECT_FALSE(presenter["imgPath0"].visible);
    presenter.SelectRow("cboConfig", 6);  // no such path
    EXPECT_EQ(data.PathConfig, PathKind::SimpleFixed);

    data.FillingForm = 1;
    presenter.SelectRow("cboPStype", 1);
    presenter.SelectRow("cboBeam", 2);
    presenter.SelectRow("cboSection", 3);
    EXPECT_EQ(data.PSloss, 45000.0F);
    EXPECT_EQ(data.BeamShape, BeamShapeKind::General);
    EXPECT_EQ(data.SectionNo, 0);
}

TEST_F(FieldBindingTest, RefreshShowsLoadsInKipsAndChangesNoData) {
    data.locations(1).DM = 1200000;
    data.locations(1).CDP = -5000;
    data.Pjack = 25000;
    data.prestressing = Prestressing::PostTensioning;
    data.BeamShape = BeamShapeKind::BoxGirder;
    data.SectionNo = 7;
    data.Area = 561;
    presenter.RefreshForm();
    EXPECT_EQ(Text("txtDM"), "100.0");
    EXPECT_EQ(Text("txtCDP"), "-5.0");
    EXPECT_EQ(Text("txtPjack"), "25.0");
    EXPECT_TRUE(presenter["fraDucts"].enabled);
    EXPECT_EQ(presenter["cboSection"].selection, 7);
    EXPECT_TRUE(presenter["imgSect2"].visible);
    EXPECT_EQ(data.Area, 561.0F);  // the lists shown raise no selection
    EXPECT_EQ(data.SectionNo, 7);
    EXPECT_EQ(data.FillingForm, 0);
}

TEST_F(FieldBindingTest, SettingAnsweredNoIsSelectedAndItsButtonChecked) {
    presenter.Click("optACI");
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(data.designCriteria, DesignCriteria::ACI);
    EXPECT_TRUE(presenter["optACI"].checked);
    EXPECT_FALSE(presenter["optAASHTO"].checked);
}

TEST_F(FieldBindingTest, UnitsBesideTheBoxesComeFromTheirTooltips) {
    const std::pair<const char*, const char*> units[] = {
        {"Enter unit weight in lbs/in^3", "lb/in\u00b3"},
        {"Enter strength in lbs/in^2", "psi"},
        {"Enter area in mm^2", "mm\u00b2"},
        {"Enter moment of inertia in in^4", "in\u2074"},
        {"Enter depth in millimeters", "mm"},
        {"Enter beam length in inches", "in"},
        {"Enter beam dead load factor", ""}};
    for (const auto& [tip, unit] : units) EXPECT_EQ(UnitOfTooltip(tip), unit) << tip;
    EXPECT_EQ(presenter["txtDM"].unit, "kip-ft");
    // Every dimension box a shape shows is explained.
    for (int shape = 1; shape <= 5; ++shape) {
        presenter.SelectRow("cboBeam", shape);
        for (const char* dim : {"txtD", "txtBtop", "txtHtop", "txtBweb", "txtBbot", "txtFbot"})
            EXPECT_TRUE(!presenter[dim].visible || !presenter[dim].tooltip.empty()) << dim;
    }
    data.units = Units::Metric;
    presenter.SetTooltips();
    EXPECT_EQ(presenter["txtPjack"].tooltip, "Enter initial prestressing force in Newtons");
    EXPECT_EQ(presenter["txtMoI"].unit, "mm\u2074");
}

}  // namespace
}  // namespace tarnex::ui::testing
