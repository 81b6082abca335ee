#pragma once

#include <type_traits>

namespace tarnex {

/// One investigated location: its distance from the left end and the seven load cases
/// (axial force P in lb, shear V in lb, moment M in lb-in, load factor F).
struct LoadLocation {
    float x = 0;
    float DP = 0, DV = 0, DM = 0, DF = 0;          // BEAM DEAD
    float CDP = 0, CDV = 0, CDM = 0, CDF = 0;      // NON-COMP DEAD
    float ADP = 0, ADV = 0, ADM = 0, ADF = 0;      // COMPOSITE DEAD
    float LP = 0, LV = 0, LM = 0, LF = 0;          // LIVE PLUS IMPACT
    float PSP = 0, PSV = 0, PSM = 0, PSF = 0;      // PRESTRESS
    float PS2P = 0, PS2V = 0, PS2M = 0, PS2F = 0;  // SECONDARY PRESTRESS
    float MP = 0, MV = 0, MM = 0, MF = 0;          // MISCELLANEOUS

    bool operator==(const LoadLocation&) const = default;
};

/// The seven load cases in their fixed order.
enum class LoadCase {
    BeamDead,
    NonCompositeDead,
    CompositeDead,
    LivePlusImpact,
    Prestress,
    SecondaryPrestress,
    Miscellaneous
};
inline constexpr int kLoadCaseCount = 7;

/// The four values of one load case of a location.
template <typename Float>
struct LoadCaseValues {
    Float* P;
    Float* V;
    Float* M;
    Float* F;
};
using LoadValues = LoadCaseValues<float>;
using ConstLoadValues = LoadCaseValues<const float>;

/// Pointers to the axial force, shear, moment and factor of `loadCase` at `loc`.
template <typename Location>
auto ValuesOf(Location& loc, LoadCase loadCase)
    -> LoadCaseValues<std::remove_reference_t<decltype((loc.x))>> {
    switch (loadCase) {
        case LoadCase::BeamDead:
            return {&loc.DP, &loc.DV, &loc.DM, &loc.DF};
        case LoadCase::NonCompositeDead:
            return {&loc.CDP, &loc.CDV, &loc.CDM, &loc.CDF};
        case LoadCase::CompositeDead:
            return {&loc.ADP, &loc.ADV, &loc.ADM, &loc.ADF};
        case LoadCase::LivePlusImpact:
            return {&loc.LP, &loc.LV, &loc.LM, &loc.LF};
        case LoadCase::Prestress:
            return {&loc.PSP, &loc.PSV, &loc.PSM, &loc.PSF};
        case LoadCase::SecondaryPrestress:
            return {&loc.PS2P, &loc.PS2V, &loc.PS2M, &loc.PS2F};
        case LoadCase::Miscellaneous:
            return {&loc.MP, &loc.MV, &loc.MM, &loc.MF};
    }
    return {&loc.DP, &loc.DV, &loc.DM, &loc.DF};
}

inline constexpr LoadCase kLoadCases[kLoadCaseCount] = {
    LoadCase::BeamDead,       LoadCase::NonCompositeDead, LoadCase::CompositeDead,
    LoadCase::LivePlusImpact, LoadCase::Prestress,        LoadCase::SecondaryPrestress,
    LoadCase::Miscellaneous};

}  // namespace tarnex
