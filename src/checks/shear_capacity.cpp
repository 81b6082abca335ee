#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

#include "checks/design_results.h"
#include "checks/factored_loads.h"
#include "model/calc_error.h"
#include "model/design_code.h"

namespace tarnex {
namespace {

/// ACI 11.2: concrete density factor from the unit weight (lb/in^3), compared as stored.
double DensityFactor(float unitWeight) {
    if (unitWeight > 0.083F) return 1.0;
    if (unitWeight > 0.064F) return 0.85;
    return 0.75;
}

/// Width of the web(s) that carry the shear.
double ShearWebWidth(const DesignData& d) {
    switch (d.BeamShape) {
        case BeamShapeKind::IGirder:
            return d.Bweb;
        case BeamShapeKind::BoxGirder:
        case BeamShapeKind::TrapezoidalBox:
            return 2.0 * d.Bweb;
        case BeamShapeKind::VoidedSlab:
            return d.Btop - static_cast<double>(d.Htop) * d.Bweb;
        case BeamShapeKind::SolidSlab:
            return d.Btop;
        case BeamShapeKind::General:
            break;
    }
    return 0;
}

/// ACI 11.4.3: share of the effective prestress at x, growing over the transfer length of
/// pretensioned strands at both ends.
double TransferFactor(const DesignData& d, double x) {
    if (d.prestressing == Prestressing::PostTensioning) return 1.0;
    const double lt = 50.0 * d.PSdia;
    if (x < lt) return Divide(x, lt, "the transfer length");
    if (x > d.Blength - lt) return Divide(d.Blength - x, lt, "the transfer length");
    return 1.0;
}

/// ACI 11.4.3: concrete shear strength, the smaller of flexure-shear Vci and web-shear Vcw,
/// and the stirrups Av/S at location i.
ShearCapacityRow ShearAtLocation(const DesignData& d, const CalcValues& v, int i, double phi,
                                 double lambda, double bw) {
    const LoadLocation loc = LocationWithPrestress(d.locations(i), v, i);
    const double rootFc = SquareRoot(d.CS28, "the concrete strength");
    const double fy = d.RS;

    const double Mu = FactoredMoment(loc);
    double Vu = FactoredShear(loc);
    double Vd = static_cast<double>(loc.DV) + loc.CDV + loc.ADV;
    // Shears typed negative (the right half of a span) are checked as the mirror image: the
    // path inclination is already measured toward the nearer end.
    if (Vu < 0) {
        Vu = -Vu;
        Vd = -Vd;
    }
    const double Vi = Vu - Vd;
    const double Md = static_cast<double>(loc.DM) + loc.CDM + loc.ADM;
    const double Mmax = Mu - Md;
    const bool positive = Mu >= 0;

    const double depth = static_cast<double>(v.CompYtop) + v.CompYbot;
    const double dShear = std::max(positive ? depth - v.Ypath(i) : v.Ypath(i), 0.8 * depth);
    const double ft = TransferFactor(d, loc.x);

    // Compressive stress at the centroid after losses, with the non-composite loads.
    const double axial = static_cast<double>(loc.CDP) + loc.DP + ft * loc.PSP;
    double fpc = Divide(axial, v.TArea(i), "the transformed beam area");
    if (d.Composite) {
        const double ec = std::min(static_cast<double>(v.TCompYbot(i)) - v.TYbot(i),
                                   static_cast<double>(v.TYtop(i)));
        const double moi = v.TMoI(i);
        if (moi == 0) throw CalcError("the transformed moment of inertia is 0");
        fpc = fpc + (static_cast<double>(loc.CDM) + loc.DM) * ec / moi +
              ft * loc.PSP * v.Ecc(i) * ec / moi;
    }
    const double Vp = ft * loc.PSP * std::tan(static_cast<double>(v.Theta(i)));

    const double fd = positive ? static_cast<double>(v.SbotD(i)) + v.SbotCD(i) + v.SbotAD(i)
                               : static_cast<double>(v.StopD(i)) + v.StopCD(i) + v.StopAD(i);
    const double fpe = positive ? v.SbotPS(i) : v.StopPS(i);
    const double crackingStress = 6 * lambda * rootFc + fpe + fd;
    const double Mcr =
        positive ? Divide(crackingStress * v.GCompMoI, v.GCompYbot, "the composite centroid height")
                 : Divide(crackingStress * v.GCompMoI,
                          static_cast<double>(v.Ytop) + v.Ybot - v.GCompYbot,
                          "the depth of the composite centroid below the beam top");

    const double Vcw = (3.5 * lambda * rootFc + 0.3 * fpc) * bw * dShear + Vp;
    double Vci = Vcw;
    if (Mmax != 0) Vci = 0.6 * lambda * rootFc * bw * dShear + Vd + Mcr * Vi / Mmax;
    Vci = std::max(Vci, 1.7 * lambda * rootFc * bw * dShear);
    const double phiVc = phi * std::min(Vci, Vcw);
    const double Vs = (Vu - phiVc) / phi;

    ShearCapacityRow result{loc.x, Vu, phiVc, Vs >= 8 * lambda * rootFc * bw * dShear, 0};
    if (!result.widenWeb) {
        // ACI 11.5.5.3: no less than the minimum shear reinforcement 50 bw / fy.
        const double AvS = Divide(Vu - phiVc, fy * phi * dShear, "the stirrup yield force");
        const double minimum = Divide(50 * bw, fy, "the mild steel yield strength");
        result.AvS = std::max(AvS, minimum);
    }
    return result;
}

}  // namespace

CheckTable<ShearCapacityRow> CalcShearCapacity(const DesignData& d, const CalcValues& v) {
    CheckTable<ShearCapacityRow> table;
    table.computed = true;
    if (d.BeamShape == BeamShapeKind::General) {
        table.refusal = "Shear capacity of general section not available";
        return table;
    }
    const double phi = CodeOf(d.designCriteria).ShearPhi();
    table.rows.reserve(static_cast<std::size_t>(std::max(d.nll, 0)));
    const double lambda = DensityFactor(d.BUW);
    const double bw = ShearWebWidth(d);
    try {
        for (int i = 1; i <= d.nll; ++i)
            table.rows.push_back(ShearAtLocation(d, v, i, phi, lambda, bw));
    } catch (const std::exception& error) {
        table.failure = error.what();
    }
    return table;
}

}  // namespace tarnex
