#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/rating_results.h"
#include "model/calc_error.h"
#include "model/design_data.h"
#include "prestress/calc_values.h"

namespace tarnex {

// The results of one calculation, per location, in internal units (in, lb, lb-in, psi).
// The report formats them; the diagrams draw them, the CSV writes them and the window keeps
// them live. None of them is stored in the design record.

/// Top and bottom fiber stress (psi, compression positive).
struct FiberStresses {
    double top = 0, bottom = 0;
};

/// The load combinations of the beam stresses at one location.
struct StressCombinations {
    double x = 0;
    FiberStresses transfer;        // initial prestress + beam dead load
    FiberStresses sustained;       // final prestress + total dead load (+ secondary)
    double liveHalfSustained = 0;  // top fiber: live load + half the sustained state (AASHTO)
    FiberStresses service;         // final prestress + all loads
};

/// One check of the critical concrete stresses: the actual stress against its allowable.
struct StressCheck {
    const char* label = "";
    double actual = 0;
    double allowable = 0;  // tensions negative
    bool holds = true;
    int location = 0;  // where the actual stress occurs (from 1)
};

/// One row of the ultimate moment check (lb-in, in^2).
struct MomentCapacityRow {
    double x = 0;
    double Mult = 0;       // factored moment
    double Mcr12 = 0;      // 1.2 times the cracking moment
    double phiMn = 0;      // design flexural strength, signed as Mult
    double mildSteel = 0;  // mild steel area that makes up a failed check; 0 when none helps
    bool holds = true;
};

/// One row of the ultimate shear check (lb, in^2/in).
struct ShearCapacityRow {
    double x = 0;
    double Vu = 0;     // factored shear, as checked (a magnitude)
    double phiVc = 0;  // design concrete shear strength
    bool widenWeb = false;
    double AvS = 0;  // stirrup area per length, at least the minimum; 0 when widenWeb
};

/// Rows of a per-location table computed up to the end, or up to a refusal of the section for
/// the shape at hand or a calculation failure, each after the rows before it. `computed` is
/// false when the run did not ask for the section.
template <typename Row>
struct CheckTable {
    bool computed = false;
    std::vector<Row> rows;
    std::string refusal;
    std::string failure;
};

/// The row of location i (from 1) of a table; a table that stopped before it raises the
/// failure that stopped it.
template <typename Row>
const Row& RowAt(const CheckTable<Row>& table, int i) {
    if (i < 1 || static_cast<std::size_t>(i) > table.rows.size()) {
        throw CalcError(table.failure.empty() ? "location " + std::to_string(i) + " has no result"
                                              : table.failure);
    }
    return table.rows[static_cast<std::size_t>(i) - 1];
}

/// Midspan deflections (in, upward camber positive for the prestress).
struct DeflectionResults {
    bool computed = false;
    std::string refusal;
    double initialPrestress = 0, finalPrestress = 0, deadLoad = 0;
};

/// The stages of a calculation, in the order of the report sections they feed: where a
/// message was raised or a failure stopped the calculation.
enum class CalcStage {
    CompositeSection,    // gross composite section
    TransformedSection,  // transformed sections along the path
    PrestressForces,     // offsets, losses per location, prestress at transfer and final
    LoadStresses,        // fiber stresses of each load case
    BeamStresses,        // load combinations per location
    StressChecks,        // critical concrete stresses against the allowables
    MomentCapacity,
    Deflections,
    ShearCapacity,
    LoadRating,
};

/// A message of the calculation (a refusal of a step for the shape or path at hand), with the
/// stage that raised it.
struct CalcMessage {
    CalcStage stage = CalcStage::CompositeSection;
    std::string text;
};

/// Everything one calculation computes, for the report, the diagrams, the CSV and the window.
/// `refusals` (input still missing) means nothing was calculated; a `failure` stops the
/// calculation at `failedAt`, with every stage before it complete (and the rows of a table
/// up to the failing location).
struct DesignResults {
    OutputOptions sections;  // the output sections the calculation was asked for
    std::vector<std::string> refusals;
    CalcValues values;
    std::vector<double> x;  // the locations that have prestress forces (in)
    CheckTable<StressCombinations> stresses;
    std::vector<StressCheck> checks;
    CheckTable<MomentCapacityRow> moment;
    CheckTable<ShearCapacityRow> shear;
    DeflectionResults deflections;
    LoadRatingResults rating;
    std::vector<CalcMessage> messages;
    std::optional<CalcStage> failedAt;
    std::string failure;

    /// True when the calculation ran to its end.
    [[nodiscard]] bool Complete() const { return refusals.empty() && !failedAt; }
    /// True when the calculation went past `stage` (the stage's results are whole).
    [[nodiscard]] bool Reached(CalcStage stage) const {
        return refusals.empty() && (!failedAt || *failedAt > stage);
    }
};

/// The load combinations of the beam stresses at every location, from the fiber stresses of
/// each load case.
CheckTable<StressCombinations> CombineStresses(const DesignData& data, const CalcValues& values);

/// The checks of the critical concrete stresses against the allowables; under AASHTO the
/// final compression takes the larger of itself and the live load compression (stored).
std::vector<StressCheck> CheckCriticalStresses(const DesignData& data, CalcValues& values);

/// AASHTO 9.17: ultimate moment check at every location. Sets GammaP and Beta1.
CheckTable<MomentCapacityRow> CalcMomentCapacity(const DesignData& data, CalcValues& values);

/// ACI 11.4: ultimate shear check at every location.
CheckTable<ShearCapacityRow> CalcShearCapacity(const DesignData& data, const CalcValues& values);

/// Midspan cambers of the prestress and the dead load deflection of the simple span.
DeflectionResults CalcDeflections(const DesignData& data, const CalcValues& values);

}  // namespace tarnex
