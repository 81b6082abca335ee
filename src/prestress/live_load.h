#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_code.h"
#include "model/design_data.h"
#include "model/settings.h"

namespace tarnex {

/// One axle of a train: its distance behind the head of the train (in) and its load (lb).
struct Axle {
    double offset = 0;
    double load = 0;
};

/// A train of axles, optionally followed by a uniform load (lb/in) that starts `tailOffset`
/// behind the head and runs on without end.
struct AxleTrain {
    std::vector<Axle> axles;
    double tailOffset = 0;
    double tailLoad = 0;
};

/// The uniform lane load with its one concentrated load for moment and for shear.
struct LaneLoad {
    double uniform = 0;  ///< lb/in
    double momentLoad = 0;
    double shearLoad = 0;
};

inline constexpr double kLbPerKip = kForceFactor;
/// A line load typed in kip/ft in lb/in.
inline double LbPerInch(double kipsPerFoot) { return kipsPerFoot * kLbPerKip / kInchesPerFoot; }
/// A line load in lb/in shown in kip/ft.
inline double KipsPerFoot(double lbPerInch) { return lbPerInch * kInchesPerFoot / kLbPerKip; }

/// The criteria whose rules (impact, distribution) belong to the live load.
DesignCriteria CriteriaOfLiveLoad(const LiveLoad& live);

/// Reads a live load from its command-line form: "HS20-44", "HS15-44", "H20-44", "H15-44",
/// "E80" or any "E<n>" (n > 0), or a number: a uniform load in kip/ft (0 or more).
/// Letters in either case; nothing for any other text.
std::optional<LiveLoad> ParseLiveLoad(std::string_view text);

/// AASHTO 3.7.6 and 3.7.7: the HS and H trucks (class 15 at 0.75 of class 20), axles 14 ft
/// apart (the shortest HS rear spacing governs a simple span); AREMA 8.2.3: Cooper E-n, two
/// engines with tenders and the uniform train load, every load scaled by n/80. Nothing for a
/// uniform live load.
AxleTrain TrainOf(const LiveLoad& live);

/// AASHTO 3.7.1.1: the lane load of the truck's class (0.64 kip/ft with 18 kips for moment
/// and 26 kips for shear, times 0.75 for class 15); zero for other loads.
LaneLoad LaneOf(const LiveLoad& live);

}  // namespace tarnex
