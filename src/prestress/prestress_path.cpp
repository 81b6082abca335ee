#include "prestress/prestress_path.h"

#include <cmath>
#include <utility>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

namespace {

using detail::Squared;

/// Difference of two stored values formed in single precision: the term that a path formula
/// squares.
double Gap(float a, float b) { return static_cast<double>(a - b); }

/// Difference of two stored values carried in double: rises, runs and the slope terms.
double Diff(float a, float b) { return static_cast<double>(a) - b; }

PathPoint MakePoint(double y, double slope) {
    return {Store(y, "the steel centroid height"), Store(std::atan(slope), "the path inclination")};
}

/// Parabola with its vertex at the middle key point, rising to the left end.
PathPoint LeftSimpleBranch(const DesignData& d, float x) {
    const double span2 = Squared(d.Xm);
    const double rise = Diff(d.Yl, d.Ym);
    const char* what = "the distance Xm of the middle key point";
    return MakePoint(Divide(Squared(Gap(d.Xm, x)) * rise, span2, what) + d.Ym,
                     Divide(2.0 * Diff(d.Xm, x) * rise, span2, what));
}

/// Parabola with its vertex at the middle key point, rising to the right end.
PathPoint RightSimpleBranch(const DesignData& d, float x) {
    const double span2 = Squared(Gap(d.Blength, d.Xm));
    const double rise = Diff(d.Yr, d.Ym);
    const char* what = "the distance from the middle key point to the right end";
    return MakePoint(Divide(Squared(Gap(x, d.Xm)) * rise, span2, what) + d.Ym,
                     Divide(2.0 * Diff(x, d.Xm) * rise, span2, what));
}

/// Left end with zero slope at x = 0, reversing its curvature at Xl.
PathPoint LeftFixedEnd(const DesignData& d, float x) {
    const double span2 = Squared(d.Xl);
    const double rise = Diff(d.Yl, LeftInflectionHeight(d));
    const char* what = "the distance Xl of the left key point";
    return MakePoint(d.Yl - Divide(Squared(x) * rise, span2, what),
                     Divide(2.0 * x * rise, span2, what));
}

/// Middle parabola between Xl and Xm of a fixed left end.
PathPoint LeftFixedMiddle(const DesignData& d, float x) {
    const double span2 = Squared(Gap(d.Xm, d.Xl));
    const double rise = Diff(LeftInflectionHeight(d), d.Ym);
    const char* what = "the distance from the left to the middle key point";
    return MakePoint(Divide(Squared(Gap(d.Xm, x)) * rise, span2, what) + d.Ym,
                     Divide(2.0 * Diff(d.Xm, x) * rise, span2, what));
}

/// Middle parabola between Xm and Xr of a fixed right end.
PathPoint RightFixedMiddle(const DesignData& d, float x) {
    const double span2 = Squared(Gap(d.Xr, d.Xm));
    const double rise = Diff(RightInflectionHeight(d), d.Ym);
    const char* what = "the distance from the middle to the right key point";
    return MakePoint(Divide(Squared(Gap(x, d.Xm)) * rise, span2, what) + d.Ym,
                     Divide(2.0 * Diff(x, d.Xm) * rise, span2, what));
}

/// Right end with zero slope at x = L, reversing its curvature at Xr.
PathPoint RightFixedEnd(const DesignData& d, float x) {
    const double span2 = Squared(Gap(d.Blength, d.Xr));
    const double rise = Diff(d.Yr, RightInflectionHeight(d));
    const char* what = "the distance from the right key point to the right end";
    return MakePoint(d.Yr - Divide(Squared(Gap(d.Blength, x)) * rise, span2, what),
                     Divide(2.0 * Diff(d.Blength, x) * rise, span2, what));
}

PathPoint HarpedPath(const DesignData& d, float x) {
    if (x < d.Xl) {
        const char* what = "the distance Xl of the left key point";
        const double rise = Diff(d.Yl, d.Ym);
        return MakePoint(d.Yl - Divide(rise * x, d.Xl, what), Divide(rise, d.Xl, what));
    }
    if (x <= d.Xr) return {d.Ym, 0.0F};
    const char* what = "the distance from the right key point to the right end";
    const double rise = Diff(d.Yr, d.Ym);
    const double run = Diff(d.Blength, d.Xr);
    return MakePoint(Divide(Diff(x, d.Xr) * rise, run, what) + d.Ym, Divide(rise, run, what));
}

}  // namespace

float RightInflectionHeight(const DesignData& d) {
    return Store(d.Ym + Divide(Diff(d.Yr, d.Ym) * Diff(d.Xr, d.Xm), Diff(d.Blength, d.Xm),
                               "the distance from the middle key point to the right end"),
                 "the right inflection height");
}

float LeftInflectionHeight(const DesignData& d) {
    return Store(d.Ym + Divide(Diff(d.Yl, d.Ym) * Diff(d.Xm, d.Xl), d.Xm,
                               "the distance Xm of the middle key point"),
                 "the left inflection height");
}

PathPoint EvaluatePath(const DesignData& d, float x) {
    switch (d.PathConfig) {
        case PathKind::Straight:
            return {d.Ym, 0.0F};
        case PathKind::Harped:
            return HarpedPath(d, x);
        case PathKind::SimpleSimple:
            if (x < d.Xm) return LeftSimpleBranch(d, x);
            if (x == d.Xm) return {d.Ym, 0.0F};
            return RightSimpleBranch(d, x);
        case PathKind::SimpleFixed:
            if (x < d.Xm) return LeftSimpleBranch(d, x);
            if (x == d.Xm) return {d.Ym, 0.0F};
            if (x <= d.Xr) return RightFixedMiddle(d, x);
            return RightFixedEnd(d, x);
        case PathKind::FixedSimple:
            if (x < d.Xl) return LeftFixedEnd(d, x);
            if (x < d.Xm) return LeftFixedMiddle(d, x);
            if (x == d.Xm) return {d.Ym, 0.0F};
            return RightSimpleBranch(d, x);
        case PathKind::FixedFixed:
            if (x < d.Xl) return LeftFixedEnd(d, x);
            if (x < d.Xm) return LeftFixedMiddle(d, x);
            if (x == d.Xm) return {d.Ym, 0.0F};
            if (x <= d.Xr) return RightFixedMiddle(d, x);
            return RightFixedEnd(d, x);
    }
    return {};  // a configuration outside the list leaves the path at 0
}

/// Steel centroid height Ypath at every investigated location.
void CalcPathHeights(const DesignData& data, CalcValues& v) {
    const int count = detail::LocationCount(data);
    v.Ypath.Recreate(count);
    for (int i = 1; i <= count; ++i) v.Ypath(i) = EvaluatePath(data, data.locations(i).x).y;
}

/// Steel offset Ecc from the transformed beam centroid (positive above it) and path
/// inclination Theta at every investigated location.
void CalcOffsetsAndAngles(const DesignData& data, CalcValues& v) {
    const int count = detail::LocationCount(data);
    FloatArray ecc(count);
    FloatArray theta(count);
    for (int i = 1; i <= count; ++i) {
        const PathPoint point = EvaluatePath(data, data.locations(i).x);
        ecc(i) =
            Store(static_cast<double>(point.y) - detail::ValueAt(v.TYbot, i), "the steel offset");
        theta(i) = point.theta;
    }
    v.Ecc = std::move(ecc);
    v.Theta = std::move(theta);
}

}  // namespace tarnex
