#include "checks/feasibility.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "model/calc_error.h"

namespace tarnex {

namespace {

using Point = std::pair<double, double>;

/// The limit of a fiber under a force k Pi at offset e and load stress s (compression
/// positive): k Pi (1/A + c e) + s <= L for compression, >= -T for tension, divided by Pi.
FeasibilityLine LineOf(ForceLimit limit, bool top, double k, double a0, double c, double s,
                       double allowable) {
    FeasibilityLine line{limit, top, allowable, 0, 0, 0};
    const bool compression =
        limit == ForceLimit::InitialCompression || limit == ForceLimit::FinalCompression;
    const double sign = compression ? 1.0 : -1.0;
    line.alpha = sign * k * c;
    line.beta = sign * (s - allowable);
    line.gamma = sign * k * a0;
    return line;
}

/// Sutherland-Hodgman: the part of a convex polygon where the line holds.
std::vector<Point> Clip(const std::vector<Point>& polygon, const FeasibilityLine& line) {
    std::vector<Point> out;
    const auto value = [&](const Point& p) {
        return line.alpha * p.first + line.beta * p.second + line.gamma;
    };
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const Point& a = polygon[k];
        const Point& b = polygon[(k + 1) % polygon.size()];
        const double va = value(a), vb = value(b);
        if (va <= 0) out.push_back(a);
        if ((va < 0 && vb > 0) || (va > 0 && vb < 0)) {
            const double t = va / (va - vb);
            out.emplace_back(a.first + t * (b.first - a.first),
                             a.second + t * (b.second - a.second));
        }
    }
    return out;
}

double PolygonArea(const std::vector<Point>& polygon) {
    double twice = 0;
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const Point& a = polygon[k];
        const Point& b = polygon[(k + 1) % polygon.size()];
        twice += a.first * b.second - b.first * a.second;
    }
    return std::fabs(twice) / 2;
}

}  // namespace

const char* ForceLimitName(ForceLimit limit) {
    switch (limit) {
        case ForceLimit::InitialTension:
            return "initial tension";
        case ForceLimit::InitialCompression:
            return "initial compression";
        case ForceLimit::FinalTension:
            return "final tension";
        case ForceLimit::FinalCompression:
            return "final compression";
    }
    return "";
}

Feasibility AnalyzeFeasibility(const DesignData& d, const DesignResults& r, int i) {
    const CalcValues& v = r.values;
    if (i < 1 || static_cast<std::size_t>(i) > r.x.size() || i > v.StopL.size()) {
        throw CalcError("location " + std::to_string(i) + " has no prestress forces");
    }
    Feasibility f;
    f.location = i;
    f.x = r.x[static_cast<std::size_t>(i) - 1];
    const double area = v.TArea(i), moi = v.TMoI(i), yTop = v.TYtop(i), yBot = v.TYbot(i);
    const double a0 = Divide(1.0, area, "the beam area");
    const double cTop = Divide(yTop, moi, "the beam moment of inertia");
    const double cBot = -Divide(yBot, moi, "the beam moment of inertia");
    const double force = v.PforceT(i);
    f.ecc = v.Ecc(i);
    f.q = Divide(1.0, force, "the prestress force at transfer");
    f.finalRatio = Divide(v.PSP(i), force, "the prestress force at transfer");
    f.jackingRatio = Divide(d.Pjack, force, "the prestress force at transfer");
    f.eMin = -yBot;
    f.eMax = yTop;

    // The fiber the prestress compresses more takes the compression at transfer and the
    // tension under service load; the other fiber the tension at transfer and the compression
    // under service load.
    const bool bottomPrecompressed = cBot * f.ecc > cTop * f.ecc;
    const double cPre = bottomPrecompressed ? cBot : cTop;
    const double cOther = bottomPrecompressed ? cTop : cBot;
    const double deadPre = bottomPrecompressed ? v.SbotD(i) : v.StopD(i);
    const double deadOther = bottomPrecompressed ? v.StopD(i) : v.SbotD(i);
    const double serviceTop =
        static_cast<double>(v.StopD(i)) + v.StopCD(i) + v.StopAD(i) + v.StopL(i) + v.StopPS2(i);
    const double serviceBot =
        static_cast<double>(v.SbotD(i)) + v.SbotCD(i) + v.SbotAD(i) + v.SbotL(i) + v.SbotPS2(i);
    const double servicePre = bottomPrecompressed ? serviceBot : serviceTop;
    const double serviceOther = bottomPrecompressed ? serviceTop : serviceBot;
    const double k = f.finalRatio;
    f.lines = {
        LineOf(ForceLimit::InitialTension, bottomPrecompressed, 1, a0, cOther, deadOther,
               -static_cast<double>(d.ATS1)),
        LineOf(ForceLimit::InitialCompression, !bottomPrecompressed, 1, a0, cPre, deadPre, d.ACS1),
        LineOf(ForceLimit::FinalTension, !bottomPrecompressed, k, a0, cPre, servicePre,
               -static_cast<double>(d.ATS2)),
        LineOf(ForceLimit::FinalCompression, bottomPrecompressed, k, a0, cOther, serviceOther,
               d.ACS2)};

    // The plotted forces reach down to a tenth of the design's where the limits allow.
    f.qTop = 2 * f.q;
    for (const FeasibilityLine& line : f.lines) {
        for (double e : {f.eMin, f.eMax}) {
            if (line.beta == 0) continue;
            const double q = -(line.alpha * e + line.gamma) / line.beta;
            if (q > f.qTop && q <= 10 * f.q) f.qTop = q;
        }
    }
    std::vector<Point> region = {{f.eMin, 0}, {f.eMax, 0}, {f.eMax, f.qTop}, {f.eMin, f.qTop}};
    for (const FeasibilityLine& line : f.lines) region = Clip(region, line);
    if (region.size() >= 3 && PolygonArea(region) > 1e-12 * (f.eMax - f.eMin) * f.qTop) {
        f.region = std::move(region);
    }
    return f;
}

ForceRange ForceRangeAt(const Feasibility& f) {
    ForceRange range;
    constexpr double kNoForce = std::numeric_limits<double>::max();
    for (const FeasibilityLine& line : f.lines) {
        // beta q <= rest, with q = 1 / Pi > 0.
        const double rest = -(line.alpha * f.ecc + line.gamma);
        double least = 0;
        std::optional<double> largest;
        if (line.beta > 0) {
            least = rest > 0 ? line.beta / rest : kNoForce;
        } else if (line.beta < 0) {
            if (rest < 0) largest = line.beta / rest;
        } else if (rest < 0) {
            least = kNoForce;
        }
        if (least > range.least) {
            range.least = least;
            range.leastBy = line.limit;
        }
        if (largest && (!range.largest || *largest < *range.largest)) {
            range.largest = largest;
            range.largestBy = line.limit;
        }
    }
    return range;
}

int WorstLocation(const DesignData& d, const DesignResults& r) {
    for (const StressCheck& check : r.checks) {
        if (!check.holds && check.location >= 1) return check.location;
    }
    int worst = 1;
    for (int i = 2; i <= d.nll && i <= d.locations.size(); ++i) {
        if (d.locations(i).DM > d.locations(worst).DM) worst = i;
    }
    return worst;
}

}  // namespace tarnex
