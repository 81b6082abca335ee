#pragma once

#include <optional>

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// ACI 318 8.5.1: modulus of elasticity of concrete E = 33 w^1.5 sqrt(f'c), w in lb/ft^3 from
/// the unit weight in lb/in^3; nothing for a negative unit weight or strength, which has no
/// real modulus.
std::optional<float> ConcreteModulus(float unitWeight, float strength);

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
