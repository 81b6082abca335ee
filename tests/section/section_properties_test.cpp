#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/number_text.h"
#include "prestress/design_fixtures.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"
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

TEST(Shapes, BoxWithoutBottomFilletsByHand) {
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

TEST(Shapes, VoidNumberIsAReal) {
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

const Dims kNines = {9, 9, 9, 9, 9, 9, 9, 9};
const Quad kOld = {100, 200, 3, 4};
const Quad kOldBeam = {11, 22, 33, 44};

/// A record with every section field set to a non-zero value, to see what a pick clears.
DesignData FilledRecord(BeamShapeKind shape) {
    DesignData data;
    data.BeamShape = shape;
    SetSection(data, kNines, kOld, kOldBeam);
    return data;
}

TEST(ShapeTexts, EachShapeCaptionsTheDimensionsItUses) {
    const std::pair<BeamShapeKind, std::string> kCaptions[] = {
        {BeamShapeKind::General, ",,,,,,,,"},
        {BeamShapeKind::TrapezoidalBox, "D,Btop,Htop,Bweb,Bbot,Hbot,Ftop,Fbot,"},
        {BeamShapeKind::VoidedSlab, "D,W,VNo,VDia,,,,,"},
        {BeamShapeKind::SolidSlab, "D,W,,,,,,,"},
    };
    for (const auto& [shape, expected] : kCaptions) {
        std::string captions;
        for (DimensionField field : kDimensionFields) {
            captions += DimensionCaption(shape, field) + ",";
            EXPECT_EQ(UsesDimension(shape, field), !DimensionCaption(shape, field).empty());
        }
        EXPECT_EQ(captions, expected);
    }
}

TEST(SelectStandardSection, APickCopiesThePublishedRowIntoUseAndTheBeam) {
    // AASHTO Type III: 560 in2, 125390 in4, Yb = 20.27 in.
    DesignData girder = FilledRecord(BeamShapeKind::IGirder);
    SelectStandardSection(girder, 8);
    EXPECT_EQ(girder.SectionNo, 8);
    EXPECT_EQ(Dimensions(girder), (Dims{45, 16, 7, 7, 22, 7, 4.5F, 7.5F}));
    EXPECT_EQ(Properties(girder), (Quad{560, 125390, 24.73F, 20.27F}));
    EXPECT_EQ(BeamProperties(girder), Properties(girder));
    // The California boxes publish no properties: the old ones are cleared.
    DesignData box = FilledRecord(BeamShapeKind::BoxGirder);
    SelectStandardSection(box, 1);
    EXPECT_EQ(Dimensions(box), (Dims{27, 36, 5, 5, 36, 5, 3, 3}));
    EXPECT_EQ(BeamProperties(box), Quad{});
}

TEST(SelectStandardSection, SlabsClearTheirUnusedFieldsForAnyNumber) {
    // Outside the list: the four unused fields are cleared and nothing else changes.
    DesignData voided = FilledRecord(BeamShapeKind::VoidedSlab);
    SelectStandardSection(voided, 13);
    EXPECT_EQ(Dimensions(voided), (Dims{9, 9, 9, 9, 0, 0, 0, 0}));
    EXPECT_EQ(BeamProperties(voided), kOld);
    // A solid slab keeps D and W and its properties for a non-zero number.
    DesignData solid = FilledRecord(BeamShapeKind::SolidSlab);
    SelectStandardSection(solid, 2);
    EXPECT_EQ(Dimensions(solid), (Dims{9, 9, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(BeamProperties(solid), kOld);
}

TEST(SelectStandardSection, UserDefinedClearsAndOutOfRangeOnlyCopies) {
    for (int shape = 0; shape <= 5; ++shape) {
        DesignData data = FilledRecord(static_cast<BeamShapeKind>(shape));
        SelectStandardSection(data, 0);
        EXPECT_EQ(Dimensions(data), Dims{}) << shape;
        EXPECT_EQ(Properties(data), Quad{}) << shape;
        EXPECT_EQ(BeamProperties(data), Quad{}) << shape;
    }
    // I girder number 10 and a shape outside the list: nothing but the copy into BeamArea..
    for (const auto& [shape, no] :
         {std::pair{BeamShapeKind::IGirder, 10}, std::pair{static_cast<BeamShapeKind>(8), 0}}) {
        DesignData data = FilledRecord(shape);
        SelectStandardSection(data, no);
        EXPECT_EQ(Dimensions(data), kNines) << no;
        EXPECT_EQ(BeamProperties(data), kOld) << no;
    }
}

TEST(SelectBeamShape, ClearsTheSectionButKeepsTheBeamAndIsIdleWhileTheFormIsFilled) {
    DesignData data = FilledRecord(BeamShapeKind::IGirder);
    data.SectionNo = 4;
    SelectBeamShape(data, static_cast<int>(BeamShapeKind::BoxGirder));
    EXPECT_EQ(data.BeamShape, BeamShapeKind::BoxGirder);
    EXPECT_EQ(data.SectionNo, 0);
    EXPECT_EQ(Dimensions(data), Dims{});
    EXPECT_EQ(Properties(data), Quad{});
    EXPECT_EQ(BeamProperties(data), kOldBeam);

    DesignData filling = FilledRecord(BeamShapeKind::IGirder);
    filling.SectionNo = 4;
    filling.FillingForm = 1;
    SelectBeamShape(filling, static_cast<int>(BeamShapeKind::BoxGirder));
    SelectStandardSection(filling, 2);
    EXPECT_EQ(filling.BeamShape, BeamShapeKind::IGirder);
    EXPECT_EQ(filling.SectionNo, 4);
    EXPECT_EQ(Dimensions(filling), kNines);
    EXPECT_EQ(BeamProperties(filling), kOldBeam);
}

}  // namespace
}  // namespace tarnex
