#include "section/section_catalogue.h"

#include <gtest/gtest.h>

#include "section/section_selection.h"

namespace tarnex {
namespace {

constexpr int kGeneral = 0, kIGirder = 1, kBox = 2, kVoided = 3, kSolid = 4, kTrapezoid = 5;

/// A record with every section field set to a non-zero value, to see what a pick clears.
DesignData FilledRecord(int shape) {
    DesignData data;
    data.BeamShape = shape;
    for (DimensionField field : kDimensionFields) DimensionValue(data, field) = 9;
    data.Area = 100;
    data.MoI = 200;
    data.Ytop = 3;
    data.Ybot = 4;
    data.BeamArea = 11;
    data.BeamMoI = 22;
    data.BeamYtop = 33;
    data.BeamYbot = 44;
    return data;
}

void ExpectBeamPropertiesInUse(const DesignData& data) {
    EXPECT_EQ(data.BeamArea, data.Area);
    EXPECT_EQ(data.BeamMoI, data.MoI);
    EXPECT_EQ(data.BeamYtop, data.Ytop);
    EXPECT_EQ(data.BeamYbot, data.Ybot);
}

TEST(ShapeTexts, ListAndCaptions) {
    EXPECT_EQ(BeamShapeTexts(),
              (std::vector<std::string>{"General Section", "I Girder", "Box Girder", "Voided Slab",
                                        "Solid Slab", "Trapezoidal Box"}));
    for (int shape : {kIGirder, kBox, kTrapezoid}) {
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
    EXPECT_FALSE(UsesDimension(7, DimensionField::D));
}

TEST(SectionLists, UserDefinedFirstThenCatalogueOrder) {
    const std::vector<std::size_t> sizes = {1, 10, 15, 13, 1, 6};
    for (int shape = 0; shape <= 5; ++shape) {
        const auto texts = SectionListTexts(shape);
        ASSERT_EQ(texts.size(), sizes[static_cast<std::size_t>(shape)]) << shape;
        EXPECT_EQ(texts[0], "User defined");
    }
    EXPECT_TRUE(SectionListTexts(6).empty());
    EXPECT_TRUE(SectionListTexts(-1).empty());
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

TEST(SelectStandardSection, EveryPickCopiesItsRow) {
    for (int shape : {kIGirder, kBox, kVoided, kTrapezoid}) {
        const auto& entries = SectionCatalogue(shape);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            DesignData data = FilledRecord(shape);
            SelectStandardSection(data, static_cast<int>(k + 1));
            EXPECT_EQ(data.SectionNo, static_cast<int>(k + 1));
            for (std::size_t f = 0; f < kDimensionFields.size(); ++f) {
                EXPECT_EQ(DimensionValue(data, kDimensionFields[f]), entries[k].dimensions[f])
                    << entries[k].text;
            }
            EXPECT_EQ(data.Area, entries[k].Area);
            EXPECT_EQ(data.MoI, entries[k].MoI);
            EXPECT_EQ(data.Ytop, entries[k].Ytop);
            EXPECT_EQ(data.Ybot, entries[k].Ybot);
            ExpectBeamPropertiesInUse(data);
        }
    }
}

TEST(SelectStandardSection, PublishedValuesFromTheirDecimalText) {
    DesignData data = FilledRecord(kIGirder);
    SelectStandardSection(data, 8);  // AASHTO d = 45
    EXPECT_EQ(data.D, 45.0F);
    EXPECT_EQ(data.Btop, 16.0F);
    EXPECT_EQ(data.Ftop, 4.5F);
    EXPECT_EQ(data.Fbot, 7.5F);
    EXPECT_EQ(data.Area, 560.0F);
    EXPECT_EQ(data.MoI, 125390.0F);
    EXPECT_EQ(data.Ytop, 24.73F);
    EXPECT_EQ(data.BeamYbot, 20.27F);

    data = FilledRecord(kIGirder);
    SelectStandardSection(data, 1);
    EXPECT_EQ(data.Ytop, 18.9F);
    EXPECT_EQ(data.Ybot, 17.1F);
    EXPECT_EQ(data.MoI, 63300.0F);

    data = FilledRecord(kTrapezoid);
    SelectStandardSection(data, 4);  // California d = 84
    EXPECT_EQ(data.Bbot, 42.0F);
    EXPECT_EQ(data.Fbot, 0.0F);
    EXPECT_EQ(data.MoI, 1541929.0F);
    EXPECT_EQ(data.Ybot, 45.36F);

    data = FilledRecord(kBox);
    SelectStandardSection(data, 13);  // AASHTO 48x39
    EXPECT_EQ(data.Htop, 5.5F);
    EXPECT_EQ(data.Area, 813.0F);
    EXPECT_EQ(data.Ytop, 19.71F);
}

TEST(SelectStandardSection, CaliforniaBoxesCarryNoProperties) {
    for (int no = 1; no <= 6; ++no) {
        DesignData data = FilledRecord(kBox);
        SelectStandardSection(data, no);
        EXPECT_EQ(data.Area, 0.0F);
        EXPECT_EQ(data.MoI, 0.0F);
        EXPECT_EQ(data.Ytop, 0.0F);
        EXPECT_EQ(data.Ybot, 0.0F);
        EXPECT_EQ(data.BeamArea, 0.0F);
        EXPECT_EQ(data.BeamYbot, 0.0F);
        EXPECT_EQ(data.Htop, 5.0F);
        EXPECT_EQ(data.Fbot, 3.0F);
    }
    DesignData data = FilledRecord(kBox);
    SelectStandardSection(data, 1);
    EXPECT_EQ(data.D, 27.0F);
    EXPECT_EQ(data.Btop, 36.0F);
}

TEST(SelectStandardSection, VoidedSlabsClearTheUnusedFields) {
    DesignData a = FilledRecord(kVoided);
    SelectStandardSection(a, 9);  // AASHTO 36x21
    DesignData b = FilledRecord(kVoided);
    SelectStandardSection(b, 3);  // California 36x21
    for (DimensionField field : kDimensionFields) {
        EXPECT_EQ(DimensionValue(a, field), DimensionValue(b, field));
    }
    EXPECT_EQ(a.D, 21.0F);
    EXPECT_EQ(a.Btop, 36.0F);
    EXPECT_EQ(a.Htop, 2.0F);
    EXPECT_EQ(a.Bweb, 12.0F);
    EXPECT_EQ(a.Bbot, 0.0F);
    EXPECT_EQ(a.Fbot, 0.0F);
    EXPECT_EQ(a.Area, 0.0F);
    ExpectBeamPropertiesInUse(a);

    // A number outside the list still clears the four unused fields and nothing else.
    DesignData c = FilledRecord(kVoided);
    SelectStandardSection(c, 13);
    EXPECT_EQ(c.D, 9.0F);
    EXPECT_EQ(c.Bweb, 9.0F);
    EXPECT_EQ(c.Hbot, 0.0F);
    EXPECT_EQ(c.Area, 100.0F);
    ExpectBeamPropertiesInUse(c);
}

TEST(SelectStandardSection, UserDefinedAndOutOfRange) {
    for (int shape : {kGeneral, kIGirder, kBox, kVoided, kSolid, kTrapezoid}) {
        DesignData data = FilledRecord(shape);
        SelectStandardSection(data, 0);
        for (DimensionField field : kDimensionFields) {
            EXPECT_EQ(DimensionValue(data, field), 0.0F) << shape;
        }
        EXPECT_EQ(data.Area, 0.0F);
        EXPECT_EQ(data.Ybot, 0.0F);
        ExpectBeamPropertiesInUse(data);
    }
    // I girder number 10 does not exist: nothing changes but the copy into BeamArea..
    DesignData data = FilledRecord(kIGirder);
    SelectStandardSection(data, 10);
    EXPECT_EQ(data.D, 9.0F);
    EXPECT_EQ(data.Area, 100.0F);
    ExpectBeamPropertiesInUse(data);

    // A solid slab keeps D and W (and its properties) for a non-zero number.
    data = FilledRecord(kSolid);
    SelectStandardSection(data, 2);
    EXPECT_EQ(data.D, 9.0F);
    EXPECT_EQ(data.Btop, 9.0F);
    EXPECT_EQ(data.Htop, 0.0F);
    EXPECT_EQ(data.Fbot, 0.0F);
    EXPECT_EQ(data.MoI, 200.0F);

    // A shape outside the list: only the copy.
    data = FilledRecord(8);
    SelectStandardSection(data, 0);
    EXPECT_EQ(data.D, 9.0F);
    ExpectBeamPropertiesInUse(data);
}

TEST(SelectBeamShape, ClearsSectionButKeepsBeamProperties) {
    DesignData data = FilledRecord(kIGirder);
    data.SectionNo = 4;
    SelectBeamShape(data, kBox);
    EXPECT_EQ(data.BeamShape, kBox);
    EXPECT_EQ(data.SectionNo, 0);
    for (DimensionField field : kDimensionFields) EXPECT_EQ(DimensionValue(data, field), 0.0F);
    EXPECT_EQ(data.Area, 0.0F);
    EXPECT_EQ(data.MoI, 0.0F);
    EXPECT_EQ(data.Ytop, 0.0F);
    EXPECT_EQ(data.Ybot, 0.0F);
    EXPECT_EQ(data.BeamArea, 11.0F);
    EXPECT_EQ(data.BeamMoI, 22.0F);
    EXPECT_EQ(data.BeamYtop, 33.0F);
    EXPECT_EQ(data.BeamYbot, 44.0F);
}

TEST(SelectBeamShape, ListsDoNothingWhileTheFormIsFilled) {
    DesignData data = FilledRecord(kIGirder);
    data.SectionNo = 4;
    data.FillingForm = 1;
    const DesignData before = data;
    SelectBeamShape(data, kBox);
    SelectStandardSection(data, 2);
    EXPECT_EQ(data.BeamShape, before.BeamShape);
    EXPECT_EQ(data.SectionNo, 4);
    EXPECT_EQ(data.D, 9.0F);
    EXPECT_EQ(data.Area, 100.0F);
    EXPECT_EQ(data.BeamArea, 11.0F);
}

}  // namespace
}  // namespace tarnex
