#include "section/section_catalogue.h"

#include <gtest/gtest.h>

#include "section/section_selection.h"
#include "section_fixtures.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

const Dims kNines = {9, 9, 9, 9, 9, 9, 9, 9};
const Quad kOldProperties = {100, 200, 3, 4};
const Quad kOldBeam = {11, 22, 33, 44};

/// A record with every section field set to a non-zero value, to see what a pick clears.
DesignData FilledRecord(BeamShapeKind shape) {
    DesignData data;
    data.BeamShape = shape;
    SetDimensions(data, kNines);
    SetProperties(data, kOldProperties);
    SetBeamProperties(data, kOldBeam);
    return data;
}

TEST(ShapeTexts, ListAndCaptions) {
    EXPECT_EQ(BeamShapeTexts(),
              (std::vector<std::string>{"General Section", "I Girder", "Box Girder", "Voided Slab",
                                        "Solid Slab", "Trapezoidal Box"}));
    for (BeamShapeKind shape : {kIGirder, kBox, kTrapezoid}) {
        for (DimensionField field : kDimensionFields) {
            EXPECT_TRUE(UsesDimension(shape, field));
            EXPECT_EQ(DimensionCaption(shape, field), DimensionName(field));
        }
    }
    std::vector<std::string> voided, solid;
    for (DimensionField field : kDimensionFields) {
        EXPECT_FALSE(UsesDimension(kGeneral, field));
        EXPECT_EQ(DimensionCaption(kGeneral, field), "");
        if (UsesDimension(kVoided, field)) voided.push_back(DimensionCaption(kVoided, field));
        if (UsesDimension(kSolid, field)) solid.push_back(DimensionCaption(kSolid, field));
    }
    EXPECT_EQ(voided, (std::vector<std::string>{"D", "W", "VNo", "VDia"}));
    EXPECT_EQ(solid, (std::vector<std::string>{"D", "W"}));
    EXPECT_FALSE(UsesDimension(static_cast<BeamShapeKind>(7), DimensionField::D));
}

TEST(SectionLists, UserDefinedFirstThenCatalogueOrder) {
    const std::size_t sizes[] = {1, 10, 15, 13, 1, 6};
    for (int shape = 0; shape <= 5; ++shape) {
        const auto texts = SectionListTexts(static_cast<BeamShapeKind>(shape));
        ASSERT_EQ(texts.size(), sizes[shape]) << static_cast<int>(shape);
        EXPECT_EQ(texts[0], "User defined");
    }
    EXPECT_TRUE(SectionListTexts(static_cast<BeamShapeKind>(6)).empty());
    EXPECT_TRUE(SectionListTexts(static_cast<BeamShapeKind>(-1)).empty());
    EXPECT_EQ(SectionListText(kIGirder, 1), "California d = 36");
    EXPECT_EQ(SectionListText(kIGirder, 9), "AASHTO d = 54");
    EXPECT_EQ(SectionListText(kBox, 6), "California 48x42");
    EXPECT_EQ(SectionListText(kBox, 7), "AASHTO 36x27");
    EXPECT_EQ(SectionListText(kBox, 14), "AASHTO 48x42");
    EXPECT_EQ(SectionListText(kVoided, 12), "AASHTO 48x21");
    EXPECT_EQ(SectionListText(kTrapezoid, 5), "California d = 96");
    EXPECT_EQ(SectionListText(kSolid, 0), "User defined");
    EXPECT_EQ(SectionListText(kIGirder, 10), "");
    EXPECT_EQ(SectionListText(kIGirder, -1), "");
}

TEST(SelectStandardSection, PicksCopyThePublishedRowFromItsDecimalTextIntoUseAndTheBeam) {
    const struct {
        BeamShapeKind shape;
        int no;
        Dims dims;
        Quad properties;
    } kRows[] = {
        {kIGirder, 1, {36, 19, 3, 7, 19, 6, 6, 6}, {432, 63300, 18.9F, 17.1F}},
        {kIGirder, 8, {45, 16, 7, 7, 22, 7, 4.5F, 7.5F}, {560, 125390, 24.73F, 20.27F}},
        {kIGirder, 9, {54, 20, 8, 8, 26, 8, 6, 9}, {789, 260730, 29.27F, 24.73F}},
        {kBox, 1, {27, 36, 5, 5, 36, 5, 3, 3}, {0, 0, 0, 0}},  // California: no properties
        {kBox, 13, {39, 48, 5.5F, 5, 48, 5.5F, 3, 3}, {813, 168367, 19.71F, 19.29F}},
        {kBox, 14, {42, 48, 5.5F, 5, 48, 5.5F, 3, 3}, {843, 203088, 21.22F, 20.78F}},
        {kVoided, 9, {21, 36, 2, 12, 0, 0, 0, 0}, {0, 0, 0, 0}},
        {kVoided, 12, {21, 48, 3, 12, 0, 0, 0, 0}, {0, 0, 0, 0}},
        {kTrapezoid, 4, {84, 84, 5, 7, 42, 7, 6, 0}, {1765, 1541929, 38.64F, 45.36F}},
        {kTrapezoid, 5, {96, 96, 5, 7, 48, 7, 6, 0}, {2040, 2371784, 44.28F, 51.72F}},
    };
    for (const auto& r : kRows) {
        SCOPED_TRACE(SectionListText(r.shape, r.no));
        DesignData data = FilledRecord(r.shape);
        SelectStandardSection(data, r.no);
        EXPECT_EQ(data.SectionNo, r.no);
        EXPECT_EQ(Dimensions(data), r.dims);
        EXPECT_EQ(Properties(data), r.properties);
        EXPECT_EQ(BeamProperties(data), r.properties);
    }
    for (int no = 1; no <= 6; ++no) {  // every California box clears the old properties
        DesignData data = FilledRecord(kBox);
        SelectStandardSection(data, no);
        EXPECT_EQ(Properties(data), Quad{}) << no;
        EXPECT_EQ(BeamProperties(data), Quad{}) << no;
        EXPECT_EQ(data.Htop, 5.0F) << no;
        EXPECT_EQ(data.Fbot, 3.0F) << no;
    }
}

TEST(SelectStandardSection, SlabsClearTheirUnusedFieldsForAnyNumber) {
    DesignData a = FilledRecord(kVoided);
    SelectStandardSection(a, 9);  // AASHTO 36x21
    DesignData b = FilledRecord(kVoided);
    SelectStandardSection(b, 3);  // California 36x21
    EXPECT_EQ(Dimensions(a), Dimensions(b));

    // Outside the list: the four unused fields are cleared and nothing else changes.
    DesignData c = FilledRecord(kVoided);
    SelectStandardSection(c, 13);
    EXPECT_EQ(Dimensions(c), (Dims{9, 9, 9, 9, 0, 0, 0, 0}));
    EXPECT_EQ(Properties(c), kOldProperties);
    EXPECT_EQ(BeamProperties(c), kOldProperties);

    // A solid slab keeps D and W and its properties for a non-zero number.
    DesignData s = FilledRecord(kSolid);
    SelectStandardSection(s, 2);
    EXPECT_EQ(Dimensions(s), (Dims{9, 9, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Properties(s), kOldProperties);
    EXPECT_EQ(BeamProperties(s), kOldProperties);
}

TEST(SelectStandardSection, UserDefinedClearsAndOutOfRangeOnlyCopies) {
    for (BeamShapeKind shape : {kGeneral, kIGirder, kBox, kVoided, kSolid, kTrapezoid}) {
        DesignData data = FilledRecord(shape);
        SelectStandardSection(data, 0);
        EXPECT_EQ(Dimensions(data), Dims{}) << static_cast<int>(shape);
        EXPECT_EQ(Properties(data), Quad{}) << static_cast<int>(shape);
        EXPECT_EQ(BeamProperties(data), Quad{}) << static_cast<int>(shape);
    }
    // I girder number 10 and a shape outside the list: nothing but the copy into BeamArea..
    for (const auto& [shape, no] :
         {std::pair{kIGirder, 10}, std::pair{static_cast<BeamShapeKind>(8), 0}}) {
        DesignData data = FilledRecord(shape);
        SelectStandardSection(data, no);
        EXPECT_EQ(Dimensions(data), kNines) << static_cast<int>(shape);
        EXPECT_EQ(Properties(data), kOldProperties) << static_cast<int>(shape);
        EXPECT_EQ(BeamProperties(data), kOldProperties) << static_cast<int>(shape);
    }
}

TEST(SelectBeamShape, ClearsTheSectionButKeepsTheBeamAndIsIdleWhileTheFormIsFilled) {
    DesignData data = FilledRecord(kIGirder);
    data.SectionNo = 4;
    SelectBeamShape(data, static_cast<int>(kBox));
    EXPECT_EQ(data.BeamShape, kBox);
    EXPECT_EQ(data.SectionNo, 0);
    EXPECT_EQ(Dimensions(data), Dims{});
    EXPECT_EQ(Properties(data), Quad{});
    EXPECT_EQ(BeamProperties(data), kOldBeam);

    DesignData filling = FilledRecord(kIGirder);
    filling.SectionNo = 4;
    filling.FillingForm = 1;
    SelectBeamShape(filling, static_cast<int>(kBox));
    SelectStandardSection(filling, 2);
    EXPECT_EQ(filling.BeamShape, kIGirder);
    EXPECT_EQ(filling.SectionNo, 4);
    EXPECT_EQ(Dimensions(filling), kNines);
    EXPECT_EQ(Properties(filling), kOldProperties);
    EXPECT_EQ(BeamProperties(filling), kOldBeam);
}

}  // namespace
}  // namespace tarnex
