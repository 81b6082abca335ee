#include <string>
#include <utility>
#include <vector>

#include "model/input_fields.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

using Tip = std::pair<const char*, const char*>;
using NamedTip = std::pair<std::string, std::string>;

/// Tooltips that name no unit.
const std::vector<Tip>& UnitFreeTips() {
    static const std::vector<Tip> tips = {
        {"optEnglish", "Select English units"},
        {"optMetric", "Select Metric units"},
        {"optPreT", "Select Pretensioning"},
        {"optPostT", "Select Post-tensioning"},
        {"optAASHTO", "AASHTO (1996) design criteria"},
        {"optAREA", "AREMA (2002) design criteria"},
        {"optACI", "ACI-318 (1999) design criteria"},
        {"chkComp", "Check to include composite slab"},
        {"optGross", "Use gross section properties"},
        {"optTrans", "Use transformed section properties"},
        {"chkStress", "Check to output stress calculations"},
        {"chkDefl", "Check to output deflection calculations"},
        {"chkUMom", "Check to output ultimate moment calculations"},
        {"chkUShear", "Check to output ultimate shear calculations"},
        {"cboPStype", "Select prestressing steel type"},
        {"cboBeam", "Select beam shape"},
        {"cboSection", "Select beam section"},
        {"cmdPrev", "Previous load location"},
        {"cmdNext", "Next load location"},
        {"cboConfig", "Select prestress path configuration"},
        {"cmdcalcbeff", "Calculate effective slab width"},
        {"cmdcalcloss", "Calculate total prestress losses"},
        {"cmdCalcTrans", "Calculate prestress loss at initial transfer"},
        {"cmdCalcSP", "Calculate section properties"},
        {"cmdCalcPSF", "Calculate initial prestress force"},
        {"cmdCalc", "Perform calculations"},
    };
    return tips;
}

/// English tooltips of the input field boxes, the dimensions apart (they follow the shape).
std::vector<NamedTip> FieldTips() {
    std::vector<NamedTip> tips;
    for (const InputField& field : InputFields()) {
        if (field.box == nullptr || field.fileLine == kDimensionsLine) continue;
        tips.emplace_back(field.box, EnglishTooltip(field));
    }
    return tips;
}

/// English tooltips of the dimension boxes for a beam shape; none for General Section. The
/// slabs name their width, voids and void diameter in the storage of Btop, Htop and Bweb.
std::vector<NamedTip> DimensionTips(BeamShapeKind shape) {
    const std::vector<const InputField*> dimensions = FieldsOfLine(kDimensionsLine);
    std::vector<NamedTip> tips;
    switch (shape) {
        case BeamShapeKind::IGirder:
        case BeamShapeKind::BoxGirder:
        case BeamShapeKind::TrapezoidalBox:
            for (const InputField* field : dimensions) {
                tips.emplace_back(field->box, EnglishTooltip(*field));
            }
            return tips;
        case BeamShapeKind::VoidedSlab:
            return {{"txtD", "Enter depth in inches"},
                    {"txtBtop", "Enter width in inches"},
                    {"txtHtop", "Enter number of voids"},
                    {"txtBweb", "Enter void diameter in inches"}};
        case BeamShapeKind::SolidSlab:
            return {{"txtD", "Enter depth in inches"}, {"txtBtop", "Enter width in inches"}};
        default:
            return {};
    }
}

/// English tooltips of the location boxes.
const std::vector<NamedTip>& LocationTips() {
    static const std::vector<NamedTip> tips = {
        {"txtx", "Enter distance from left end of beam in inches"},
        {"txtDP", "Enter beam dead load axial force in kips"},
        {"txtDV", "Enter beam dead load shear in kips"},
        {"txtDM", "Enter beam dead load moment in kip-ft"},
        {"txtDF", "Enter beam dead load factor"},
        {"txtCDP", "Enter non-composite dead load axial force in kips"},
        {"txtCDV", "Enter non-composite dead load shear in kips"},
        {"txtCDM", "Enter non-composite dead load moment in kip-ft"},
        {"txtCDF", "Enter non-composite dead load factor"},
        {"txtADP", "Enter composite dead load axial force in kips"},
        {"txtADV", "Enter composite dead load shear in kips"},
        {"txtADM", "Enter composite dead load moment in kip-ft"},
        {"txtADF", "Enter composite dead load factor"},
        {"txtLP", "Enter live load plus impact axial force in kips"},
        {"txtLV", "Enter live load plus impact shear in kips"},
        {"txtLM", "Enter live load plus impact moment in kip-ft"},
        {"txtLF", "Enter live load plus impact load factor"},
        {"txtPSP", "Enter prestress load axial force in kips"},
        {"txtPSV", "Enter prestress load shear in kips"},
        {"txtPSM", "Enter prestress load moment in kip-ft"},
        {"txtPSF", "Enter prestress load factor"},
        {"txtPS2P", "Enter secondary prestress load axial force in kips"},
        {"txtPS2V", "Enter secondary prestress load shear in kips"},
        {"txtPS2M", "Enter secondary prestress load moment in kip-ft"},
        {"txtPS2F", "Enter secondary prestress load factor"},
        {"txtMP", "Enter miscellaneous load axial force in kips"},
        {"txtMV", "Enter miscellaneous load shear in kips"},
        {"txtMM", "Enter miscellaneous load moment in kip-ft"},
        {"txtMF", "Enter miscellaneous load factor"},
    };
    return tips;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

/// The Metric form of an English tooltip: the unit words replaced, in this order.
std::string MetricText(std::string text) {
    static const std::vector<std::pair<std::string, std::string>> units = {
        {"lbs/in^3", "N/mm^3"}, {"lbs/in^2", "N/mm^2"},   {"in^2", "mm^2"},
        {"in^4", "mm^4"},       {"1/in", "1/mm"},         {"kip-ft", "N-mm"},
        {"kips", "Newtons"},    {"inches", "millimeters"}};
    for (const auto& [from, to] : units) ReplaceAll(text, from, to);
    return text;
}

}  // namespace

std::string UnitOfTooltip(const std::string& tooltip) {
    const std::size_t at = tooltip.rfind(" in ");
    if (at == std::string::npos) return "";
    std::string unit = tooltip.substr(at + 4);
    static const std::vector<std::pair<std::string, std::string>> words = {
        {"lbs/in^3", "lb/in\u00b3"},
        {"lbs/in^2", "psi"},
        {"inches", "in"},
        {"millimeters", "mm"},
        {"^2", "\u00b2"},
        {"^3", "\u00b3"},
        {"^4", "\u2074"}};
    for (const auto& [from, to] : words) ReplaceAll(unit, from, to);
    return unit;
}

void InputPresenter::SetTooltips() {
    for (const auto& [name, tip] : UnitFreeTips()) window_.Get(name).tooltip = tip;
    const bool english = state_.data.units == Units::English;
    auto set = [&](const std::vector<NamedTip>& tips) {
        for (const auto& [name, tip] : tips) {
            ControlState& box = window_.Get(name);
            box.tooltip = english ? tip : MetricText(tip);
            box.unit = UnitOfTooltip(box.tooltip);
        }
    };
    set(FieldTips());
    set(LocationTips());
    // The curvature coefficient multiplies an angle change in radians.
    window_.Get("txtMU").unit = "1/radian";
    SetDimensionTooltips(state_.data.BeamShape);
}

void InputPresenter::SetDimensionTooltips(BeamShapeKind shape) {
    const bool english = state_.data.units == Units::English;
    for (const auto& [name, tip] : DimensionTips(shape)) {
        ControlState& box = window_.Get(name);
        box.tooltip = english ? tip : MetricText(tip);
        box.unit = UnitOfTooltip(box.tooltip);
    }
}

}  // namespace tarnex::ui
