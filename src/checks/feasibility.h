#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "checks/design_results.h"
#include "model/design_data.h"

namespace tarnex {

/// The four stress limits of the prestress at a location.
enum class ForceLimit { InitialTension, InitialCompression, FinalTension, FinalCompression };

/// "initial tension", "initial compression", "final tension", "final compression".
const char* ForceLimitName(ForceLimit limit);

/// One stress limit as a half-plane of the feasibility diagram: with e the steel offset (in,
/// above the centroid positive) and q = 1 / Pi (1/lb, Pi the force at transfer at the
/// location), the limit holds where alpha e + beta q + gamma <= 0.
struct FeasibilityLine {
    ForceLimit limit = ForceLimit::InitialTension;
    bool topFiber = true;
    double allowable = 0;  // psi, tension negative
    double alpha = 0, beta = 0, gamma = 0;
    [[nodiscard]] bool Holds(double e, double q) const { return alpha * e + beta * q + gamma <= 0; }
};

/// The feasibility (Magnel) diagram of location i: the four limits from the location's own
/// load stresses on its section in use, the final force taken as the initial force times the
/// design's ratio there, and the design's own point.
struct Feasibility {
    int location = 0;  // from 1
    double x = 0;
    double eMin = 0, eMax = 0;  // the offsets within the beam (in)
    double ecc = 0, q = 0;      // the design's point
    double finalRatio = 0;      // final force / force at transfer
    double jackingRatio = 0;    // jacking force / force at transfer
    std::array<FeasibilityLine, 4> lines;
    /// The region that meets all four limits within the beam, as a polygon of (e, q) points
    /// with q from 0 to `qTop`; empty when no force and offset meet them all.
    std::vector<std::pair<double, double>> region;
    double qTop = 0;
};

/// The diagram at location i of calculated results (stress stages reached).
Feasibility AnalyzeFeasibility(const DesignData& data, const DesignResults& results, int i);

/// The range of the force at transfer that meets the limits at the design's offset: the
/// least and the largest force and the limits that set them (no upper limit: nothing).
struct ForceRange {
    double least = 0;
    ForceLimit leastBy = ForceLimit::FinalTension;
    std::optional<double> largest;
    ForceLimit largestBy = ForceLimit::InitialCompression;
    [[nodiscard]] bool Empty() const { return largest && *largest < least; }
};
ForceRange ForceRangeAt(const Feasibility& diagram);

/// The location where the stress checks fail worst (the first failing check's location),
/// or the location of the largest beam dead load moment when every check holds.
int WorstLocation(const DesignData& data, const DesignResults& results);

}  // namespace tarnex
