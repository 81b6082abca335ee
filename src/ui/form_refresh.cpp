#include <array>
#include <string>
#include <vector>

#include "model/input_fields.h"
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

/// A box's text for its field: the shortest form, or rounded to the box's decimals.
std::string FieldText(const DesignData& d, const InputField& field) {
    const double value = FieldValue(d, field);
    return field.boxDecimals == kShortestForm ? ShowNumber(value)
                                              : ShowRounded(value, field.boxDecimals);
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
        const std::vector<const InputField*> dimensions = FieldsOfLine(kDimensionsLine);
        for (std::size_t i = 0; i < dimensions.size(); ++i) {
            ControlState& label = window_.Get(DimensionLabelName(dimensions[i]->box));
            ControlState& box = window_.Get(dimensions[i]->box);
            const std::string caption = DimensionCaption(shape, kDimensionFields[i]);
            const bool shown = !caption.empty();
            label.visible = shown;
            box.visible = shown;
            if (shown) {
                label.text = caption;
                box.text = FieldText(d, *dimensions[i]);
            }
        }
    }
    SelectEntry(window_.Get("cboSection"), d.SectionNo);
    // The section properties in use: shown boxes that the file does not hold.
    for (const InputField& field : InputFields()) {
        if (field.box != nullptr && field.fileLine == 0) SetBox(field.box, FieldText(d, field));
    }
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
    // Every box of a field in the file, in its own form; the section tab and the initial force
    // (in kips) are shown below.
    for (const InputField& field : InputFields()) {
        if (field.box == nullptr || field.fileLine == 0 || field.fileLine == kDimensionsLine ||
            RealMember(field) == &DesignData::Pjack) {
            continue;
        }
        SetBox(field.box, FieldText(d, field));
    }
    window_.Get("fraSlabConcrete").enabled = d.Composite;
    window_.Get("cboPStype").items = ToItems(kSteelTypeTexts);
    SelectEntry(window_.Get("cboPStype"), static_cast<int>(d.PStype));
    window_.Get("fraDucts").enabled = d.prestressing == Prestressing::PostTensioning;

    ControlState& beam = window_.Get("cboBeam");
    beam.items = BeamShapeTexts();
    SelectEntry(beam, static_cast<int>(d.BeamShape));
    ShowPicture("imgSect", static_cast<int>(d.BeamShape));
    ShowSectionInputs();
    d.FillingForm = 1;

    const double force = static_cast<double>(kForceFactor);
    SetBox("txtPjack", FormatPattern(static_cast<double>(d.Pjack) / force, 1));
    ShowLocation();

    ControlState& path = window_.Get("cboConfig");
    path.items = ToItems(kPathConfigTexts);
    SelectEntry(path, static_cast<int>(d.PathConfig));
    ShowPicture("imgPath", static_cast<int>(d.PathConfig));

    window_.Get("fraSlabConfig").enabled = d.Composite;
    d.FillingForm = 0;
}

}  // namespace tarnex::ui
