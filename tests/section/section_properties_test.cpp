#include "section/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/calc_error.h"
#include "model/number_text.h"
#include "section_fixtures.h"
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
    DesignData solid = Picked(kSolid, 0);
    solid.D = 12;
    solid.Btop = 36;
    const struct {
        const char* name;
        DesignData data;
        std::array<double, 4> value;
        std::array<const char*, 4> shown;
        std::array<double, 4> tolerance;
    } kCases[] = {
        {"AASHTO d = 36",
         Picked(kIGirder, 7),
         {369, 50902.24, 20.1707, 15.8293},
         {" 369", " 50902", " 20.17", " 15.83"},
         {0, 0.005, 0.00005, 0.00005}},
        {"Box California 36x27",
         Picked(kBox, 1),
         {548, 49416.67, 13.5, 13.5},
         {" 548", " 49417", " 13.5", " 13.5"},
         {0, 0.005, 0, 0}},
        {"Voided California 36x15",
         Picked(kVoided, 1),
         {463.031, 9889.28, 7.5, 7.5},
         {" 463", " 9889", " 7.5", " 7.5"},
         {0.0005, 0.005, 0, 0}},
        {"Solid 12 x 36", solid, {432, 5184, 6, 6}, {" 432", " 5184", " 6", " 6"}, {0, 0, 0, 0}},
        {"Trapezoidal California d = 48",
         Picked(kTrapezoid, 1),
         {969.514, 245341.5, 21.4405, 26.5595},
         {" 970", " 245341", " 21.44", " 26.56"},
         {0.0005, 0.05, 0.00005, 0.00005}},
    };
    const int decimals[4] = {0, 0, 2, 2};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const DesignData data = Calculated(c.data);
        const Quad got = Properties(data);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(got[k], c.value[k], c.tolerance[k]) << k;
            EXPECT_EQ(ShowRounded(got[k], decimals[k]), c.shown[k]) << k;
        }
        EXPECT_EQ(BeamProperties(data), got);
    }
}

TEST(WorkedSections, CatalogueIGirdersAreReplacedByComputedProperties) {
    DesignData california = Picked(kIGirder, 1);
    ASSERT_EQ(california.MoI, 63300.0F);
    california = Calculated(california);
    EXPECT_EQ(Properties(california), (Quad{432, 62813.25F, 18.875F, 17.125F}));
    EXPECT_EQ(BeamProperties(california), Properties(california));

    // The computed girders leave out the fillets' own inertia, yet stay within 0.5 % of the
    // published AASHTO properties.
    for (int no : {7, 8, 9}) {
        const CatalogueEntry& published =
            SectionCatalogue(kIGirder)[static_cast<std::size_t>(no - 1)];
        const Quad table = {published.Area, published.MoI, published.Ytop, published.Ybot};
        const Quad got = Properties(Calculated(Picked(kIGirder, no)));
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_LT(std::fabs(got[k] - table[k]) / table[k], 0.005) << published.text << k;
        }
    }
}

TEST(Shapes, IGirderWithoutFilletsEqualsThreeRectangles) {
    DesignData data = Picked(kIGirder, 0);
    SetDimensions(data, {10, 10, 2, 2, 6, 2, 0, 0});
    data = Calculated(data);
    // Web 2 x 10 at y 5, top overhang 8 x 2 at y 9, bottom overhang 4 x 2 at y 1.
    const double ybot = (20 * 5 + 16 * 9 + 8 * 1) / 44.0;
    const double moi = 2.0 * 1000 / 12 + 20 * (5 - ybot) * (5 - ybot) + 8.0 * 8 / 12 +
                       16 * (9 - ybot) * (9 - ybot) + 4.0 * 8 / 12 + 8 * (1 - ybot) * (1 - ybot);
    EXPECT_EQ(data.Area, 44.0F);
    EXPECT_FLOAT_EQ(data.Ybot, static_cast<float>(ybot));
    EXPECT_FLOAT_EQ(data.Ytop, static_cast<float>(10 - ybot));
    EXPECT_NEAR(data.MoI, moi, 0.001);
}

TEST(Shapes, BottomFilletTermsVanishWithFbotZero) {
    // The box without its bottom fillets: area Ftop^2 = 9 less, and the centroid moves up.
    const DesignData with = Calculated(Picked(kBox, 1));
    DesignData without = Picked(kBox, 1);
    without.Fbot = 0;
    without = Calculated(without);
    EXPECT_EQ(with.Area - without.Area, 9.0F);
    EXPECT_GT(without.Ybot, with.Ybot);
    // By hand: 2 webs 5 x 27, slabs 26 x 5 top and bottom, two 3-leg fillets (area 9
    // together) with their centroid 1 below the top slab.
    const double area = 270 + 130 + 130 + 9;
    EXPECT_EQ(without.Area, static_cast<float>(area));
    EXPECT_FLOAT_EQ(without.Ybot,
                    static_cast<float>((270 * 13.5 + 130 * 24.5 + 130 * 2.5 + 9 * 21.0) / area));
}

TEST(Shapes, VoidNumberIsARealAndZeroVoidsGiveTheSolidSlab) {
    DesignData voided = Picked(kVoided, 4);  // California 48x15
    voided.Htop = 0;
    DesignData solid = Picked(kSolid, 0);
    solid.D = voided.D;
    solid.Btop = voided.Btop;
    EXPECT_EQ(Properties(Calculated(voided)), Properties(Calculated(solid)));
    EXPECT_EQ(Properties(Calculated(solid)), (Quad{720, 13500, 7.5F, 7.5F}));

    DesignData data = Picked(kVoided, 0);
    SetDimensions(data, {10, 40, 2.5F, 4, 0, 0, 0, 0});
    data = Calculated(data);
    EXPECT_EQ(data.Area, static_cast<float>(400 - 16 * 2.5 * 3.1416 / 4));
    EXPECT_EQ(data.MoI, static_cast<float>(1000.0 * 40 / 12 - 256 * 2.5 * 3.1416 / 64));
    EXPECT_EQ(data.Ybot, 5.0F);
}

TEST(Shapes, GeneralSectionAndShapeOutsideTheListKeepTypedValues) {
    const Quad typed = {500, 60000, 20.5F, 19.5F};
    DesignData general = Picked(kGeneral, 0);
    SetProperties(general, typed);
    ScriptedDialogs dialogs;
    EXPECT_TRUE(CalcSectionProperties(general, dialogs));
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"General section properties must be input directly."});
    EXPECT_EQ(Properties(general), typed);
    EXPECT_EQ(BeamProperties(general), typed);

    DesignData other;
    other.BeamShape = static_cast<BeamShapeKind>(6);
    SetProperties(other, typed);
    EXPECT_EQ(BeamProperties(Calculated(other)), typed);
}

const Quad kOld = {1, 2, 3, 4};
const Quad kOldBeam = {5, 6, 7, 8};

/// A record with old properties that a refused calculation must leave alone.
DesignData WithOldProperties(BeamShapeKind shape, const Dims& dims) {
    DesignData data = Picked(shape, 0);
    SetDimensions(data, dims);
    SetProperties(data, kOld);
    SetBeamProperties(data, kOldBeam);
    return data;
}

TEST(ZeroArea, RefusalNamesTheMissingDimensionsAndKeepsTheOldProperties) {
    const std::string all = "D, Btop, Htop, Bweb, Bbot, Hbot, Ftop, Fbot";
    const struct {
        BeamShapeKind shape;
        Dims dims;
        std::string missing;
    } kCases[] = {
        {kIGirder, {}, all},
        {kBox, {}, all},
        {kTrapezoid, {}, all},
        {kIGirder, {36, 12, 0, 0, 18, 0, 0, 0}, "Htop, Bweb, Hbot, Ftop, Fbot"},
        // Every dimension given, webs wider than the box: area 1 - 19 - 19 + 20 + 1 = -16.
        {kBox, {1, 1, 1, 10, 1, 1, 1, 1}, all},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.missing + " of shape " + std::to_string(static_cast<int>(c.shape)));
        DesignData data = WithOldProperties(c.shape, c.dims);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(CalcSectionProperties(data, dialogs));
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>{"Enter the section dimensions: " + c.missing});
        EXPECT_EQ(Properties(data), kOld);
        EXPECT_EQ(BeamProperties(data), kOldBeam);
    }
}

TEST(ZeroArea, SlabsDoNotDivideByTheAreaButAnOverflowIsAnError) {
    // A solid slab without W has area 0, yet nothing divides by it.
    const DesignData slab = Calculated(WithOldProperties(kSolid, {12, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(slab.Area, 0.0F);
    EXPECT_EQ(slab.Ybot, 6.0F);
    EXPECT_EQ(slab.BeamArea, 0.0F);

    DesignData huge = WithOldProperties(kIGirder, {3e38F, 0, 0, 3e38F, 0, 0, 0, 0});
    ScriptedDialogs dialogs;
    EXPECT_THROW(CalcSectionProperties(huge, dialogs), CalcError);
    EXPECT_EQ(Properties(huge), kOld);
    EXPECT_EQ(BeamProperties(huge), kOldBeam);
}

}  // namespace
}  // namespace tarnex
