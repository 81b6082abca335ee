#pragma once

#include <optional>

#include "model/design_code.h"
#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// ACI 318 8.5.1: modulus of elasticity of concrete E = 33 w^1.5 sqrt(f'c), w in lb/ft^3 from
/// the unit weight in lb/in^3; nothing for a negative unit weight or strength, which has no
/// real modulus.
std::optional<float> ConcreteModulus(float unitWeight, float strength);

/// Allowable concrete stresses at transfer (ACS1, ATS1) or at service (ACS2, ATS2); the
/// tensile one as a positive magnitude, nothing for a negative strength.
/// AASHTO 9.15.2.1 / ACI 18.4.1: at transfer 0.60 f'ci (0.55 f'ci post-tensioned, except
/// under ACI 318) in compression, 3 sqrt(f'ci) in tension.
AllowableStresses InitialAllowables(DesignCriteria criteria, Prestressing prestressing, float CSps);
/// AASHTO 9.15.2.2 / ACI 18.4.2: at service 0.40 f'c (0.45 f'c under ACI 318) in compression,
/// 6 sqrt(f'c) in tension (none under AREMA).
AllowableStresses FinalAllowables(DesignCriteria criteria, float CS28);

/// Yield strength of the strand: 0.85 fpu stress relieved (type 0), 0.90 fpu low relaxation.
float SteelYieldStrength(SteelType PStype, float PSus);

/// Lump-sum total loss, initial steel stress and loss at transfer for a strand type.
struct SteelTypeLosses {
    float PSloss = 0;
    float PSi = 0;
    float PStrans = 0;
};
/// The losses a choice of strand type gives: total loss 45000 / 35000 psi pretensioned and
/// 24000 / 32000 psi post-tensioned (stress relieved / low relaxation); PSi 0.70 fpu
/// (0.75 fpu low relaxation pretensioned, 0.74 fpu pretensioned under ACI 318).
SteelTypeLosses SteelTypeChoiceLosses(const DesignData& data, SteelType PStype);
/// Loss at transfer: the initial steel stress less 0.63 fpu (stress relieved) or 0.69 fpu.
float LossAtTransfer(SteelType PStype, float PSi, float PSus);

/// English, AASHTO, pretensioning, no slab, gross section; Stresses output only.
/// Each changed setting runs its handler (with its question).
void ApplyProgramOptionDefaults(ProgramState& state, Dialogs& dialogs);
/// Material property defaults for the settings in force (English only).
void ApplyMaterialDefaults(DesignData& data);
/// Slab concrete defaults: with a composite slab 0.0868 lb/in^3, 4000 psi and its modulus;
/// without one, zero.
void ApplySlabConcreteDefaults(DesignData& data);
/// Beam shape, section number, dimensions and properties in use to zero.
void ResetSection(DesignData& data);
/// One empty load location; Pjack 0.
void ResetLoads(DesignData& data);
/// Allowable stress and prestress loss defaults (English only); RH to 0.
void ApplyAllowableDefaults(ProgramState& state);
/// Prestress path, beam and slab configuration to zero.
void ResetConfiguration(DesignData& data);

}  // namespace tarnex
