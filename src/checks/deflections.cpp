#include <string>

#include "checks/design_results.h"
#include "model/calc_error.h"

namespace tarnex {
namespace {

/// Midspan camber per unit prestress force (in/lb, 28-day modulus) of the simply supported
/// beam, or nothing with the message of a path that has no closed form here.
struct CamberFactor {
    double k = 0;
    std::string refusal;
};

/// Midspan camber of an eccentric prestress: straight (constant e), harped (two symmetric
/// hold-downs at Xl from the ends) and simple-simple parabolic paths.
CamberFactor MidspanCamberFactor(const DesignData& d) {
    const double L = d.Blength;
    const double eM = static_cast<double>(d.BeamYbot) - d.Ym;
    const double eL = static_cast<double>(d.BeamYbot) - d.Yl;
    const auto perStiffness = [&](double numerator) {
        return Divide(numerator, 8 * static_cast<double>(d.M28) * d.BeamMoI,
                      "the beam stiffness (modulus at 28 days times the moment of inertia)");
    };
    switch (d.PathConfig) {
        case PathKind::Straight:
            return {perStiffness(L * L * eM), {}};
        case PathKind::Harped: {
            if (d.Yl != d.Yr) {
                return {0,
                        "Deflection calculation not available for unsymmetric harped cable path"};
            }
            const double ratio = Divide(2.0 * d.Xl, L, "the beam length");
            return {perStiffness(L * L * (eM - (eM - eL) * ratio * ratio / 3)), {}};
        }
        case PathKind::SimpleSimple:
            return {perStiffness(L * L * (eL + 5 * (eM - eL) / 6)), {}};
        case PathKind::SimpleFixed:
            return {0,
                    "Deflection calculation not available for simple-fixed parabolic cable path"};
        case PathKind::FixedSimple:
            return {0,
                    "Deflection calculation not available for fixed-simple parabolic cable path"};
        case PathKind::FixedFixed:
            return {0, "Deflection calculation not available for fixed-fixed parabolic cable path"};
    }
    return {0, {}};  // a configuration outside the list
}

/// The location with the largest positive beam dead moment (the first of equals).
int GoverningLocation(const DesignData& d) {
    int m = 0;
    double largest = 0;
    for (int i = 1; i <= d.nll; ++i) {
        if (d.locations(i).DM > largest) {
            largest = d.locations(i).DM;
            m = i;
        }
    }
    if (m == 0) throw CalcError("no location has a positive beam dead moment");
    return m;
}

}  // namespace

DeflectionResults CalcDeflections(const DesignData& d, const CalcValues& v) {
    DeflectionResults out;
    out.computed = true;
    const CamberFactor camber = MidspanCamberFactor(d);
    if (!camber.refusal.empty()) {
        out.refusal = camber.refusal;
        return out;
    }
    const int m = GoverningLocation(d);
    const double k = camber.k;
    out.initialPrestress =
        Divide(k * v.PforceT(m) * d.M28, d.Mps, "the modulus of elasticity at prestressing");
    out.finalPrestress = k * v.PSP(m);
    const double L = d.Blength;
    // Simple span under its own weight: 5 w L^4 / (384 E I).
    out.deadLoad = Divide(5 * static_cast<double>(d.BeamArea) * d.BUW * L * L * L * L,
                          384 * static_cast<double>(d.M28) * d.BeamMoI,
                          "the beam stiffness (modulus at 28 days times the moment of inertia)");
    return out;
}

}  // namespace tarnex
