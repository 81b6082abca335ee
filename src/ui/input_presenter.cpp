#include "ui/input_presenter.h"

#include <cmath>
#include <optional>

#include "model/defaults.h"
#include "model/number_text.h"
#include "prestress/buttons.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"
#include "ui/control_names.h"

namespace tarnex::ui {

namespace {

/// Square root of a strength for the tensile allowables; nothing for a negative strength.
std::optional<double> RootOf(float strength) {
    const double f = static_cast<double>(strength);
    if (f < 0.0) return std::nullopt;
    return std::sqrt(f);
}

const BoundBox* FindBound(const std::string& box) {
    for (const BoundBox& bound : BoundBoxes()) {
        if (box == bound.name) return &bound;
    }
    return nullptr;
}

}  // namespace

InputPresenter::InputPresenter(ProgramState& state, Dialogs& outer, ShellPort* shell)
    : state_(state), outer_(outer), shell_(shell) {
    for (const std::string& name : AllControlNames()) window_.Add(name);
    window_.Get("SBFiles1").text = kNoInputFile;
    window_.Get("SBFiles2").text = kNoOutputFile;
    window_.Get("fraLocation").text = "LOCATION NO ";
    SyncSettingButtons();
    SyncOutputOptions();
}

void InputPresenter::ShowValue(const std::string& name, float value) {
    SetBox(name, ShowNumber(static_cast<double>(value)));
}

void InputPresenter::ShowWhole(const std::string& name, float value) {
    SetBox(name, ShowRounded(static_cast<double>(value), 0));
}

void InputPresenter::ShowPicture(const std::string& array, int index) {
    for (int i = 0; i < 6; ++i) window_.Get(PictureName(array, i)).visible = i == index;
}

void InputPresenter::SyncSettingButtons() {
    const DesignData& d = state_.data;
    window_.Get("optAASHTO").checked = d.designCriteria == DesignCriteria::AASHTO;
    window_.Get("optAREA").checked = d.designCriteria == DesignCriteria::AREMA;
    window_.Get("optACI").checked = d.designCriteria == DesignCriteria::ACI;
    window_.Get("optEnglish").checked = d.units == Units::English;
    window_.Get("optMetric").checked = d.units == Units::Metric;
    window_.Get("optPreT").checked = d.prestressing == Prestressing::Pretensioning;
    window_.Get("optPostT").checked = d.prestressing == Prestressing::PostTensioning;
    window_.Get("chkComp").checked = d.Composite;
    window_.Get("optGross").checked = d.sectionBasis == SectionBasis::Gross;
    window_.Get("optTrans").checked = d.sectionBasis == SectionBasis::Transformed;
}

void InputPresenter::SyncOutputOptions() {
    window_.Get("chkStress").checked = state_.output.Stresses;
    window_.Get("chkDefl").checked = state_.output.Deflections;
    window_.Get("chkUMom").checked = state_.output.UltimateMoment;
    window_.Get("chkUShear").checked = state_.output.UltimateShear;
}

void InputPresenter::KeyRelease(const std::string& box, const std::string& text) {
    SetBox(box, text);
    if (box == "txtnll") return;  // applied when the count is confirmed
    if (StoreLoadEntry(box, text)) return;
    StoreBox(box, text);
    DeriveFrom(box);
}

void InputPresenter::Confirm(const std::string& box, const std::string& text) {
    SetBox(box, text);
    if (box == "txtnll") SetNumberOfLocations(text);
}

void InputPresenter::StoreBox(const std::string& box, const std::string& text) {
    DesignData& d = state_.data;
    const double value = ReadLeadingNumber(text);
    if (box == "txtPjack") {
        // Typed in kips, stored in lb; an empty box or 0 keeps the force in force.
        if (value != 0.0) d.Pjack = static_cast<float>(value * static_cast<double>(d.ForceFactor));
        return;
    }
    const BoundBox* bound = FindBound(box);
    if (bound == nullptr) return;
    d.*(bound->field) = static_cast<float>(value);
    // A typed section property is also the beam's gross property.
    if (box == "txtArea") d.BeamArea = d.Area;
    if (box == "txtMoI") d.BeamMoI = d.MoI;
    if (box == "txtYtop") d.BeamYtop = d.Ytop;
    if (box == "txtYbot") d.BeamYbot = d.Ybot;
}

void InputPresenter::DeriveFrom(const std::string& box) {
    DesignData& d = state_.data;
    const bool english = d.units == Units::English;
    if (box == "txtBUW" && english) {
        if (auto e = ConcreteModulus(d.BUW, d.CS28)) d.M28 = *e, ShowValue("txtM28", d.M28);
        if (auto e = ConcreteModulus(d.BUW, d.CSps)) d.Mps = *e, ShowValue("txtMps", d.Mps);
    } else if (box == "txtCS28" && english) {
        if (auto e = ConcreteModulus(d.BUW, d.CS28)) d.M28 = *e, ShowValue("txtM28", d.M28);
        // Final allowables: 0.40 f'c (0.45 f'c under ACI 318), tension 6 sqrt(f'c) (none
        // under AREMA).
        const double share = d.designCriteria == DesignCriteria::ACI ? 0.45 : 0.4;
        d.ACS2 = static_cast<float>(share * static_cast<double>(d.CS28));
        ShowValue("txtACS2", d.ACS2);
        if (d.designCriteria == DesignCriteria::AREMA) {
            d.ATS2 = 0;
            ShowWhole("txtATS2", d.ATS2);
        } else if (auto root = RootOf(d.CS28)) {
            d.ATS2 = static_cast<float>(6.0 * *root);
            ShowWhole("txtATS2", d.ATS2);
        }
    } else if (box == "txtCSps" && english) {
        if (auto e = ConcreteModulus(d.BUW, d.CSps)) d.Mps = *e, ShowValue("txtMps", d.Mps);
        // Initial allowables: 0.55 f'ci for post-tensioning except under ACI, else 0.60 f'ci;
        // tension 3 sqrt(f'ci).
        const bool post = d.prestressing == Prestressing::PostTensioning;
        const double share = d.designCriteria != DesignCriteria::ACI && post ? 0.55 : 0.6;
        d.ACS1 = static_cast<float>(share * static_cast<double>(d.CSps));
        ShowValue("txtACS1", d.ACS1);
        if (auto root = RootOf(d.CSps)) {
            d.ATS1 = static_cast<float>(3.0 * *root);
            ShowWhole("txtATS1", d.ATS1);
        }
    } else if ((box == "txtSUW" || box == "txtSS28") && english) {
        if (auto e = ConcreteModulus(d.SUW, d.SS28)) d.SM28 = *e, ShowValue("txtSM28", d.SM28);
    } else if (box == "txtPSus") {
        // Yield strength: 0.85 fpu stress relieved, 0.90 fpu low relaxation.
        const double share = d.PStype == 0 ? 0.85 : 0.9;
        d.PSys = static_cast<float>(share * static_cast<double>(d.PSus));
        ShowValue("txtPSys", d.PSys);
    } else if (box == "txtPSloss") {
        // A typed total loss discards the losses calculated per location.
        for (float& loss : d.PSlossAt) loss = 0;
    }
}

void InputPresenter::Click(const std::string& control, bool checked) {
    if (control.rfind("opt", 0) == 0 || control == "chkComp") {
        ClickSetting(control, checked);
    } else if (control == "chkStress") {
        state_.output.Stresses = checked;
    } else if (control == "chkDefl") {
        state_.output.Deflections = checked;
    } else if (control == "chkUMom") {
        state_.output.UltimateMoment = checked;
    } else if (control == "chkUShear") {
        state_.output.UltimateShear = checked;
    } else if (control == "cmdNext") {
        StepLocation(1);
    } else if (control == "cmdPrev") {
        StepLocation(-1);
    } else if (control == "cmdCalc") {
        CalculateOutput();
    } else {
        PressButton(control);
    }
    SyncOutputOptions();
}

void InputPresenter::ClickSetting(const std::string& control, bool checked) {
    if (control == "optAASHTO") SelectDesignCriteria(state_, *this, DesignCriteria::AASHTO);
    if (control == "optAREA") SelectDesignCriteria(state_, *this, DesignCriteria::AREMA);
    if (control == "optACI") SelectDesignCriteria(state_, *this, DesignCriteria::ACI);
    if (control == "optEnglish") SelectUnits(state_, *this, Units::English);
    if (control == "optMetric") SelectUnits(state_, *this, Units::Metric);
    if (control == "optPreT") SelectPrestressing(state_, *this, Prestressing::Pretensioning);
    if (control == "optPostT") SelectPrestressing(state_, *this, Prestressing::PostTensioning);
    if (control == "optGross") SelectSectionBasis(state_, *this, SectionBasis::Gross);
    if (control == "optTrans") SelectSectionBasis(state_, *this, SectionBasis::Transformed);
    if (control == "chkComp") SelectComposite(state_, *this, checked);
    SyncSettingButtons();
}

void InputPresenter::SelectRow(const std::string& list, int row) {
    ControlState& control = window_.Get(list);
    control.selection = row;
    if (list == "cboPStype") {
        SelectSteelType(row);
    } else if (list == "cboConfig") {
        SelectPathConfig(row);
    } else if (list == "cboBeam") {
        if (state_.data.FillingForm == 1) return;
        if (row >= 0 && row <= 5) ShowPicture("imgSect", row);
        SelectBeamShape(state_.data, row);
        ShowSectionInputs();
    } else if (list == "cboSection") {
        if (state_.data.FillingForm == 1) return;
        SelectStandardSection(state_.data, row);
        ShowSectionInputs();
    }
}

void InputPresenter::SelectSteelType(int row) {
    DesignData& d = state_.data;
    if (d.FillingForm == 1) return;
    d.PStype = row;
    const bool post = d.prestressing == Prestressing::PostTensioning;
    const bool lowRelaxation = d.PStype != 0;
    // Default total loss (psi) by prestressing method and strand type.
    if (post) {
        d.PSloss = lowRelaxation ? 32000.0F : 24000.0F;
    } else {
        d.PSloss = lowRelaxation ? 35000.0F : 45000.0F;
    }
    ShowValue("txtPSloss", d.PSloss);
    const double fpu = static_cast<double>(d.PSus);
    double share = 0.70;
    if (!post) {
        if (d.designCriteria == DesignCriteria::ACI) {
            share = 0.74;
        } else {
            share = lowRelaxation ? 0.75 : 0.70;
        }
    }
    d.PSi = static_cast<float>(share * fpu);
    ShowValue("txtPSi", d.PSi);
    // Loss at transfer: initial prestress less 0.63 fpu (stress relieved) or 0.69 fpu.
    const double atTransfer = lowRelaxation ? 0.69 : 0.63;
    d.PStrans = static_cast<float>(static_cast<double>(d.PSi) - atTransfer * fpu);
    ShowValue("txtPStrans", d.PStrans);
}

void InputPresenter::SelectPathConfig(int row) {
    if (row < 0 || row > 5) return;
    ShowPicture("imgPath", row);
    state_.data.PathConfig = row;
}

void InputPresenter::PressButton(const std::string& button) {
    ButtonResult result;
    std::string box;
    if (button == "cmdCalcSP") {
        PressCalcSectionProperties(state_, *this);
        ShowSectionInputs();
        return;
    }
    if (button == "cmdcalcbeff") {
        result = PressCalcEffectiveSlabWidth(state_, *this);
        box = "txtBeff";
    } else if (button == "cmdcalcloss") {
        result = PressCalcTotalLosses(state_, *this);
        box = "txtPSloss";
    } else if (button == "cmdCalcTrans") {
        result = PressCalcLossAtTransfer(state_, *this);
        box = "txtPStrans";
    } else if (button == "cmdCalcPSF") {
        result = PressCalcPrestressForce(state_, *this);
        box = "txtPjack";
    } else {
        return;
    }
    if (!result.fieldText.empty()) SetBox(box, result.fieldText);
}

}  // namespace tarnex::ui
