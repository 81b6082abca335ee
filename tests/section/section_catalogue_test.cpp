#include "section/section_catalogue.h"

#include <gtest/gtest.h>

#include "prestress/design_fixtures.h"
#include "section/section_selection.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

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

TEST(ShapeTexts, SlabsUseTheirOwnCaptionsAndTheGeneralSectionNoDimension) {
    std::vector<std::string> voided, solid;
    for (DimensionField field : kDimensionFields) {
        EXPECT_TRUE(UsesDimension(BeamShapeKind::TrapezoidalBox, field));
        EXPECT_EQ(DimensionCaption(BeamShapeKind::BoxGirder, field), DimensionName(field));
        EXPECT_EQ(DimensionCaption(BeamShapeKind::General, field), "");
        if (UsesDimension(BeamShapeKind::VoidedSlab, field)) {
            voided.push_back(DimensionCaption(BeamShapeKind::VoidedSlab, field));
        }
        if (UsesDimension(BeamShapeKind::SolidSlab, field)) {
            solid.push_back(DimensionCaption(BeamShapeKind::SolidSlab, field));
        }
    }
    EXPECT_EQ(voided, (std::vector<std::string>{"D", "W", "VNo", "VDia"}));
    EXPECT_EQ(solid, (std::vector<std::string>{"D", "W"}));
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
