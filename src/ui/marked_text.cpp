#include <array>
#include <string>
#include <utility>

#include "model/input_fields.h"
#include "model/number_text.h"
#include "ui/control_names.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

/// The tab of the window that holds the boxes of an input file line (0: not in the file).
const char* TabOfLine(int line) {
    if (line >= kBeamConcreteLine && line <= kDuctsLine) return "Material Properties";
    if (line >= kAllowableStressLine && line <= kLossLine) return "Allow Stress and Loss";
    if (line >= kPathKindLine) return "Configuration";
    if (line == kLoadsLine) return "Loads";
    return "Section Properties";
}

/// The position of a place's tab among the tabs, for naming the first marked box.
int TabRank(const std::string& place) {
    constexpr std::array<const char*, 5> kTabs = {"Material", "Section", "Loads", "Allow",
                                                  "Configuration"};
    for (std::size_t i = 0; i < kTabs.size(); ++i)
        if (place.rfind(kTabs[i], 0) == 0) return static_cast<int>(i);
    return static_cast<int>(kTabs.size());
}

}  // namespace

std::string InputPresenter::PlaceOfBox(const std::string& box) const {
    const DesignData& d = state_.data;
    const std::string location = "location " + std::to_string(d.CurrentLocation);
    if (box == "txtx") return "Loads tab, " + location + ", Distance from left end of beam";
    for (std::size_t c = 0; c < kLoadCasePrefixes.size(); ++c) {
        for (std::size_t k = 0; k < kLoadColumns.size(); ++k) {
            if (box == "txt" + kLoadCasePrefixes[c] + kLoadColumns[k]) {
                return "Loads tab, " + location + ", " + kLoadCaseCaptions[c] + ", " +
                       kLoadValueCaptions[k];
            }
        }
    }
    const InputField* field = FieldOfBox(box);
    if (field == nullptr) return box;
    std::string label = field->label != nullptr ? field->label : box.substr(3);
    if (!label.empty() && label.back() == ':') label.pop_back();
    return std::string(TabOfLine(field->fileLine)) + " tab, " + label;
}

bool InputPresenter::RefuseMarkedText() {
    // The first marked box in the order of the tabs.
    const std::string* first = nullptr;
    std::string firstPlace;
    for (const auto& [name, control] : window_.All()) {
        if (control.problem.empty() || !control.visible) continue;
        const std::string place = PlaceOfBox(name);
        if (first == nullptr ||
            std::pair(TabRank(place), place) < std::pair(TabRank(firstPlace), firstPlace)) {
            first = &name;
            firstPlace = place;
        }
    }
    if (first == nullptr) return false;
    const ControlState& box = window_.Get(*first);
    ShowMessage(firstPlace + " holds \"" + box.text + "\"" + kMessageLineBreak + box.problem + "." +
                kMessageLineBreak + "Correct the entry or undo it; nothing was done.");
    focusRequest_ = *first;
    return true;
}

}  // namespace tarnex::ui
