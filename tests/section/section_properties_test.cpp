#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/number_text.h"
#include "prestress/design_fixtures.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

/// Calculates the properties, expecting success without a message.
DesignData Calculated(DesignData data) {
    ScriptedDialogs dialogs;
    EXPECT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    return data;
}

TEST(WorkedSections, PropertiesTheirTextBoxFormsAndTheCopyIntoTheBeam) {
    DesignData solid = Picked(BeamShapeKind::SolidSlab, 0);
    solid.D = 12;
    solid.Btop = 36;
    const struct {
        DesignData data;
        std::array<double, 4> value;
        std::array<const char*, 4> shown;
    } kCases[] = {
        {Picked(BeamShapeKind::IGirder, 7),
         {369, 50902.24, 20.1707, 15.8293},
         {" 369", " 50902", " 20.17", " 15.83"}},
        {Picked(BeamShapeKind::BoxGirder, 1),
         {548, 49416.67, 13.5, 13.5},
         {" 548", " 49417", " 13.5", " 13.5"}},
        {Picked(BeamShapeKind::VoidedSlab, 1),
         {463.031, 9889.28, 7.5, 7.5},
         {" 463", " 9889", " 7.5", " 7.5"}},
        {solid, {432, 5184, 6, 6}, {" 432", " 5184", " 6", " 6"}},
        {Picked(BeamShapeKind::TrapezoidalBox, 1),
         {969.514, 245341.5, 21.4405, 26.5595},
         {" 970", " 245341", " 21.44", " 26.56"}},
    };
    const int decimals[4] = {0, 0, 2, 2};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value[0]);
        const DesignData data = Calculated(c.data);
        const Quad got = Properties(data);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(got[k], c.value[k], 3e-6 * c.value[k]) << k;  // the published digits
            EXPECT_EQ(ShowRounded(got[k], decimals[k]), c.shown[k]) << k;
        }
        EXPECT_EQ(BeamProperties(data), got);
    }
}

TEST(WorkedSections, CatalogueIGirdersAreReplacedByComputedProperties) {
    DesignData california = Picked(BeamShapeKind::IGirder, 1);
    ASSERT_EQ(california.MoI, 63300.0F);
    EXPECT_EQ(BeamProperties(Calculated(california)), (Quad{432, 62813.25F, 18.875F, 17.125F}));
    // The computed AASHTO girders leave out the fillets' own inertia, yet stay within 0.5 %
    // of the published properties.
    for (int no : {7, 8, 9}) {
        const DesignData published = Picked(BeamShapeKind::IGirder, no);
        const Quad table = Properties(published);
        const Quad got = Properties(Calculated(published));
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_LT(std::fabs(got[k] - table[k]) / table[k], 0.005) << no << " " << k;
        }
    }
}

TEST(Shapes, IGirderAndBoxWithoutFilletsByHand) {
    DesignData girder = Picked(BeamShapeKind::IGirder, 0);
    SetSection(girder, {10, 10, 2, 2, 6, 2, 0, 0}, {}, {});
    girder = Calculated(girder);
    // Web 2 x 10 at y 5, top overhang 8 x 2 at y 9, bottom overhang 4 x 2 at y 1.
    const double ybot = (20 * 5 + 16 * 9 + 8 * 1) / 44.0;
    const double moi = 2.0 * 1000 / 12 + 20 * (5 - ybot) * (5 - ybot) + 8.0 * 8 / 12 +
                       16 * (9 - ybot) * (9 - ybot) + 4.0 * 8 / 12 + 8 * (1 - ybot) * (1 - ybot);
    EXPECT_EQ(girder.Area, 44.0F);
    EXPECT_FLOAT_EQ(girder.Ybot, static_cast<float>(ybot));
    EXPECT_FLOAT_EQ(girder.Ytop, static_cast<float>(10 - ybot));
    EXPECT_NEAR(girder.MoI, moi, 0.001);

    // The California 36x27 box without its bottom fillets: webs 5 x 27, slabs 26 x 5 top and
    // bottom, two 3-leg top fillets (area 9 together) with their centroid 1 below the top slab.
    DesignData box = Picked(BeamShapeKind::BoxGirder, 1);
    box.Fbot = 0;
    box = Calculated(box);
    const double area = 270 + 130 + 130 + 9;
    EXPECT_EQ(box.Area, static_cast<float>(area));
    EXPECT_FLOAT_EQ(box.Ybot,
                    static_cast<float>((270 * 13.5 + 130 * 24.5 + 130 * 2.5 + 9 * 21.0) / area));
}

TEST(Shapes, VoidNumberIsARealAndZeroVoidsGiveTheSolidSlab) {
    DesignData voided = Picked(BeamShapeKind::VoidedSlab, 4);  // California 48x15
    voided.Htop = 0;
    DesignData solid = Picked(BeamShapeKind::SolidSlab, 0);
    solid.D = 15;
    solid.Btop = 48;
    EXPECT_EQ(Properties(Calculated(voided)), (Quad{720, 13500, 7.5F, 7.5F}));
    EXPECT_EQ(Properties(Calculated(solid)), (Quad{720, 13500, 7.5F, 7.5F}));

    // 2.5 voids of 4 in in a 10 x 40 slab, with pi taken as 3.1416.
    DesignData data = Picked(BeamShapeKind::VoidedSlab, 0);
    SetSection(data, {10, 40, 2.5F, 4, 0, 0, 0, 0}, {}, {});
    data = Calculated(data);
    EXPECT_EQ(data.Area, static_cast<float>(400 - 16 * 2.5 * 3.1416 / 4));
    EXPECT_EQ(data.MoI, static_cast<float>(1000.0 * 40 / 12 - 256 * 2.5 * 3.1416 / 64));
    EXPECT_EQ(data.Ybot, 5.0F);
}

TEST(ZeroArea, RefusalNamesTheMissingDimensionsAndKeepsTheOldProperties) {
    const std::string all = "D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot";
    const Quad old = {1, 2, 3, 4}, oldBeam = {5, 6, 7, 8};
    const struct {
        BeamShapeKind shape;
        Dims dims;
        std::string missing;
    } kCases[] = {
        {BeamShapeKind::TrapezoidalBox, {}, all},
        {BeamShapeKind::IGirder, {36, 12, 0, 0, 18, 0, 0, 0}, "Htop, Bweb, Hbot, Ftop, Fbot"},
        // Every dimension given, webs wider than the box: area 1 - 19 - 19 + 20 + 1 = -16.
        {BeamShapeKind::BoxGirder, {1, 1, 1, 10, 1, 1, 1, 1}, all},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.missing);
        DesignData data = Picked(c.shape, 0);
        SetSection(data, c.dims, old, oldBeam);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(CalcSectionProperties(data, dialogs));
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>{"Enter the section dimensions: " + c.missing});
        EXPECT_EQ(Properties(data), old);
        EXPECT_EQ(BeamProperties(data), oldBeam);
    }
    // A solid slab without W has area 0, yet nothing divides by it.
    DesignData slab = Picked(BeamShapeKind::SolidSlab, 0);
    SetSection(slab, {12, 0, 0, 0, 0, 0, 0, 0}, old, oldBeam);
    slab = Calculated(slab);
    EXPECT_EQ(slab.BeamArea, 0.0F);
    EXPECT_EQ(slab.Ybot, 6.0F);
    // An overflow is an error that keeps the old properties.
    DesignData huge = Picked(BeamShapeKind::IGirder, 0);
    SetSection(huge, {3e38F, 0, 0, 3e38F, 0, 0, 0, 0}, old, oldBeam);
    ScriptedDialogs dialogs;
    EXPECT_THROW(CalcSectionProperties(huge, dialogs), CalcError);
    EXPECT_EQ(Properties(huge), old);
    EXPECT_EQ(BeamProperties(huge), oldBeam);
}

}  // namespace
}  // namespace tarnex
