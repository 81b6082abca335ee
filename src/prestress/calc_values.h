#pragma once

#include "model/design_data.h"

namespace tarnex {

/// Friction and anchor-set losses along a post-tensioned beam: fractions of PSi per location
/// and the largest sum of the two.
struct FrictionLosses {
    FloatArray FRloss, ASloss;
    float FRASmax = 0;
};

/// The values that the calculation steps compute from the design, for one calculation: the
/// sections in use, the path, the losses used, the prestress effects and the fiber stresses
/// of each load case per location (in, lb, lb-in, psi; compression positive). They never go
/// back into the design record.
struct CalcValues {
    // The beam section in use: gross, or transformed at the middle key point.
    float Area = 0, MoI = 0, Ytop = 0, Ybot = 0;

    // Composite section (gross, and in use).
    float GCompArea = 0, GCompMoI = 0, GCompYtop = 0, GCompYbot = 0;
    float CompArea = 0, CompMoI = 0, CompYtop = 0, CompYbot = 0;

    // Prestress path and transformed sections per location.
    FloatArray Ypath;
    FloatArray TArea, TMoI, TYtop, TYbot;
    FloatArray TCompArea, TCompMoI, TCompYtop, TCompYbot;
    FloatArray Ecc, Theta;

    // The losses used: per location (lb/in^2 of steel) and the friction and anchor set.
    FloatArray PSlossAt;
    FrictionLosses friction;

    // The PRESTRESS load case: final force and moment per location.
    FloatArray PSP, PSM;

    // Load stresses per location (psi, compression positive).
    FloatArray StopD, SbotD, StopCD, SbotCD, StopAD, SbotAD, StopL, SbotL;
    FloatArray StopPS, SbotPS, StopPS2, SbotPS2, StopM, SbotM;

    // Prestress effects at transfer per location.
    FloatArray PforceT, PmomT, StopPSi, SbotPSi;

    // Critical concrete stresses.
    float MaxInitComp = 0, MinFinalDL = 0, MinFinalAll = 0, MaxFinalComp = 0, MaxCompLL = 0,
          MinTop = 0;
    // The locations (from 1) where they occur; 0 before the calculation.
    int MaxInitCompAt = 0, MinFinalDLAt = 0, MinFinalAllAt = 0, MaxFinalCompAt = 0, MaxCompLLAt = 0,
        MinTopAt = 0;

    // Moment capacity work values.
    float GammaP = 0, Beta1 = 0;
};

}  // namespace tarnex
