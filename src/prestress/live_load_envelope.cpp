#include "prestress/live_load_envelope.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

namespace tarnex {

namespace {

/// Moment and shear at one location for one position of the train.
struct Effect {
    double moment = 0;
    double shear = 0;
};

/// The effects at `x` of the train with its head at `s`, travelling towards larger x (the
/// axles at s - offset). Which part of the span each load lies in (before x, beyond x or off
/// the span) is judged at `judgedAt`, a position inside the same piece: the value at a piece
/// end is then the limit from inside the piece. Shear is positive when the left part is
/// pushed up (left reaction minus the loads before x).
Effect EffectAt(const AxleTrain& train, double L, double x, double s, double judgedAt) {
    Effect e;
    for (const Axle& axle : train.axles) {
        const double judged = judgedAt - axle.offset;
        if (judged <= 0 || judged >= L) continue;
        const double p = s - axle.offset;
        if (judged < x) {
            e.moment += axle.load * p * (L - x) / L;
            e.shear -= axle.load * p / L;
        } else {
            e.moment += axle.load * x * (L - p) / L;
            e.shear += axle.load * (L - p) / L;
        }
    }
    const double w = train.tailLoad;
    const double judged = judgedAt - train.tailOffset;
    if (w == 0 || judged <= 0) return e;
    const double h = s - train.tailOffset;  // head of the uniform load
    if (judged >= L) {
        e.moment += w * x * (L - x) / 2;
        e.shear += w * (L - 2 * x) / 2;
    } else if (judged < x) {
        e.moment += w * (L - x) / L * h * h / 2;
        e.shear -= w * h * h / (2 * L);
    } else {
        const double beyond = L * h - h * h / 2 - L * x + x * x / 2;  // integral of (L-a) from x
        e.moment += w * (L - x) * x * x / (2 * L) + w * x / L * beyond;
        e.shear += -w * x * x / (2 * L) + w / L * beyond;
    }
    return e;
}

/// The coefficients of s^2 of moment and shear in the piece judged at `judgedAt`: only the
/// uniform tail while its head is on the span contributes.
Effect CurvatureAt(const AxleTrain& train, double L, double x, double judgedAt) {
    const double w = train.tailLoad;
    const double judged = judgedAt - train.tailOffset;
    if (w == 0 || judged <= 0 || judged >= L) return {};
    if (judged < x) return {w * (L - x) / (2 * L), -w / (2 * L)};
    return {-w * x / (2 * L), -w / (2 * L)};
}

/// Position of the vertex of the quadratic with values f1, f2 at s1 < s2 and coefficient c2
/// (not 0) of s^2.
double VertexOf(double s1, double s2, double f1, double f2, double c2) {
    return (s1 + s2) / 2 - (f2 - f1) / (2 * c2 * (s2 - s1));
}

/// Extremes at x over every position of a train travelling towards larger x.
LiveEnvelope OneDirection(const AxleTrain& train, double L, double x) {
    std::vector<double> breaks;
    const auto addBreaks = [&](double offset) {
        for (double at : {0.0, x, L}) breaks.push_back(offset + at);
    };
    for (const Axle& axle : train.axles) addBreaks(axle.offset);
    if (train.tailLoad != 0) addBreaks(train.tailOffset);
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    LiveEnvelope result;
    const auto take = [&](const Effect& e) {
        result.moment = std::max(result.moment, e.moment);
        result.positiveShear = std::max(result.positiveShear, e.shear);
        result.negativeShear = std::max(result.negativeShear, -e.shear);
    };
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        const double s1 = breaks[i];
        const double s2 = breaks[i + 1];
        const double mid = (s1 + s2) / 2;
        const Effect e1 = EffectAt(train, L, x, s1, mid);
        const Effect e2 = EffectAt(train, L, x, s2, mid);
        take(e1);
        take(e2);
        const Effect c2 = CurvatureAt(train, L, x, mid);
        for (const auto& [curvature, first, second] : {std::tuple{c2.moment, e1.moment, e2.moment},
                                                       std::tuple{c2.shear, e1.shear, e2.shear}}) {
            if (curvature == 0) continue;
            const double vertex = VertexOf(s1, s2, first, second, curvature);
            if (vertex > s1 && vertex < s2) take(EffectAt(train, L, x, vertex, mid));
        }
    }
    return result;
}

/// The moment under axle k with the head of the train at `s` (travelling towards larger x);
/// which loads are on the span is judged at `judgedAt` inside the same piece. Every load
/// keeps its side of axle k, and the tail follows the last axle.
double MomentUnderAxle(const AxleTrain& train, double L, std::size_t k, double s, double judgedAt) {
    const double a = s - train.axles[k].offset;
    double m = 0;
    for (const Axle& axle : train.axles) {
        const double judged = judgedAt - axle.offset;
        if (judged < 0 || judged > L) continue;
        const double p = s - axle.offset;
        m += axle.offset >= train.axles[k].offset ? axle.load * p * (L - a) / L
                                                  : axle.load * a * (L - p) / L;
    }
    const double judged = judgedAt - train.tailOffset;
    if (train.tailLoad == 0 || judged <= 0) return m;
    const double h = judged >= L ? L : s - train.tailOffset;  // head of the uniform load
    return m + train.tailLoad * h * h * (L - a) / (2 * L);
}

/// The stationary points inside (s1, s2) of the cubic through four values at equal steps.
std::vector<double> StationaryPoints(double s1, double s2, const std::array<double, 4>& f) {
    // Newton's forward differences in t = (s - s1) / h, h = (s2 - s1) / 3.
    const double d1 = f[1] - f[0];
    const double d2 = f[2] - 2 * f[1] + f[0];
    const double d3 = f[3] - 3 * f[2] + 3 * f[1] - f[0];
    // f(t) = f0 + d1 t + d2 t(t-1)/2 + d3 t(t-1)(t-2)/6; f'(t) = A t^2 + B t + C.
    const double A = d3 / 2;
    const double B = d2 - d3;
    const double C = d1 - d2 / 2 + d3 / 3;
    std::vector<double> roots;
    if (std::fabs(A) < 1e-12 * (std::fabs(B) + std::fabs(C) + 1)) {
        if (B != 0) roots.push_back(-C / B);
    } else {
        const double disc = B * B - 4 * A * C;
        if (disc >= 0) {
            const double q = -(B + std::copysign(std::sqrt(disc), B)) / 2;
            if (q != 0) roots.push_back(C / q);
            roots.push_back(q / A);
        }
    }
    std::vector<double> inside;
    const double h = (s2 - s1) / 3;
    for (double t : roots) {
        if (t > 0 && t < 3) inside.push_back(s1 + t * h);
    }
    return inside;
}

}  // namespace

std::optional<double> AbsoluteMaximumMomentSection(const AxleTrain& train, double L) {
    if (train.axles.empty() || !(L > 0)) return std::nullopt;
    std::vector<double> breaks;
    for (const Axle& axle : train.axles) {
        breaks.push_back(axle.offset);
        breaks.push_back(axle.offset + L);
    }
    if (train.tailLoad != 0) {
        breaks.push_back(train.tailOffset);
        breaks.push_back(train.tailOffset + L);
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    double best = -1;
    double section = L / 2;
    for (std::size_t k = 0; k < train.axles.size(); ++k) {
        const double ok = train.axles[k].offset;
        for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
            const double s1 = std::max(breaks[i], ok);
            const double s2 = std::min(breaks[i + 1], ok + L);
            if (!(s2 > s1)) continue;
            const double mid = (s1 + s2) / 2;
            const double h = (s2 - s1) / 3;
            const std::array<double, 4> f = {MomentUnderAxle(train, L, k, s1, mid),
                                             MomentUnderAxle(train, L, k, s1 + h, mid),
                                             MomentUnderAxle(train, L, k, s1 + 2 * h, mid),
                                             MomentUnderAxle(train, L, k, s2, mid)};
            std::vector<double> candidates = {s1, s2};
            for (double s : StationaryPoints(s1, s2, f)) candidates.push_back(s);
            for (double s : candidates) {
                const double m = MomentUnderAxle(train, L, k, s, mid);
                if (m > best) {
                    best = m;
                    section = s - ok;
                }
            }
        }
    }
    return section;
}

LiveEnvelope TrainEnvelope(const AxleTrain& train, double span, double x) {
    if (span <= 0 || x < 0 || x > span) return {};
    // The train travelling the other way gives at x what this direction gives at L - x, with
    // the signs of shear exchanged.
    const LiveEnvelope ahead = OneDirection(train, span, x);
    const LiveEnvelope back = OneDirection(train, span, span - x);
    return {std::max(ahead.moment, back.moment), std::max(ahead.positiveShear, back.negativeShear),
            std::max(ahead.negativeShear, back.positiveShear)};
}

LiveEnvelope LaneEnvelope(const LaneLoad& lane, double span, double x) {
    if (span <= 0 || x < 0 || x > span) return {};
    const double beyond = span - x;
    return {lane.uniform * x * beyond / 2 + lane.momentLoad * x * beyond / span,
            lane.uniform * beyond * beyond / (2 * span) + lane.shearLoad * beyond / span,
            lane.uniform * x * x / (2 * span) + lane.shearLoad * x / span};
}

LiveEnvelope UniformEnvelope(double w, double span, double x) {
    return LaneEnvelope({w, 0, 0}, span, x);
}

}  // namespace tarnex
