#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/calc_error.h"
#include "model/number_text.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;

constexpr int kGeneral = 0, kIGirder = 1, kBox = 2, kVoided = 3, kSolid = 4, kTrapezoid = 5;

DesignData Picked(int shape, int sectionNo) {
    DesignData data;
    SelectBeamShape(data, shape);
    SelectStandardSection(data, sectionNo);
    return data;
}

struct Expected {
    double area, moi, ytop, ybot;
    const char* shown[4];
};

/// Computes and checks the four properties to the digits given, their text box forms and the
/// copy into the beam's gross properties.
void ExpectProperties(DesignData data, const Expected& e, double moiTolerance, double yTolerance,
                      double areaTolerance) {
    ScriptedDialogs dialogs;
    ASSERT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NEAR(data.Area, e.area, areaTolerance);
    EXPECT_NEAR(data.MoI, e.moi, moiTolerance);
    EXPECT_NEAR(data.Ytop, e.ytop, yTolerance);
    EXPECT_NEAR(data.Ybot, e.ybot, yTolerance);
    EXPECT_EQ(ShowRounded(data.Area, 0), e.shown[0]);
    EXPECT_EQ(ShowRounded(data.MoI, 0), e.shown[1]);
    EXPECT_EQ(ShowRounded(data.Ytop, 2), e.shown[2]);
    EXPECT_EQ(ShowRounded(data.Ybot, 2), e.shown[3]);
    EXPECT_EQ(data.BeamArea, data.Area);
    EXPECT_EQ(data.BeamMoI, data.MoI);
    EXPECT_EQ(data.BeamYtop, data.Ytop);
    EXPECT_EQ(data.BeamYbot, data.Ybot);
}

TEST(WorkedSections, IGirderAashto36) {
    ExpectProperties(Picked(kIGirder, 7),
                     {369, 50902.24, 20.1707, 15.8293, {" 369", " 50902", " 20.17", " 15.83"}},
                     0.005, 0.00005, 0.0);
}

TEST(WorkedSections, BoxGirderCalifornia36x27) {
    ExpectProperties(Picked(kBox, 1),
                     {548, 49416.67, 13.5, 13.5, {" 548", " 49417", " 13.5", " 13.5"}}, 0.005, 0.0,
                     0.0);
}

TEST(WorkedSections, VoidedSlabCalifornia36x15) {
    ExpectProperties(Picked(kVoided, 1),
                     {463.031, 9889.28, 7.5, 7.5, {" 463", " 9889", " 7.5", " 7.5"}}, 0.005, 0.0,
                     0.0005);
}

TEST(WorkedSections, SolidSlab12By36) {
    DesignData data = Picked(kSolid, 0);
    data.D = 12;
    data.Btop = 36;
    ExpectProperties(data, {432, 5184, 6, 6, {" 432", " 5184", " 6", " 6"}}, 0.0, 0.0, 0.0);
}

TEST(WorkedSections, TrapezoidalBoxCalifornia48) {
    ExpectProperties(Picked(kTrapezoid, 1),
                     {969.514, 245341.5, 21.4405, 26.5595, {" 970", " 245341", " 21.44", " 26.56"}},
                     0.05, 0.00005, 0.0005);
}

TEST(WorkedSections, CaliforniaIGirderRecalculated) {
    DesignData data = Picked(kIGirder, 1);
    ASSERT_EQ(data.MoI, 63300.0F);
    ScriptedDialogs dialogs;
    ASSERT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_EQ(data.Area, 432.0F);
    EXPECT_EQ(data.Ytop, 18.875F);
    EXPECT_EQ(data.Ybot, 17.125F);
    EXPECT_EQ(data.MoI, 62813.25F);
    EXPECT_EQ(data.BeamMoI, 62813.25F);
}

/// The computed I girders leave out the fillets' own inertia, yet must stay close to the
/// published properties of the catalogue.
TEST(WorkedSections, AashtoGirdersAgreeWithPublishedProperties) {
    for (int no : {7, 8, 9}) {
        DesignData data = Picked(kIGirder, no);
        const CatalogueEntry& published =
            SectionCatalogue(kIGirder)[static_cast<std::size_t>(no - 1)];
        ScriptedDialogs dialogs;
        ASSERT_TRUE(CalcSectionProperties(data, dialogs));
        auto relative = [](double computed, double table) {
            return std::fabs(computed - table) / table;
        };
        EXPECT_LT(relative(data.Area, published.Area), 0.005) << published.text;
        EXPECT_LT(relative(data.MoI, published.MoI), 0.005) << published.text;
        EXPECT_LT(relative(data.Ytop, published.Ytop), 0.005) << published.text;
        EXPECT_LT(relative(data.Ybot, published.Ybot), 0.005) << published.text;
    }
}

TEST(Shapes, IGirderWithoutFilletsEqualsThreeRectangles) {
    DesignData data = Picked(kIGirder, 0);
    data.D = 10;
    data.Btop = 10;
    data.Htop = 2;
    data.Bweb = 2;
    data.Bbot = 6;
    data.Hbot = 2;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(CalcSectionProperties(data, dialogs));
    // Web 2 x 10 at y 5, top overhang 8 x 2 at y 9, bottom overhang 4 x 2 at y 1.
    const double area = 20 + 16 + 8;
    const double ybot = (20 * 5 + 16 * 9 + 8 * 1) / area;
    const double moi = 2.0 * 1000 / 12 + 20 * (5 - ybot) * (5 - ybot) + 8.0 * 8 / 12 +
                       16 * (9 - ybot) * (9 - ybot) + 4.0 * 8 / 12 + 8 * (1 - ybot) * (1 - ybot);
    EXPECT_EQ(data.Area, 44.0F);
    EXPECT_FLOAT_EQ(data.Ybot, static_cast<float>(ybot));
    EXPECT_FLOAT_EQ(data.Ytop, static_cast<float>(10 - ybot));
    EXPECT_NEAR(data.MoI, moi, 0.001);
}

TEST(Shapes, BottomFilletTermsVanishWithFbotZero) {
    // A box with Fbot 0 differs from the same box without the bottom slab fillets only by
    // them: area Ftop^2 less, and the centroid moves up.
    DesignData with = Picked(kBox, 1);
    DesignData without = with;
    without.Fbot = 0;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(CalcSectionProperties(with, dialogs));
    ASSERT_TRUE(CalcSectionProperties(without, dialogs));
    EXPECT_EQ(with.Area - without.Area, 9.0F);
    EXPECT_GT(without.Ybot, with.Ybot);
    // Hand check of the box without bottom fillets: 2 webs 5 x 27, slabs 26 x 5 top and
    // bottom, two 3-leg fillets (area 9 together) with centroid 1 below the top slab.
    const double area = 270 + 130 + 130 + 9;
    const double ybot = (270 * 13.5 + 130 * 24.5 + 130 * 2.5 + 9 * 21.0) / area;
    EXPECT_EQ(without.Area, static_cast<float>(area));
    EXPECT_FLOAT_EQ(without.Ybot, static_cast<float>(ybot));
}

TEST(Shapes, VoidedSlabWithoutVoidsIsTheSolidSlab) {
    DesignData voided = Picked(kVoided, 4);  // California 48x15
    voided.Htop = 0;
    DesignData solid = Picked(kSolid, 0);
    solid.D = voided.D;
    solid.Btop = voided.Btop;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(CalcSectionProperties(voided, dialogs));
    ASSERT_TRUE(CalcSectionProperties(solid, dialogs));
    EXPECT_EQ(voided.Area, solid.Area);
    EXPECT_EQ(voided.MoI, solid.MoI);
    EXPECT_EQ(voided.Ytop, solid.Ytop);
    EXPECT_EQ(voided.Ybot, solid.Ybot);
    EXPECT_EQ(solid.Area, 720.0F);
    EXPECT_EQ(solid.MoI, 13500.0F);
}

TEST(Shapes, VoidNumberIsUsedAsAReal) {
    DesignData data = Picked(kVoided, 0);
    data.D = 10;
    data.Btop = 40;
    data.Htop = 2.5F;
    data.Bweb = 4;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_EQ(data.Area, static_cast<float>(400 - 16 * 2.5 * 3.1416 / 4));
    EXPECT_EQ(data.MoI, static_cast<float>(1000.0 * 40 / 12 - 256 * 2.5 * 3.1416 / 64));
    EXPECT_EQ(data.Ybot, 5.0F);
}

TEST(Shapes, GeneralSectionKeepsTypedValues) {
    DesignData data = Picked(kGeneral, 0);
    data.Area = 500;
    data.MoI = 60000;
    data.Ytop = 20.5F;
    data.Ybot = 19.5F;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"General section properties must be input directly."});
    EXPECT_EQ(data.Area, 500.0F);
    EXPECT_EQ(data.BeamArea, 500.0F);
    EXPECT_EQ(data.BeamMoI, 60000.0F);
    EXPECT_EQ(data.BeamYtop, 20.5F);
    EXPECT_EQ(data.BeamYbot, 19.5F);
}

TEST(Shapes, ShapeOutsideTheListOnlyCopies) {
    DesignData data;
    data.BeamShape = 6;
    data.Area = 7;
    data.Ybot = 2;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(data.BeamArea, 7.0F);
    EXPECT_EQ(data.BeamYbot, 2.0F);
}

/// A record with old properties that a refused calculation must leave alone.
DesignData WithOldProperties(int shape) {
    DesignData data = Picked(shape, 0);
    data.Area = 1;
    data.MoI = 2;
    data.Ytop = 3;
    data.Ybot = 4;
    data.BeamArea = 5;
    data.BeamMoI = 6;
    data.BeamYtop = 7;
    data.BeamYbot = 8;
    return data;
}

void ExpectUnchanged(const DesignData& data) {
    EXPECT_EQ(data.Area, 1.0F);
    EXPECT_EQ(data.MoI, 2.0F);
    EXPECT_EQ(data.Ytop, 3.0F);
    EXPECT_EQ(data.Ybot, 4.0F);
    EXPECT_EQ(data.BeamArea, 5.0F);
    EXPECT_EQ(data.BeamMoI, 6.0F);
    EXPECT_EQ(data.BeamYtop, 7.0F);
    EXPECT_EQ(data.BeamYbot, 8.0F);
}

TEST(ZeroArea, AllDimensionsZeroNamesAllEight) {
    for (int shape : {kIGirder, kBox, kTrapezoid}) {
        DesignData data = WithOldProperties(shape);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(CalcSectionProperties(data, dialogs));
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>{
                      "Enter the section dimensions: D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot"})
            << shape;
        ExpectUnchanged(data);
    }
}

TEST(ZeroArea, NamesOnlyTheMissingDimensions) {
    DesignData data = WithOldProperties(kIGirder);
    data.D = 36;
    data.Btop = 12;
    data.Bbot = 18;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(CalcSectionProperties(data, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{
                                    "Enter the section dimensions: Htop, Bweb, Hbot, Ftop, Fbot"});
    ExpectUnchanged(data);
}

TEST(ZeroArea, NegativeAreaWithEveryDimensionGivenNamesAllEight) {
    DesignData data = WithOldProperties(kBox);
    for (DimensionField field : kDimensionFields) DimensionValue(data, field) = 1;
    data.Bweb = 10;  // webs wider than the box: area 1 - 19 - 19 + 20 + 1 = -16
    ScriptedDialogs dialogs;
    EXPECT_FALSE(CalcSectionProperties(data, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0],
              "Enter the section dimensions: D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot");
    ExpectUnchanged(data);
}

TEST(ZeroArea, SlabsDoNotDivideByTheArea) {
    DesignData data = WithOldProperties(kSolid);
    data.D = 12;  // W missing: the area is 0 but nothing divides by it
    ScriptedDialogs dialogs;
    EXPECT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(data.Area, 0.0F);
    EXPECT_EQ(data.Ybot, 6.0F);
    EXPECT_EQ(data.BeamArea, 0.0F);
}

TEST(ZeroArea, AreaBeyondTheFloatRangeIsACalculationError) {
    DesignData data = WithOldProperties(kIGirder);
    data.D = 3e38F;
    data.Bweb = 3e38F;
    ScriptedDialogs dialogs;
    EXPECT_THROW(CalcSectionProperties(data, dialogs), CalcError);
    ExpectUnchanged(data);
}

}  // namespace
}  // namespace tarnex
