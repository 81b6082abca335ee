#pragma once

#include "model/design_data.h"
#include "model/dialogs.h"
#include "prestress/calc_values.h"

namespace tarnex {

// The calculation steps of the prestress design. Each reads the design record and writes the
// values it computes into `CalcValues`; the button operations store their results in the
// record. A zero divisor, a square root of a negative or a non-finite result throws CalcError.

/// Effective slab width (button): the three checks with their messages, then Beff.
/// False when a check refused.
bool CalcEffectiveSlabWidth(DesignData& data, Dialogs& dialogs);
/// Gross composite section properties (and the composite section in use).
void CalcCompositeProperties(const DesignData& data, CalcValues& values);
/// Steel centroid heights Ypath along the path.
void CalcPathHeights(const DesignData& data, CalcValues& values);
/// Transformed beam and composite properties per location and at the middle key point.
void CalcTransformedProperties(const DesignData& data, CalcValues& values);
/// Steel offsets Ecc and path inclinations Theta.
void CalcOffsetsAndAngles(const DesignData& data, CalcValues& values);
/// Friction and anchor-set losses (post-tensioning) into `losses`. False, with its message,
/// for pretensioning and for the harped path (the per-location losses then all zero).
bool CalcFrictionAndAnchorSet(const DesignData& data, FrictionLosses& losses, Dialogs& dialogs);
/// Friction and anchor-set losses stored in the record, as the loss and force buttons keep them.
bool StoreFrictionAndAnchorSet(DesignData& data, Dialogs& dialogs);
/// Long-term losses SH, ES, CRc, CRs, PSloss and PSlossAt into the record (uses state.RH and
/// the sections in `values`).
void CalcLosses(ProgramState& state, CalcValues& values, Dialogs& dialogs);
/// Loss at transfer PStrans, after CalcLosses.
void CalcLossAtTransfer(DesignData& data);
/// Required prestress (jacking) force: the search over the locations, then Pjack and the
/// result message. False when the input is incomplete or the search does not converge
/// (its message shown, Pjack unchanged).
bool CalcRequiredPrestressForce(DesignData& data, Dialogs& dialogs);
/// Load stresses at the top and bottom fibers per location.
void CalcLoadStresses(const DesignData& data, CalcValues& values);
/// Critical concrete stresses over all locations.
void CalcCriticalStresses(const DesignData& data, CalcValues& values);
/// Prestress at transfer and the final prestress load case (PSP, PSM) per location.
void CalcPrestressEffects(const DesignData& data, CalcValues& values);

}  // namespace tarnex
