#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/calc_error.h"
#include "model/design_data.h"
#include "section/section_fixtures.h"

namespace tarnex::testing {

/// A required force above the transfer ceiling: two parts joined by a carriage return.
inline const char* const kNoConvergence =
    "The solution will not converge using the specified\rprestress path due to excessive tension.";

/// CompArea, CompMoI, CompYtop, CompYbot: the composite section in use.
inline Quad CompositeInUse(const DesignData& d) {
    return {d.CompArea, d.CompMoI, d.CompYtop, d.CompYbot};
}

/// GCompArea, GCompMoI, GCompYtop, GCompYbot: the gross composite section.
inline Quad GrossComposite(const DesignData& d) {
    return {d.GCompArea, d.GCompMoI, d.GCompYtop, d.GCompYbot};
}

/// Runs the calculation and expects it to stop with the given reason.
template <typename Calculation>
void ExpectCalcError(Calculation&& calculation, const std::string& reason) {
    try {
        calculation();
        ADD_FAILURE() << "no error, expected: " << reason;
    } catch (const CalcError& e) {
        EXPECT_EQ(std::string(e.what()), reason);
    }
}

/// Adds a location at distance x with a beam dead load moment (lb-in).
inline void AddLocation(DesignData& d, float x, float dm) {
    const int n = d.nll + 1;
    d.nll = n;
    d.locations.Resize(n);
    d.FRloss.Resize(n);
    d.PSlossAt.Resize(n);
    d.locations(n).x = x;
    d.locations(n).DM = dm;
    d.locations(n).DF = 1.0F;
}

/// A pretensioned, non-composite beam with properties typed in: A = 2000 in2,
/// I = 200000 in4, 40 in deep with its centroid at mid-depth, straight steel 5 in above
/// the bottom (e = -15 in), L = 1200 in; no locations yet.
inline DesignData PlainBeam() {
    DesignData d;
    d.ForceFactor = kForceFactor;
    d.MomentFactor = kMomentFactor;
    d.BeamShape = BeamShapeKind::General;
    d.BeamArea = d.Area = 2000.0F;
    d.BeamMoI = d.MoI = 200000.0F;
    d.BeamYtop = d.Ytop = 20.0F;
    d.BeamYbot = d.Ybot = 20.0F;
    d.Blength = 1200.0F;
    d.PathConfig = PathKind::Straight;
    d.Ym = 5.0F;
    d.Xm = 600.0F;
    d.M28 = 4000000.0F;
    d.Mps = 3600000.0F;
    d.PSmod = 28500000.0F;
    d.PSus = 270000.0F;
    d.PSi = 202500.0F;
    d.PSloss = 40000.0F;
    d.PStrans = 20250.0F;
    d.ATS1 = 200.0F;
    d.ATS2 = 0.0F;
    d.ACS1 = 3000.0F;
    d.ACS2 = 2000.0F;
    d.K = 0.0002F;
    d.MU = 0.25F;
    return d;
}

}  // namespace tarnex::testing
