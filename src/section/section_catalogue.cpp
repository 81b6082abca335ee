#include "section/section_catalogue.h"

namespace tarnex {
namespace {

constexpr int kShapeCount = 6;

bool IsShape(BeamShapeKind beamShape) {
    return static_cast<int>(beamShape) >= 0 && static_cast<int>(beamShape) < kShapeCount;
}

CatalogueEntry Entry(const char* text, float d, float btop, float htop, float bweb, float bbot,
                     float hbot, float ftop, float fbot, float area, float moi, float ytop,
                     float ybot) {
    return CatalogueEntry{text, {d, btop, htop, bweb, bbot, hbot, ftop, fbot}, area, moi, ytop,
                          ybot};
}

/// Voided slab entry: D, W, number of voids, void diameter; no properties.
CatalogueEntry Voided(const char* text, float d, float w, float vno, float vdia) {
    return Entry(text, d, w, vno, vdia, 0, 0, 0, 0, 0, 0, 0, 0);
}

std::vector<CatalogueEntry> IGirders() {
    return {
        Entry("California d = 36", 36, 19, 3, 7, 19, 6, 6, 6, 432, 63300, 18.9F, 17.1F),
        Entry("California d = 42", 42, 19, 3, 7, 19, 6, 6, 6, 474, 95000, 22, 20),
        Entry("California d = 48", 48, 19, 3, 7, 19, 6, 6, 6, 516, 137300, 25.2F, 22.8F),
        Entry("California d = 54", 54, 19, 3, 7, 19, 6, 6, 6, 558, 187800, 28.3F, 25.7F),
        Entry("California d = 60", 60, 19, 3, 7, 19, 6, 6, 6, 600, 248600, 31.4F, 28.6F),
        Entry("California d = 66", 66, 19, 3, 7, 19, 6, 6, 6, 642, 318000, 34.4F, 31.6F),
        Entry("AASHTO d = 36", 36, 12, 6, 6, 18, 6, 3, 6, 369, 50980, 20.17F, 15.83F),
        Entry("AASHTO d = 45", 45, 16, 7, 7, 22, 7, 4.5F, 7.5F, 560, 125390, 24.73F, 20.27F),
        Entry("AASHTO d = 54", 54, 20, 8, 8, 26, 8, 6, 9, 789, 260730, 29.27F, 24.73F),
    };
}

std::vector<CatalogueEntry> BoxGirders() {
    return {
        Entry("California 36x27", 27, 36, 5, 5, 36, 5, 3, 3, 0, 0, 0, 0),
        Entry("California 36x33", 33, 36, 5, 5, 36, 5, 3, 3, 0, 0, 0, 0),
        Entry("California 36x42", 42, 36, 5, 5, 36, 5, 3, 3, 0, 0, 0, 0),
        Entry("California 48x27", 27, 48, 5, 5, 48, 5, 3, 3, 0, 0, 0, 0),
        Entry("California 48x33", 33, 48, 5, 5, 48, 5, 3, 3, 0, 0, 0, 0),
        Entry("California 48x42", 42, 48, 5, 5, 48, 5, 3, 3, 0, 0, 0, 0),
        Entry("AASHTO 36x27", 27, 36, 5.5F, 5, 36, 5.5F, 3, 3, 561, 50334, 13.65F, 13.35F),
        Entry("AASHTO 36x33", 33, 36, 5.5F, 5, 36, 5.5F, 3, 3, 621, 85153, 16.71F, 16.29F),
        Entry("AASHTO 36x39", 39, 36, 5.5F, 5, 36, 5.5F, 3, 3, 681, 131145, 19.75F, 19.25F),
        Entry("AASHTO 36x42", 42, 36, 5.5F, 5, 36, 5.5F, 3, 3, 711, 158644, 21.27F, 20.73F),
        Entry("AASHTO 48x27", 27, 48, 5.5F, 5, 48, 5.5F, 3, 3, 693, 65941, 13.63F, 13.37F),
        Entry("AASHTO 48x33", 33, 48, 5.5F, 5, 48, 5.5F, 3, 3, 753, 110499, 16.67F, 16.33F),
        Entry("AASHTO 48x39", 39, 48, 5.5F, 5, 48, 5.5F, 3, 3, 813, 168367, 19.71F, 19.29F),
        Entry("AASHTO 48x42", 42, 48, 5.5F, 5, 48, 5.5F, 3, 3, 843, 203088, 21.22F, 20.78F),
    };
}

std::vector<CatalogueEntry> VoidedSlabs() {
    return {
        Voided("California 36x15", 15, 36, 2, 7),  Voided("California 36x18", 18, 36, 2, 9),
        Voided("California 36x21", 21, 36, 2, 12), Voided("California 48x15", 15, 48, 3, 7),
        Voided("California 48x18", 18, 48, 3, 9),  Voided("California 48x21", 21, 48, 3, 12),
        Voided("AASHTO 36x15", 15, 36, 2, 8),      Voided("AASHTO 36x18", 18, 36, 2, 10),
        Voided("AASHTO 36x21", 21, 36, 2, 12),     Voided("AASHTO 48x15", 15, 48, 3, 8),
        Voided("AASHTO 48x18", 18, 48, 3, 10),     Voided("AASHTO 48x21", 21, 48, 3, 12),
    };
}

std::vector<CatalogueEntry> TrapezoidalBoxes() {
    return {
        Entry("California d = 48", 48, 48, 5, 7, 24, 7, 6, 0, 949, 240330, 21.84F, 26.16F),
        Entry("California d = 60", 60, 60, 5, 7, 30, 7, 6, 0, 1215, 510520, 27.48F, 32.52F),
        Entry("California d = 72", 72, 72, 5, 7, 36, 7, 6, 0, 1490, 932913, 33.12F, 38.88F),
        Entry("California d = 84", 84, 84, 5, 7, 42, 7, 6, 0, 1765, 1541929, 38.64F, 45.36F),
        Entry("California d = 96", 96, 96, 5, 7, 48, 7, 6, 0, 2040, 2371784, 44.28F, 51.72F),
    };
}

}  // namespace

std::string DimensionName(DimensionField field) {
    static const std::array<std::string, kDimensionFieldCount> names = {
        "D", "Btop", "Htop", "Bweb", "Bbot", "Hbot", "Ftop", "Fbot"};
    return names[static_cast<std::size_t>(field)];
}

namespace {

template <typename Data>
auto& FieldOf(Data& data, DimensionField field) {
    switch (field) {
        case DimensionField::D:
            return data.D;
        case DimensionField::Btop:
            return data.Btop;
        case DimensionField::Htop:
            return data.Htop;
        case DimensionField::Bweb:
            return data.Bweb;
        case DimensionField::Bbot:
            return data.Bbot;
        case DimensionField::Hbot:
            return data.Hbot;
        case DimensionField::Ftop:
            return data.Ftop;
        case DimensionField::Fbot:
            return data.Fbot;
    }
    return data.D;
}

}  // namespace

float& DimensionValue(DesignData& data, DimensionField field) { return FieldOf(data, field); }

float DimensionValue(const DesignData& data, DimensionField field) { return FieldOf(data, field); }

bool UsesDimension(BeamShapeKind beamShape, DimensionField field) {
    switch (beamShape) {
        case BeamShapeKind::IGirder:
        case BeamShapeKind::BoxGirder:
        case BeamShapeKind::TrapezoidalBox:
            return true;
        case BeamShapeKind::VoidedSlab:
            return field == DimensionField::D || field == DimensionField::Btop ||
                   field == DimensionField::Htop || field == DimensionField::Bweb;
        case BeamShapeKind::SolidSlab:
            return field == DimensionField::D || field == DimensionField::Btop;
        case BeamShapeKind::General:
            return false;
    }
    return false;
}

std::string DimensionCaption(BeamShapeKind beamShape, DimensionField field) {
    if (!UsesDimension(beamShape, field)) return {};
    const BeamShapeKind shape = beamShape;
    if (shape == BeamShapeKind::VoidedSlab || shape == BeamShapeKind::SolidSlab) {
        switch (field) {
            case DimensionField::Btop:
                return "W";
            case DimensionField::Htop:
                return "VNo";
            case DimensionField::Bweb:
                return "VDia";
            default:
                break;
        }
    }
    return DimensionName(field);
}

const std::vector<CatalogueEntry>& SectionCatalogue(BeamShapeKind beamShape) {
    static const std::array<std::vector<CatalogueEntry>, kShapeCount> catalogue = {
        std::vector<CatalogueEntry>{}, IGirders(),        BoxGirders(), VoidedSlabs(),
        std::vector<CatalogueEntry>{}, TrapezoidalBoxes()};
    static const std::vector<CatalogueEntry> none;
    return IsShape(beamShape) ? catalogue[static_cast<std::size_t>(beamShape)] : none;
}

const std::vector<std::string>& BeamShapeTexts() {
    static const std::vector<std::string> texts = {"General Section", "I Girder",
                                                   "Box Girder",      "Voided Slab",
                                                   "Solid Slab",      "Trapezoidal Box"};
    return texts;
}

std::vector<std::string> SectionListTexts(BeamShapeKind beamShape) {
    if (!IsShape(beamShape)) return {};
    std::vector<std::string> texts = {"User defined"};
    for (const CatalogueEntry& entry : SectionCatalogue(beamShape)) texts.push_back(entry.text);
    return texts;
}

std::string SectionListText(BeamShapeKind beamShape, int sectionNo) {
    const std::vector<std::string> texts = SectionListTexts(beamShape);
    if (sectionNo < 0 || static_cast<std::size_t>(sectionNo) >= texts.size()) return {};
    return texts[static_cast<std::size_t>(sectionNo)];
}

}  // namespace tarnex
