#pragma once

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

// The calculation operations of the prestress design, each on the design record. A zero
// divisor, a square root of a negative or a non-finite result throws CalcError.

/// Effective slab width (button): the three checks with their messages, then Beff.
/// False when a check refused.
bool CalcEffectiveSlabWidth(DesignData& data, Dialogs& dialogs);
/// Gross composite section properties (and the composite section in use).
void CalcCompositeProperties(DesignData& data);
/// Steel centroid heights Ypath along the path.
void CalcPathHeights(DesignData& data);
/// Transformed beam and composite properties per location and at the middle key point.
void CalcTransformedProperties(DesignData& data);
/// Steel offsets Ecc and path inclinations Theta.
void CalcOffsetsAndAngles(DesignData& data);
/// Friction and anchor-set losses (post-tensioning). False, with its message, for
/// pretensioning and for the harped path.
bool CalcFrictionAndAnchorSet(DesignData& data, Dialogs& dialogs);
/// Long-term losses SH, ES, CRc, CRs, PSloss and PSlossAt (uses state.RH).
void CalcLosses(ProgramState& state, Dialogs& dialogs);
/// Loss at transfer PStrans, after CalcLosses.
void CalcLossAtTransfer(DesignData& data);
/// Required prestress (jacking) force: the search over the locations, then Pjack and the
/// result message. False when the input is incomplete or the search does not converge
/// (its message shown, Pjack unchanged).
bool CalcRequiredPrestressForce(DesignData& data, Dialogs& dialogs);
/// Load stresses at the top and bottom fibers per location.
void CalcLoadStresses(DesignData& data);
/// Critical concrete stresses over all locations.
void CalcCriticalStresses(DesignData& data);
/// Prestress at transfer and final prestress load case per location.
void CalcPrestressEffects(DesignData& data);

}  // namespace tarnex
