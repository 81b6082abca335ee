#include <cmath>
#include <optional>
#include <string>

#include "model/number_text.h"
#include "ui/control_names.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

/// The load grid box `box` ("txtCDM") as case index and column letter; false for other boxes.
bool ParseGridBox(const std::string& box, std::size_t& loadCase, char& column) {
    if (box.size() < 5 || box.rfind("txt", 0) != 0) return false;
    const std::string prefix = box.substr(3, box.size() - 4);
    for (std::size_t c = 0; c < kLoadCasePrefixes.size(); ++c) {
        if (kLoadCasePrefixes[c] == prefix) {
            loadCase = c;
            column = box.back();
            for (char known : kLoadColumns) {
                if (known == column) return true;
            }
        }
    }
    return false;
}

/// True when any of locations `first`..end holds a distance, a load or a factor.
bool HoldsEntries(const DesignData& d, int first) {
    for (int i = first; i <= d.locations.size(); ++i) {
        if (!(d.locations(i) == LoadLocation{})) return true;
    }
    return false;
}

}  // namespace

/// The entry of the current location that the distance box or a load grid box shows;
/// nothing for other boxes.
float* InputPresenter::LoadEntryOf(const std::string& box) {
    DesignData& d = state_.data;
    std::size_t loadCase = 0;
    char column = 0;
    const bool grid = ParseGridBox(box, loadCase, column);
    if (!grid && box != "txtx") return nullptr;
    if (d.CurrentLocation < 1 || d.CurrentLocation > d.locations.size()) return nullptr;
    LoadLocation& loc = d.locations(d.CurrentLocation);
    if (box == "txtx") return &loc.x;
    const LoadValues v = ValuesOf(loc, kLoadCases[loadCase]);
    if (column == 'P') return v.P;
    if (column == 'V') return v.V;
    if (column == 'M') return v.M;
    return v.F;
}

/// Forces are typed in kips and moments in kip-ft but stored in lb and lb-in; every other
/// box stores its number as typed.
double InputPresenter::UnitFactorOf(const std::string& box) const {
    if (box == "txtPjack") return static_cast<double>(kForceFactor);
    std::size_t loadCase = 0;
    char column = 0;
    if (!ParseGridBox(box, loadCase, column) || column == 'F') return 1.0;
    return static_cast<double>(column == 'M' ? kMomentFactor : kForceFactor);
}

void InputPresenter::CommitPendingCount() {
    if (!countPending_) return;
    countPending_ = false;
    SetNumberOfLocations(window_.Get("txtnll").text);
}

/// Applies a confirmed number of locations: locations 1..n are kept, new ones are zero.
void InputPresenter::SetNumberOfLocations(const std::string& text) {
    DesignData& d = state_.data;
    if (text.find_first_not_of(" \t\n") == std::string::npos) {
        ShowValue("txtnll", static_cast<float>(d.nll));  // an emptied box keeps the count
        return;
    }
    const std::optional<double> value = ReadCompleteNumber(text);
    // Halves round to the even count (2.5 gives 2).
    const double rounded = value ? std::nearbyint(*value) : 0.0;
    if (!(rounded >= 1.0 && rounded <= static_cast<double>(kMaxLocations))) {
        ShowValue("txtnll", static_cast<float>(d.nll));
        ShowMessage(kCountRangeMessage);
        return;
    }
    const int count = static_cast<int>(rounded);
    if (count == d.nll && d.locations.size() == count) {
        ShowValue("txtnll", static_cast<float>(d.nll));
        return;
    }
    if (count < d.locations.size() && HoldsEntries(d, count + 1)) {
        const std::string last = std::to_string(d.locations.size());
        const std::string first = std::to_string(count + 1);
        const std::string which = first == last
                                      ? "Location " + last + " holds entries"
                                      : "Locations " + first + " to " + last + " hold entries";
        if (!AskYesNo(which + " that will be deleted." + kMessageLineBreak +
                          "Lower the number of locations to " + std::to_string(count) + "?",
                      "Number of Locations")) {
            ShowValue("txtnll", static_cast<float>(d.nll));
            return;
        }
    }
    d.PrevNll = d.nll;
    d.nll = count;
    d.locations.Resize(count);
    d.FRloss.Resize(count);
    d.PSlossAt.Resize(count);
    d.CurrentLocation = 1;
    RefreshForm();
}

void InputPresenter::GoToLocation(int location) {
    CommitPendingCount();
    StepLocation(location - state_.data.CurrentLocation);
}

void InputPresenter::StepLocation(int step) {
    DesignData& d = state_.data;
    const int next = d.CurrentLocation + step;
    if (next < 1 || next > d.nll) return;
    d.CurrentLocation = next;
    RefreshForm();
}

}  // namespace tarnex::ui
