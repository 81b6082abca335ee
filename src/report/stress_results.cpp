#include <exception>

#include "report/design_results.h"

namespace tarnex {

namespace {

/// Round-off that a stress check forgives: the required force puts a stress exactly on its
/// allowable, and the stored single-precision steps then land within about 1e-4 psi of it.
constexpr double kStressCheckTolerance = 0.01;  // psi

/// A tension check holds when the stress is not below the allowable (negative) less the
/// round-off; a compression check when it is not above the allowable plus the round-off.
StressCheck TensionCheck(const char* label, double actual, double allowable) {
    return {label, actual, allowable, actual >= allowable - kStressCheckTolerance};
}
StressCheck CompressionCheck(const char* label, double actual, double allowable) {
    return {label, actual, allowable, actual <= allowable + kStressCheckTolerance};
}

}  // namespace

CheckTable<StressCombinations> CombineStresses(const DesignData& d) {
    CheckTable<StressCombinations> out;
    out.computed = true;
    try {
        for (int i = 1; i <= d.nll; ++i) {
            // Summed in double in the order of the report's combination rows.
            const double tD = d.StopD(i), bD = d.SbotD(i);
            const double tCD = d.StopCD(i), bCD = d.SbotCD(i);
            const double tAD = d.StopAD(i), bAD = d.SbotAD(i);
            const double tPS = d.StopPS(i), bPS = d.SbotPS(i);
            const double tPS2 = d.StopPS2(i), bPS2 = d.SbotPS2(i);
            const double tL = d.StopL(i), bL = d.SbotL(i);
            StressCombinations c;
            c.x = d.locations(i).x;
            c.transfer = {d.StopPSi(i) + tD, d.SbotPSi(i) + bD};
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

std::vector<StressCheck> CheckCriticalStresses(DesignData& d) {
    const bool aashto = d.designCriteria == DesignCriteria::AASHTO;
    // Allowable tensions are entered as magnitudes and compared negated.
    std::vector<StressCheck> checks;
    checks.push_back(
        TensionCheck("TENSION (TOP FIBER)    ", d.MinTop, -static_cast<double>(d.ATS1)));
    checks.push_back(CompressionCheck("INITIAL COMPRESSION    ", d.MaxInitComp, d.ACS1));
    checks.push_back(TensionCheck("FINAL TENSION (DL ONLY)", d.MinFinalDL, 0.0));
    if (aashto) checks.push_back(CompressionCheck("COMP @ (LL + [PS+DL]/2)", d.MaxCompLL, d.ACS2));
    checks.push_back(
        TensionCheck("FINAL TENSION          ", d.MinFinalAll, -static_cast<double>(d.ATS2)));
    // AASHTO: the final compression governs as the larger of the service and live load states.
    if (aashto && d.MaxCompLL > d.MaxFinalComp) d.MaxFinalComp = d.MaxCompLL;
    checks.push_back(CompressionCheck("FINAL COMPRESSION      ", d.MaxFinalComp, d.ACS2));
    return checks;
}

}  // namespace tarnex
