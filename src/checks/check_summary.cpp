#include "checks/check_summary.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace tarnex {

namespace {

/// "INITIAL COMPRESSION    " -> "Initial compression": the report's label in sentence case.
std::string FamilyName(const char* label) {
    std::string name(label);
    name.erase(name.find_last_not_of(' ') + 1);
    for (std::size_t i = 1; i < name.size(); ++i) {
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    }
    return name;
}

/// x of location i (from 1), 0 outside the results.
double LocationX(const DesignResults& r, int i) {
    return i >= 1 && static_cast<std::size_t>(i) <= r.x.size()
               ? r.x[static_cast<std::size_t>(i) - 1]
               : 0.0;
}

/// A table family that was not asked for, refused or stopped: not available, with the reason.
template <typename Row>
bool Unavailable(const CheckTable<Row>& table, CheckSummaryLine& line) {
    if (!table.computed) {
        line.note = "not calculated";
    } else if (!table.failure.empty()) {
        line.note = table.failure;
    } else if (!table.refusal.empty()) {
        line.note = table.refusal;
    } else {
        return false;
    }
    line.verdict = CheckVerdict::NotAvailable;
    return true;
}

CheckSummaryLine SummarizeMoment(const DesignResults& r) {
    CheckSummaryLine line{"Ultimate moment", CheckVerdict::Pass, 0, 0, 0, "kip-ft", {}};
    if (Unavailable(r.moment, line) || r.moment.rows.empty()) return line;
    for (std::size_t i = 0; i < r.moment.rows.size(); ++i) {
        const MomentCapacityRow& row = r.moment.rows[i];
        // AASHTO 9.18.2.1: the strength must reach both the factored moment and 1.2 Mcr.
        const double demand = std::max(std::fabs(row.Mult), row.Mcr12);
        const double margin = (std::fabs(row.phiMn) - demand) / kMomentFactor;
        if (line.location == 0 || margin < line.margin) {
            line.location = static_cast<int>(i) + 1;
            line.x = row.x;
            line.margin = margin;
        }
        if (!row.holds) line.verdict = CheckVerdict::Fail;
    }
    return line;
}

CheckSummaryLine SummarizeShear(const DesignResults& r) {
    CheckSummaryLine line{"Ultimate shear", CheckVerdict::Pass,   0, 0, 0,
                          "in^2/in",        "largest Av/S needed"};
    if (Unavailable(r.shear, line) || r.shear.rows.empty()) return line;
    for (std::size_t i = 0; i < r.shear.rows.size(); ++i) {
        const ShearCapacityRow& row = r.shear.rows[i];
        // A web too thin for any stirrups governs over every stirrup area.
        const bool worse = line.verdict == CheckVerdict::Pass &&
                           (row.widenWeb || line.location == 0 || row.AvS > line.margin);
        if (worse) {
            line.location = static_cast<int>(i) + 1;
            line.x = row.x;
            line.margin = row.AvS;
        }
        if (row.widenWeb && line.verdict == CheckVerdict::Pass) {
            line.verdict = CheckVerdict::Fail;
            line.note = "Need to increase web width";
        }
    }
    return line;
}

CheckSummaryLine SummarizeDeflections(const DesignData& d, const DesignResults& r) {
    CheckSummaryLine line{"Deflections", CheckVerdict::Pass,     0, 0, 0,
                          "in",          "net camber at midspan"};
    const DeflectionResults& defl = r.deflections;
    if (!defl.computed) {
        line.verdict = CheckVerdict::NotAvailable;
        line.note = r.failedAt == CalcStage::Deflections ? r.failure : "not calculated";
        return line;
    }
    if (!defl.refusal.empty()) {
        line.verdict = CheckVerdict::NotAvailable;
        line.note = defl.refusal;
        return line;
    }
    line.x = static_cast<double>(d.Blength) / 2.0;
    line.margin = defl.finalPrestress - defl.deadLoad;
    return line;
}

}  // namespace

std::vector<CheckSummaryLine> SummarizeChecks(const DesignData& d, const DesignResults& r) {
    std::vector<CheckSummaryLine> lines;
    if (!r.refusals.empty()) return lines;
    if (r.checks.empty()) {
        CheckSummaryLine line{"Concrete stresses", CheckVerdict::NotAvailable, 0, 0, 0, "psi", {}};
        line.note =
            r.failedAt && *r.failedAt <= CalcStage::StressChecks ? r.failure : "not calculated";
        lines.push_back(line);
    }
    for (const StressCheck& check : r.checks) {
        CheckSummaryLine line;
        line.family = FamilyName(check.label);
        line.verdict = check.holds ? CheckVerdict::Pass : CheckVerdict::Fail;
        line.location = check.location;
        line.x = LocationX(r, check.location);
        // A tension limit (negative) holds down to it, a compression limit up to it.
        const bool tension = std::string(check.label).find("TENSION") != std::string::npos;
        line.margin = tension ? check.actual - check.allowable : check.allowable - check.actual;
        line.unit = "psi";
        lines.push_back(line);
    }
    lines.push_back(SummarizeMoment(r));
    lines.push_back(SummarizeShear(r));
    lines.push_back(SummarizeDeflections(d, r));
    return lines;
}

}  // namespace tarnex
