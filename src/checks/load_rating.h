#pragma once

#include "checks/design_results.h"
#include "model/design_data.h"
#include "model/rating_options.h"
#include "prestress/live_load.h"

namespace tarnex {

/// The axles of a rating vehicle: the HS and H trucks as the design loads (rear axles 14 ft
/// apart), the legal Type 3, Type 3S2 and Type 3-3 trucks.
AxleTrain RatingTrainOf(RatingVehicle vehicle);

/// The lane load of a design load; zero for the legal trucks, which have none.
LaneLoad RatingLaneOf(RatingVehicle vehicle);

/// The largest moment (lb-in) of one lane of the vehicle at `x` on a simple span, over every
/// position and both directions, without impact: the truck, or its lane load where that
/// governs.
double RatingVehicleMoment(RatingVehicle vehicle, double span, double x);

/// Load factor rating (Manual for Condition Evaluation of Bridges, 6.5): inventory and
/// operating rating factors of each vehicle at every location, for flexural strength
/// (RF = (phiMn - 1.3 MD - MS) / (A2 ML(1+I)), A2 = 2.17 and 1.3) and for the service stresses
/// (RF = (limit - dead state) / live state) of the concrete tension, the concrete compression
/// and the prestressing steel. `moment` is the moment check at the locations (its rows up to a
/// refusal). A design that is not AASHTO, or has no span or beam spacing, is refused.
LoadRatingResults CalcLoadRating(const DesignData& data, const CalcValues& values,
                                 const CheckTable<MomentCapacityRow>& moment,
                                 const RatingOptions& options);

}  // namespace tarnex
