#pragma once

#include <optional>

#include "prestress/live_load.h"

namespace tarnex {

/// The extreme effects of a moving load at one location of a simple span, over every position
/// and both directions of travel: the largest sagging moment (lb-in), the largest positive
/// shear (loads on the span beyond the location) and the largest negative shear as a magnitude
/// (loads on the span before it), in lb.
struct LiveEnvelope {
    double moment = 0;
    double positiveShear = 0;
    double negativeShear = 0;
};

/// Exact envelope of an axle train (with its uniform tail) at `x` on a simple span: the effect
/// is piecewise quadratic in the train's position, so every piece is evaluated at its two ends
/// (one-sided, which catches the shear jump of an axle crossing the location) and at its
/// vertex. O(axles^2).
LiveEnvelope TrainEnvelope(const AxleTrain& train, double span, double x);

/// The section of the absolute maximum moment of an axle train on a simple span (in from the
/// end the train enters at; the other direction gives span - x): under one axle, where the
/// moment as a function of the train's position (a polynomial of at most third degree between
/// the positions where a load enters or leaves the span) peaks. Nothing for a train without
/// axles or a span that is not positive.
std::optional<double> AbsoluteMaximumMomentSection(const AxleTrain& train, double span);

/// Lane load at `x`: the uniform load over the whole span with the moment load at x; for shear
/// the uniform load from x to the far end with the shear load at x.
LiveEnvelope LaneEnvelope(const LaneLoad& lane, double span, double x);

/// Uniform load `w` (lb/in) with partial loading for shear.
LiveEnvelope UniformEnvelope(double w, double span, double x);

}  // namespace tarnex
