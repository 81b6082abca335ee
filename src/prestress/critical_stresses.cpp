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

        // Each extreme keeps the location where it occurs.
        const auto take = [i](float& extreme, int& at, float value) {
            extreme = value;
            at = i;
        };
        if (i == 1) take(v.MaxInitComp, v.MaxInitCompAt, fbt);
        if (ftt > v.MaxInitComp) take(v.MaxInitComp, v.MaxInitCompAt, ftt);
        if (fbt > v.MaxInitComp) take(v.MaxInitComp, v.MaxInitCompAt, fbt);
        if (i == 1 || ftt < v.MinTop) take(v.MinTop, v.MinTopAt, ftt);

        if (i == 1 || fbd < v.MinFinalDL) take(v.MinFinalDL, v.MinFinalDLAt, fbd);
        if (ftd < v.MinTop) take(v.MinTop, v.MinTopAt, ftd);

        if (i == 1 || fbs < v.MinFinalAll) take(v.MinFinalAll, v.MinFinalAllAt, fbs);
        if (i == 1) take(v.MaxFinalComp, v.MaxFinalCompAt, fbs);
        if (fts > v.MaxFinalComp) take(v.MaxFinalComp, v.MaxFinalCompAt, fts);
        if (fbs > v.MaxFinalComp) take(v.MaxFinalComp, v.MaxFinalCompAt, fbs);
        if (fts < v.MinTop) take(v.MinTop, v.MinTopAt, fts);

        if (i == 1 || fth > v.MaxCompLL) take(v.MaxCompLL, v.MaxCompLLAt, fth);
    }
}

}  // namespace tarnex
