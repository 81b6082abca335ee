#include "prestress/load_generation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/calc_error.h"
#include "model/number_text.h"
#include "prestress/live_load_envelope.h"

namespace tarnex {

namespace {

/// Generated points closer than this (in) are one location.
constexpr double kMergeDistance = 0.5;
/// Significant digits of a real in the input file: generated values keep no more, so that a
/// saved design reads back unchanged.
constexpr int kFileDigits = 7;

float Generated(double value, const char* what) {
    return Store(RoundToSignificant(value, kFileDigits), what);
}

/// A moment (lb-in) and a shear magnitude (lb) at one location.
struct MomentAndShear {
    double moment = 0;
    double shear = 0;
};

/// Moment and shear magnitude of a uniform load w on a simple span at x.
MomentAndShear UniformDeadAt(double w, double L, double x) {
    return {w * x * (L - x) / 2, std::fabs(w * (L / 2 - x))};
}

/// Dead loads per unit length (lb/in): beam, non-composite (slab and haunch when composite,
/// plus the superimposed load), composite.
struct DeadLoads {
    double beam = 0;
    double nonComposite = 0;
    double composite = 0;
};

DeadLoads DeadLoadsOf(const DesignData& d, const LoadGenerationOptions& options) {
    DeadLoads w;
    w.beam = static_cast<double>(d.BUW) * d.BeamArea;
    w.nonComposite = options.nonCompositeDead;
    if (d.Composite) {
        w.nonComposite += static_cast<double>(d.SUW) * (static_cast<double>(d.Tslab) * d.Bspace +
                                                        static_cast<double>(d.Haunch) * d.Btop);
    }
    w.composite = options.compositeDead;
    return w;
}

/// Impact fraction for a loaded length: the fixed one, or the live load's rule.
double ImpactFor(const LoadGenerationOptions& options, const DesignData& d, double loaded) {
    if (options.impact) return *options.impact;
    return RuleImpact(options.live, loaded, options.span, d.Bspace);
}

/// Live load plus impact carried by the beam at x: moment and shear magnitude.
MomentAndShear LiveAt(const LoadGenerationOptions& options, const DesignData& d, double x) {
    const double L = options.span;
    const DesignCriteria rules = CriteriaOfLiveLoad(options.live);
    LiveEnvelope e;
    if (options.live.kind == LiveLoadKind::Uniform) {
        e = UniformEnvelope(options.live.value, L, x);
    } else {
        e = TrainEnvelope(TrainOf(options.live), L, x);
        // AASHTO 3.7.1.2: the truck or the lane load, whichever governs, for each effect.
        const LiveEnvelope lane = LaneEnvelope(LaneOf(options.live), L, x);
        e.moment = std::max(e.moment, lane.moment);
        e.positiveShear = std::max(e.positiveShear, lane.positiveShear);
        e.negativeShear = std::max(e.negativeShear, lane.negativeShear);
    }
    const double share = CodeOf(rules).DistributedShare(options.distribution);
    // Positive shear loads the span beyond x, negative shear the span before it.
    const double shear = std::max(e.positiveShear * (1 + ImpactFor(options, d, L - x)),
                                  e.negativeShear * (1 + ImpactFor(options, d, x)));
    return {share * e.moment * (1 + ImpactFor(options, d, L)), share * shear};
}

/// Key points of the path configuration in use.
std::vector<float> PathKeyPoints(const DesignData& d) {
    switch (d.PathConfig) {
        case PathKind::Straight:
            return {};
        case PathKind::Harped:
            return {d.Xl, d.Xr};
        case PathKind::SimpleSimple:
            return {d.Xm};
        case PathKind::SimpleFixed:
            return {d.Xm, d.Xr};
        case PathKind::FixedSimple:
            return {d.Xl, d.Xm};
        case PathKind::FixedFixed:
            return {d.Xl, d.Xm, d.Xr};
    }
    return {};
}

/// Writes the P, V, M of one case; the factor only when `factor` is given.
void SetCase(LoadLocation& loc, LoadCase loadCase, float shear, float moment,
             std::optional<float> factor) {
    const LoadValues v = ValuesOf(loc, loadCase);
    *v.P = 0;
    *v.V = shear;
    *v.M = moment;
    if (factor) *v.F = *factor;
}

}  // namespace

GeneratedFactors FactorsOf(DesignCriteria criteria) {
    return CodeOf(criteria).GeneratedLoadFactors();
}

LiveLoad DefaultLiveLoad(DesignCriteria criteria) { return CodeOf(criteria).DefaultLiveLoad(); }

double RuleDistribution(const LiveLoad& live, const DesignData& data) {
    return CodeOf(CriteriaOfLiveLoad(live)).Distribution(data.Bspace);
}

double RuleImpact(const LiveLoad& live, double loadedLength, double span, double spacing) {
    return CodeOf(CriteriaOfLiveLoad(live)).Impact(loadedLength, span, spacing);
}

LoadGenerationOptions DefaultLoadGenerationOptions(const DesignData& data) {
    LoadGenerationOptions options;
    options.span = data.Blength;
    options.live = DefaultLiveLoad(data.designCriteria);
    options.distribution = RuleDistribution(options.live, data);
    return options;
}

std::optional<std::string> CheckLoadGenerationOptions(const LoadGenerationOptions& options,
                                                      const DesignData& data) {
    if (!(options.span > 0)) return "Enter a span greater than 0";
    if (options.live.kind == LiveLoadKind::Cooper && !(options.live.value > 0)) {
        return "Enter a Cooper E number greater than 0";
    }
    if (options.live.kind == LiveLoadKind::Uniform && !(options.live.value >= 0)) {
        return "Enter a uniform live load of 0 or more";
    }
    if (!(options.distribution >= 0)) return "Enter a distribution factor of 0 or more";
    if (options.impact && !(*options.impact >= 0)) return "Enter an impact fraction of 0 or more";
    if (!options.impact && CriteriaOfLiveLoad(options.live) == DesignCriteria::AREMA &&
        !(data.Bspace > 0)) {
        return "Enter beam spacing";
    }
    if (!(options.nonCompositeDead >= 0 && options.compositeDead >= 0)) {
        return "Enter superimposed dead loads of 0 or more";
    }
    return std::nullopt;
}

std::vector<float> GenerateLocations(const DesignData& d, double span, const LiveLoad& live) {
    std::vector<double> candidates;
    for (int i = 0; i <= 10; ++i) candidates.push_back(span * i / 10);
    const double depth = static_cast<double>(d.BeamYtop) + d.BeamYbot +
                         (d.Composite ? static_cast<double>(d.Haunch) + d.Tslab : 0.0);
    const double transfer = d.prestressing == Prestressing::Pretensioning ? 50.0 * d.PSdia : 0.0;
    for (double fromEnd : {depth / 2, transfer}) {
        if (fromEnd <= 0) continue;
        candidates.push_back(fromEnd);
        candidates.push_back(span - fromEnd);
    }
    for (float key : PathKeyPoints(d)) candidates.push_back(key);
    // The sections of the absolute maximum moment of the vehicle, both ways, to 0.1 in.
    if (const std::optional<double> at = AbsoluteMaximumMomentSection(TrainOf(live), span)) {
        const double section = std::round(*at * 10) / 10;
        candidates.push_back(section);
        candidates.push_back(span - section);
    }

    std::vector<float> kept;
    for (double x : candidates) {
        if (!(x >= 0 && x <= span)) continue;
        const float stored = Generated(x, "a location");
        const bool near = std::any_of(kept.begin(), kept.end(), [&](float k) {
            return std::fabs(static_cast<double>(k) - stored) < kMergeDistance;
        });
        if (!near) kept.push_back(stored);
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

bool HoldsLoads(const DesignData& d) {
    for (const LoadLocation& loc : d.locations) {
        for (LoadCase loadCase : kLoadCases) {
            const ConstLoadValues v = ValuesOf(loc, loadCase);
            if (*v.P != 0 || *v.V != 0 || *v.M != 0) return true;
        }
    }
    return false;
}

int GenerateLoads(DesignData& d, const LoadGenerationOptions& options) {
    const bool fresh = options.locations == LocationChoice::NewLocations;
    const double L = options.span;
    std::vector<float> xs;
    if (fresh) {
        xs = GenerateLocations(d, L, options.live);
    } else {
        for (const LoadLocation& loc : d.locations) xs.push_back(loc.x);
    }
    // Everything is computed before the design is touched: an error leaves it as it was.
    const DeadLoads w = DeadLoadsOf(d, options);
    const GeneratedFactors factors = FactorsOf(d.designCriteria);
    std::vector<LoadLocation> generated(xs.size());
    int outside = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        LoadLocation& loc = generated[i];
        loc.x = xs[i];
        const double x = xs[i];
        if (!(x >= 0 && x <= L)) {
            ++outside;
            continue;
        }
        const std::array<std::pair<LoadCase, MomentAndShear>, 4> rows = {
            {{LoadCase::BeamDead, UniformDeadAt(w.beam, L, x)},
             {LoadCase::NonCompositeDead, UniformDeadAt(w.nonComposite, L, x)},
             {LoadCase::CompositeDead, UniformDeadAt(w.composite, L, x)},
             {LoadCase::LivePlusImpact, LiveAt(options, d, x)}}};
        for (const auto& [loadCase, effect] : rows) {
            SetCase(loc, loadCase, Generated(effect.shear, "a generated shear"),
                    Generated(effect.moment, "a generated moment"), std::nullopt);
        }
    }

    const int count = static_cast<int>(generated.size());
    if (fresh) {
        d.PrevNll = d.nll;
        d.nll = count;
        d.RecreateLocations(count);
    }
    for (int i = 1; i <= count; ++i) {
        LoadLocation& loc = d.locations(i);
        const LoadLocation& g = generated[static_cast<std::size_t>(i) - 1];
        if (fresh) {
            loc = g;
            const std::array<std::pair<LoadCase, float>, 7> factorRows = {
                {{LoadCase::BeamDead, factors.dead},
                 {LoadCase::NonCompositeDead, factors.dead},
                 {LoadCase::CompositeDead, factors.dead},
                 {LoadCase::LivePlusImpact, factors.live},
                 {LoadCase::Prestress, 0.0F},
                 {LoadCase::SecondaryPrestress, 1.0F},
                 {LoadCase::Miscellaneous, factors.dead}}};
            for (const auto& [loadCase, factor] : factorRows) *ValuesOf(loc, loadCase).F = factor;
            continue;
        }
        for (LoadCase loadCase : {LoadCase::BeamDead, LoadCase::NonCompositeDead,
                                  LoadCase::CompositeDead, LoadCase::LivePlusImpact}) {
            const ConstLoadValues from = ValuesOf(g, loadCase);
            SetCase(loc, loadCase, *from.V, *from.M, std::nullopt);
        }
    }
    return outside;
}

std::string OutsideSpanMessage(int count) {
    if (count <= 0) return "";
    return count == 1 ? "1 location lies outside the span: its generated loads are 0"
                      : ShortestForm(count) +
                            " locations lie outside the span: their generated loads are 0";
}

bool RunLoadGeneration(ProgramState& state, const LoadGenerationOptions& options,
                       Dialogs& dialogs) {
    DesignData& d = state.data;
    if (const std::optional<std::string> refusal = CheckLoadGenerationOptions(options, d)) {
        dialogs.ShowMessage(*refusal);
        return false;
    }
    if (HoldsLoads(d)) {
        const char* question = options.locations == LocationChoice::NewLocations
                                   ? "Replace every load location and its loads with generated"
                                     " locations and loads?"
                                   : "Replace the dead and live loads of every location with"
                                     " generated loads?";
        if (!dialogs.AskYesNo(question, "Generate Loads")) return false;
    }
    int outside = 0;
    try {
        outside = GenerateLoads(d, options);
    } catch (const CalcError& error) {
        dialogs.ShowMessage(std::string(kCannotCalculate) + error.what());
        return false;
    }
    d.CurrentLocation = 1;
    dialogs.RefreshForm();
    if (outside > 0) dialogs.ShowMessage(OutsideSpanMessage(outside));
    return true;
}

}  // namespace tarnex
