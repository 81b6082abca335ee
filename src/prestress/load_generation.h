#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "prestress/live_load.h"

namespace tarnex {

/// Where the generated loads go: new generated locations, or the locations already entered.
enum class LocationChoice { NewLocations, PresentLocations };

/// What the load generation is asked to do. Lengths in inches, loads in lb/in.
struct LoadGenerationOptions {
    double span = 0;
    LiveLoad live;
    /// Live load carried by the beam: wheel lines for the highway trucks (a lane is two),
    /// the fraction of one track for Cooper trains, the fraction of the uniform load.
    double distribution = 0;
    /// A fixed impact fraction; nothing applies the rule of the live load at every location.
    std::optional<double> impact;
    double nonCompositeDead = 0;  ///< superimposed
    double compositeDead = 0;
    LocationChoice locations = LocationChoice::NewLocations;

    bool operator==(const LoadGenerationOptions&) const = default;
};

/// Load factors of the generated dead and live load cases.
using GeneratedFactors = LoadFactors;

/// AASHTO 3.22 group I (1.3 and 1.3 x 1.67), AREMA 8.2.3 (1.4 and 1.4 x 5/3), ACI 318 9.2.
GeneratedFactors FactorsOf(DesignCriteria criteria);

/// The live load offered first for the criteria: HS20-44, Cooper E80, a uniform 0 kip/ft.
LiveLoad DefaultLiveLoad(DesignCriteria criteria);

/// AASHTO 3.23.2.2: S/5.5 wheel lines (S the beam spacing in ft); AREMA: half a track (one
/// track on two beams); ACI: the whole uniform load.
double RuleDistribution(const LiveLoad& live, const DesignData& data);

/// AASHTO 3.8.2.1: 50 / (Li + 125) but not more than 0.30, Li the loaded length in ft;
/// AREMA 8.2.3.3: 100/S + 40 - 3L^2/1600 percent below 80 ft, 100/S + 16 + 600/(L - 30)
/// from 80 ft (S the beam spacing, L the span, in ft); ACI: none. A beam spacing of 0 under
/// the AREMA rule raises CalcError.
double RuleImpact(const LiveLoad& live, double loadedLength, double span, double spacing);

/// The options a design suggests: its beam length, the first live load of its criteria with
/// that load's distribution rule, the impact rule, no superimposed loads, new locations.
LoadGenerationOptions DefaultLoadGenerationOptions(const DesignData& data);

/// The refusal of options that cannot be generated, or nothing.
std::optional<std::string> CheckLoadGenerationOptions(const LoadGenerationOptions& options,
                                                      const DesignData& data);

/// Locations of a new set: tenth points, half the depth (composite when the slab is on) from
/// each end, the transfer length 50 x PSdia from each end for pretensioning, the key points
/// of the path in use inside the span, the sections of the absolute maximum moment of the
/// live load's axle train (to 0.1 in); sorted, points closer than 0.5 in merged.
std::vector<float> GenerateLocations(const DesignData& data, double span, const LiveLoad& live);

/// True when some location holds a non-zero axial force, shear or moment in any case.
bool HoldsLoads(const DesignData& data);

/// Writes the generated dead, live and factor rows (new locations: every row of new locations,
/// present locations: the dead and live loads only). Returns the number of locations outside
/// the span, whose generated loads are 0. Raises CalcError on a value that cannot be stored.
int GenerateLoads(DesignData& data, const LoadGenerationOptions& options);

/// The window's command: refuses bad options by message, asks before replacing loads, then
/// generates, shows location 1 and refreshes the form. True when the loads were generated.
bool RunLoadGeneration(ProgramState& state, const LoadGenerationOptions& options, Dialogs& dialogs);

/// The message about generated locations that lie outside the span, or "" when there are none.
std::string OutsideSpanMessage(int count);

}  // namespace tarnex
