#pragma once

// A second, deliberately plain computation of the report figures of one design, written from
// the formulas (composite section, prestress path, friction and anchor set, prestress forces,
// fiber stresses, stress checks, moment and shear capacity, deflections). It shares no code with
// the engine: everything is carried in double from the input values, so a figure of the report
// that disagrees with it at its printed digits points at a fault in one of the two.

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/number_text.h"

namespace tarnex::testing {

/// One load case of a location: axial force, shear, moment (lb, lb-in) and load factor.
struct CaseLoads {
    double P = 0, V = 0, M = 0, F = 0;
};

/// The load cases of one investigated location, in file order.
struct LocationLoads {
    double x = 0;
    CaseLoads beamDead, nonCompDead, compDead, live, prestress, secondary, misc;
};

/// The design as the input file holds it; every real has the value of its stored float.
struct ExampleDesign {
    bool english = true, pretensioning = true, composite = false, transformed = false;
    std::string criteria;  // "aashto", "arema" / "area" or "aci"
    double BUW = 0, CS28 = 0, CSps = 0, M28 = 0, Mps = 0;
    double SUW = 0, SS28 = 0, SM28 = 0;
    double RS = 0, RM = 0;
    int PStype = 0;
    double PSdia = 0, PSus = 0, PSys = 0, PSmod = 0;
    double K = 0, MU = 0;
    int BeamShape = 0, SectionNo = 0;
    double D = 0, Btop = 0, Htop = 0, Bweb = 0, Bbot = 0, Hbot = 0, Ftop = 0, Fbot = 0;
    double BeamArea = 0, BeamMoI = 0, BeamYtop = 0, BeamYbot = 0;
    double Pjack = 0;
    std::vector<LocationLoads> locations;
    double ACS1 = 0, ATS1 = 0, ACS2 = 0, ATS2 = 0, PSi = 0;
    double PSloss = 0, PStrans = 0, Aset = 0;
    int PathConfig = 0;
    double Xl = 0, Yl = 0, Xm = 0, Ym = 0, Xr = 0, Yr = 0;
    double Blength = 0, Bspace = 0;
    double Tslab = 0, Beff = 0, Slope = 0, Haunch = 0;

    bool aashto() const { return criteria != "aci" && criteria != "arema" && criteria != "area"; }
    bool arema() const { return criteria == "arema" || criteria == "area"; }
};

/// Reads a design file item by item (comma or line end ends an item; quotes dropped).
inline ExampleDesign ReadExampleDesign(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::vector<std::string> items;
    std::string item;
    for (const char c : buffer.str()) {
        if (c == ',' || c == '\n') {
            items.push_back(item);
            item.clear();
        } else if (c != '\r' && c != '"') {
            item += c;
        }
    }
    if (!item.empty()) items.push_back(item);
    std::size_t next = 0;
    auto word = [&]() -> std::string {
        if (next >= items.size()) throw std::runtime_error("design file ends early: " + path);
        return items[next++];
    };
    auto real = [&]() -> double {
        const std::optional<float> value = ParseFileReal(word());
        if (!value) throw std::runtime_error("not a number in " + path);
        return static_cast<double>(*value);
    };
    auto integer = [&]() -> int {
        const std::optional<int> value = ParseFileInteger(word());
        if (!value) throw std::runtime_error("not an integer in " + path);
        return *value;
    };
    ExampleDesign d;
    d.english = word() != "metric";
    d.pretensioning = word() == "pretensioning";
    d.criteria = word();
    d.composite = word() == "composite";
    d.transformed = word() != "gross";
    d.BUW = real(), d.CS28 = real(), d.CSps = real(), d.M28 = real(), d.Mps = real();
    if (d.composite) d.SUW = real(), d.SS28 = real(), d.SM28 = real();
    d.RS = real(), d.RM = real();
    d.PStype = integer();
    d.PSdia = real(), d.PSus = real(), d.PSys = real(), d.PSmod = real();
    if (!d.pretensioning) d.K = real(), d.MU = real();
    d.BeamShape = integer();
    d.SectionNo = integer();
    d.D = real(), d.Btop = real(), d.Htop = real(), d.Bweb = real();
    d.Bbot = real(), d.Hbot = real(), d.Ftop = real(), d.Fbot = real();
    d.BeamArea = real(), d.BeamMoI = real(), d.BeamYtop = real(), d.BeamYbot = real();
    const int nll = integer();
    d.Pjack = real();
    for (int i = 0; i < nll; ++i) {
        LocationLoads loc;
        loc.x = real();
        for (CaseLoads* c : {&loc.beamDead, &loc.nonCompDead, &loc.compDead, &loc.live,
                             &loc.prestress, &loc.secondary, &loc.misc}) {
            c->P = real(), c->V = real(), c->M = real(), c->F = real();
        }
        d.locations.push_back(loc);
    }
    d.ACS1 = real(), d.ATS1 = real(), d.ACS2 = real(), d.ATS2 = real(), d.PSi = real();
    d.PSloss = real(), d.PStrans = real(), d.Aset = real();
    d.PathConfig = integer();
    d.Xl = real(), d.Yl = real(), d.Xm = real(), d.Ym = real(), d.Xr = real(), d.Yr = real();
    d.Blength = real(), d.Bspace = real();
    if (d.composite) d.Tslab = real(), d.Beff = real(), d.Slope = real(), d.Haunch = real();
    return d;
}

/// Section area, moment of inertia and centroid distances.
struct Section {
    double area = 0, moi = 0, ytop = 0, ybot = 0;
};

/// Gross composite section of beam, haunch and sloped slab (beam alone when not composite).
inline Section GrossComposite(const ExampleDesign& d) {
    const Section beam{d.BeamArea, d.BeamMoI, d.BeamYtop, d.BeamYbot};
    if (!d.composite) return beam;
    const double n = d.SM28 / d.M28;
    const double bt = d.Beff * n;
    const double slabArea = d.Tslab * bt;
    const double theta = d.Slope * 3.1416 / 180.0;
    const double s = std::sin(theta), c = std::cos(theta);
    const double slabI = (d.Tslab * d.Tslab * c * c + bt * bt * s * s) * slabArea / 12.0;
    const double beamDepth = d.BeamYtop + d.BeamYbot;
    const double slabY = beamDepth + d.Haunch + d.Tslab / 2.0;
    const double haunchArea = d.Btop * n * d.Haunch;
    const double haunchI = std::pow(d.Haunch, 3) * d.Btop * n / 12.0;
    const double haunchY = beamDepth + d.Haunch / 2.0;
    Section comp;
    comp.area = d.BeamArea + slabArea + haunchArea;
    comp.ybot = (d.BeamYbot * d.BeamArea + slabArea * slabY + haunchArea * haunchY) / comp.area;
    comp.ytop = beamDepth + d.Haunch + d.Tslab + d.Beff * std::tan(theta) / 2.0 - comp.ybot;
    comp.moi = std::pow(comp.ybot - d.BeamYbot, 2) * d.BeamArea + d.BeamMoI + slabI + haunchI +
               std::pow(slabY - comp.ybot, 2) * slabArea +
               std::pow(haunchY - comp.ybot, 2) * haunchArea;
    return comp;
}

/// Height of the steel centroid above the bottom fiber and inclination of the path at x.
struct PathPoint {
    double y = 0, theta = 0;
};

/// Prestress path height and slope for the six path configurations.
inline PathPoint PathAt(const ExampleDesign& d, double x) {
    const double L = d.Blength;
    const double yc = d.Ym + (d.Yr - d.Ym) * (d.Xr - d.Xm) / (L - d.Xm);
    const double yd = d.Ym + (d.Yl - d.Ym) * (d.Xm - d.Xl) / d.Xm;
    auto parabola = [](double dist, double rise, double span) {
        return PathPoint{dist * dist * rise / (span * span),
                         std::atan(2 * dist * rise / (span * span))};
    };
    auto above = [&](PathPoint p, double base) { return PathPoint{p.y + base, p.theta}; };
    const bool fixedLeft = d.PathConfig == 4 || d.PathConfig == 5;
    const bool fixedRight = d.PathConfig == 3 || d.PathConfig == 5;
    switch (d.PathConfig) {
        case 0:
            return {d.Ym, 0};
        case 1:
            if (x < d.Xl) return {d.Yl - (d.Yl - d.Ym) * x / d.Xl, std::atan((d.Yl - d.Ym) / d.Xl)};
            if (x <= d.Xr) return {d.Ym, 0};
            return {(x - d.Xr) * (d.Yr - d.Ym) / (L - d.Xr) + d.Ym,
                    std::atan((d.Yr - d.Ym) / (L - d.Xr))};
        case 2:
        case 3:
        case 4:
        case 5:
            if (x == d.Xm) return {d.Ym, 0};
            if (x < d.Xm) {
                if (!fixedLeft) return above(parabola(d.Xm - x, d.Yl - d.Ym, d.Xm), d.Ym);
                if (x < d.Xl) {
                    const PathPoint p = parabola(x, d.Yl - yd, d.Xl);
                    return {d.Yl - p.y, p.theta};
                }
                return above(parabola(d.Xm - x, yd - d.Ym, d.Xm - d.Xl), d.Ym);
            }
            if (!fixedRight) return above(parabola(x - d.Xm, d.Yr - d.Ym, L - d.Xm), d.Ym);
            if (x <= d.Xr) return above(parabola(x - d.Xm, yc - d.Ym, d.Xr - d.Xm), d.Ym);
            {
                const PathPoint p = parabola(L - x, d.Yr - yc, L - d.Xr);
                return {d.Yr - p.y, p.theta};
            }
        default:
            return {0, 0};
    }
}

/// Friction and anchor-set loss fractions of PSi at x, tendon stressed from the left end.
struct FrictionLoss {
    double friction = 0, anchorSet = 0;
};

/// Post-tensioning friction (linear within each path segment) and anchor set at x.
inline FrictionLoss FrictionAt(const ExampleDesign& d, double x) {
    if (d.pretensioning || d.PathConfig == 1) return {};
    const double L = d.Blength;
    const double yc = d.Ym + (d.Yr - d.Ym) * (d.Xr - d.Xm) / (L - d.Xm);
    const double yd = d.Ym + (d.Yl - d.Ym) * (d.Xm - d.Xl) / d.Xm;
    struct Segment {
        double length, rise;
    };
    std::vector<Segment> segs;
    switch (d.PathConfig) {
        case 0:
            segs = {{L, 0}};
            break;
        case 2:
            segs = {{d.Xm, d.Yl - d.Ym}, {L - d.Xm, d.Yr - d.Ym}};
            break;
        case 3:
            segs = {{d.Xm, d.Yl - d.Ym}, {d.Xr - d.Xm, yc - d.Ym}, {L - d.Xr, d.Yr - yc}};
            break;
        case 4:
            segs = {{d.Xl, d.Yl - yd}, {d.Xm - d.Xl, yd - d.Ym}, {L - d.Xm, d.Yr - d.Ym}};
            break;
        case 5:
            segs = {{d.Xl, d.Yl - yd},
                    {d.Xm - d.Xl, yd - d.Ym},
                    {d.Xr - d.Xm, yc - d.Ym},
                    {L - d.Xr, d.Yr - yc}};
            break;
        default:
            return {};
    }
    std::vector<double> f;
    for (const Segment& s : segs) {
        const double curvature = d.PathConfig == 0 ? 0.0 : d.MU * 2 * std::abs(s.rise) / s.length;
        f.push_back(1 - std::exp(-(curvature + d.K * s.length)));
    }
    FrictionLoss out;
    double start = 0, before = 0;
    for (std::size_t s = 0; s < segs.size(); ++s) {
        const bool last = s + 1 == segs.size();
        if (x <= start + segs[s].length || last) {
            out.friction = x <= 0 ? 0.0 : before + f[s] * (x - start) / segs[s].length;
            break;
        }
        start += segs[s].length;
        before += f[s];
    }
    // Anchor set: the seating length is where the friction gradient absorbs Aset x Eps.
    const double A = d.Aset * d.PSmod;
    double lengthSum = 0, frictionSum = 0;
    for (std::size_t s = 0; s < segs.size(); ++s) {
        lengthSum += segs[s].length;
        frictionSum += f[s];
        if (frictionSum * d.PSi >= A / lengthSum) {
            const double xs = std::sqrt(A * lengthSum / (frictionSum * d.PSi));
            const double d0 = 2 * frictionSum * xs / lengthSum;
            out.anchorSet = (xs > 0 && x <= xs) ? (1 - x / xs) * d0 : 0.0;
            return out;
        }
    }
    // The set zone reaches past the far end: the seated stress mirrors the friction line.
    out.anchorSet = A / (d.PSi * L) + (1 - 2 * x / L) * frictionSum;
    return out;
}

/// Fiber stresses (psi, compression positive) of one load state.
struct Fibers {
    double top = 0, bottom = 0;
};

/// Everything the report prints for one location, recomputed.
struct LocationCheck {
    double x = 0;
    PathPoint path;
    Section trans, transComp;
    double ecc = 0;
    FrictionLoss loss;
    double lossAt = 0;
    double forceTransfer = 0, momentTransfer = 0, finalForce = 0, finalMoment = 0;
    Fibers initialPS, finalPS, secondaryPS, beamDead, nonCompDead, compDead, live;
    Fibers initPlusBeam() const {
        return {initialPS.top + beamDead.top, initialPS.bottom + beamDead.bottom};
    }
    Fibers finalPlusDead() const {
        return {finalPS.top + beamDead.top + nonCompDead.top + compDead.top + secondaryPS.top,
                finalPS.bottom + beamDead.bottom + nonCompDead.bottom + compDead.bottom +
                    secondaryPS.bottom};
    }
    Fibers allLoads() const {
        const Fibers dead = finalPlusDead();
        return {dead.top + live.top, dead.bottom + live.bottom};
    }
    double liveHalfSustained() const { return finalPlusDead().top / 2 + live.top; }
};

/// Section with the steel area k (transformed) added at height y.
inline Section AddSteel(const Section& gross, double k, double y, double topHeight) {
    Section s;
    s.area = k + gross.area;
    s.ybot = (k * y + gross.ybot * gross.area) / s.area;
    s.ytop = topHeight - s.ybot;
    s.moi = std::pow(s.ybot - gross.ybot, 2) * gross.area + gross.moi + std::pow(s.ybot - y, 2) * k;
    return s;
}

/// The whole design recomputed: sections, prestress forces and stresses per location.
struct DesignCheck {
    ExampleDesign design;
    Section grossComp, inUse, compInUse;
    std::vector<LocationCheck> at;
};

/// Recomputes the prestress forces and the fiber stresses at every location of `d`.
inline DesignCheck CheckDesign(const ExampleDesign& d) {
    DesignCheck out;
    out.design = d;
    out.grossComp = GrossComposite(d);
    const Section beam{d.BeamArea, d.BeamMoI, d.BeamYtop, d.BeamYbot};
    const double steelArea = d.transformed ? d.Pjack / d.PSi : 0.0;
    const double k = (d.PSmod / d.M28 - 1) * steelArea;
    const double beamDepth = d.BeamYtop + d.BeamYbot;
    const double compTop =
        beamDepth + d.Haunch + d.Tslab + d.Beff * std::tan(d.Slope * 3.1416 / 180) / 2;
    out.inUse = AddSteel(beam, k, d.Ym, beamDepth);
    out.compInUse = d.transformed ? AddSteel(out.grossComp, k, d.Ym, compTop) : out.grossComp;
    for (const LocationLoads& loads : d.locations) {
        LocationCheck c;
        c.x = loads.x;
        c.path = PathAt(d, loads.x);
        c.trans = AddSteel(beam, k, c.path.y, beamDepth);
        c.transComp = AddSteel(out.grossComp, k, c.path.y, compTop);
        c.ecc = c.path.y - c.trans.ybot;
        c.loss = FrictionAt(d, loads.x);
        const double frictionSet = (c.loss.friction + c.loss.anchorSet) * d.PSi;
        c.lossAt = d.pretensioning ? d.PSloss : frictionSet + d.PSloss;
        const double transferLoss = d.pretensioning ? d.PStrans : frictionSet;
        c.forceTransfer = (d.PSi - transferLoss) * d.Pjack / d.PSi;
        c.momentTransfer = c.forceTransfer * c.ecc;
        c.finalForce = (d.PSi - c.lossAt) * d.Pjack / d.PSi;
        c.finalMoment = c.finalForce * c.ecc;
        const Section& t = c.trans;
        const Section& tc = c.transComp;
        auto onBeam = [&](double P, double M) {
            return Fibers{t.ytop * M / t.moi + P / t.area, P / t.area - t.ybot * M / t.moi};
        };
        const double yc = d.composite ? out.inUse.ytop + out.inUse.ybot - tc.ybot : t.ytop;
        auto onComposite = [&](double P, double M) {
            return Fibers{yc * M / tc.moi + P / tc.area, P / tc.area - tc.ybot * M / tc.moi};
        };
        c.initialPS = onBeam(c.forceTransfer, c.momentTransfer);
        c.finalPS = onBeam(c.finalForce, c.finalMoment);
        c.secondaryPS = onBeam(loads.secondary.P, loads.secondary.M);
        c.beamDead = onBeam(loads.beamDead.P, loads.beamDead.M);
        c.nonCompDead = onBeam(loads.nonCompDead.P, loads.nonCompDead.M);
        c.compDead = onComposite(loads.compDead.P, loads.compDead.M);
        c.live = onComposite(loads.live.P, loads.live.M);
        out.at.push_back(c);
    }
    return out;
}

/// Extreme stresses over all locations, as the stress check compares them.
struct CriticalStresses {
    double minTop = 0, maxInitComp = 0, minFinalDL = 0, maxCompLL = 0, minFinalAll = 0,
           maxFinalComp = 0;
};

/// Extremes of the transfer, dead-load, service and half-sustained-plus-live states.
inline CriticalStresses FindCriticalStresses(const DesignCheck& check) {
    CriticalStresses s;
    bool first = true;
    for (const LocationCheck& c : check.at) {
        const Fibers t = c.initPlusBeam(), dl = c.finalPlusDead(), all = c.allLoads();
        const double tops = std::min({t.top, dl.top, all.top});
        const double initComp = std::max(t.top, t.bottom);
        const double finalComp = std::max(all.top, all.bottom);
        if (first) {
            s = {tops, initComp, dl.bottom, c.liveHalfSustained(), all.bottom, finalComp};
            first = false;
            continue;
        }
        s.minTop = std::min(s.minTop, tops);
        s.maxInitComp = std::max(s.maxInitComp, initComp);
        s.minFinalDL = std::min(s.minFinalDL, dl.bottom);
        s.maxCompLL = std::max(s.maxCompLL, c.liveHalfSustained());
        s.minFinalAll = std::min(s.minFinalAll, all.bottom);
        s.maxFinalComp = std::max(s.maxFinalComp, finalComp);
    }
    return s;
}

/// Factored moment at a location, with the final prestress moment in the PRESTRESS case.
inline double FactoredMoment(const LocationLoads& l, double prestressMoment) {
    return l.beamDead.M * l.beamDead.F + l.nonCompDead.M * l.nonCompDead.F +
           l.compDead.M * l.compDead.F + l.live.M * l.live.F + prestressMoment * l.prestress.F +
           l.secondary.M * l.secondary.F + l.misc.M * l.misc.F;
}

/// Factored shear at a location (the PRESTRESS case keeps its entered shear).
inline double FactoredShear(const LocationLoads& l) {
    return l.beamDead.V * l.beamDead.F + l.nonCompDead.V * l.nonCompDead.F +
           l.compDead.V * l.compDead.F + l.live.V * l.live.F + l.prestress.V * l.prestress.F +
           l.secondary.V * l.secondary.F + l.misc.V * l.misc.F;
}

/// One row of the moment capacity table, or the message that refuses the section.
struct MomentRow {
    std::string message;
    double mult = 0, crackingTimes12 = 0, phiMn = 0, mildSteel = 0;
    bool ok = false;
};

/// Compression flange, web and steel depths of the strength section.
struct StrengthSection {
    double b = 0, hf = 0, bw = 0, dp = 0, ds = 0;
    bool negative = false;
};

/// Ultimate flexural strength of a prestressed section: rectangular or flanged behaviour.
inline double FlexuralStrengthOf(double fc, double phi, double aps, const StrengthSection& s,
                                 double fpu, double beta1, double gammaP) {
    const double rho = aps / (s.b * s.dp);
    const double fps = fpu * (1 - gammaP / beta1 * rho * fpu / fc);
    const double a = aps * fps / (0.85 * fc * s.b);
    const double limit = 0.36 * beta1;
    const double overReinforced = 0.36 * beta1 - 0.08 * beta1 * beta1;
    if (a <= s.hf) {
        const double index = rho * fps / fc;
        if (index <= limit) return phi * aps * fps * s.dp * (1 - 0.6 * index);
        return phi * fc * s.b * s.dp * s.dp * overReinforced;
    }
    const double apf = 0.85 * fc * (s.b - s.bw) * s.hf / fps;
    const double apw = aps - apf;
    const double mf = 0.85 * fc * (s.b - s.bw) * s.hf * (s.dp - s.hf / 2);
    const double index = apw * fps / (s.bw * s.dp * fc);
    if (index <= limit) return phi * (apw * fps * s.dp * (1 - 0.6 * index) + mf);
    return phi * (fc * s.bw * s.dp * s.dp * overReinforced + mf);
}

/// Mild steel that brings the strength up to the factored moment (0 when over-reinforced).
inline double MildSteelFor(double mult, double phi, double aps, const StrengthSection& s, double fc,
                           double fpu, double fy, double beta1, bool english) {
    const double rho = aps / (s.b * s.dp);
    const double fps = fpu * (1 - 0.5 * rho * fpu / fc);
    const double block = 0.85 * fc * s.b;
    const double A = fy * fy / (2 * block);
    const double B = fy * s.ds - aps * fps * fy / block;
    const double C = mult / phi - aps * fps * s.dp + std::pow(aps * fps, 2) / (2 * block);
    double as = (B - std::sqrt(B * B - 4 * A * C)) / (2 * A);
    const double a = (aps * fps + as * fy) / block;
    if (aps * fps / (s.b * s.dp * fc) + as * fy / (s.b * s.ds * fc) > 0.36 * beta1) as = 0;
    if (a <= s.hf) return as;
    const double step = english ? 0.05 : 1.0;
    double t = 0, strength = 0;
    for (int n = 0; strength < mult && n < 100000; ++n) {
        t += step;
        as = (0.85 * fc * (s.b * s.hf + s.bw * t) - aps * fps) / fy;
        const double apf = 0.85 * fc * (s.b - s.bw) * s.hf / fps;
        if (as * fy / (fc * s.bw * s.ds) + (aps - apf) * fps / (fc * s.bw * s.dp) > 0.36 * beta1)
            return 0;
        const double dT = (aps * fps * s.dp + as * fy * s.ds) / (aps * fps + as * fy);
        const double dC =
            (s.b * s.hf * s.hf / 2 + s.bw * t * (s.hf + t / 2)) / (s.b * s.hf + s.bw * t);
        strength = phi * (aps * fps + as * fy) * (dT - dC);
    }
    return as;
}

/// The moment capacity row of location `i` (0-based).
inline MomentRow CheckMomentCapacity(const DesignCheck& check, std::size_t i) {
    const ExampleDesign& d = check.design;
    const LocationCheck& c = check.at[i];
    MomentRow row;
    row.mult = FactoredMoment(d.locations[i], c.finalMoment);
    const bool negative = row.mult < 0;
    const double fc = (!negative && d.composite) ? d.SS28 : d.CS28;
    const double beta1 = fc <= 4000 ? 0.85 : std::max(0.65, 0.85 - 0.05 * (fc - 4000) / 1000);
    const double ftension = (negative && d.composite) ? d.SS28 : d.CS28;
    const double fr = 7.5 * std::sqrt(ftension);
    // Cracking moment beyond the effective prestress and the non-composite dead load, on the
    // gross composite section; a slab in tension cracks first; at least fr Sc.
    const double sc =
        check.grossComp.moi / (negative ? check.grossComp.ytop : check.grossComp.ybot);
    const LocationLoads& l = d.locations[i];
    const double mdnc = l.beamDead.M + l.nonCompDead.M;
    double mcr = 0;
    if (!negative) {
        mcr = (fr + c.finalPS.bottom + c.beamDead.bottom + c.nonCompDead.bottom) * sc + mdnc;
    } else if (d.composite) {
        mcr = fr * sc - mdnc;
    } else {
        mcr = (fr + c.finalPS.top + c.beamDead.top + c.nonCompDead.top) * sc - mdnc;
    }
    row.crackingTimes12 = 1.2 * std::max(mcr, fr * sc);
    const double Hc = check.grossComp.ytop + check.grossComp.ybot;
    const double Hb = d.BeamYtop + d.BeamYbot;
    const double yp = c.path.y;
    StrengthSection s;
    s.negative = negative;
    switch (d.BeamShape) {
        case 1:
            if (!d.composite) {
                row.message = "Moment capacity of non-composite I-girder not available";
            } else if (negative) {
                row.message = "Negative moment capacity of composite I-girder not available";
            } else {
                s = {d.Beff, d.Tslab, d.Bweb, Hc - yp, Hc - d.Hbot / 2, false};
            }
            break;
        case 2:
        case 5:
            if (negative) {
                s = {d.Bbot,
                     d.Hbot,
                     2 * d.Bweb,
                     yp,
                     d.composite ? Hc - d.Tslab / 2 : Hb - d.Htop / 2,
                     true};
            } else if (!d.composite) {
                s = {d.Btop, d.Htop, 2 * d.Bweb, Hb - yp, Hb - d.Hbot / 2, false};
            } else if (d.BeamShape == 2 && d.Btop < d.Beff) {
                row.message = "Positive moment capacity of box girder spaced apart not available";
            } else if (d.BeamShape == 2) {
                s = {d.Btop, d.Haunch + d.Tslab + d.Htop, 2 * d.Bweb, Hc - yp, Hc - d.Hbot / 2,
                     false};
            } else if (d.Beff <= d.Btop) {
                row.message =
                    "Positive moment capacity of trapezoidal box girder spaced together not "
                    "available";
            } else {
                s = {d.Beff, d.Tslab, 2 * d.Bweb, Hc - yp, Hc - d.Hbot / 2, false};
            }
            break;
        case 3: {
            const double hf = (d.D - d.Bweb) / 2, bw = d.Btop - d.Htop * d.Bweb;
            if (negative) {
                s = {d.Btop, hf, bw, yp, d.composite ? Hc - d.Tslab / 2 : Hb - hf / 2, true};
            } else if (!d.composite) {
                s = {d.Btop, hf, bw, Hb - yp, Hb - hf / 2, false};
            } else if (d.Beff < d.Bspace) {
                row.message = "Positive moment capacity of voided slab spaced apart not available";
            } else {
                const double flange = hf + d.Tslab + d.Haunch;
                s = {d.Beff, flange, bw, Hc - yp, Hc - flange / 2, false};
            }
            break;
        }
        case 4:
            if (!d.composite) {
                s = {d.Btop, d.D, d.Btop, negative ? yp : Hb - yp, 0.8 * Hb, negative};
            } else if (negative) {
                s = {d.Btop, Hc, d.Btop, yp, Hc - d.Tslab / 2, true};
            } else {
                s = {d.Beff, Hc, d.Beff, Hc - yp, 0.8 * Hc, false};
            }
            break;
        default:
            row.message = "Moment capacity of general section not available";
    }
    if (!row.message.empty()) return row;
    double phi = 0.90;
    if (d.aashto()) phi = d.pretensioning ? 1.0 : 0.95;
    if (d.arema()) phi = 0.95;
    const double gammaP = d.PStype == 0 ? 0.40 : 0.28;
    const double aps = d.Pjack / d.PSi;
    row.phiMn = FlexuralStrengthOf(fc, phi, aps, s, d.PSus, beta1, gammaP) * (negative ? -1 : 1);
    row.ok =
        std::abs(row.phiMn) >= row.crackingTimes12 && std::abs(row.phiMn) >= std::abs(row.mult);
    if (row.ok) return row;
    const double rho = aps / (s.b * s.dp);
    const double fps = d.PSus * (1 - gammaP / beta1 * rho * d.PSus / fc);
    const double a = aps * fps / (0.85 * fc * s.b);
    const double index =
        a <= s.hf ? rho * fps / fc
                  : (aps - 0.85 * fc * (s.b - s.bw) * s.hf / fps) * fps / (s.bw * s.dp * fc);
    if (index <= 0.36 * beta1)
        row.mildSteel = MildSteelFor(negative ? -std::max(-row.mult, row.crackingTimes12)
                                              : std::max(row.mult, row.crackingTimes12),
                                     phi, aps, s, fc, d.PSus, d.RS, beta1, d.english);
    return row;
}

/// Midspan cambers and dead load deflection, or the refusal of the path.
struct Deflections {
    std::string message;
    double initial = 0, final = 0, dead = 0;
};

/// Simply supported beam: prestress cambers at midspan by path shape, self-weight deflection.
inline Deflections CheckDeflections(const DesignCheck& check) {
    const ExampleDesign& d = check.design;
    Deflections out;
    const double L = d.Blength, EI8 = 8 * d.M28 * d.BeamMoI;
    const double eM = d.BeamYbot - d.Ym, eL = d.BeamYbot - d.Yl;
    double k = 0;
    switch (d.PathConfig) {
        case 0:
            k = L * L * eM / EI8;
            break;
        case 1:
            if (d.Yl != d.Yr) {
                out.message =
                    "Deflection calculation not available for unsymmetric harped cable path";
                return out;
            }
            k = L * L * (eM - (eM - eL) * std::pow(2 * d.Xl / L, 2) / 3) / EI8;
            break;
        case 2:
            k = L * L * (eL + 5 * (eM - eL) / 6) / EI8;
            break;
        case 3:
            out.message =
                "Deflection calculation not available for simple-fixed parabolic cable path";
            return out;
        case 4:
            out.message =
                "Deflection calculation not available for fixed-simple parabolic cable path";
            return out;
        case 5:
            out.message =
                "Deflection calculation not available for fixed-fixed parabolic cable path";
            return out;
        default:
            break;
    }
    std::size_t m = 0;
    double largest = 0;
    for (std::size_t i = 0; i < d.locations.size(); ++i) {
        if (d.locations[i].beamDead.M > largest) largest = d.locations[i].beamDead.M, m = i;
    }
    out.initial = k * check.at[m].forceTransfer * d.M28 / d.Mps;
    out.final = k * check.at[m].finalForce;
    out.dead = 5 * d.BeamArea * d.BUW * std::pow(L, 4) / (384 * d.M28 * d.BeamMoI);
    return out;
}

/// One row of the shear capacity table.
struct ShearRow {
    double vu = 0, phiVc = 0, avs = 0;
    bool widenWeb = false;
};

/// Concrete shear strength as the lesser of flexure-shear and web-shear, and stirrups Av/s.
inline ShearRow CheckShearCapacity(const DesignCheck& check, std::size_t i) {
    const ExampleDesign& d = check.design;
    const LocationLoads& l = d.locations[i];
    const LocationCheck& c = check.at[i];
    const double phi = d.criteria == "aci" ? 0.85 : 0.90;
    const double lambda = d.BUW > 0.083 ? 1.0 : (d.BUW > 0.064 ? 0.85 : 0.75);
    double bw = d.Btop;
    if (d.BeamShape == 1) bw = d.Bweb;
    if (d.BeamShape == 2 || d.BeamShape == 5) bw = 2 * d.Bweb;
    if (d.BeamShape == 3) bw = d.Btop - d.Htop * d.Bweb;
    const double rootFc = std::sqrt(d.CS28);
    ShearRow row;
    const double mu = FactoredMoment(l, c.finalMoment);
    row.vu = FactoredShear(l);
    double vd = l.beamDead.V + l.nonCompDead.V + l.compDead.V;
    if (row.vu < 0) row.vu = -row.vu, vd = -vd;  // the mirror image of a right-half location
    const double vi = row.vu - vd;
    const double mmax = mu - (l.beamDead.M + l.nonCompDead.M + l.compDead.M);
    const double Hc = check.compInUse.ytop + check.compInUse.ybot;
    const double depth = std::max(mu >= 0 ? Hc - c.path.y : c.path.y, 0.8 * Hc);
    double ft = 1.0;
    if (d.pretensioning) {
        const double lt = 50 * d.PSdia;
        if (c.x < lt)
            ft = c.x / lt;
        else if (c.x > d.Blength - lt)
            ft = (d.Blength - c.x) / lt;
    }
    const double ps = ft * c.finalForce;
    double fpc = (l.nonCompDead.P + l.beamDead.P + ps) / c.trans.area;
    if (d.composite) {
        const double ec = std::min(c.transComp.ybot - c.trans.ybot, c.trans.ytop);
        fpc += (l.nonCompDead.M + l.beamDead.M) * ec / c.trans.moi + ps * c.ecc * ec / c.trans.moi;
    }
    const double vp = ps * std::tan(c.path.theta);
    const Fibers sum{c.beamDead.top + c.nonCompDead.top + c.compDead.top,
                     c.beamDead.bottom + c.nonCompDead.bottom + c.compDead.bottom};
    const double fd = mu >= 0 ? sum.bottom : sum.top;
    const double fpe = mu >= 0 ? c.finalPS.bottom : c.finalPS.top;
    const double toFiber =
        mu >= 0 ? check.grossComp.ybot : check.inUse.ytop + check.inUse.ybot - check.grossComp.ybot;
    const double mcr = (6 * lambda * rootFc + fpe + fd) * check.grossComp.moi / toFiber;
    const double vcw = (3.5 * lambda * rootFc + 0.3 * fpc) * bw * depth + vp;
    double vci = mmax != 0 ? 0.6 * lambda * rootFc * bw * depth + vd + mcr * vi / mmax : vcw;
    vci = std::max(vci, 1.7 * lambda * rootFc * bw * depth);
    row.phiVc = phi * std::min(vci, vcw);
    const double vs = (row.vu - row.phiVc) / phi;
    row.widenWeb = vs >= 8 * lambda * rootFc * bw * depth;
    row.avs = std::max((row.vu - row.phiVc) / (d.RS * phi * depth), 50 * bw / d.RS);
    return row;
}

}  // namespace tarnex::testing

namespace tarnex::testing {

/// A rating vehicle: axle loads (kips) with the spacings (ft) between them, its weight in tons
/// and, for the design loads, the lane load (kip/ft and the concentrated load for moment).
struct RatingTruck {
    std::string name;
    std::vector<double> kips, feet;
    double tons = 0;
    double laneKipsPerFoot = 0, laneMomentKips = 0;
};

/// The rating vehicle of a report's name, written from the load tables.
inline std::optional<RatingTruck> RatingTruckNamed(const std::string& name) {
    const std::vector<RatingTruck> trucks = {
        {"HS20-44", {8, 32, 32}, {14, 14}, 36, 0.64, 18},
        {"HS15-44", {6, 24, 24}, {14, 14}, 27, 0.48, 13.5},
        {"H20-44", {8, 32}, {14}, 20, 0.64, 18},
        {"H15-44", {6, 24}, {14}, 15, 0.48, 13.5},
        {"TYPE3", {16, 17, 17}, {15, 4}, 25, 0, 0},
        {"TYPE3S2", {10, 15.5, 15.5, 15.5, 15.5}, {11, 4, 22, 4}, 36, 0, 0},
        {"TYPE3-3", {12, 12, 12, 16, 14, 14}, {15, 4, 15, 16, 4}, 40, 0, 0},
    };
    for (const RatingTruck& t : trucks) {
        if (t.name == name) return t;
    }
    return std::nullopt;
}

/// One lane's largest moment (kip-ft) at x (ft) of a simple span L (ft): every axle placed on
/// x in turn, the truck both ways round; or the lane load, whichever is larger.
inline double RatingMoment(const RatingTruck& t, double L, double x) {
    double best = 0;
    std::vector<double> at = {0};
    for (double gap : t.feet) at.push_back(at.back() + gap);
    for (const bool reversed : {false, true}) {
        for (std::size_t lead = 0; lead < at.size(); ++lead) {
            double m = 0;
            for (std::size_t a = 0; a < at.size(); ++a) {
                const double p = x + (reversed ? at[lead] - at[a] : at[a] - at[lead]);
                if (p < 0 || p > L) continue;
                m += t.kips[a] * (p <= x ? p * (L - x) : x * (L - p)) / L;
            }
            best = std::max(best, m);
        }
    }
    const double lane = t.laneKipsPerFoot * x * (L - x) / 2 + t.laneMomentKips * x * (L - x) / L;
    return std::max(best, lane);
}

}  // namespace tarnex::testing
