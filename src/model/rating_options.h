#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

/// The vehicles an existing beam is rated for: the AASHTO design loads (with their lane
/// loads) and the three legal trucks (without lane load).
enum class RatingVehicle { HS20, HS15, H20, H15, Type3, Type3S2, Type33 };

/// Every rating vehicle in the order of the report.
inline constexpr std::array<RatingVehicle, 7> kRatingVehicles = {
    RatingVehicle::HS20,  RatingVehicle::HS15,    RatingVehicle::H20,   RatingVehicle::H15,
    RatingVehicle::Type3, RatingVehicle::Type3S2, RatingVehicle::Type33};

/// The vehicle's name as the report, the CSV and the command line write it ("HS20-44",
/// "TYPE3S2").
const char* RatingVehicleName(RatingVehicle vehicle);

/// The vehicle's gross weight in tons (2000 lb): the rating in tons is RF times it.
double RatingVehicleTons(RatingVehicle vehicle);

/// The stress limits of the service rating as multiples: concrete tension in sqrt(f'c) (psi),
/// concrete compression in f'c, prestressing steel in fy* at inventory and at operating.
struct RatingLimits {
    double tension = 6.0;
    double compression = 0.6;
    double steelInventory = 0.8;
    double steelOperating = 0.9;

    bool operator==(const RatingLimits&) const = default;
};

/// The run options of a load rating: the vehicles (in the order given), the stress limits,
/// and a distribution (wheel lines) or impact fraction that replaces the AASHTO rule.
struct RatingOptions {
    std::vector<RatingVehicle> vehicles = {RatingVehicle::HS20, RatingVehicle::Type3,
                                           RatingVehicle::Type3S2, RatingVehicle::Type33};
    RatingLimits limits;
    std::optional<double> distribution;
    std::optional<double> impact;

    bool operator==(const RatingOptions&) const = default;
};

/// Reads the comma-separated vehicles of the command line: HS20-44, HS15-44, H20-44, H15-44,
/// TYPE3, TYPE3S2, TYPE3-3 (letters in either case) or "legal" for the three legal trucks; a
/// vehicle named twice is rated once. On an unknown or empty name sets `error` and returns
/// nothing.
std::optional<std::vector<RatingVehicle>> ParseRatingVehicles(std::string_view list,
                                                              std::string& error);

/// Reads "T,C,SI,SO": four numbers, each greater than 0 (C, SI and SO at most 1); on anything
/// else sets `error` and returns nothing.
std::optional<RatingLimits> ParseRatingLimits(std::string_view list, std::string& error);

/// The refusal of rating options that cannot be rated (no vehicle, a limit, a distribution or
/// an impact out of range), or nothing.
std::optional<std::string> CheckRatingOptions(const RatingOptions& options);

}  // namespace tarnex
