#include "model/completeness.h"

#include <algorithm>

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

void CheckInputComplete(DesignData& data, Dialogs& dialogs) {
    const auto report = [&](const char* text) {
        dialogs.ShowMessage(text);
        data.InputIncomplete = 1;
    };
    if (!(data.MoI > 0 && data.Area > 0 && data.Blength > 0)) {
        report("Enter beam properties");
    }
    if (!HasBeamDeadLoad(data)) {
        report("Enter loads");
    }
    if (!(data.Ym > 0)) {
        report("Enter prestress path");
    }
    if (data.Composite && !(data.Tslab > 0 && data.Beff > 0)) {
        report("Enter slab configuration");
    }
}

}  // namespace tarnex
