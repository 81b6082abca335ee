#include "prestress/live_load.h"

#include <array>
#include <string>

#include "model/number_text.h"
#include "model/option_text.h"

namespace tarnex {

namespace {

constexpr double kCooperReference = 80.0;

/// Class 15 loads are three quarters of class 20.
double ClassScale(LiveLoadKind kind) {
    return kind == LiveLoadKind::HS15 || kind == LiveLoadKind::H15 ? 0.75 : 1.0;
}

}  // namespace

DesignCriteria CriteriaOfLiveLoad(const LiveLoad& live) {
    switch (live.kind) {
        case LiveLoadKind::Cooper:
            return DesignCriteria::AREMA;
        case LiveLoadKind::Uniform:
            return DesignCriteria::ACI;
        default:
            return DesignCriteria::AASHTO;
    }
}

std::optional<LiveLoad> ParseLiveLoad(std::string_view text) {
    const std::string upper = UpperWithoutBlanks(text);
    if (upper == "HS20-44") return LiveLoad{LiveLoadKind::HS20, 0};
    if (upper == "HS15-44") return LiveLoad{LiveLoadKind::HS15, 0};
    if (upper == "H20-44") return LiveLoad{LiveLoadKind::H20, 0};
    if (upper == "H15-44") return LiveLoad{LiveLoadKind::H15, 0};
    if (upper.size() > 1 && upper[0] == 'E') {
        const std::optional<double> n = ReadCompleteNumber(upper.substr(1));
        if (n && *n > 0 && upper[1] != '+' && upper[1] != '-') {
            return LiveLoad{LiveLoadKind::Cooper, *n};
        }
        return std::nullopt;
    }
    const std::optional<double> w = ReadCompleteNumber(upper);
    if (w && *w >= 0) return LiveLoad{LiveLoadKind::Uniform, LbPerInch(*w)};
    return std::nullopt;
}

AxleTrain TrainOf(const LiveLoad& live) {
    AxleTrain train;
    const double foot = kInchesPerFoot;
    switch (live.kind) {
        case LiveLoadKind::HS20:
        case LiveLoadKind::HS15: {
            const double kip = kLbPerKip * ClassScale(live.kind);
            train.axles = {{0, 8 * kip}, {14 * foot, 32 * kip}, {28 * foot, 32 * kip}};
            break;
        }
        case LiveLoadKind::H20:
        case LiveLoadKind::H15: {
            const double kip = kLbPerKip * ClassScale(live.kind);
            train.axles = {{0, 8 * kip}, {14 * foot, 32 * kip}};
            break;
        }
        case LiveLoadKind::Cooper: {
            const double kip = kLbPerKip * live.value / kCooperReference;
            const std::array<double, 9> loads = {40, 80, 80, 80, 80, 52, 52, 52, 52};
            const std::array<double, 8> gaps = {8, 5, 5, 5, 9, 5, 6, 5};
            double offset = 0;
            for (int engine = 0; engine < 2; ++engine) {
                if (engine == 1) offset += 8 * foot;
                for (int i = 0; i < 9; ++i) {
                    if (i > 0) offset += gaps[i - 1] * foot;
                    train.axles.push_back({offset, loads[i] * kip});
                }
            }
            train.tailOffset = offset + 5 * foot;
            train.tailLoad = 8 * kip / foot;
            break;
        }
        case LiveLoadKind::Uniform:
            break;
    }
    return train;
}

LaneLoad LaneOf(const LiveLoad& live) {
    if (CriteriaOfLiveLoad(live) != DesignCriteria::AASHTO) return {};
    const double scale = ClassScale(live.kind);
    return {LbPerInch(0.64) * scale, 18 * kLbPerKip * scale, 26 * kLbPerKip * scale};
}

}  // namespace tarnex
