#include "report/design_summary.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <string>

#include "checks/check_summary.h"
#include "checks/feasibility.h"
#include "model/design_code.h"
#include "model/number_text.h"

namespace tarnex {

namespace {

std::string Kips(double pounds) { return FormatPattern(pounds / kForceFactor, 1) + " kips"; }

std::string Psi(double stress) { return DecimalForm(stress, 0) + " psi"; }

std::string At(double x) { return " at x = " + ShortestForm(x) + " in"; }

/// True for a check of the report that the feasibility diagram draws as one of its four
/// limits (not the tension under dead load alone, nor the live load compression).
bool DrawnLimit(const std::string& label) {
    for (const char* drawn :
         {"TENSION (TOP FIBER)", "INITIAL COMPRESSION", "FINAL TENSION   ", "FINAL COMPRESSION"}) {
        if (label.rfind(drawn, 0) == 0) return true;
    }
    return false;
}

/// Why the force cannot meet a stress limit at a location: the limits that leave no force, or
/// the jacking forces they allow there.
std::string ForceReason(const DesignData& d, const DesignResults& r, int location) {
    try {
        const Feasibility f = AnalyzeFeasibility(d, r, location);
        const ForceRange range = ForceRangeAt(f);
        const bool noForce = range.least == std::numeric_limits<double>::max();
        if (noForce && (!range.largest || range.leastBy == range.largestBy)) {
            return std::string(": no force meets the ") + ForceLimitName(range.leastBy) +
                   " limit there";
        }
        if (noForce || range.Empty()) {
            return std::string(": no force meets both the ") + ForceLimitName(range.leastBy) +
                   " and the " + ForceLimitName(range.largestBy) + " limits there";
        }
        const std::string least = Kips(range.least * f.jackingRatio);
        if (!range.largest) return ": the limits there need a jacking force of at least " + least;
        return ": the limits there allow a jacking force from " + least + " to " +
               Kips(*range.largest * f.jackingRatio);
    } catch (const std::exception&) {
        return {};
    }
}

std::string StressLine(const DesignData& d, const DesignResults& r, const StressCheck& check,
                       const CheckSummaryLine& line) {
    const bool tension = std::string(check.label).find("TENSION") != std::string::npos;
    std::string text = line.family + " " + Psi(check.actual) +
                       (tension ? " is below " : " exceeds ") + Psi(check.allowable) + At(line.x);
    if (DrawnLimit(check.label)) text += ForceReason(d, r, check.location);
    return text;
}

std::string MomentLine(const DesignResults& r, const CheckSummaryLine& line) {
    std::string text =
        "Ultimate moment falls short by " + FormatPattern(-line.margin, 1) + " kip-ft" + At(line.x);
    for (const MomentCapacityRow& row : r.moment.rows) {
        if (row.holds || row.x != line.x) continue;
        text += row.mildSteel > 0
                    ? ": mild steel of " + FormatPattern(row.mildSteel, 3) + " in2 makes it up"
                    : ": no mild steel helps (the reinforcement index would pass 0.36 beta1)";
        break;
    }
    return text;
}

}  // namespace

std::string DesignOutcomeLine(const DesignOutcome& o) {
    if (o.end == DesignEnd::Stopped) {
        std::string message = o.stopMessage;
        std::replace(message.begin(), message.end(), kMessageLineBreak, ' ');
        return "Design stopped after " + std::to_string(o.passes) +
               (o.passes == 1 ? " pass" : " passes") + (message.empty() ? "" : ": " + message);
    }
    std::string text = o.end == DesignEnd::Converged ? "Design converged after "
                                                     : "Design did not converge after ";
    text += std::to_string(o.passes) + (o.passes == 1 ? " pass" : " passes") + ": jacking force " +
            Kips(o.jackingForce) + ", ";
    const std::string area = "As = " + FormatPattern(o.steelArea, 2) + " in2";
    if (!o.strand) {
        return text + area + " (no strand count: the strand diameter is not one of 0.375, " +
               "0.4375, 0.5, 0.52, 0.6, 0.62 and 0.7 in)";
    }
    if (o.strands < 1) {
        return text + area + " (no strand count: more than " + std::to_string(kMaxStrands) +
               " strands of " + ShortestForm(o.strand->diameter) + " in)";
    }
    return text + std::to_string(o.strands) + " strands of " + ShortestForm(o.strand->diameter) +
           " in (" + area + ")";
}

std::string WholeStrandsLine(const DesignData& d, const StrandSize& strand, int strands) {
    return "With " + std::to_string(strands) + " strands of " + ShortestForm(strand.diameter) +
           " in (As = " + FormatPattern(strands * strand.area, 3) + " in2): jacking force " +
           Kips(static_cast<double>(d.Pjack)) + ", losses " + Psi(d.PSloss) + ", at transfer " +
           Psi(d.PStrans);
}

std::vector<std::string> FailedCheckLines(const DesignData& d, const DesignResults& r) {
    std::vector<std::string> lines;
    if (!r.refusals.empty()) return r.refusals;
    if (!r.failure.empty()) lines.push_back("The calculation stopped: " + r.failure);
    std::size_t stress = 0;
    for (const CheckSummaryLine& line : SummarizeChecks(d, r)) {
        const bool isStress = line.unit == "psi" && stress < r.checks.size();
        const StressCheck* check = isStress ? &r.checks[stress++] : nullptr;
        if (line.verdict != CheckVerdict::Fail) continue;
        if (check) {
            lines.push_back(StressLine(d, r, *check, line));
        } else if (line.family == "Ultimate moment") {
            lines.push_back(MomentLine(r, line));
        } else {
            lines.push_back(line.family + At(line.x) + (line.note.empty() ? "" : ": " + line.note));
        }
    }
    return lines;
}

}  // namespace tarnex
