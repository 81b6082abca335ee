#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

/// Extreme concrete stresses over all locations: at transfer, under dead loads with the final
/// prestress, under full service load, and under half the sustained loads plus live load.
void CalcCriticalStresses(DesignData& d) {
    const int n = detail::LocationCount(d);
    for (int i = 1; i <= n; ++i) {
        const double stopD = d.StopD(i), sbotD = d.SbotD(i);
        const double sustainedTop = stopD + d.StopPS(i) + d.StopCD(i) + d.StopAD(i) + d.StopPS2(i);
        const float ftt = Store(stopD + d.StopPSi(i), "the top stress at transfer");
        const float fbt = Store(sbotD + d.SbotPSi(i), "the bottom stress at transfer");
        const float ftd = Store(sustainedTop, "the top stress under dead load");
        const float fbd = Store(
            static_cast<double>(d.SbotPS(i)) + sbotD + d.SbotCD(i) + d.SbotAD(i) + d.SbotPS2(i),
            "the bottom stress under dead load");
        const float fts =
            Store(stopD + d.StopPS(i) + d.StopCD(i) + d.StopAD(i) + d.StopL(i) + d.StopPS2(i),
                  "the top stress under service load");
        const float fbs = Store(static_cast<double>(d.SbotPS(i)) + sbotD + d.SbotCD(i) +
                                    d.SbotAD(i) + d.SbotL(i) + d.SbotPS2(i),
                                "the bottom stress under service load");
        const float fth = Store(sustainedTop / 2.0 + d.StopL(i), "the top stress under live load");

        if (i == 1) d.MaxInitComp = fbt;
        if (ftt > d.MaxInitComp) d.MaxInitComp = ftt;
        if (fbt > d.MaxInitComp) d.MaxInitComp = fbt;
        if (i == 1 || ftt < d.MinTop) d.MinTop = ftt;

        if (i == 1 || fbd < d.MinFinalDL) d.MinFinalDL = fbd;
        if (ftd < d.MinTop) d.MinTop = ftd;

        if (i == 1 || fbs < d.MinFinalAll) d.MinFinalAll = fbs;
        if (i == 1) d.MaxFinalComp = fbs;
        if (fts > d.MaxFinalComp) d.MaxFinalComp = fts;
        if (fbs > d.MaxFinalComp) d.MaxFinalComp = fbs;
        if (fts < d.MinTop) d.MinTop = fts;

        if (i == 1 || fth > d.MaxCompLL) d.MaxCompLL = fth;
    }
}

}  // namespace tarnex
