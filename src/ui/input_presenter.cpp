#include "ui/input_presenter.h"

#include <optional>

#include "model/defaults.h"
#include "model/number_text.h"
#include "model/typed_number.h"
#include "prestress/buttons.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"
#include "ui/control_names.h"

namespace tarnex::ui {

namespace {

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

void InputPresenter::TextEdited(const std::string& box, const std::string& text) {
    if (box != "txtnll") CommitPendingCount();
    ControlState& control = window_.Get(box);
    control.text = text;
    control.problem.clear();
    if (box == "txtnll") {
        countPending_ = true;  // applied on Enter, on leaving the box or before moving on
        return;
    }
    DesignData& d = state_.data;
    float* field = FieldOf(box);
    const double factor = UnitFactorOf(box);
    const TypedNumber typed = ReadTypedNumber(text, factor);
    if (!typed.value) {
        // The value in use is the one of the last complete number typed (12 while 12O0 is
        // typed), shown in the box's own unit.
        if (field != nullptr) {
            control.problem =
                typed.problem + "; not stored, the value in use is " +
                ShortestForm(static_cast<double>(*field) / (factor != 0.0 ? factor : 1.0)) +
                (control.unit.empty() ? "" : " " + control.unit);
        }
        return;
    }
    if (field == nullptr) return;
    *field = *typed.value;
    // A typed section property is also the beam's gross property.
    if (box == "txtArea") d.BeamArea = d.Area;
    if (box == "txtMoI") d.BeamMoI = d.MoI;
    if (box == "txtYtop") d.BeamYtop = d.Ytop;
    if (box == "txtYbot") d.BeamYbot = d.Ybot;
    DeriveFrom(box);
}

void InputPresenter::Confirm(const std::string& box) {
    if (box == "txtnll") CommitPendingCount();
}

float* InputPresenter::FieldOf(const std::string& box) {
    if (box == "txtPjack") return &state_.data.Pjack;
    if (const BoundBox* bound = FindBound(box)) return &(state_.data.*(bound->field));
    return LoadEntryOf(box);
}

void InputPresenter::SetDerived(const std::string& box, float& field, std::optional<float> value,
                                bool whole) {
    // A value without a real result (negative strength) leaves the field as it was.
    if (!value) return;
    field = *value;
    if (whole) {
        ShowWhole(box, field);
    } else {
        ShowValue(box, field);
    }
}

void InputPresenter::DeriveFrom(const std::string& box) {
    DesignData& d = state_.data;
    const bool english = d.units == Units::English;
    if (box == "txtBUW" && english) {
        SetDerived("txtM28", d.M28, ConcreteModulus(d.BUW, d.CS28));
        SetDerived("txtMps", d.Mps, ConcreteModulus(d.BUW, d.CSps));
    } else if (box == "txtCS28" && english) {
        SetDerived("txtM28", d.M28, ConcreteModulus(d.BUW, d.CS28));
        const AllowableStresses service = FinalAllowables(d.designCriteria, d.CS28);
        SetDerived("txtACS2", d.ACS2, service.compression);
        SetDerived("txtATS2", d.ATS2, service.tension, true);
    } else if (box == "txtCSps" && english) {
        SetDerived("txtMps", d.Mps, ConcreteModulus(d.BUW, d.CSps));
        const AllowableStresses transfer =
            InitialAllowables(d.designCriteria, d.prestressing, d.CSps);
        SetDerived("txtACS1", d.ACS1, transfer.compression);
        SetDerived("txtATS1", d.ATS1, transfer.tension, true);
    } else if ((box == "txtSUW" || box == "txtSS28") && english) {
        SetDerived("txtSM28", d.SM28, ConcreteModulus(d.SUW, d.SS28));
    } else if (box == "txtPSus") {
        SetDerived("txtPSys", d.PSys, SteelYieldStrength(d.PStype, d.PSus));
    } else if (box == "txtPSloss") {
        // A typed total loss discards the losses calculated per location.
        for (float& loss : d.PSlossAt) loss = 0;
    }
}

void InputPresenter::Click(const std::string& control, bool checked) {
    CommitPendingCount();
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
    CommitPendingCount();
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
    d.PStype = static_cast<SteelType>(row);
    const SteelTypeLosses losses = SteelTypeChoiceLosses(d, d.PStype);
    SetDerived("txtPSloss", d.PSloss, losses.PSloss);
    SetDerived("txtPSi", d.PSi, losses.PSi);
    SetDerived("txtPStrans", d.PStrans, losses.PStrans);
}

void InputPresenter::SelectPathConfig(int row) {
    if (row < 0 || row > 5) return;
    ShowPicture("imgPath", row);
    state_.data.PathConfig = static_cast<PathKind>(row);
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
