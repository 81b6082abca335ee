#include "ui/input_presenter.h"

#include <optional>
#include <string_view>
#include <unordered_map>

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
    window_.Get("chkRating").checked = state_.output.LoadRating;
}

void InputPresenter::TextEdited(const std::string& box, const std::string& text) {
    if (box != "txtnll") CommitPendingCount();
    // Keys typed into one box at one location are one step of the undo history.
    mergeKey_ =
        LoadEntryOf(box) != nullptr ? box + "@" + std::to_string(state_.data.CurrentLocation) : box;
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
    // The values derived from a typed source box (the concrete rules in English units only).
    using Rule = void (*)(InputPresenter&, DesignData&);
    struct Derivation {
        Rule rule;
        bool englishOnly;
    };
    static const std::unordered_map<std::string_view, Derivation> kDerivations = {
        {"txtBUW",
         {[](InputPresenter& p, DesignData& d) {
              p.SetDerived("txtM28", d.M28, ConcreteModulus(d.BUW, d.CS28));
              p.SetDerived("txtMps", d.Mps, ConcreteModulus(d.BUW, d.CSps));
          },
          true}},
        {"txtCS28",
         {[](InputPresenter& p, DesignData& d) {
              p.SetDerived("txtM28", d.M28, ConcreteModulus(d.BUW, d.CS28));
              const AllowableStresses service = FinalAllowables(d.designCriteria, d.CS28);
              p.SetDerived("txtACS2", d.ACS2, service.compression);
              p.SetDerived("txtATS2", d.ATS2, service.tension, true);
          },
          true}},
        {"txtCSps",
         {[](InputPresenter& p, DesignData& d) {
              p.SetDerived("txtMps", d.Mps, ConcreteModulus(d.BUW, d.CSps));
              const AllowableStresses transfer =
                  InitialAllowables(d.designCriteria, d.prestressing, d.CSps);
              p.SetDerived("txtACS1", d.ACS1, transfer.compression);
              p.SetDerived("txtATS1", d.ATS1, transfer.tension, true);
          },
          true}},
        {"txtSUW",
         {[](InputPresenter& p, DesignData& d) {
              p.SetDerived("txtSM28", d.SM28, ConcreteModulus(d.SUW, d.SS28));
          },
          true}},
        {"txtSS28",
         {[](InputPresenter& p, DesignData& d) {
              p.SetDerived("txtSM28", d.SM28, ConcreteModulus(d.SUW, d.SS28));
          },
          true}},
        {"txtPSus",
         {[](InputPresenter& p, DesignData& d) {
              p.SetDerived("txtPSys", d.PSys, SteelYieldStrength(d.PStype, d.PSus));
          },
          false}},
        // A typed total loss discards the losses calculated per location.
        {"txtPSloss",
         {[](InputPresenter&, DesignData& d) {
              for (float& loss : d.PSlossAt) loss = 0;
          },
          false}},
    };
    DesignData& d = state_.data;
    const auto found = kDerivations.find(box);
    if (found == kDerivations.end()) return;
    if (found->second.englishOnly && d.units != Units::English) return;
    found->second.rule(*this, d);
}

void InputPresenter::Click(const std::string& control, bool checked) {
    CommitPendingCount();
    using Handler = void (*)(InputPresenter&, bool);
    // Settings: their handlers run, then the option buttons show the record's settings.
    static const std::unordered_map<std::string_view, Handler> kSettings = {
        {"optAASHTO", [](InputPresenter& p,
                         bool) { SelectDesignCriteria(p.state_, p, DesignCriteria::AASHTO); }},
        {"optAREA",
         [](InputPresenter& p, bool) { SelectDesignCriteria(p.state_, p, DesignCriteria::AREMA); }},
        {"optACI",
         [](InputPresenter& p, bool) { SelectDesignCriteria(p.state_, p, DesignCriteria::ACI); }},
        {"optEnglish", [](InputPresenter& p, bool) { SelectUnits(p.state_, p, Units::English); }},
        {"optMetric", [](InputPresenter& p, bool) { SelectUnits(p.state_, p, Units::Metric); }},
        {"optPreT", [](InputPresenter& p,
                       bool) { SelectPrestressing(p.state_, p, Prestressing::Pretensioning); }},
        {"optPostT", [](InputPresenter& p,
                        bool) { SelectPrestressing(p.state_, p, Prestressing::PostTensioning); }},
        {"optGross",
         [](InputPresenter& p, bool) { SelectSectionBasis(p.state_, p, SectionBasis::Gross); }},
        {"optTrans", [](InputPresenter& p,
                        bool) { SelectSectionBasis(p.state_, p, SectionBasis::Transformed); }},
        {"chkComp", [](InputPresenter& p, bool on) { SelectComposite(p.state_, p, on); }},
    };
    static const std::unordered_map<std::string_view, Handler> kOthers = {
        {"chkStress", [](InputPresenter& p, bool on) { p.state_.output.Stresses = on; }},
        {"chkDefl", [](InputPresenter& p, bool on) { p.state_.output.Deflections = on; }},
        {"chkUMom", [](InputPresenter& p, bool on) { p.state_.output.UltimateMoment = on; }},
        {"chkUShear", [](InputPresenter& p, bool on) { p.state_.output.UltimateShear = on; }},
        {"chkRating", [](InputPresenter& p, bool on) { p.state_.output.LoadRating = on; }},
        {"cmdNext", [](InputPresenter& p, bool) { p.StepLocation(1); }},
        {"cmdPrev", [](InputPresenter& p, bool) { p.StepLocation(-1); }},
        {"cmdCalc", [](InputPresenter& p, bool) { p.CalculateOutput(); }},
    };
    if (const auto setting = kSettings.find(control); setting != kSettings.end()) {
        setting->second(*this, checked);
        SyncSettingButtons();
    } else if (const auto other = kOthers.find(control); other != kOthers.end()) {
        other->second(*this, checked);
    } else {
        PressButton(control);
    }
    SyncOutputOptions();
}

void InputPresenter::SelectRow(const std::string& list, int row) {
    CommitPendingCount();
    // A pick of the entry already selected changes nothing: its handler does not run.
    const DesignData& d = state_.data;
    const std::unordered_map<std::string_view, int> kSelected = {
        {"cboPStype", static_cast<int>(d.PStype)},
        {"cboConfig", static_cast<int>(d.PathConfig)},
        {"cboBeam", static_cast<int>(d.BeamShape)},
        {"cboSection", d.SectionNo}};
    if (const auto selected = kSelected.find(list);
        d.FillingForm == 0 && selected != kSelected.end() && selected->second == row) {
        return;
    }
    window_.Get(list).selection = row;
    using Handler = void (*)(InputPresenter&, int);
    static const std::unordered_map<std::string_view, Handler> kLists = {
        {"cboPStype", [](InputPresenter& p, int r) { p.SelectSteelType(r); }},
        {"cboConfig", [](InputPresenter& p, int r) { p.SelectPathConfig(r); }},
        {"cboBeam",
         [](InputPresenter& p, int r) {
             if (p.state_.data.FillingForm == 1) return;
             if (r >= 0 && r <= 5) p.ShowPicture("imgSect", r);
             SelectBeamShape(p.state_.data, r);
             p.ShowSectionInputs();
         }},
        {"cboSection",
         [](InputPresenter& p, int r) {
             if (p.state_.data.FillingForm == 1) return;
             SelectStandardSection(p.state_.data, r);
             p.ShowSectionInputs();
         }},
    };
    if (const auto handler = kLists.find(list); handler != kLists.end())
        handler->second(*this, row);
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
    if (RefuseMarkedText()) return;
    if (button == "cmdCalcSP") {
        PressCalcSectionProperties(state_, *this);
        ShowSectionInputs();
        return;
    }
    // The calculation buttons that show their result in one box.
    struct Button {
        ButtonResult (*press)(ProgramState&, Dialogs&);
        const char* box;
    };
    static const std::unordered_map<std::string_view, Button> kButtons = {
        {"cmdcalcbeff", {PressCalcEffectiveSlabWidth, "txtBeff"}},
        {"cmdcalcloss", {PressCalcTotalLosses, "txtPSloss"}},
        {"cmdCalcTrans", {PressCalcLossAtTransfer, "txtPStrans"}},
        {"cmdCalcPSF", {PressCalcPrestressForce, "txtPjack"}},
    };
    const auto found = kButtons.find(button);
    if (found == kButtons.end()) return;
    const ButtonResult result = found->second.press(state_, *this);
    if (!result.fieldText.empty()) SetBox(found->second.box, result.fieldText);
}

}  // namespace tarnex::ui
