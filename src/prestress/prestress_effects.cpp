#include <utility>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

/// Prestress force, moment and fiber stresses at transfer, and the final effective force
/// and moment after all losses written into the prestress load case of each location.
void CalcPrestressEffects(const DesignData& d, CalcValues& v) {
    const int n = detail::LocationCount(d);
    FloatArray force(n), moment(n), top(n), bottom(n);
    const double psi = d.PSi;
    const double pjack = d.Pjack;
    const char* psiName = "the initial prestress PSi";

    for (int i = 1; i <= n; ++i) {
        double lossAtTransfer = d.PStrans;
        if (d.prestressing == Prestressing::PostTensioning) {
            lossAtTransfer =
                (detail::ValueAt(v.friction.ASloss, i) + detail::ValueAt(v.friction.FRloss, i)) *
                psi;
        }
        force(i) = Store(Divide((psi - lossAtTransfer) * pjack, psi, psiName),
                         "the prestress force at transfer");
        moment(i) = Store(static_cast<double>(force(i)) * v.Ecc(i), "the prestress moment");
        const double axial = Divide(force(i), v.TArea(i), "the beam area");
        top(i) = Store(axial + Divide(static_cast<double>(moment(i)) * v.TYtop(i), v.TMoI(i),
                                      "the beam moment of inertia"),
                       "the top stress from prestress at transfer");
        bottom(i) = Store(axial - Divide(static_cast<double>(moment(i)) * v.TYbot(i), v.TMoI(i),
                                         "the beam moment of inertia"),
                          "the bottom stress from prestress at transfer");
    }

    // The final prestress load case: the effective force after all losses and its moment.
    FloatArray finalForce(n), finalMoment(n);
    for (int i = 1; i <= n; ++i) {
        finalForce(i) = Store(Divide((psi - detail::ValueAt(v.PSlossAt, i)) * pjack, psi, psiName),
                              "the final prestress force");
        finalMoment(i) =
            Store(static_cast<double>(finalForce(i)) * v.Ecc(i), "the final prestress moment");
    }

    v.PforceT = std::move(force);
    v.PmomT = std::move(moment);
    v.StopPSi = std::move(top);
    v.SbotPSi = std::move(bottom);
    v.PSP = std::move(finalForce);
    v.PSM = std::move(finalMoment);
}

}  // namespace tarnex
