#include <cmath>
#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"
#include "prestress/prestress_path.h"

namespace tarnex {

namespace {

/// One parabolic segment of the tendon: where it starts and ends and its friction fraction.
struct PathSegment {
    float start = 0;
    float end = 0;
    float length = 0;
    float friction = 0;  // fraction of PSi lost over the segment
};

/// AASHTO 9.16.1: friction over one parabolic segment of length Ls and rise r, angle change
/// 2 r / Ls (the end slope of the parabola).
PathSegment MakeSegment(const DesignData& d, float start, float end, double rise, int number) {
    PathSegment seg;
    seg.start = start;
    seg.end = end;
    seg.length = Store(static_cast<double>(end) - start, "the path segment length");
    const double angle = Divide(2.0 * std::fabs(rise), seg.length,
                                "the length of path segment " + std::to_string(number));
    seg.friction = Store(1.0 - std::exp(-(static_cast<double>(d.MU) * angle +
                                          static_cast<double>(d.K) * seg.length)),
                         "the friction loss of path segment " + std::to_string(number));
    return seg;
}

/// The parabolic segments of the path from the jacking end.
std::vector<PathSegment> ParabolicSegments(const DesignData& d) {
    const float L = d.Blength;
    std::vector<PathSegment> segs;
    // The rise of each segment is a difference of stored heights carried in double.
    const auto rise = [](float high, float low) { return static_cast<double>(high) - low; };
    const auto add = [&](float start, float end, double r) {
        segs.push_back(MakeSegment(d, start, end, r, static_cast<int>(segs.size()) + 1));
    };
    switch (d.PathConfig) {
        case PathKind::SimpleSimple:
            add(0.0F, d.Xm, rise(d.Yl, d.Ym));
            add(d.Xm, L, rise(d.Yr, d.Ym));
            break;
        case PathKind::SimpleFixed: {
            const float yc = RightInflectionHeight(d);
            add(0.0F, d.Xm, rise(d.Yl, d.Ym));
            add(d.Xm, d.Xr, rise(yc, d.Ym));
            add(d.Xr, L, rise(d.Yr, yc));
            break;
        }
        case PathKind::FixedSimple: {
            const float yd = LeftInflectionHeight(d);
            add(0.0F, d.Xl, rise(d.Yl, yd));
            add(d.Xl, d.Xm, rise(yd, d.Ym));
            add(d.Xm, L, rise(d.Yr, d.Ym));
            break;
        }
        case PathKind::FixedFixed: {
            const float yc = RightInflectionHeight(d);
            const float yd = LeftInflectionHeight(d);
            add(0.0F, d.Xl, rise(d.Yl, yd));
            add(d.Xl, d.Xm, rise(yd, d.Ym));
            add(d.Xm, d.Xr, rise(yc, d.Ym));
            add(d.Xr, L, rise(d.Yr, yc));
            break;
        }
        default:
            break;
    }
    return segs;
}

/// Friction loss at distance x, linear within each segment and accumulated from the
/// jacking end; a location on a boundary belongs to the segment on its left.
double FrictionAt(const std::vector<PathSegment>& segs, float x) {
    double before = 0.0;
    for (std::size_t s = 0; s < segs.size(); ++s) {
        const PathSegment& seg = segs[s];
        if (x <= seg.end || s + 1 == segs.size()) {
            return before +
                   Divide(static_cast<double>(seg.friction) * (static_cast<double>(x) - seg.start),
                          seg.length, "the path segment length");
        }
        before += seg.friction;
    }
    return 0.0;
}

/// AASHTO 9.16.1: anchor-set loss at every location. The set is absorbed by the friction
/// gradient over a zone xs from the jacking end; a zone that would pass the far end seats
/// the rest of the set over the whole beam, mirroring the friction line.
void ApplyAnchorSet(const DesignData& d, const std::vector<PathSegment>& segs, FloatArray& asLoss) {
    const double a = static_cast<double>(d.Aset) * d.PSmod;
    const double psi = d.PSi;
    double lengthTotal = 0.0;
    double frictionTotal = 0.0;
    for (const PathSegment& seg : segs) {
        lengthTotal += seg.length;
        frictionTotal += seg.friction;
    }
    const int count = asLoss.size();
    const auto reachesWithin = [&](double friction, double length) {
        return Store(friction * psi, "the friction stress") >=
               Store(Divide(a, length, "the tendon length"), "the anchor set per length");
    };

    if (reachesWithin(frictionTotal, lengthTotal)) {
        double lengthN = 0.0;
        double frictionN = 0.0;
        for (const PathSegment& seg : segs) {
            lengthN += seg.length;
            frictionN += seg.friction;
            if (reachesWithin(frictionN, lengthN)) break;
        }
        // No set (A = 0) leaves no set zone; the jacking end itself loses nothing.
        double setLength = 0.0;
        double endLoss = 0.0;
        if (a != 0.0) {
            setLength = SquareRoot(
                Divide(a * lengthN, frictionN * psi, "the friction over the anchor-set zone"),
                "the anchor-set zone length");
            endLoss = Finite(2.0 * frictionN * setLength / lengthN, "the anchor-set loss");
        }
        for (int i = 1; i <= count; ++i) {
            const double x = d.locations(i).x;
            double loss = 0.0;
            if (x <= setLength && setLength > 0.0) loss = (1.0 - x / setLength) * endLoss;
            asLoss(i) = Store(loss, "the anchor-set loss");
        }
        return;
    }

    const double L = d.Blength;
    const double uniform = Divide(a, psi * L, "the initial prestress PSi times the beam length");
    for (int i = 1; i <= count; ++i) {
        const double x = d.locations(i).x;
        asLoss(i) = Store(uniform + (1.0 - 2.0 * x / L) * frictionTotal, "the anchor-set loss");
    }
}

}  // namespace

/// AASHTO 9.16.1: friction (wobble and curvature) and anchor-set losses of a tendon
/// stressed from the left end, as fractions of PSi, and their largest sum FRASmax.
bool CalcFrictionAndAnchorSet(const DesignData& data, FrictionLosses& out, Dialogs& dialogs) {
    const int count = detail::LocationCount(data);
    out.FRloss.Recreate(count);
    out.ASloss.Recreate(count);
    if (data.prestressing == Prestressing::Pretensioning) {
        dialogs.ShowMessage("No friction losses occur for pretensioned beams");
        return false;
    }
    if (data.PathConfig == PathKind::Harped) {
        dialogs.ShowMessage("Harping is not used for post-tensioned beams");
        return false;
    }
    if (data.PSi == 0.0F) throw CalcError("the initial prestress PSi is 0");

    FloatArray frLoss(count);
    FloatArray asLoss(count);
    std::vector<PathSegment> segs;
    if (data.PathConfig == PathKind::Straight) {
        PathSegment seg;
        seg.end = data.Blength;
        seg.length = data.Blength;
        seg.friction =
            Store(1.0 - std::exp(-static_cast<double>(data.K) * data.Blength), "the friction loss");
        segs.push_back(seg);
        for (int i = 1; i <= count; ++i) {
            frLoss(i) = Store(Divide(static_cast<double>(seg.friction) * data.locations(i).x,
                                     data.Blength, "the beam length"),
                              "the friction loss");
        }
    } else {
        segs = ParabolicSegments(data);
        for (int i = 1; i <= count && !segs.empty(); ++i) {
            frLoss(i) = Store(FrictionAt(segs, data.locations(i).x), "the friction loss");
        }
    }
    if (!segs.empty()) ApplyAnchorSet(data, segs, asLoss);

    float largest = 0.0F;
    for (int i = 1; i <= count; ++i) {
        const float sum =
            Store(static_cast<double>(asLoss(i)) + frLoss(i), "the friction and anchor-set loss");
        if (sum > largest) largest = sum;
    }
    out.FRloss = std::move(frLoss);
    out.ASloss = std::move(asLoss);
    out.FRASmax = largest;
    return true;
}

bool StoreFrictionAndAnchorSet(DesignData& data, Dialogs& dialogs) {
    FrictionLosses friction{data.FRloss, data.ASloss, data.FRASmax};
    const bool computed = CalcFrictionAndAnchorSet(data, friction, dialogs);
    data.FRloss = std::move(friction.FRloss);
    data.ASloss = std::move(friction.ASloss);
    data.FRASmax = friction.FRASmax;
    return computed;
}

}  // namespace tarnex
