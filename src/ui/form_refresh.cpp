#include <array>
#include <string>

#include "model/list_texts.h"
#include "model/number_text.h"
#include "section/section_catalogue.h"
#include "ui/control_names.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

template <std::size_t N>
std::vector<std::string> ToItems(const std::array<std::string, N>& texts) {
    return {texts.begin(), texts.end()};
}

/// Selects entry `index` of a list box, or nothing when the index is not one of its entries.
void SelectEntry(ControlState& list, int index) {
    list.selection = index >= 0 && index < static_cast<int>(list.items.size()) ? index : -1;
}

}  // namespace

void InputPresenter::ShowSectionInputs() {
    DesignData& d = state_.data;
    d.FillingForm = 1;
    const int row = window_.Get("cboBeam").selection;
    if (row >= 0 && row <= 5) {
        const auto shape = static_cast<BeamShapeKind>(row);
        window_.Get("cboSection").items = SectionListTexts(shape);
        SetDimensionTooltips(shape);  // every shown dimension box names its quantity
        const DesignData& cd = d;
        const std::array<float, 8> values = {cd.D,    cd.Btop, cd.Htop, cd.Bweb,
                                             cd.Bbot, cd.Hbot, cd.Ftop, cd.Fbot};
        for (std::size_t i = 0; i < kDimensionNames.size(); ++i) {
            ControlState& label = window_.Get("lbl" + kDimensionNames[i]);
            ControlState& box = window_.Get("txt" + kDimensionNames[i]);
            const std::string caption = DimensionCaption(shape, kDimensionFields[i]);
            const bool shown = !caption.empty();
            label.visible = shown;
            box.visible = shown;
            if (shown) {
                label.text = caption;
                box.text = ShowNumber(static_cast<double>(values[i]));
            }
        }
    }
    SelectEntry(window_.Get("cboSection"), d.SectionNo);
    SetBox("txtArea", ShowRounded(static_cast<double>(d.Area), 0));
    SetBox("txtMoI", ShowRounded(static_cast<double>(d.MoI), 0));
    SetBox("txtYtop", ShowRounded(static_cast<double>(d.Ytop), 2));
    SetBox("txtYbot", ShowRounded(static_cast<double>(d.Ybot), 2));
    d.FillingForm = 0;
}

void InputPresenter::ShowLocation() {
    const DesignData& d = state_.data;
    window_.Get("fraLocation").text = "LOCATION NO " + ShowNumber(d.CurrentLocation);
    if (d.CurrentLocation < 1 || d.CurrentLocation > d.locations.size()) return;
    const LoadLocation& loc = d.locations(d.CurrentLocation);
    ShowValue("txtx", loc.x);
    const double force = static_cast<double>(kForceFactor);
    const double moment = static_cast<double>(kMomentFactor);
    for (std::size_t c = 0; c < kLoadCasePrefixes.size(); ++c) {
        const ConstLoadValues v = ValuesOf(loc, kLoadCases[c]);
        const std::string& p = kLoadCasePrefixes[c];
        // Forces in kips and moments in kip-ft, one decimal; a zero factor shows the raw value.
        SetBox("txt" + p + "P",
               FormatPattern(static_cast<double>(*v.P) / (force != 0 ? force : 1), 1));
        SetBox("txt" + p + "V",
               FormatPattern(static_cast<double>(*v.V) / (force != 0 ? force : 1), 1));
        SetBox("txt" + p + "M",
               FormatPattern(static_cast<double>(*v.M) / (moment != 0 ? moment : 1), 1));
        ShowValue("txt" + p + "F", *v.F);
    }
}

void InputPresenter::RefreshForm() {
    DesignData& d = state_.data;
    d.FillingForm = 1;
    if (d.units != Units::English) {
        d.FillingForm = 0;
        return;
    }
    ShowValue("txtBUW", d.BUW);
    ShowValue("txtCS28", d.CS28);
    ShowValue("txtCSps", d.CSps);
    ShowWhole("txtM28", d.M28);
    ShowWhole("txtMps", d.Mps);
    ShowValue("txtSUW", d.SUW);
    ShowValue("txtSS28", d.SS28);
    ShowWhole("txtSM28", d.SM28);
    window_.Get("fraSlabConcrete").enabled = d.Composite;
    ShowValue("txtRS", d.RS);
    ShowValue("txtRM", d.RM);
    window_.Get("cboPStype").items = ToItems(kSteelTypeTexts);
    SelectEntry(window_.Get("cboPStype"), static_cast<int>(d.PStype));
    ShowValue("txtPSdia", d.PSdia);
    ShowValue("txtPSus", d.PSus);
    ShowWhole("txtPSys", d.PSys);
    ShowValue("txtPSmod", d.PSmod);
    ShowValue("txtK", d.K);
    ShowValue("txtMU", d.MU);
    window_.Get("fraDucts").enabled = d.prestressing == Prestressing::PostTensioning;

    ControlState& beam = window_.Get("cboBeam");
    beam.items = BeamShapeTexts();
    SelectEntry(beam, static_cast<int>(d.BeamShape));
    ShowPicture("imgSect", static_cast<int>(d.BeamShape));
    ShowSectionInputs();
    d.FillingForm = 1;

    ShowValue("txtnll", static_cast<float>(d.nll));
    const double force = static_cast<double>(kForceFactor);
    SetBox("txtPjack", FormatPattern(static_cast<double>(d.Pjack) / (force != 0 ? force : 1), 1));
    ShowLocation();

    ShowWhole("txtACS1", d.ACS1);
    ShowWhole("txtATS1", d.ATS1);
    ShowWhole("txtACS2", d.ACS2);
    ShowWhole("txtATS2", d.ATS2);
    ShowWhole("txtPSi", d.PSi);
    ShowWhole("txtPSloss", d.PSloss);
    ShowWhole("txtPStrans", d.PStrans);
    ShowValue("txtAset", d.Aset);

    ControlState& path = window_.Get("cboConfig");
    path.items = ToItems(kPathConfigTexts);
    SelectEntry(path, static_cast<int>(d.PathConfig));
    ShowPicture("imgPath", static_cast<int>(d.PathConfig));

    ShowValue("txtYl", d.Yl);
    ShowValue("txtYm", d.Ym);
    ShowValue("txtYr", d.Yr);
    ShowValue("txtXl", d.Xl);
    ShowValue("txtXm", d.Xm);
    ShowValue("txtXr", d.Xr);
    ShowValue("txtBlength", d.Blength);
    ShowValue("txtBspace", d.Bspace);
    ShowValue("txtTslab", d.Tslab);
    ShowValue("txtBeff", d.Beff);
    ShowValue("txtSlope", d.Slope);
    ShowValue("txtHaunch", d.Haunch);
    window_.Get("fraSlabConfig").enabled = d.Composite;
    d.FillingForm = 0;
}

}  // namespace tarnex::ui
