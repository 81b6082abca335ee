#include "section/section_properties.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "prestress/design_fixtures.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)
using enum BeamShapeKind;

/// Calculates the properties, expecting success without a message.
DesignData Calculated(DesignData data) {
    ScriptedDialogs dialogs;
    EXPECT_TRUE(CalcSectionProperties(data, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    return data;
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

TEST(WorkedSections, PublishedPropertiesTheirTextBoxFormsAndTheCopyIntoTheBeam) {
    DesignData solid = Picked(SolidSlab, 0);
    solid.D = 12;
    solid.Btop = 36;
    const struct {
        DesignData data;
        std::array<double, 4> value;
        std::array<const char*, 4> shown;  // area and inertia whole, the centroid to 0.01
    } kCases[] = {
        {Picked(IGirder, 7),
         {369, 50902.24, 20.1707, 15.8293},
         {" 369", " 50902", " 20.17", " 15.83"}},
        {Picked(BoxGirder, 1), {548, 49416.67, 13.5, 13.5}, {" 548", " 49417", " 13.5", " 13.5"}},
        {Picked(VoidedSlab, 1), {463.031, 9889.28, 7.5, 7.5}, {" 463", " 9889", " 7.5", " 7.5"}},
        {solid, {432, 5184, 6, 6}, {" 432", " 5184", " 6", " 6"}},
        {Picked(TrapezoidalBox, 1),
         {969.514, 245341.5, 21.4405, 26.5595},
         {" 970", " 245341", " 21.44", " 26.56"}},
    };
    for (const auto& c : kCases) {
        const DesignData data = Calculated(c.data);
        const Quad got = Properties(data);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(got[k], c.value[k], 3e-6 * c.value[k]) << k;  // the published digits
            EXPECT_EQ(ShowRounded(got[k], k < 2 ? 0 : 2), c.shown[k]) << k;
        }
        EXPECT_EQ(BeamProperties(data), got);
    }
    // The California 36x27 box without its bottom fillets: webs 5 x 27, slabs 26 x 5 top and
    // bottom, two 3-leg top fillets (area 9 together) with their centroid 1 below the top slab.
    // The example box is symmetric; this one tells the top fillets from the bottom ones.
    DesignData box = Picked(BoxGirder, 1);
    box.Fbot = 0;
    box = Calculated(box);
    EXPECT_EQ(box.Area, 539.0F);
    EXPECT_FLOAT_EQ(box.Ybot,
                    static_cast<float>((270 * 13.5 + 130 * 24.5 + 130 * 2.5 + 9 * 21.0) / 539));
    // Parallel axes about Ybot = 13.6252319: webs 10 x 27^3 / 12 + 270 (13.5 - Yb)^2, slabs
    // 2 x 26 x 5^3 / 12 + 130 (24.5 - Yb)^2 + 130 (2.5 - Yb)^2, fillets 9 (21 - Yb)^2.
    EXPECT_NEAR(box.MoI, 48901.96, 0.01);
}

TEST(SectionCatalogue, PublishedPropertiesAgreeWithTheRowsDimensions) {
    // A row whose figures were mistyped no longer fits its own shape. The computed sections
    // leave out the fillets' own inertia and the boxes' corner chamfers: I-girders agree
    // within 1 % (their areas within 0.1 %), boxes within 3 %.
    for (const BeamShapeKind shape : {IGirder, BoxGirder, VoidedSlab, TrapezoidalBox}) {
        const std::vector<CatalogueEntry>& rows = SectionCatalogue(shape);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Quad published = {rows[i].Area, rows[i].MoI, rows[i].Ytop, rows[i].Ybot};
            if (rows[i].Area == 0) {  // no published properties: computed only
                EXPECT_EQ(published, (Quad{0, 0, 0, 0})) << rows[i].text;
                continue;
            }
            // The centroid's distances to the top and the bottom make up the depth.
            EXPECT_NEAR(rows[i].Ytop + rows[i].Ybot, rows[i].dimensions[0], 0.005) << rows[i].text;
            const Quad got = Properties(Calculated(Picked(shape, static_cast<int>(i) + 1)));
            for (std::size_t k = 0; k < 4; ++k) {
                const double within = shape != IGirder ? 0.03 : k == 0 ? 0.001 : 0.01;
                EXPECT_NEAR(got[k] / published[k], 1.0, within)
                    << rows[i].text << " property " << k;
            }
        }
    }
}

TEST(ZeroArea, RefusalNamesTheMissingDimensionsAndKeepsTheOldProperties) {
    const struct {
        BeamShapeKind shape;
        Dims dims;
        std::string missing;
    } kCases[] = {
        {IGirder, {36, 12, 0, 0, 18, 0, 0, 0}, "Htop, Bweb, Hbot, Ftop, Fbot"},
        // Every dimension given, webs wider than the box: area 1 - 19 - 19 + 20 + 1 = -16.
        {BoxGirder, {1, 1, 1, 10, 1, 1, 1, 1}, "D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot"},
    };
    for (const auto& c : kCases) {
        DesignData data = FilledRecord(c.shape);
        SetSection(data, c.dims, kOld, kOldBeam);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(CalcSectionProperties(data, dialogs));
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>{"Enter the section dimensions: " + c.missing});
        EXPECT_EQ(Properties(data), kOld);
        EXPECT_EQ(BeamProperties(data), kOldBeam);
    }
    // A solid slab without W has area 0, yet nothing divides by it.
    DesignData slab = Picked(SolidSlab, 0);
    SetSection(slab, {12, 0, 0, 0, 0, 0, 0, 0}, kOld, kOldBeam);
    slab = Calculated(slab);
    EXPECT_EQ(slab.BeamArea, 0.0F);
    EXPECT_EQ(slab.Ybot, 6.0F);
    // An overflow is an error that keeps the old properties.
    DesignData huge = Picked(IGirder, 0);
    SetSection(huge, {3e38F, 0, 0, 3e38F, 0, 0, 0, 0}, kOld, kOldBeam);
    ScriptedDialogs dialogs;
    EXPECT_THROW(CalcSectionProperties(huge, dialogs), CalcError);
    EXPECT_EQ(Properties(huge), kOld);
    EXPECT_EQ(BeamProperties(huge), kOldBeam);
}

TEST(SelectStandardSection, APickCopiesThePublishedRowClearsUnusedFieldsAndCopiesIntoTheBeam) {
    const struct {
        BeamShapeKind shape;
        int no;
        Dims dims;
        Quad properties;  // in use and the beam's
    } kPicks[] = {
        // AASHTO Type III: 560 in2, 125390 in4, Yb = 20.27 in.
        {IGirder, 8, {45, 16, 7, 7, 22, 7, 4.5F, 7.5F}, {560, 125390, 24.73F, 20.27F}},
        // The California boxes publish no properties: the old ones are cleared.
        {BoxGirder, 1, {27, 36, 5, 5, 36, 5, 3, 3}, {}},
        // Slabs clear their unused fields for any number, also outside the list.
        {VoidedSlab, 13, {9, 9, 9, 9, 0, 0, 0, 0}, kOld},
        {SolidSlab, 2, {9, 9, 0, 0, 0, 0, 0, 0}, kOld},
        // Outside the list: nothing but the copy into BeamArea..BeamYbot.
        {IGirder, 10, kNines, kOld},
        {static_cast<BeamShapeKind>(8), 0, kNines, kOld},
        // "User defined" clears every shape.
        {General, 0, {}, {}},
        {IGirder, 0, {}, {}},
        {VoidedSlab, 0, {}, {}},
        {SolidSlab, 0, {}, {}},
    };
    for (const auto& c : kPicks) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.shape) << " no " << c.no);
        DesignData data = FilledRecord(c.shape);
        SelectStandardSection(data, c.no);
        EXPECT_EQ(data.SectionNo, c.no);
        EXPECT_EQ(Dimensions(data), c.dims);
        EXPECT_EQ(Properties(data), c.properties);
        EXPECT_EQ(BeamProperties(data), c.properties);
    }
}

TEST(SelectBeamShape, IsIdleWhileTheFormIsFilledThenClearsTheSectionButKeepsTheBeam) {
    DesignData data = FilledRecord(IGirder);
    data.SectionNo = 4;
    data.FillingForm = 1;
    SelectBeamShape(data, static_cast<int>(BoxGirder));
    SelectStandardSection(data, 2);
    EXPECT_EQ(data.BeamShape, IGirder);
    EXPECT_EQ(data.SectionNo, 4);
    EXPECT_EQ(Dimensions(data), kNines);
    EXPECT_EQ(BeamProperties(data), kOldBeam);
    data.FillingForm = 0;
    SelectBeamShape(data, static_cast<int>(BoxGirder));
    EXPECT_EQ(data.BeamShape, BoxGirder);
    EXPECT_EQ(data.SectionNo, 0);
    EXPECT_EQ(Dimensions(data), Dims{});
    EXPECT_EQ(Properties(data), Quad{});
    EXPECT_EQ(BeamProperties(data), kOldBeam);
    // Each shape captions the dimensions it uses.
    std::string captions;
    for (BeamShapeKind shape : {General, TrapezoidalBox, VoidedSlab, SolidSlab}) {
        for (DimensionField field : kDimensionFields)
            captions += DimensionCaption(shape, field) + ",";
        captions += "|";
    }
    EXPECT_EQ(captions,
              ",,,,,,,,|D,Btop,Htop,Bweb,Bbot,Hbot,Ftop,Fbot,|D,W,VNo,VDia,,,,,|D,W,,,,,,,|");
}

}  // namespace
}  // namespace tarnex
