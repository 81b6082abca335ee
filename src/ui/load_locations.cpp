#include <cmath>
#include <limits>

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

}  // namespace

/// Stores a key release in the distance box or the load grid into the current location.
bool InputPresenter::StoreLoadEntry(const std::string& box, const std::string& text) {
    DesignData& d = state_.data;
    std::size_t loadCase = 0;
    char column = 0;
    const bool grid = ParseGridBox(box, loadCase, column);
    if (!grid && box != "txtx") return false;
    if (d.CurrentLocation < 1 || d.CurrentLocation > d.locations.size()) return true;
    LoadLocation& loc = d.locations(d.CurrentLocation);
    const double value = ReadLeadingNumber(text);
    if (box == "txtx") {
        loc.x = static_cast<float>(value);
        return true;
    }
    const LoadValues v = ValuesOf(loc, kLoadCases[loadCase]);
    if (column == 'F') {
        *v.F = static_cast<float>(value);
        return true;
    }
    // Forces and moments: 0 keeps the entry; a text that is not a number as a whole (5a, or
    // 1e while the exponent is typed) keeps it too.
    if (value == 0.0) return true;
    const std::optional<double> whole = ReadCompleteNumber(text);
    if (!whole) return true;
    const float factor = column == 'M' ? d.MomentFactor : d.ForceFactor;
    const double product = RoundToSignificant(*whole * static_cast<double>(factor), 15);
    float* target = column == 'P' ? v.P : (column == 'V' ? v.V : v.M);
    if (std::isfinite(product) &&
        std::fabs(product) <= static_cast<double>(std::numeric_limits<float>::max())) {
        *target = static_cast<float>(product);
    }
    return true;
}

/// Applies a confirmed number of locations: locations 1..n are kept, new ones are zero.
void InputPresenter::SetNumberOfLocations(const std::string& text) {
    DesignData& d = state_.data;
    const double value = ReadLeadingNumber(text);
    if (value == 0.0) {
        ShowValue("txtnll", static_cast<float>(d.nll));
        return;
    }
    // Halves round to the even count (2.5 gives 2).
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 1.0 && rounded <= static_cast<double>(kMaxLocations))) {
        ShowMessage("Invalid Entry");
        ShowValue("txtnll", static_cast<float>(d.nll));
        return;
    }
    const int count = static_cast<int>(rounded);
    if (count == d.nll && d.locations.size() == count) {
        ShowValue("txtnll", static_cast<float>(d.nll));
        return;
    }
    d.PrevNll = d.nll;
    d.nll = count;
    d.locations.Resize(count);
    d.FRloss.Resize(count);
    d.PSlossAt.Resize(count);
    d.CurrentLocation = 1;
    RefreshForm();
}

void InputPresenter::StepLocation(int step) {
    DesignData& d = state_.data;
    const int next = d.CurrentLocation + step;
    if (next < 1 || next > d.nll) return;
    d.CurrentLocation = next;
    RefreshForm();
}

}  // namespace tarnex::ui
