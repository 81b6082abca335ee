#include <utility>

#include "presenter_fixture.h"

namespace tarnex::ui::testing {
namespace {

using FormRefreshTest = PresenterTest;

TEST_F(FormRefreshTest, StartUpShowsTheDefaults) {
    const std::pair<const char*, const char*> shown[] = {
        {"txtM28", " 3833886"},   {"txtMps", " 3833886"},
        {"txtBUW", " 0.0868"},    {"txtRM", " 2.9E+07"},
        {"txtACS1", " 2400"},     {"txtATS1", " 190"},
        {"txtACS2", " 1600"},     {"txtATS2", " 379"},
        {"txtPSi", " 202500"},    {"txtPSloss", " 35000"},
        {"txtPStrans", " 16200"}, {"txtnll", " 1"},
        {"txtPjack", "0.0"},      {"fraLocation", "LOCATION NO  1"},
        {"txtx", " 0"},
    };
    for (const auto& [box, text] : shown) EXPECT_EQ(Text(box), text) << box;
    for (const char* prefix : {"D", "CD", "AD", "L", "PS", "PS2", "M"}) {
        const std::string p = prefix;
        EXPECT_EQ(Text("txt" + p + "P"), "0.0") << p;
        EXPECT_EQ(Text("txt" + p + "V"), "0.0") << p;
        EXPECT_EQ(Text("txt" + p + "M"), "0.0") << p;
        EXPECT_EQ(Text("txt" + p + "F"), " 0") << p;
    }
    EXPECT_EQ(presenter["cboPStype"].selection, 1);
    EXPECT_EQ(presenter["cboConfig"].items.at(2), "Simple-Simple Parabolic");
    EXPECT_TRUE(presenter["imgSect0"].visible);
    EXPECT_TRUE(presenter["imgPath0"].visible);
    EXPECT_FALSE(presenter["fraSlabConcrete"].enabled);
    EXPECT_FALSE(presenter["fraSlabConfig"].enabled);
    EXPECT_FALSE(presenter["fraDucts"].enabled);
}

TEST_F(FormRefreshTest, LoadsAreShownInKipsAndKipFeetPostTensioningEnablesTheDucts) {
    data.locations(1).DM = 1200000;
    data.locations(1).CDP = -5000;
    data.locations(1).DF = 1.3F;
    data.Pjack = 25000;
    data.prestressing = Prestressing::PostTensioning;
    presenter.RefreshForm();
    EXPECT_EQ(Text("txtDM"), "100.0");
    EXPECT_EQ(Text("txtCDP"), "-5.0");
    EXPECT_EQ(Text("txtDF"), " 1.3");
    EXPECT_EQ(Text("txtPjack"), "25.0");
    EXPECT_TRUE(presenter["fraDucts"].enabled);
}

TEST_F(FormRefreshTest, MetricDesignIsNotShown) {
    data.units = Units::Metric;
    data.BUW = 2.4e-5F;
    data.FillingForm = 1;
    presenter.RefreshForm();
    EXPECT_EQ(Text("txtBUW"), " 0.0868");
    EXPECT_EQ(data.FillingForm, 0);
}

TEST_F(FormRefreshTest, ListSelectionsDuringRefreshChangeNoData) {
    data.BeamShape = BeamShapeKind::BoxGirder;
    data.SectionNo = 7;
    data.D = 27;
    data.Area = 561;
    presenter.RefreshForm();
    EXPECT_EQ(presenter["cboBeam"].selection, 2);
    EXPECT_EQ(presenter["cboSection"].selection, 7);
    EXPECT_EQ(data.Area, 561.0F);
    EXPECT_EQ(data.SectionNo, 7);
    EXPECT_TRUE(presenter["imgSect2"].visible);
    EXPECT_FALSE(presenter["imgSect0"].visible);
}

TEST_F(FormRefreshTest, SectionInputsFollowTheShape) {
    presenter.SelectRow("cboBeam", 2);
    presenter.SelectRow("cboSection", 1);
    EXPECT_EQ(data.D, 27.0F);
    EXPECT_EQ(data.Btop, 36.0F);
    EXPECT_EQ(data.Fbot, 3.0F);
    EXPECT_EQ(data.Area, 0.0F);
    EXPECT_EQ(data.BeamArea, 0.0F);
    EXPECT_EQ(data.BeamYbot, 0.0F);
    EXPECT_EQ(Text("txtD"), " 27");
    EXPECT_EQ(Text("txtArea"), " 0");

    // The voided slab names four boxes and hides the rest.
    presenter.SelectRow("cboBeam", 3);
    EXPECT_TRUE(presenter["imgSect3"].visible);
    EXPECT_FALSE(presenter["imgSect2"].visible);
    const std::pair<const char*, const char*> captions[] = {
        {"D", "D"}, {"Btop", "W"}, {"Htop", "VNo"}, {"Bweb", "VDia"}};
    for (const auto& [dim, caption] : captions) {
        EXPECT_TRUE(presenter[std::string("txt") + dim].visible) << dim;
        EXPECT_EQ(Text(std::string("lbl") + dim), caption);
    }
    for (const char* hidden : {"Bbot", "Hbot", "Ftop", "Fbot"}) {
        EXPECT_FALSE(presenter[std::string("txt") + hidden].visible) << hidden;
        EXPECT_FALSE(presenter[std::string("lbl") + hidden].visible) << hidden;
    }
    presenter.SelectRow("cboSection", 9);
    const float d9 = data.D, w9 = data.Btop, n9 = data.Htop, v9 = data.Bweb;
    presenter.SelectRow("cboSection", 3);
    EXPECT_EQ(data.D, d9);
    EXPECT_EQ(data.Btop, w9);
    EXPECT_EQ(data.Htop, n9);
    EXPECT_EQ(data.Bweb, v9);

    presenter.SelectRow("cboBeam", 4);
    EXPECT_EQ(presenter["cboSection"].items, std::vector<std::string>{"User defined"});
    EXPECT_EQ(presenter["cboSection"].selection, 0);
    EXPECT_TRUE(presenter["txtBtop"].visible);
    EXPECT_EQ(Text("lblBtop"), "W");
    EXPECT_FALSE(presenter["txtHtop"].visible);

    presenter.SelectRow("cboBeam", 0);
    for (const char* dim : {"D", "Btop", "Htop", "Bweb", "Bbot", "Hbot", "Ftop", "Fbot"}) {
        EXPECT_FALSE(presenter[std::string("txt") + dim].visible) << dim;
    }
    EXPECT_EQ(presenter["cboSection"].items.size(), 1U);
}

TEST_F(FormRefreshTest, PropertiesShowWholeAndTwoDecimals) {
    presenter.SelectRow("cboBeam", 1);
    presenter.SelectRow("cboSection", 1);
    EXPECT_EQ(Text("txtArea"), " 432");
    EXPECT_EQ(Text("txtMoI"), " 63300");
    EXPECT_EQ(Text("txtYtop"), " 18.9");
    presenter.SelectRow("cboSection", 2);
    EXPECT_EQ(Text("txtYtop"), " 22");
    EXPECT_EQ(Text("lblFbot"), "Fbot");
}

}  // namespace
}  // namespace tarnex::ui::testing
