#pragma once

#include "model/design_data.h"

namespace tarnex {

/// Height of the steel centroid above the bottom fiber and inclination of the path at one
/// distance from the left end.
struct PathPoint {
    float y = 0;
    float theta = 0;
};

/// Steel centroid height and path inclination at distance `x`, by the path configuration.
PathPoint EvaluatePath(const DesignData& data, float x);

/// Height at `Xr` of the chord from the middle key point to the right end (right inflection).
float RightInflectionHeight(const DesignData& data);
/// Height at `Xl` of the chord from the middle key point to the left end (left inflection).
float LeftInflectionHeight(const DesignData& data);

}  // namespace tarnex
