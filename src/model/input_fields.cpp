#include "model/input_fields.h"

#include <algorithm>
#include <type_traits>

namespace tarnex {

namespace {

constexpr int S = kShortestForm;
constexpr const char* kNone = nullptr;

}  // namespace

const std::vector<InputField>& InputFields() {
    using D = DesignData;
    // clang-format off
    static const std::vector<InputField> fields = {
        // member, file line, item, box, window label, tooltip, unit, box decimals,
        // echo label, echo decimals
        {&D::BUW, kBeamConcreteLine, 1, "txtBUW", "Unit weight:",
         "Enter unit weight", "lbs/in^3", S,
         "Unit weight                           = ", 4},
        {&D::CS28, kBeamConcreteLine, 2, "txtCS28", "Compressive strength at 28 days:",
         "Enter concrete compressive strength", "lbs/in^2", S,
         "Compressive strength at 28 days       = ", 2},
        {&D::CSps, kBeamConcreteLine, 3, "txtCSps", "Compressive strength at prestressing:",
         "Enter concrete compressive strength", "lbs/in^2", S,
         "Compressive strength at prestressing  = ", 2},
        {&D::M28, kBeamConcreteLine, 4, "txtM28", "Modulus of elasticity at 28 days:",
         "Enter modulus of elasticity", "lbs/in^2", 0,
         "Modulus of elasticity at 28 days      = ", 0},
        {&D::Mps, kBeamConcreteLine, 5, "txtMps", "Modulus of elasticity at prestressing:",
         "Enter modulus of elasticity", "lbs/in^2", 0,
         "Modulus of elasticity at prestressing = ", 0},

        {&D::SUW, kSlabConcreteLine, 1, "txtSUW", "Unit weight:",
         "Enter unit weight", "lbs/in^3", S,
         "Unit weight                           = ", 4},
        {&D::SS28, kSlabConcreteLine, 2, "txtSS28", "Compressive strength at 28 days:",
         "Enter concrete compressive strength", "lbs/in^2", S,
         "Compressive strength at 28 days       = ", 2},
        {&D::SM28, kSlabConcreteLine, 3, "txtSM28", "Modulus of elasticity at 28 days:",
         "Enter modulus of elasticity", "lbs/in^2", 0,
         "Modulus of elasticity at 28 days      = ", 0},

        {&D::RS, kMildSteelLine, 1, "txtRS", "Yield strength:",
         "Enter reinforcing yield strength", "lbs/in^2", S,
         "Yield strength                        = ", 2},
        {&D::RM, kMildSteelLine, 2, "txtRM", "Modulus of elasticity:",
         "Enter reinforcing modulus", "lbs/in^2", S,
         "Modulus of elasticity                 = ", 0},

        // The steel type is chosen from a list; the echo names it.
        {&D::PStype, kPrestressingSteelLine, 1, kNone, "Type:",
         kNone, kNone, S,
         kNone, 0},
        {&D::PSdia, kPrestressingSteelLine, 2, "txtPSdia", "Diameter:",
         "Enter prestressing steel diameter", "inches", S,
         "Diameter                              = ", 3},
        {&D::PSus, kPrestressingSteelLine, 3, "txtPSus", "Ultimate strength:",
         "Enter prestressing steel ultimate strength", "lbs/in^2", S,
         "Ultimate strength                     = ", 2},
        {&D::PSys, kPrestressingSteelLine, 4, "txtPSys", "Yield strength:",
         "Enter prestressing steel yield strength", "lbs/in^2", 0,
         "Yield strength                        = ", 2},
        {&D::PSmod, kPrestressingSteelLine, 5, "txtPSmod", "Modulus of elasticity:",
         "Enter prestressing steel modulus", "lbs/in^2", S,
         "Modulus of elasticity                 = ", 0},

        {&D::K, kDuctsLine, 1, "txtK", "Friction wobble coeff:",
         "Enter friction wobble coefficient", "1/in", S,
         "Friction wobble coefficient           = ", 7},
        {&D::MU, kDuctsLine, 2, "txtMU", "Friction curvature coeff:",
         "Enter friction curvature coefficient", kNone, S,
         "Friction curvature coefficient        = ", 2},

        // The beam shape and section are chosen from lists.
        {&D::BeamShape, kBeamShapeLine, 1, kNone, kNone, kNone, kNone, S, kNone, 0},
        {&D::SectionNo, kSectionNumberLine, 1, kNone, kNone, kNone, kNone, S, kNone, 0},

        // The dimensions as the girder shapes name them; their labels, tooltips and echo
        // follow the beam shape.
        {&D::D, kDimensionsLine, 1, "txtD", kNone,
         "Enter depth", "inches", S, "D    = ", 3},
        {&D::Btop, kDimensionsLine, 2, "txtBtop", kNone,
         "Enter top flange width", "inches", S, "Btop = ", 3},
        {&D::Htop, kDimensionsLine, 3, "txtHtop", kNone,
         "Enter top flange thickness", "inches", S, "Htop = ", 3},
        {&D::Bweb, kDimensionsLine, 4, "txtBweb", kNone,
         "Enter web thickness", "inches", S, "Bweb = ", 3},
        {&D::Bbot, kDimensionsLine, 5, "txtBbot", kNone,
         "Enter bottom flange width", "inches", S, "Bbot = ", 3},
        {&D::Hbot, kDimensionsLine, 6, "txtHbot", kNone,
         "Enter bottom flange thickness", "inches", S, "Hbot = ", 3},
        {&D::Ftop, kDimensionsLine, 7, "txtFtop", kNone,
         "Enter top fillet depth", "inches", S, "Ftop = ", 3},
        {&D::Fbot, kDimensionsLine, 8, "txtFbot", kNone,
         "Enter bottom fillet depth", "inches", S, "Fbot = ", 3},

        // The beam's gross properties are stored; the properties in use are shown.
        {&D::BeamArea, kBeamPropertiesLine, 1, kNone, kNone, kNone, kNone, S, "Area = ", 2},
        {&D::BeamMoI, kBeamPropertiesLine, 2, kNone, kNone, kNone, kNone, S, "MoI  = ", 0},
        {&D::BeamYtop, kBeamPropertiesLine, 3, kNone, kNone, kNone, kNone, S, "Ytop = ", 3},
        {&D::BeamYbot, kBeamPropertiesLine, 4, kNone, kNone, kNone, kNone, S, "Ybot = ", 3},
        {&D::Area, 0, 0, "txtArea", "Area",
         "Enter area", "in^2", 0, kNone, 0},
        {&D::MoI, 0, 0, "txtMoI", "Mom of Inert",
         "Enter moment of inertia", "in^4", 0, kNone, 0},
        {&D::Ytop, 0, 0, "txtYtop", "Ytop",
         "Enter distance from CG to top fiber", "inches", 2, kNone, 0},
        {&D::Ybot, 0, 0, "txtYbot", "Ybot",
         "Enter distance from CG to bottom fiber", "inches", 2, kNone, 0},

        // The loads line: the count opens the locations; the force is shown in kips.
        {&D::nll, kLoadsLine, 1, "txtnll", "Number of Locations:",
         "Enter number of load locations to investigate", kNone, S, kNone, 0},
        {&D::Pjack, kLoadsLine, 2, "txtPjack", "Initial Prestress Force:",
         "Enter initial prestressing force", "kips", S, kNone, 0},

        {&D::ACS1, kAllowableStressLine, 1, "txtACS1", "Initial concrete compressive stress:",
         "Enter initial concrete compressive stress", "lbs/in^2", 0,
         "Initial concrete compressive stress = ", 0},
        {&D::ATS1, kAllowableStressLine, 2, "txtATS1", "Initial concrete tensile stress:",
         "Enter initial concrete tensile stress", "lbs/in^2", 0,
         "Initial concrete tensile stress     = ", 0},
        {&D::ACS2, kAllowableStressLine, 3, "txtACS2", "Final concrete compressive stress:",
         "Enter final concrete compressive stress", "lbs/in^2", 0,
         "Final concrete compressive stress   = ", 0},
        {&D::ATS2, kAllowableStressLine, 4, "txtATS2", "Final concrete tensile stress:",
         "Enter final concrete tensile stress", "lbs/in^2", 0,
         "Final concrete tensile stress       = ", 0},
        {&D::PSi, kAllowableStressLine, 5, "txtPSi", "Initial prestress:",
         "Enter initial prestress", "lbs/in^2", 0,
         "Initial prestress                   = ", 0},

        {&D::PSloss, kLossLine, 1, "txtPSloss", "Total prestress losses (excluding friction):",
         "Enter total prestress loss (excluding friction and anchor set)", "lbs/in^2", 0,
         "Total prestress loss                = ", 0},
        {&D::PStrans, kLossLine, 2, "txtPStrans", "Prestress losses at time of transfer:",
         "Enter prestress loss at time of transfer", "lbs/in^2", 0,
         "Prestress loss at time of transfer  = ", 0},
        {&D::Aset, kLossLine, 3, "txtAset", "Anchor set (left):",
         "Enter anchor set", "inches", S,
         "Anchor set                          = ", 3},

        // The path is chosen from a list; the echo names it.
        {&D::PathConfig, kPathKindLine, 1, kNone, "Configuration:",
         kNone, kNone, S, kNone, 0},
        // Key points pair by pair; the echo writes each pair on one line.
        {&D::Xl, kPathPointsLine, 1, "txtXl", "Xleft:",
         "Enter horizontal distance to left key point", "inches", S, "Xleft        = ", 1},
        {&D::Yl, kPathPointsLine, 2, "txtYl", "Yleft:",
         "Enter vertical distance to left key point", "inches", S, "  Yleft   = ", 3},
        {&D::Xm, kPathPointsLine, 3, "txtXm", "Xmiddle:",
         "Enter horizontal distance to middle key point", "inches", S, "Xmiddle      = ", 1},
        {&D::Ym, kPathPointsLine, 4, "txtYm", "Ymiddle:",
         "Enter vertical distance to middle key point", "inches", S, "  Ymiddle = ", 3},
        {&D::Xr, kPathPointsLine, 5, "txtXr", "Xright:",
         "Enter horizontal distance to right key point", "inches", S, "Xright       = ", 1},
        {&D::Yr, kPathPointsLine, 6, "txtYr", "Yright:",
         "Enter vertical distance to right key point", "inches", S, "  Yright  = ", 3},

        {&D::Blength, kBeamConfigurationLine, 1, "txtBlength", "Beam length:",
         "Enter beam length", "inches", S,
         "Beam length          = ", 3},
        {&D::Bspace, kBeamConfigurationLine, 2, "txtBspace", "Beam spacing:",
         "Enter beam spacing", "inches", S,
         "Beam spacing         = ", 3},

        {&D::Tslab, kSlabConfigurationLine, 1, "txtTslab", "Slab thickness:",
         "Enter slab thickness", "inches", S,
         "Slab thickness       = ", 3},
        {&D::Beff, kSlabConfigurationLine, 2, "txtBeff", "Effective slab width:",
         "Enter slab effective width", "inches", S,
         "Effective width      = ", 3},
        {&D::Slope, kSlabConfigurationLine, 3, "txtSlope", "Slab cross slope:",
         "Enter slab slope from horizontal", "degrees", S,
         "Cross slope          = ", 3},
        {&D::Haunch, kSlabConfigurationLine, 4, "txtHaunch", "Average haunch depth:",
         "Enter haunch depth", "inches", S,
         "Average haunch depth = ", 3},
    };
    // clang-format on
    return fields;
}

std::vector<const InputField*> FieldsOfLine(int line) {
    std::vector<const InputField*> rows;
    for (const InputField& field : InputFields()) {
        if (field.fileLine == line) rows.push_back(&field);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const InputField* a, const InputField* b) {
        return a->filePosition < b->filePosition;
    });
    return rows;
}

const InputField* FieldOfBox(const std::string& box) {
    for (const InputField& field : InputFields()) {
        if (field.box != nullptr && box == field.box) return &field;
    }
    return nullptr;
}

const InputField* FieldOfMember(const InputMember& member) {
    for (const InputField& field : InputFields()) {
        if (field.member == member) return &field;
    }
    return nullptr;
}

bool FileHasLine(int line, bool composite, bool postTensioned) {
    if (line == kSlabConcreteLine || line == kSlabConfigurationLine) return composite;
    if (line == kDuctsLine) return postTensioned;
    return true;
}

std::string EnglishTooltip(const InputField& field) {
    std::string tip = field.tooltip != nullptr ? field.tooltip : "";
    if (field.unit != nullptr) tip += std::string(" in ") + field.unit;
    return tip;
}

float DesignData::*RealMember(const InputField& field) {
    const auto* real = std::get_if<float DesignData::*>(&field.member);
    return real != nullptr ? *real : nullptr;
}

double FieldValue(const DesignData& data, const InputField& field) {
    return std::visit(
        [&data](auto member) -> double {
            using Value = std::remove_cvref_t<decltype(data.*member)>;
            if constexpr (std::is_enum_v<Value>) {
                return static_cast<int>(data.*member);
            } else {
                return static_cast<double>(data.*member);
            }
        },
        field.member);
}

void SetWholeValue(DesignData& data, const InputField& field, int value) {
    std::visit(
        [&data, value](auto member) {
            using Value = std::remove_cvref_t<decltype(data.*member)>;
            data.*member = static_cast<Value>(value);
        },
        field.member);
}

}  // namespace tarnex
