#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

/// Prestress force, moment and fiber stresses at transfer, and the final effective force
/// and moment after all losses written into the prestress load case of each location.
void CalcPrestressEffects(DesignData& d) {
    const int n = detail::LocationCount(d);
    FloatArray force(n), moment(n), top(n), bottom(n);
    const double psi = d.PSi;
    const double pjack = d.Pjack;
    const char* psiName = "the initial prestress PSi";

    for (int i = 1; i <= n; ++i) {
        double lossAtTransfer = d.PStrans;
        if (d.prestressing == Prestressing::PostTensioning) {
            lossAtTransfer = (detail::ValueAt(d.ASloss, i) + detail::ValueAt(d.FRloss, i)) * psi;
        }
        force(i) = Store(Divide((psi - lossAtTransfer) * pjack, psi, psiName),
                         "the prestress force at transfer");
        moment(i) = Store(static_cast<double>(force(i)) * d.Ecc(i), "the prestress moment");
        const double axial = Divide(force(i), d.TArea(i), "the beam area");
        top(i) = Store(axial + Divide(static_cast<double>(moment(i)) * d.TYtop(i), d.TMoI(i),
                                      "the beam moment of inertia"),
                       "the top stress from prestress at transfer");
        bottom(i) = Store(axial - Divide(static_cast<double>(moment(i)) * d.TYbot(i), d.TMoI(i),
                                         "the beam moment of inertia"),
                          "the bottom stress from prestress at transfer");
    }

    // The final prestress load case, computed whole before it replaces the entered one.
    std::vector<std::pair<float, float>> finalCase(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const float p = Store(Divide((psi - detail::ValueAt(d.PSlossAt, i)) * pjack, psi, psiName),
                              "the final prestress force");
        finalCase[static_cast<std::size_t>(i - 1)] = {
            p, Store(static_cast<double>(p) * d.Ecc(i), "the final prestress moment")};
    }

    d.PforceT = std::move(force);
    d.PmomT = std::move(moment);
    d.StopPSi = std::move(top);
    d.SbotPSi = std::move(bottom);
    for (int i = 1; i <= n; ++i) {
        d.locations(i).PSP = finalCase[static_cast<std::size_t>(i - 1)].first;
        d.locations(i).PSM = finalCase[static_cast<std::size_t>(i - 1)].second;
    }
}

}  // namespace tarnex
