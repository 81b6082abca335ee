#include "model/completeness.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tarnex {

namespace {

/// True when some location carries a positive beam dead load moment.
bool HasBeamDeadLoad(const DesignData& data) {
    const int count = std::min(data.nll, data.locations.size());
    for (int i = 1; i <= count; ++i) {
        if (data.locations(i).DM > 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string> MissingInput(const DesignData& data) {
    std::vector<std::string> missing;
    if (!(data.MoI > 0 && data.Area > 0 && data.Blength > 0))
        missing.emplace_back("Enter beam properties");
    if (!HasBeamDeadLoad(data)) missing.emplace_back("Enter loads");
    if (!(data.Ym > 0)) missing.emplace_back("Enter prestress path");
    if (data.Composite && !(data.Tslab > 0 && data.Beff > 0)) {
        missing.emplace_back("Enter slab configuration");
    }
    return missing;
}

void CheckInputComplete(DesignData& data, Dialogs& dialogs) {
    for (const std::string& text : MissingInput(data)) {
        dialogs.ShowMessage(text);
        data.InputIncomplete = 1;
    }
}

}  // namespace tarnex
