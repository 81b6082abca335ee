#include <cmath>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

namespace {

/// The location of the largest positive beam dead load moment; the first of equal ones.
int FindCriticalLocation(const DesignData& data) {
    int critical = 0;
    float largest = 0.0F;
    for (int i = 1; i <= detail::LocationCount(data); ++i) {
        if (data.locations(i).DM > largest) {
            largest = data.locations(i).DM;
            critical = i;
        }
    }
    if (critical == 0) throw CalcError("no location has a beam dead load moment greater than 0");
    return critical;
}

/// AASHTO 9.16.2.1.1: shrinkage loss from the mean annual relative humidity.
float ShrinkageLoss(const DesignData& data, double rh) {
    const double sh = 17000.0 - 150.0 * rh;
    return Store(data.prestressing == Prestressing::PostTensioning ? 0.8 * sh : sh,
                 "the shrinkage loss");
}

}  // namespace

/// AASHTO 9.16.2.1: total prestress loss (shrinkage, elastic shortening, creep of concrete,
/// relaxation of steel) and the loss at every location, friction and anchor set included
/// for post-tensioning.
void CalcLosses(ProgramState& state, CalcValues& v, Dialogs& dialogs) {
    DesignData& d = state.data;
    const int count = detail::LocationCount(d);
    d.PSlossAt.Recreate(count);
    d.SH = ShrinkageLoss(d, state.RH);
    const int k = FindCriticalLocation(d);

    CalcOffsetsAndAngles(d, v);
    // Creep uses the gross composite section: this resets the composite section in use.
    CalcCompositeProperties(d, v);

    const LoadLocation& loc = d.locations(k);
    const double psi = d.PSi;
    const double ecc = v.Ecc(k);
    const double pi = Store(Divide((psi - d.PStrans) * d.Pjack, psi, "the initial prestress PSi"),
                            "the force after transfer");

    // AASHTO 9.16.2.1.2: concrete stress at the steel centroid from prestress and beam weight.
    const double fcir = Divide(ecc * ecc * pi, v.MoI, "the beam moment of inertia") +
                        Divide(pi, v.Area, "the beam area") +
                        Divide(ecc * loc.DM, v.MoI, "the beam moment of inertia");
    const double psmod = d.PSmod;
    const double esStress =
        d.prestressing == Prestressing::PostTensioning ? fcir * 0.5 * psmod : psmod * fcir;
    d.ES = Store(Divide(esStress, d.Mps, "the beam modulus of elasticity at prestressing"),
                 "the elastic shortening loss");

    // AASHTO 9.16.2.1.3: creep, with the stress of the dead loads added after prestressing.
    const double absEcc = std::fabs(ecc);
    const double fcds = Store(Divide(absEcc * loc.CDM, v.MoI, "the beam moment of inertia") +
                                  Divide(loc.CDP, v.Area, "the beam area") +
                                  Divide(loc.ADP, v.CompArea, "the composite area") +
                                  Divide((absEcc - v.Ybot + v.CompYbot) * loc.ADM, v.CompMoI,
                                         "the composite moment of inertia"),
                              "the stress from the superimposed dead loads");
    d.CRc = Store(12.0 * fcir - 7.0 * fcds, "the creep loss");

    // AASHTO 9.16.2.1.4: relaxation of the prestressing steel.
    const double es = d.ES;
    const double crcSh = static_cast<double>(d.CRc) + d.SH;
    if (d.PStype == SteelType::StressRelieved) {
        d.CRs = Store((20000.0 - 0.4 * es) - 0.2 * crcSh, "the relaxation loss");
    } else if (d.PStype == SteelType::LowRelaxation) {
        d.CRs = Store((5000.0 - 0.1 * es) - 0.05 * crcSh, "the relaxation loss");
    }

    const double total = es + d.SH + d.CRc + d.CRs;
    d.PSloss = Store(total, "the total prestress loss");
    for (int i = 1; i <= count; ++i) d.PSlossAt(i) = d.PSloss;

    if (d.prestressing != Prestressing::PostTensioning) return;
    StoreFrictionAndAnchorSet(d, dialogs);
    if (d.PStype != SteelType::StressRelieved && d.PStype != SteelType::LowRelaxation) return;
    // Relaxation is reduced by the friction at the location; friction and set are added.
    const double f = d.PStype == SteelType::StressRelieved ? 0.3 : 0.07;
    for (int i = 1; i <= count; ++i) {
        const double fr = detail::ValueAt(d.FRloss, i);
        const double as = detail::ValueAt(d.ASloss, i);
        d.PSlossAt(i) = Store(total - f * fr * psi + (as + fr) * psi, "the loss at a location");
    }
}

/// AASHTO 9.16.2: loss at transfer, elastic shortening plus half the relaxation
/// (pretensioning) or plus the largest friction and anchor-set loss (post-tensioning).
void CalcLossAtTransfer(DesignData& data) {
    if (data.prestressing == Prestressing::PostTensioning) {
        data.PStrans =
            Store(static_cast<double>(data.PSi) * data.FRASmax + data.ES, "the loss at transfer");
    } else {
        data.PStrans = Store(static_cast<double>(data.CRs) / 2.0 + data.ES, "the loss at transfer");
    }
}

}  // namespace tarnex
