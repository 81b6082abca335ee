#include <string>
#include <utility>
#include <vector>

#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

using Tip = std::pair<const char*, const char*>;

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
        {"txtMU", "Enter friction curvature coefficient"},
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

/// English tooltips of the boxes before the section dimensions.
const std::vector<Tip>& MaterialTips() {
    static const std::vector<Tip> tips = {
        {"txtBUW", "Enter unit weight in lbs/in^3"},
        {"txtSUW", "Enter unit weight in lbs/in^3"},
        {"txtCS28", "Enter concrete compressive strength in lbs/in^2"},
        {"txtCSps", "Enter concrete compressive strength in lbs/in^2"},
        {"txtSS28", "Enter concrete compressive strength in lbs/in^2"},
        {"txtM28", "Enter modulus of elasticity in lbs/in^2"},
        {"txtMps", "Enter modulus of elasticity in lbs/in^2"},
        {"txtSM28", "Enter modulus of elasticity in lbs/in^2"},
        {"txtRS", "Enter reinforcing yield strength in lbs/in^2"},
        {"txtRM", "Enter reinforcing modulus in lbs/in^2"},
        {"txtPSdia", "Enter prestressing steel diameter in inches"},
        {"txtPSus", "Enter prestressing steel ultimate strength in lbs/in^2"},
        {"txtPSys", "Enter prestressing steel yield strength in lbs/in^2"},
        {"txtPSmod", "Enter prestressing steel modulus in lbs/in^2"},
        {"txtK", "Enter friction wobble coefficient in 1/in"},
        {"txtMU", "Enter friction curvature coefficient"},
    };
    return tips;
}

/// English tooltips of the dimension boxes for a beam shape; none for General Section.
std::vector<Tip> DimensionTips(BeamShapeKind shape) {
    switch (shape) {
        case BeamShapeKind::IGirder:
        case BeamShapeKind::BoxGirder:
        case BeamShapeKind::TrapezoidalBox:
            return {{"txtD", "Enter depth in inches"},
                    {"txtBtop", "Enter top flange width in inches"},
                    {"txtHtop", "Enter top flange thickness in inches"},
                    {"txtBweb", "Enter web thickness in inches"},
                    {"txtBbot", "Enter bottom flange width in inches"},
                    {"txtHbot", "Enter bottom flange thickness in inches"},
                    {"txtFtop", "Enter top fillet depth in inches"},
                    {"txtFbot", "Enter bottom fillet depth in inches"}};
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

/// English tooltips of the boxes after the section dimensions, in order.
const std::vector<Tip>& LaterTips() {
    static const std::vector<Tip> tips = {
        {"txtArea", "Enter area in in^2"},
        {"txtMoI", "Enter moment of inertia in in^4"},
        {"txtYtop", "Enter distance from CG to top fiber in inches"},
        {"txtYbot", "Enter distance from CG to bottom fiber in inches"},
        {"txtnll", "Enter number of load locations to investigate"},
        {"txtPjack", "Enter initial prestressing force in kips"},
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
        {"txtACS1", "Enter initial concrete compressive stress in lbs/in^2"},
        {"txtATS1", "Enter initial concrete tensile stress in lbs/in^2"},
        {"txtACS2", "Enter final concrete compressive stress in lbs/in^2"},
        {"txtATS2", "Enter final concrete tensile stress in lbs/in^2"},
        {"txtPSi", "Enter initial prestress in lbs/in^2"},
        {"txtPSloss", "Enter total prestress loss (excluding friction and anchor set) in lbs/in^2"},
        {"txtPStrans", "Enter prestress loss at time of transfer in lbs/in^2"},
        {"txtAset", "Enter anchor set in inches"},
        {"txtXl", "Enter horizontal distance to left key point in inches"},
        {"txtYl", "Enter vertical distance to left key point in inches"},
        {"txtXm", "Enter horizontal distance to middle key point in inches"},
        {"txtYm", "Enter vertical distance to middle key point in inches"},
        {"txtXr", "Enter horizontal distance to right key point in inches"},
        {"txtYr", "Enter vertical distance to right key point in inches"},
        {"txtBlength", "Enter beam length in inches"},
        {"txtBspace", "Enter beam spacing in inches"},
        {"txtTslab", "Enter slab thickness in inches"},
        {"txtBeff", "Enter slab effective width in inches"},
        {"txtSlope", "Enter slab slope from horizontal in degrees"},
        {"txtHaunch", "Enter haunch depth in inches"},
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
    auto set = [&](const std::vector<Tip>& tips) {
        for (const auto& [name, tip] : tips) {
            ControlState& box = window_.Get(name);
            box.tooltip = english ? std::string(tip) : MetricText(tip);
            box.unit = UnitOfTooltip(box.tooltip);
        }
    };
    set(MaterialTips());
    set(LaterTips());
    SetDimensionTooltips(state_.data.BeamShape);
}

void InputPresenter::SetDimensionTooltips(BeamShapeKind shape) {
    const bool english = state_.data.units == Units::English;
    for (const auto& [name, tip] : DimensionTips(shape)) {
        ControlState& box = window_.Get(name);
        box.tooltip = english ? std::string(tip) : MetricText(tip);
        box.unit = UnitOfTooltip(box.tooltip);
    }
}

}  // namespace tarnex::ui
