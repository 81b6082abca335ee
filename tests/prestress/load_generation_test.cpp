#include "prestress/load_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "design_fixtures.h"
#include "prestress/live_load_envelope.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)
using enum LiveLoadKind;
using enum PathKind;

/// An AASHTO Type III girder (560 in2, 45 in deep) on 80 ft, beams 8 ft apart, no slab, one
/// location.
DesignData TypeIIIGirder() {
    DesignData d = Picked(BeamShapeKind::IGirder, 8);
    d.BUW = 0.0868F;
    d.Blength = 960.0F;
    d.Bspace = 96.0F;
    d.nll = 1;
    d.RecreateLocations(1);
    return d;
}

/// Options for the locations already entered, at the given distances (in).
LoadGenerationOptions AtLocations(DesignData& d, const std::vector<float>& xs, LiveLoad live,
                                  double share, std::optional<double> impact) {
    d.nll = static_cast<int>(xs.size());
    d.RecreateLocations(d.nll);
    for (int i = 1; i <= d.nll; ++i) d.locations(i).x = xs[static_cast<std::size_t>(i) - 1];
    LoadGenerationOptions o = DefaultLoadGenerationOptions(d);
    o.live = live;
    o.distribution = share;
    o.impact = impact;
    o.locations = LocationChoice::PresentLocations;
    return o;
}

TEST(LoadGeneration, ImpactRulesAtTheirBoundariesAndTheLoadsOfEachCriteria) {
    const LiveLoad hs20{HS20, 0};
    const LiveLoad e80{Cooper, 80};
    EXPECT_NEAR(RuleImpact(hs20, 12 * 41.67, 0, 0), 50 / 166.67, 1e-12);
    EXPECT_EQ(RuleImpact(hs20, 12 * 41.66, 0, 0), 0.30);  // 50 / 166.66 is more than 0.30
    // AREMA with beams 8 ft apart, either side of 80 ft: 12.5 + 40 - 3 L^2/1600 and
    // 12.5 + 16 + 600/70 percent.
    EXPECT_NEAR(RuleImpact(e80, 0, 1200, 96), (28.5 + 600.0 / 70) / 100, 1e-12);
    EXPECT_NEAR(RuleImpact(e80, 0, 959, 96), (52.5 - 3 * (959 / 12.0) * (959 / 12.0) / 1600) / 100,
                1e-12);
    ExpectCalcError([&] { RuleImpact(e80, 0, 1200, 0); }, "the beam spacing is 0");
    EXPECT_EQ(RuleImpact({Uniform, 10}, 100, 100, 96), 0.0);
    // Each criteria's live load, its distribution and its factors.
    DesignData d = TypeIIIGirder();
    d.designCriteria = DesignCriteria::AREMA;
    EXPECT_EQ(DefaultLoadGenerationOptions(d),
              (LoadGenerationOptions{960, e80, 0.5, {}, 0, 0, {}}));
    EXPECT_EQ(FactorsOf(DesignCriteria::AREMA).dead, 1.4F);
    EXPECT_EQ(FactorsOf(DesignCriteria::AREMA).live, 2.33F);
    EXPECT_EQ(FactorsOf(DesignCriteria::ACI).dead, 1.4F);
    EXPECT_EQ(FactorsOf(DesignCriteria::ACI).live, 1.7F);
    // ACI: a uniform live load over the whole span, without impact; positive shear loads x to
    // the far end, negative shear the near end: mirror locations get the same loads.
    d.designCriteria = DesignCriteria::ACI;
    EXPECT_EQ(DefaultLoadGenerationOptions(d),
              (LoadGenerationOptions{960, {Uniform, 0}, 1, {}, 0, 0, {}}));
    GenerateLoads(d, AtLocations(d, {240.0F, 720.0F}, {Uniform, 100}, 1, std::nullopt));
    EXPECT_FLOAT_EQ(d.locations(1).LM, 100.0F * 240 * 720 / 2);
    EXPECT_FLOAT_EQ(d.locations(1).LV, 100.0F * 720 * 720 / (2 * 960));  // loaded 240..960
    EXPECT_EQ(d.locations(2).LV, d.locations(1).LV);
    // 200 ft, per lane: 0.64 x 200^2 / 8 + 18 x 50 = 4100 kip-ft at midspan and
    // 0.64 x 100 + 26 = 90 kips at the end.
    d = TypeIIIGirder();
    LoadGenerationOptions o = AtLocations(d, {0.0F, 1200.0F}, {HS20, 0}, 2, 0.0);
    o.span = 2400;
    GenerateLoads(d, o);
    EXPECT_NEAR(d.locations(1).LV / 1000, 90.0, 1e-4);
    EXPECT_NEAR(d.locations(2).LM / 12000, 4100.0, 1e-3);
}

TEST(LoadGeneration, NewLocationsHoldTheKeyPointsOfThePathInUse) {
    // Post-tensioned, no depth: the tenth points of 1000 in and the key points inside the span
    // that the configuration uses.
    DesignData d;
    d.prestressing = Prestressing::PostTensioning;
    d.Xl = 150.0F;
    d.Xm = 450.0F;
    d.Xr = 850.0F;
    const std::pair<PathKind, std::vector<float>> kTable[] = {
        {Straight, {}},
        {Harped, {150, 850}},
        {SimpleSimple, {450}},
        {SimpleFixed, {450, 850}},
        {FixedSimple, {150, 450}},
        {FixedFixed, {150, 450, 850}},
    };
    const LiveLoad uniform{LiveLoadKind::Uniform, 0.64};  // no axles: no section of its own
    for (const auto& [kind, keys] : kTable) {
        d.PathConfig = kind;
        std::vector<float> expected = keys;
        for (int i = 0; i <= 10; ++i) expected.push_back(100.0F * i);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(GenerateLocations(d, 1000, uniform), expected) << static_cast<int>(kind);
    }
    d.Xr = 1050.0F;
    EXPECT_EQ(GenerateLocations(d, 1000, uniform).size(), 13U);
}

TEST(LoadGeneration, PresentLocationsOutsideTheSpanGetNoLoads) {
    DesignData d = TypeIIIGirder();
    const LoadGenerationOptions o = AtLocations(d, {-10.0F, 480.0F, 970.0F}, {HS20, 0}, 1, 0.1);
    d.locations(1).DM = 77.0F;
    EXPECT_EQ(GenerateLoads(d, o), 2);
    EXPECT_EQ(d.locations(1).DM, 0.0F);
    EXPECT_EQ(d.locations(3).LV, 0.0F);
    EXPECT_EQ(OutsideSpanMessage(2),
              "2 locations lie outside the span: their generated loads are 0");
    EXPECT_EQ(OutsideSpanMessage(1), "1 location lies outside the span: its generated loads are 0");
    EXPECT_EQ(OutsideSpanMessage(0), "");
}

TEST(LoadGeneration, RefusedOptions) {
    const DesignData d = TypeIIIGirder();
    const LoadGenerationOptions good = DefaultLoadGenerationOptions(d);
    EXPECT_FALSE(CheckLoadGenerationOptions(good, d));
    const std::pair<LoadGenerationOptions, const char*> kCases[] = {
        {{0, good.live, 1, {}, 0, 0}, "Enter a span greater than 0"},
        {{960, {Cooper, 0}, 1, {}, 0, 0}, "Enter a Cooper E number greater than 0"},
        {{960, {Uniform, -1}, 1, {}, 0, 0}, "Enter a uniform live load of 0 or more"},
        {{960, good.live, -0.1, {}, 0, 0}, "Enter a distribution factor of 0 or more"},
        {{960, good.live, 1, -0.01, 0, 0}, "Enter an impact fraction of 0 or more"},
        {{960, good.live, 1, {}, -1, 0}, "Enter superimposed dead loads of 0 or more"},
        {{960, good.live, 1, {}, 0, -1}, "Enter superimposed dead loads of 0 or more"},
    };
    for (const auto& [options, message] : kCases) {
        EXPECT_EQ(CheckLoadGenerationOptions(options, d), message);
    }
    // The AREMA impact rule needs the beam spacing; a fixed impact does not.
    DesignData noSpacing = d;
    noSpacing.Bspace = 0;
    LoadGenerationOptions cooper = good;
    cooper.live = {Cooper, 80};
    EXPECT_EQ(CheckLoadGenerationOptions(cooper, noSpacing), "Enter beam spacing");
    cooper.impact = 0.2;
    EXPECT_FALSE(CheckLoadGenerationOptions(cooper, noSpacing));
}

TEST(LoadGeneration, AsksBeforeReplacingLoads) {
    // Distances and factors are no loads: no question.
    ProgramState state;
    state.data = TypeIIIGirder();
    state.data.locations(1).x = 10.0F;
    state.data.locations(1).LF = 2.17F;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(RunLoadGeneration(state, DefaultLoadGenerationOptions(state.data), dialogs));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.refreshes, 1);
    // Any force or moment is a load: No keeps everything, Yes replaces.
    for (float LoadLocation::*field :
         {&LoadLocation::ADP, &LoadLocation::PS2V, &LoadLocation::MM}) {
        ProgramState loaded;
        loaded.data = TypeIIIGirder();
        loaded.data.locations(1).*field = -1.0F;
        loaded.data.CurrentLocation = 3;
        const DesignData before = loaded.data;
        ScriptedDialogs answers;
        const LoadGenerationOptions o = DefaultLoadGenerationOptions(loaded.data);
        EXPECT_FALSE(RunLoadGeneration(loaded, o, answers));
        EXPECT_EQ(answers.questions.at(0).title, "Generate Loads");
        EXPECT_EQ(loaded.data.locations, before.locations);
        EXPECT_EQ(loaded.data.CurrentLocation, 3);
        answers.yesNoAnswers = {true};
        EXPECT_TRUE(RunLoadGeneration(loaded, o, answers));
        EXPECT_EQ(loaded.data.locations(1).*field, 0.0F);
        EXPECT_EQ(loaded.data.CurrentLocation, 1);
    }
    // A refused option is a message, and nothing changes.
    LoadGenerationOptions bad = DefaultLoadGenerationOptions(state.data);
    bad.span = -1;
    EXPECT_FALSE(RunLoadGeneration(state, bad, dialogs));
    EXPECT_EQ(dialogs.messages.back(), "Enter a span greater than 0");
}

constexpr double kFoot = 12.0;

/// The envelope found by moving the train in steps of 1 in, both ways, over the span. Each
/// position is solved by influence lines: a load p at a left of x gives M = p a (L - x) / L and
/// V = -p a / L, right of x M = p x (L - a) / L and V = p (L - a) / L; the uniform tail enters
/// as the resultants of its parts left and right of x.
LiveEnvelope ScanEnvelope(const AxleTrain& train, double L, double x) {
    LiveEnvelope e;
    const double length = std::max(train.axles.back().offset, train.tailOffset);
    for (int direction : {1, -1}) {
        for (double s = -length - L; s <= 2 * L + length; s += 1.0) {
            double m = 0, before = 0, beyond = 0;  // shear just before and just beyond x
            const auto add = [&](double a, double p) {
                m += a <= x ? p * a * (L - x) / L : p * x * (L - a) / L;
                before += a < x ? -p * a / L : p * (L - a) / L;
                beyond += a <= x ? -p * a / L : p * (L - a) / L;
            };
            for (const Axle& axle : train.axles) {
                const double a = s - direction * axle.offset;
                if (a >= 0 && a <= L) add(a, axle.load);
            }
            const double head = std::clamp(s - direction * train.tailOffset, 0.0, L);
            const double from = direction > 0 ? 0.0 : head, to = direction > 0 ? head : L;
            const double cut = std::clamp(x, from, to);
            add((from + cut) / 2, train.tailLoad * (cut - from));
            add((cut + to) / 2, train.tailLoad * (to - cut));
            e.moment = std::max(e.moment, m);
            e.positiveShear = std::max({e.positiveShear, before, beyond});
            e.negativeShear = std::max({e.negativeShear, -before, -beyond});
        }
    }
    return e;
}

TEST(LiveLoadEnvelope, ExactEnvelopeAgreesWithAFineScanAtEveryTenthPoint) {
    const LiveLoad loads[] = {{HS20, 0}, {H15, 0}, {Cooper, 80}};
    for (const LiveLoad& live : loads) {
        const AxleTrain train = TrainOf(live);
        for (double spanFeet : {20.0, 45.0, 100.0, 137.5, 300.0}) {
            const double L = spanFeet * kFoot;
            for (int tenth = 0; tenth <= 10; ++tenth) {
                const double x = L * tenth / 10;
                SCOPED_TRACE("load " + std::to_string(static_cast<int>(live.kind)) + " span " +
                             std::to_string(spanFeet) + " ft at " + std::to_string(tenth) + "/10");
                const LiveEnvelope exact = TrainEnvelope(train, L, x);
                const LiveEnvelope scan = ScanEnvelope(train, L, x);
                // The scan steps 1 in: it hits every axle-over-location position exactly and
                // misses the vertex of a piece with the uniform tail partly on the span (it
                // governs the midspan moment of Cooper E80 on 300 ft) by at most w / 8 lb-in.
                EXPECT_NEAR(exact.moment, scan.moment, 100.0);
                EXPECT_NEAR(exact.positiveShear, scan.positiveShear, 0.01);
                EXPECT_NEAR(exact.negativeShear, scan.negativeShear, 0.01);
            }
        }
    }
}

/// Published maxima (kip-ft or kips) of AREMA's table for Cooper E80 per rail (half a track)
/// and of AASHTO for HS20-44 per lane, at a fraction `at` of the span.
// The section of the absolute maximum moment: HS20-44 on 50 ft puts the middle axle 28 in
// (half the 4.67 ft from it to the resultant of 72 kips) from midspan; no section of a fine
// scan of E80 on 25 ft or of HS20-44 on 50 ft carries more than the generated location.
TEST(LiveLoadEnvelope, AbsoluteMaximumMomentSectionBeatsAFineScan) {
    const std::optional<double> hs20 = AbsoluteMaximumMomentSection(TrainOf({HS20, 0}), 600);
    ASSERT_TRUE(hs20.has_value());
    EXPECT_NEAR(std::min(*hs20, 600 - *hs20), 272.0, 1e-6);
    for (const auto& [live, feet] :
         {std::pair{LiveLoad{HS20, 0}, 50.0}, std::pair{LiveLoad{Cooper, 80}, 25.0}}) {
        const AxleTrain train = TrainOf(live);
        const double L = feet * 12;
        DesignData d = TypeIIIGirder();
        double generated = 0;
        for (float x : GenerateLocations(d, L, live)) {
            generated = std::max(generated, TrainEnvelope(train, L, x).moment);
        }
        double scanned = 0;
        for (double x = 0; x <= L; x += 0.05) {
            scanned = std::max(scanned, TrainEnvelope(train, L, x).moment);
        }
        EXPECT_GE(generated, scanned * (1 - 1e-9)) << feet;
        EXPECT_GT(generated, TrainEnvelope(train, L, L / 2).moment * 1.005) << feet;
    }
}

TEST(LiveLoadEnvelope, PublishedMaxima) {
    const LiveLoad e80{Cooper, 80};
    const LiveLoad hs20{HS20, 0};
    const struct {
        LiveLoad live;
        double spanFeet, at;
        bool moment;
        double value, share, tolerance;
    } kTable[] = {
        {e80, 100, 0.25, true, 5060.5, 0.5, 0.05},   {e80, 100, 0, false, 300.0, 0.5, 0.05},
        {e80, 100, 0.25, false, 173.12, 0.5, 0.005}, {e80, 20, 0.25, true, 300.0, 0.5, 0.05},
        {e80, 20, 0, false, 100.0, 0.5, 0.05},       {e80, 60, 0, false, 196.0, 0.5, 0.05},
        {e80, 60, 0.25, false, 120.2, 0.5, 0.05},    {hs20, 100, 0, false, 65.28, 1, 0.005},
        {hs20, 100, 0.5, true, 1520.0, 1, 0.05},
    };
    for (const auto& p : kTable) {
        const double L = p.spanFeet * kFoot;
        const LiveEnvelope e = TrainEnvelope(TrainOf(p.live), L, p.at * L);
        const double value = p.moment ? e.moment / (kLbPerKip * kFoot)
                                      : std::max(e.positiveShear, e.negativeShear) / kLbPerKip;
        EXPECT_NEAR(p.share * value, p.value, p.tolerance)
            << static_cast<int>(p.live.kind) << " " << p.spanFeet << " ft at " << p.at;
    }
    // Outside the span nothing acts.
    EXPECT_EQ(TrainEnvelope(TrainOf(hs20), 1200, 1201).moment, 0);
    EXPECT_EQ(TrainEnvelope(TrainOf(hs20), 0, 0).positiveShear, 0);
}

TEST(LiveLoad, ParseRefusesWhatIsNotALiveLoadAndClassesScale) {
    EXPECT_EQ(ParseLiveLoad("E72.5"), (LiveLoad{Cooper, 72.5}));
    EXPECT_EQ(ParseLiveLoad("0.6"), (LiveLoad{Uniform, 50}));  // kip/ft to lb/in
    for (const char* bad : {"", "HS25-44", "HS20", "E0", "E-80", "E+80", "E", "-0.5", "E80x"}) {
        EXPECT_FALSE(ParseLiveLoad(bad)) << bad;
    }
    // Class 15 is three quarters of class 20, for the truck and for the lane load; the H truck
    // has two axles, 8 and 32 kips 14 ft apart for H20.
    EXPECT_EQ(TrainOf({HS15, 0}).axles[2].load, 24000);
    EXPECT_EQ(LaneOf({H15, 0}).shearLoad, 19500);
    EXPECT_EQ(TrainOf({H20, 0}).axles.back().load, 32000);
    EXPECT_EQ(TrainOf({H20, 0}).axles.back().offset, 14 * kFoot);
    // E60: every load 60/80 of E80.
    EXPECT_EQ(TrainOf({Cooper, 60}).axles[1].load, 60000);
    EXPECT_EQ(TrainOf({Cooper, 60}).tailLoad, 6000 / kFoot);
}

}  // namespace
}  // namespace tarnex
