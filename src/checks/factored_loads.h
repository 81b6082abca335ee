#pragma once

#include "model/load_location.h"
#include "prestress/calc_values.h"

namespace tarnex {

/// Location i as the calculation loads it: its PRESTRESS case carries the final force and
/// moment of the calculation in place of the entered ones.
inline LoadLocation LocationWithPrestress(const LoadLocation& entered, const CalcValues& values,
                                          int i) {
    LoadLocation loc = entered;
    loc.PSP = values.PSP(i);
    loc.PSM = values.PSM(i);
    return loc;
}

/// Sum of load x load factor over the seven load cases at a location, for the load that
/// `which` picks (the shear V or the moment M).
inline double FactoredSum(const LoadLocation& loc, const float* ConstLoadValues::*which) {
    double sum = 0;
    for (LoadCase c : kLoadCases) {
        const ConstLoadValues v = ValuesOf(loc, c);
        sum += static_cast<double>(*(v.*which)) * *v.F;
    }
    return sum;
}

/// Factored moment Mult at a location (lb-in).
inline double FactoredMoment(const LoadLocation& loc) {
    return FactoredSum(loc, &ConstLoadValues::M);
}

/// Factored shear Vult at a location (lb).
inline double FactoredShear(const LoadLocation& loc) {
    return FactoredSum(loc, &ConstLoadValues::V);
}

}  // namespace tarnex
