#pragma once

#include "model/load_location.h"

namespace tarnex {

/// Sum of moment x load factor over the seven load cases at a location (lb-in).
inline double FactoredMoment(const LoadLocation& loc) {
    double sum = 0;
    for (LoadCase c : kLoadCases) {
        const ConstLoadValues v = ValuesOf(loc, c);
        sum += static_cast<double>(*v.M) * *v.F;
    }
    return sum;
}

/// Sum of shear x load factor over the seven load cases at a location (lb).
inline double FactoredShear(const LoadLocation& loc) {
    double sum = 0;
    for (LoadCase c : kLoadCases) {
        const ConstLoadValues v = ValuesOf(loc, c);
        sum += static_cast<double>(*v.V) * *v.F;
    }
    return sum;
}

}  // namespace tarnex
