#pragma once

#include <string>
#include <vector>

#include "checks/design_results.h"
#include "model/design_data.h"

namespace tarnex {

/// Verdict of a check family over all locations.
enum class CheckVerdict { Pass, Fail, NotAvailable };

/// One line of the checks summary: a check family, its verdict, the location that governs
/// and its margin (the reserve to the limit, negative when the check fails).
struct CheckSummaryLine {
    std::string family;
    CheckVerdict verdict = CheckVerdict::NotAvailable;
    int location = 0;  // from 1; 0 when no location governs
    double x = 0;      // in
    double margin = 0;
    std::string unit;  // of the margin: "psi", "kip-ft", "in^2/in", "in"
    std::string note;  // why a family is not available, or what the margin measures
};

/// The checks summary of a calculation: each stress check of the report (at transfer and
/// final), the ultimate moment, the ultimate shear and the deflections, with the location that
/// governs each. A stress check's margin is the reserve of its governing stress to its
/// allowable (psi); the moment's the least |phiMn| - max(|Mult|, 1.2Mcr) (kip-ft); the
/// shear's the largest stirrup area per length needed (in^2/in); the deflection's the net
/// camber at midspan (final prestress less dead load, in). Nothing when the design cannot be
/// calculated.
std::vector<CheckSummaryLine> SummarizeChecks(const DesignData& data, const DesignResults& results);

}  // namespace tarnex
