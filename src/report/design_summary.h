#pragma once

#include <string>
#include <vector>

#include "checks/design_results.h"
#include "checks/one_step_design.h"
#include "model/design_data.h"

namespace tarnex {

/// The first line of the one-step design's summary: how it ended, the jacking force, the
/// strands and the steel area ("Design converged after 4 passes: jacking force 892.0 kips,
/// 30 strands of 0.5 in (As = 4.40 in2)").
std::string DesignOutcomeLine(const DesignOutcome& outcome);

/// The line that reports whole strands put in place of the designed force.
std::string WholeStrandsLine(const DesignData& data, const StrandSize& strand, int strands);

/// Every check of `results` that still fails, in plain words, with its worst location and
/// margin, and for a stress limit the range of force that the limits allow there.
std::vector<std::string> FailedCheckLines(const DesignData& data, const DesignResults& results);

}  // namespace tarnex
