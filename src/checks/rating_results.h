#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/rating_options.h"

namespace tarnex {

/// The limits of a load rating, each as a rating factor of one location names it.
enum class RatingLimit {
    InventoryMoment,
    OperatingMoment,
    InventoryTension,
    InventoryCompression,
    InventorySteel,
    OperatingSteel,
};
inline constexpr int kRatingLimitCount = 6;

/// The limit's name as the report and the CSV columns write it ("INV MOMENT").
const char* RatingLimitName(RatingLimit limit);

/// True for the operating limits (operating moment and steel).
inline bool IsOperating(RatingLimit limit) {
    return limit == RatingLimit::OperatingMoment || limit == RatingLimit::OperatingSteel;
}

/// One vehicle at one location (lb-in, psi; concrete compression positive, steel tension
/// positive). A rating factor is missing where the vehicle has no effect on that limit (a
/// zero live load effect, a negative design moment that no simple-span vehicle relieves or
/// loads, or no moment strength at the location).
struct RatingRow {
    double x = 0;
    double liveMoment = 0;        // ML(1+I): the vehicle's moment with impact and distribution
    double deadMoment = 0;        // MD: beam, non-composite, composite and miscellaneous dead loads
    double secondaryMoment = 0;   // MS: secondary prestress, signed
    std::optional<double> phiMn;  // design strength of the moment check, signed
    bool negativeMoment = false;  // the design moment is negative there
    double deadTop = 0, deadBottom = 0;  // final prestress + total dead load
    double liveTop = 0, liveBottom = 0;  // the vehicle's moment on its section
    double deadSteel = 0;                // effective prestress + the dead loads' share
    double liveSteel = 0;                // the vehicle's share of the steel stress
    std::array<std::optional<double>, kRatingLimitCount> factor;

    [[nodiscard]] const std::optional<double>& Factor(RatingLimit limit) const {
        return factor[static_cast<std::size_t>(limit)];
    }
};

/// The smallest rating factor of a kind over the beam, with where and by which limit.
struct ControllingRating {
    std::optional<double> factor;
    int location = 0;  // from 1
    double x = 0;
    RatingLimit limit = RatingLimit::InventoryMoment;
};

/// The rating of one vehicle at every location.
struct VehicleRating {
    RatingVehicle vehicle = RatingVehicle::HS20;
    std::vector<RatingRow> rows;
    ControllingRating inventory, operating;
};

/// The limits in use, in psi.
struct RatingStressLimits {
    double tension = 0;  // negative
    double compression = 0;
    double steelInventory = 0;
    double steelOperating = 0;
};

/// A load rating by the load factor method for each vehicle asked for. `refusal` when the
/// design cannot be rated at all; `momentRefusal` when the moment check gives no strength
/// from some location on (the service rating still runs there).
struct LoadRatingResults {
    bool computed = false;
    std::string refusal;
    std::string momentRefusal;
    RatingOptions options;
    RatingStressLimits limits;
    double impact = 0;        // of the span, or the value given
    double distribution = 0;  // wheel lines
    std::vector<VehicleRating> vehicles;
};

}  // namespace tarnex
