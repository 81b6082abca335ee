#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

/// Extreme concrete stresses over all locations: at transfer, under dead loads with the final
/// prestress, under full service load, and under half the sustained loads plus live load.
void CalcCriticalStresses(const DesignData& d, CalcValues& v) {
    const int n = detail::LocationCount(d);
    for (int i = 1; i <= n; ++i) {
        const double stopD = v.StopD(i), sbotD = v.SbotD(i);
        const double sustainedTop = stopD + v.StopPS(i) + v.StopCD(i) + v.StopAD(i) + v.StopPS2(i);
        const float ftt = Store(stopD + v.StopPSi(i), "the top stress at transfer");
        const float fbt = Store(sbotD + v.SbotPSi(i), "the bottom stress at transfer");
        const float ftd = Store(sustainedTop, "the top stress under dead load");
        const float fbd = Store(
            static_cast<double>(v.SbotPS(i)) + sbotD + v.SbotCD(i) + v.SbotAD(i) + v.SbotPS2(i),
            "the bottom stress under dead load");
        const float fts =
            Store(stopD + v.StopPS(i) + v.StopCD(i) + v.StopAD(i) + v.StopL(i) + v.StopPS2(i),
                  "the top stress under service load");
        const float fbs = Store(static_cast<double>(v.SbotPS(i)) + sbotD + v.SbotCD(i) +
                                    v.SbotAD(i) + v.SbotL(i) + v.SbotPS2(i),
                                "the bottom stress under service load");
        const float fth = Store(sustainedTop / 2.0 + v.StopL(i), "the top stress under live load");

        if (i == 1) v.MaxInitComp = fbt;
        if (ftt > v.MaxInitComp) v.MaxInitComp = ftt;
        if (fbt > v.MaxInitComp) v.MaxInitComp = fbt;
        if (i == 1 || ftt < v.MinTop) v.MinTop = ftt;

        if (i == 1 || fbd < v.MinFinalDL) v.MinFinalDL = fbd;
        if (ftd < v.MinTop) v.MinTop = ftd;

        if (i == 1 || fbs < v.MinFinalAll) v.MinFinalAll = fbs;
        if (i == 1) v.MaxFinalComp = fbs;
        if (fts > v.MaxFinalComp) v.MaxFinalComp = fts;
        if (fbs > v.MaxFinalComp) v.MaxFinalComp = fbs;
        if (fts < v.MinTop) v.MinTop = fts;

        if (i == 1 || fth > v.MaxCompLL) v.MaxCompLL = fth;
    }
}

}  // namespace tarnex
