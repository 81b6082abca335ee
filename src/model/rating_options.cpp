#include "model/rating_options.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "model/option_text.h"

namespace tarnex {

namespace {

/// A share of a strength (f'c, fy*): above 0 and at most the strength itself.
bool IsShare(double value) { return value > 0 && value <= 1; }

}  // namespace

const char* RatingVehicleName(RatingVehicle vehicle) {
    switch (vehicle) {
        case RatingVehicle::HS20:
            return "HS20-44";
        case RatingVehicle::HS15:
            return "HS15-44";
        case RatingVehicle::H20:
            return "H20-44";
        case RatingVehicle::H15:
            return "H15-44";
        case RatingVehicle::Type3:
            return "TYPE3";
        case RatingVehicle::Type3S2:
            return "TYPE3S2";
        case RatingVehicle::Type33:
            return "TYPE3-3";
    }
    return "";
}

double RatingVehicleTons(RatingVehicle vehicle) {
    switch (vehicle) {
        case RatingVehicle::HS20:
        case RatingVehicle::Type3S2:
            return 36;
        case RatingVehicle::HS15:
            return 27;
        case RatingVehicle::H20:
            return 20;
        case RatingVehicle::H15:
            return 15;
        case RatingVehicle::Type3:
            return 25;
        case RatingVehicle::Type33:
            return 40;
    }
    return 0;
}

std::optional<std::vector<RatingVehicle>> ParseRatingVehicles(std::string_view list,
                                                              std::string& error) {
    std::vector<RatingVehicle> vehicles;
    const auto add = [&](RatingVehicle vehicle) {
        if (std::find(vehicles.begin(), vehicles.end(), vehicle) == vehicles.end()) {
            vehicles.push_back(vehicle);
        }
    };
    for (const std::string& item : SplitCommaList(list)) {
        const std::string name = UpperWithoutBlanks(item);
        if (name == "LEGAL") {
            for (RatingVehicle legal :
                 {RatingVehicle::Type3, RatingVehicle::Type3S2, RatingVehicle::Type33}) {
                add(legal);
            }
            continue;
        }
        const auto found =
            std::find_if(std::begin(kRatingVehicles), std::end(kRatingVehicles),
                         [&](RatingVehicle vehicle) { return name == RatingVehicleName(vehicle); });
        if (found == std::end(kRatingVehicles)) {
            error = "unknown rating vehicle \"" + item +
                    "\" (HS20-44, HS15-44, H20-44, H15-44, TYPE3, TYPE3S2, TYPE3-3 or legal)";
            return std::nullopt;
        }
        add(*found);
    }
    return vehicles;
}

std::optional<RatingLimits> ParseRatingLimits(std::string_view list, std::string& error) {
    const std::vector<std::string> items = SplitCommaList(list);
    std::vector<double> numbers;
    for (const std::string& item : items) {
        const std::optional<double> number = ReadCompleteNumber(item);
        if (!number) break;
        numbers.push_back(*number);
    }
    const char* usage =
        "--rating-limits needs T,C,SI,SO: multiples of sqrt(f'c) for tension (above 0) and "
        "shares of f'c and fy* (above 0, at most 1)";
    if (numbers.size() != 4 || items.size() != 4) {
        error = usage;
        return std::nullopt;
    }
    const RatingLimits limits{numbers[0], numbers[1], numbers[2], numbers[3]};
    RatingOptions options;
    options.limits = limits;
    if (CheckRatingOptions(options)) {
        error = usage;
        return std::nullopt;
    }
    return limits;
}

std::optional<std::string> CheckRatingOptions(const RatingOptions& options) {
    if (options.vehicles.empty()) return "Choose at least one rating vehicle";
    const RatingLimits& l = options.limits;
    if (!(l.tension > 0 && std::isfinite(l.tension))) {
        return "Enter a tension limit greater than 0";
    }
    if (!IsShare(l.compression)) return "Enter a compression limit above 0 and at most 1";
    if (!IsShare(l.steelInventory) || !IsShare(l.steelOperating)) {
        return "Enter steel limits above 0 and at most 1";
    }
    if (options.distribution && !(*options.distribution > 0)) {
        return "Enter a distribution factor greater than 0";
    }
    if (options.impact && !(*options.impact >= 0)) return "Enter an impact fraction of 0 or more";
    return std::nullopt;
}

}  // namespace tarnex
