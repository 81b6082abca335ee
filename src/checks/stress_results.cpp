#include <algorithm>
#include <exception>

#include "checks/design_results.h"
#include "model/design_code.h"

namespace tarnex {

namespace {

/// Round-off that a stress check forgives: the required force puts a stress exactly on its
/// allowable, and the stored single-precision steps then land within about 1e-4 psi of it.
constexpr double kStressCheckTolerance = 0.01;  // psi

/// A tension check holds when the stress is not below the allowable (negative) less the
/// round-off; a compression check when it is not above the allowable plus the round-off.
StressCheck TensionCheck(const char* label, double actual, double allowable, int at) {
    return {label, actual, allowable, actual >= allowable - kStressCheckTolerance, at};
}
StressCheck CompressionCheck(const char* label, double actual, double allowable, int at) {
    return {label, actual, allowable, actual <= allowable + kStressCheckTolerance, at};
}

}  // namespace

CheckTable<StressCombinations> CombineStresses(const DesignData& d, const CalcValues& v) {
    CheckTable<StressCombinations> out;
    out.computed = true;
    out.rows.reserve(static_cast<std::size_t>(std::max(d.nll, 0)));
    try {
        for (int i = 1; i <= d.nll; ++i) {
            // Summed in double in the order of the report's combination rows.
            const double tD = v.StopD(i), bD = v.SbotD(i);
            const double tCD = v.StopCD(i), bCD = v.SbotCD(i);
            const double tAD = v.StopAD(i), bAD = v.SbotAD(i);
            const double tPS = v.StopPS(i), bPS = v.SbotPS(i);
            const double tPS2 = v.StopPS2(i), bPS2 = v.SbotPS2(i);
            const double tL = v.StopL(i), bL = v.SbotL(i);
            StressCombinations c;
            c.x = d.locations(i).x;
            c.transfer = {v.StopPSi(i) + tD, v.SbotPSi(i) + bD};
            c.sustained = {tPS + tD + tCD + tAD + tPS2, bPS + bD + bCD + bAD + bPS2};
            c.liveHalfSustained = c.sustained.top / 2 + tL;
            c.service = {tPS + tD + tCD + tAD + tL + tPS2, bPS + bD + bCD + bAD + bL + bPS2};
            out.rows.push_back(c);
        }
    } catch (const std::exception& error) {
        out.failure = error.what();
    }
    return out;
}

std::vector<StressCheck> CheckCriticalStresses(const DesignData& d, CalcValues& v) {
    const bool liveLoadCompression = CodeOf(d.designCriteria).ChecksLiveLoadCompression();
    // Allowable tensions are entered as magnitudes and compared negated.
    std::vector<StressCheck> checks;
    checks.push_back(TensionCheck("TENSION (TOP FIBER)    ", v.MinTop, -static_cast<double>(d.ATS1),
                                  v.MinTopAt));
    checks.push_back(
        CompressionCheck("INITIAL COMPRESSION    ", v.MaxInitComp, d.ACS1, v.MaxInitCompAt));
    checks.push_back(TensionCheck("FINAL TENSION (DL ONLY)", v.MinFinalDL, 0.0, v.MinFinalDLAt));
    if (liveLoadCompression) {
        checks.push_back(
            CompressionCheck("COMP @ (LL + [PS+DL]/2)", v.MaxCompLL, d.ACS2, v.MaxCompLLAt));
    }
    checks.push_back(TensionCheck("FINAL TENSION          ", v.MinFinalAll,
                                  -static_cast<double>(d.ATS2), v.MinFinalAllAt));
    // AASHTO: the final compression governs as the larger of the service and live load states.
    if (liveLoadCompression && v.MaxCompLL > v.MaxFinalComp) {
        v.MaxFinalComp = v.MaxCompLL;
        v.MaxFinalCompAt = v.MaxCompLLAt;
    }
    checks.push_back(
        CompressionCheck("FINAL COMPRESSION      ", v.MaxFinalComp, d.ACS2, v.MaxFinalCompAt));
    return checks;
}

}  // namespace tarnex
