#include "prestress/load_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "design_fixtures.h"
#include "model/calc_error.h"
#include "section/section_selection.h"
#include "support/scripted_dialogs.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

constexpr double kFoot = 12.0;

/// An AASHTO Type III girder (560 in2, 45 in deep) of normal-weight concrete on 80 ft,
/// pretensioned with 0.5 in strand, straight path, beams 8 ft apart, no slab.
DesignData TypeIIIGirder() {
    DesignData d = Picked(BeamShapeKind::IGirder, 8);
    d.BUW = 0.0868F;
    d.Blength = 960.0F;
    d.Bspace = 96.0F;
    d.PSdia = 0.5F;
    d.PathConfig = PathKind::Straight;
    d.Ym = 5.0F;
    d.nll = 1;
    d.RecreateLocations(1);
    return d;
}

/// Locations at the given distances (in), with every load factor 9 and a prestress row.
void PlaceLocations(DesignData& d, const std::vector<float>& xs) {
    d.nll = static_cast<int>(xs.size());
    d.RecreateLocations(d.nll);
    for (int i = 1; i <= d.nll; ++i) {
        LoadLocation& loc = d.locations(i);
        loc.x = xs[static_cast<std::size_t>(i) - 1];
        for (LoadCase c : kLoadCases) *ValuesOf(loc, c).F = 9.0F;
        loc.PSP = 123.0F;
        loc.MM = 456.0F;
    }
}

LoadGenerationOptions AtPresentLocations(const DesignData& d, LiveLoad live, double share,
                                         std::optional<double> impact) {
    LoadGenerationOptions o = DefaultLoadGenerationOptions(d);
    o.live = live;
    o.distribution = share;
    o.impact = impact;
    o.locations = LocationChoice::PresentLocations;
    return o;
}

TEST(LoadGeneration, BeamDeadLoadOfATypeIIIGirderOn80Feet) {
    DesignData d = TypeIIIGirder();
    ASSERT_EQ(d.BeamArea, 560.0F);
    LoadGenerationOptions o = DefaultLoadGenerationOptions(d);
    EXPECT_EQ(GenerateLoads(d, o), 0);
    const double w = 0.0868 * 560;  // lb/in
    const LoadLocation* mid = nullptr;
    for (const LoadLocation& loc : d.locations) {
        if (loc.x == 480.0F) mid = &loc;
    }
    ASSERT_NE(mid, nullptr);
    EXPECT_FLOAT_EQ(mid->DM, static_cast<float>(w * 960 * 960 / 8));  // 466.6 kip-ft
    EXPECT_EQ(mid->DV, 0.0F);
    EXPECT_FLOAT_EQ(d.locations(1).DV, static_cast<float>(w * 480));  // end shear wL/2
    EXPECT_EQ(d.locations(1).DM, 0.0F);
    // No slab: nothing non-composite; no superimposed loads.
    EXPECT_EQ(mid->CDM, 0.0F);
    EXPECT_EQ(mid->ADM, 0.0F);
    // Shears are magnitudes on both halves.
    EXPECT_FLOAT_EQ(d.locations(d.nll).DV, d.locations(1).DV);
}

TEST(LoadGeneration, SlabHaunchAndSuperimposedDeadLoads) {
    DesignData d = TypeIIIGirder();
    d.Composite = true;
    d.SUW = 0.0868F;
    d.Tslab = 8.0F;
    d.Haunch = 1.0F;
    LoadGenerationOptions o = AtPresentLocations(d, {LiveLoadKind::Uniform, 0}, 1, std::nullopt);
    o.nonCompositeDead = LbPerInch(0.2);
    o.compositeDead = LbPerInch(0.3);
    PlaceLocations(d, {240.0F});
    GenerateLoads(d, o);
    const LoadLocation& loc = d.locations(1);
    // Slab 8 x 96 plus haunch 1 x 16 (the top flange), plus 0.2 kip/ft.
    const double wSlab = 0.0868 * (8 * 96 + 1 * 16) + 200.0 / 12;
    EXPECT_FLOAT_EQ(loc.CDM, static_cast<float>(wSlab * 240 * 720 / 2));
    EXPECT_FLOAT_EQ(loc.CDV, static_cast<float>(wSlab * 240));
    EXPECT_FLOAT_EQ(loc.ADM, static_cast<float>(25.0 * 240 * 720 / 2));
}

TEST(LoadGeneration, PublishedMaximaInTheLiveLoadRow) {
    // Cooper E80 per rail: half a track, no impact.
    DesignData d = TypeIIIGirder();
    d.Blength = 1200.0F;
    PlaceLocations(d, {0.0F, 300.0F, 600.0F});
    GenerateLoads(d, AtPresentLocations(d, {LiveLoadKind::Cooper, 80}, 0.5, 0.0));
    EXPECT_NEAR(d.locations(1).LV / 1000, 300.0, 0.05);
    EXPECT_NEAR(d.locations(2).LV / 1000, 173.12, 0.005);
    EXPECT_NEAR(d.locations(2).LM / 12000, 5060.5, 0.05);
    // HS20-44 per lane: two wheel lines, no impact.
    GenerateLoads(d, AtPresentLocations(d, {LiveLoadKind::HS20, 0}, 2, 0.0));
    EXPECT_NEAR(d.locations(1).LV / 1000, 65.28, 0.005);
    EXPECT_NEAR(d.locations(3).LM / 12000, 1520.0, 0.05);
    // On 200 ft the lane load governs: 0.64 x 200^2 / 8 + 18 x 50 kip-ft at midspan and
    // 0.64 x 100 + 26 kips at the end.
    LoadGenerationOptions lane = AtPresentLocations(d, {LiveLoadKind::HS20, 0}, 2, 0.0);
    lane.span = 2400;
    PlaceLocations(d, {0.0F, 1200.0F});
    GenerateLoads(d, lane);
    EXPECT_NEAR(d.locations(1).LV / 1000, 90.0, 1e-4);
    EXPECT_NEAR(d.locations(2).LM / 12000, 4100.0, 1e-3);
    PlaceLocations(d, {0.0F, 300.0F, 600.0F});
    GenerateLoads(d, AtPresentLocations(d, {LiveLoadKind::HS20, 0}, 2, 0.0));
    // Every generated axial force is 0; factors and the other rows stay as they were.
    const LoadLocation& loc = d.locations(2);
    EXPECT_EQ(loc.LP, 0.0F);
    EXPECT_EQ(loc.DF, 9.0F);
    EXPECT_EQ(loc.LF, 9.0F);
    EXPECT_EQ(loc.PSP, 123.0F);
    EXPECT_EQ(loc.MM, 456.0F);
    EXPECT_EQ(loc.x, 300.0F);
}

TEST(LoadGeneration, AashtoImpactByLoadedLength) {
    // 100 ft: the span gives I = 50/225 for moment; the end shear loads the whole span, the
    // negative shear at the end loads nothing (0.4, held to 0.30).
    DesignData d = TypeIIIGirder();
    d.Blength = 1200.0F;
    PlaceLocations(d, {0.0F, 600.0F, 1080.0F});
    GenerateLoads(d, AtPresentLocations(d, {LiveLoadKind::HS20, 0}, 2, std::nullopt));
    EXPECT_NEAR(d.locations(1).LV / 1000, 65.28 * (1 + 50.0 / 225), 1e-4);
    EXPECT_NEAR(d.locations(2).LM / 12000, 1520.0 * (1 + 50.0 / 225), 1e-3);
    // At 0.9 L the larger shear is the negative one over a loaded length of 90 ft.
    const DesignData copy = d;
    GenerateLoads(d, AtPresentLocations(d, {LiveLoadKind::HS20, 0}, 2, 0.0));
    EXPECT_NEAR(copy.locations(3).LV, d.locations(3).LV * (1 + 50.0 / 215), 0.01);
    // The distribution rule: S/5.5 wheel lines, of which the row holds half a lane each.
    EXPECT_NEAR(DefaultLoadGenerationOptions(d).distribution, 8 / 5.5, 1e-12);
}

TEST(LoadGeneration, ImpactRules) {
    const LiveLoad hs20{LiveLoadKind::HS20, 0};
    const LiveLoad e80{LiveLoadKind::Cooper, 80};
    EXPECT_NEAR(RuleImpact(hs20, 1200, 1200, 96), 50.0 / 225, 1e-12);
    EXPECT_EQ(RuleImpact(hs20, 300, 1200, 96), 0.30);  // 50/150 is more than 0.30
    EXPECT_NEAR(RuleImpact(hs20, 12 * 41.67, 0, 0), 50 / 166.67, 1e-12);
    // AREMA with beams 8 ft apart: 12.5 + 40 - 3 x 60^2/1600 and 12.5 + 16 + 600/70 percent.
    EXPECT_NEAR(RuleImpact(e80, 0, 720, 96), 0.4575, 1e-12);
    EXPECT_NEAR(RuleImpact(e80, 0, 1200, 96), (28.5 + 600.0 / 70) / 100, 1e-12);
    EXPECT_NEAR(RuleImpact(e80, 0, 959, 96), (52.5 - 3 * (959 / 12.0) * (959 / 12.0) / 1600) / 100,
                1e-12);
    ExpectCalcError([&] { RuleImpact(e80, 0, 1200, 0); }, "the beam spacing is 0");
    EXPECT_EQ(RuleImpact({LiveLoadKind::Uniform, 10}, 100, 100, 96), 0.0);
}

TEST(LoadGeneration, AciUniformLiveLoadWithoutImpact) {
    DesignData d = TypeIIIGirder();
    d.designCriteria = DesignCriteria::ACI;
    LoadGenerationOptions o = DefaultLoadGenerationOptions(d);
    EXPECT_EQ(o.live, (LiveLoad{LiveLoadKind::Uniform, 0}));
    EXPECT_EQ(o.distribution, 1.0);
    o.live.value = LbPerInch(1.2);  // 100 lb/in
    o.locations = LocationChoice::PresentLocations;
    PlaceLocations(d, {240.0F});
    GenerateLoads(d, o);
    EXPECT_FLOAT_EQ(d.locations(1).LM, 100.0F * 240 * 720 / 2);
    EXPECT_FLOAT_EQ(d.locations(1).LV, 100.0F * 720 * 720 / (2 * 960));  // loaded 240..960
}

TEST(LoadGeneration, NewLocationsAndFactors) {
    // 100 ft beam 54 in deep with an 8 in slab: h/2 = 31 in; transfer 25 in; harped path key
    // points at 480 and 720 coincide with tenth points; 1.2 in from a tenth point is kept.
    DesignData d = TypeIIIGirder();
    d.BeamYtop = 29.27F;
    d.BeamYbot = 24.73F;
    d.Blength = 1200.0F;
    d.Composite = true;
    d.Tslab = 8.0F;
    d.PathConfig = PathKind::Harped;
    d.Xl = 480.0F;
    d.Xm = 555.0F;  // not a key point of a harped path
    d.Xr = 721.2F;
    d.designCriteria = DesignCriteria::AREMA;
    d.nll = 4;
    const LoadGenerationOptions o = DefaultLoadGenerationOptions(d);
    GenerateLoads(d, o);
    std::vector<float> xs;
    for (const LoadLocation& loc : d.locations) xs.push_back(loc.x);
    const std::vector<float> expected = {0,   25,     31,  120, 240,  360,  480,  600,
                                         720, 721.2F, 840, 960, 1080, 1169, 1175, 1200};
    EXPECT_EQ(xs, expected);
    EXPECT_EQ(d.nll, 16);
    EXPECT_EQ(d.PrevNll, 4);
    EXPECT_EQ(d.FRloss.size(), 16);
    EXPECT_EQ(d.PSlossAt.size(), 16);
    // AREMA factors; prestress 0; secondary prestress 1 and miscellaneous the dead factor,
    // both without loads.
    const LoadLocation& loc = d.locations(8);
    EXPECT_EQ(loc.DF, 1.4F);
    EXPECT_EQ(loc.CDF, 1.4F);
    EXPECT_EQ(loc.ADF, 1.4F);
    EXPECT_EQ(loc.LF, 2.33F);
    EXPECT_EQ(loc.PSF, 0.0F);
    EXPECT_EQ(loc.PS2F, 1.0F);
    EXPECT_EQ(loc.MF, 1.4F);
    EXPECT_EQ(loc.MM, 0.0F);
    EXPECT_GT(loc.LM, 0.0F);
    // Post-tensioned without slab: no transfer length; h/2 = 27 in; points within 0.5 in of
    // a kept one are merged.
    d.prestressing = Prestressing::PostTensioning;
    d.Composite = false;
    d.PathConfig = PathKind::SimpleSimple;
    d.Xm = 600.4F;
    const std::vector<float> post = GenerateLocations(d, 1200);
    EXPECT_EQ(post, (std::vector<float>{0, 27, 120, 240, 360, 480, 600, 720, 840, 960, 1080, 1173,
                                        1200}));
    EXPECT_EQ(FactorsOf(DesignCriteria::AASHTO).live, 2.17F);
    EXPECT_EQ(FactorsOf(DesignCriteria::ACI).live, 1.7F);
    EXPECT_EQ(FactorsOf(DesignCriteria::ACI).dead, 1.4F);
}

TEST(LoadGeneration, KeyPointsOfThePathInUse) {
    // Post-tensioned, no depth: only the tenth points of 1000 in and the key points that the
    // configuration uses; a key point beyond the span is left out.
    DesignData d;
    d.prestressing = Prestressing::PostTensioning;
    d.Xl = 150.0F;
    d.Xm = 450.0F;
    d.Xr = 850.0F;
    const std::pair<PathKind, std::vector<float>> table[] = {
        {PathKind::Straight, {}},
        {PathKind::Harped, {150, 850}},
        {PathKind::SimpleSimple, {450}},
        {PathKind::SimpleFixed, {450, 850}},
        {PathKind::FixedSimple, {150, 450}},
        {PathKind::FixedFixed, {150, 450, 850}},
    };
    for (const auto& [kind, keys] : table) {
        d.PathConfig = kind;
        std::vector<float> expected;
        for (int i = 0; i <= 10; ++i) expected.push_back(100.0F * i);
        expected.insert(expected.end(), keys.begin(), keys.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(GenerateLocations(d, 1000), expected) << static_cast<int>(d.PathConfig);
    }
    d.Xr = 1050.0F;
    EXPECT_EQ(GenerateLocations(d, 1000).size(), 13U);
    // Pretensioned: the transfer length alone when the depth is unknown.
    d.prestressing = Prestressing::Pretensioning;
    d.PathConfig = PathKind::Straight;
    d.PSdia = 0.6F;
    const std::vector<float> xs = GenerateLocations(d, 1000);
    EXPECT_EQ(xs.size(), 13U);
    EXPECT_EQ(xs[1], 30.0F);
    EXPECT_EQ(xs[11], 970.0F);
}

TEST(LoadGeneration, PresentLocationsOutsideTheSpanGetNoLoads) {
    DesignData d = TypeIIIGirder();
    PlaceLocations(d, {-10.0F, 480.0F, 970.0F});
    d.locations(1).DM = 77.0F;
    EXPECT_EQ(GenerateLoads(d, AtPresentLocations(d, {LiveLoadKind::HS20, 0}, 1, 0.1)), 2);
    EXPECT_EQ(d.locations(1).DM, 0.0F);
    EXPECT_EQ(d.locations(3).LV, 0.0F);
    EXPECT_EQ(d.locations(1).x, -10.0F);
    EXPECT_GT(d.locations(2).DM, 0.0F);
    EXPECT_EQ(OutsideSpanMessage(2),
              "2 locations lie outside the span: their generated loads are 0");
    EXPECT_EQ(OutsideSpanMessage(1), "1 location lies outside the span: its generated loads are 0");
    EXPECT_EQ(OutsideSpanMessage(0), "");
}

TEST(LoadGeneration, RefusedOptions) {
    const DesignData d = TypeIIIGirder();
    const LoadGenerationOptions good = DefaultLoadGenerationOptions(d);
    EXPECT_FALSE(CheckLoadGenerationOptions(good, d));
    struct Case {
        void (*change)(LoadGenerationOptions&);
        const char* message;
    };
    const Case cases[] = {
        {[](LoadGenerationOptions& o) { o.span = 0; }, "Enter a span greater than 0"},
        {[](LoadGenerationOptions& o) {
             o.live = {LiveLoadKind::Cooper, 0};
         },
         "Enter a Cooper E number greater than 0"},
        {[](LoadGenerationOptions& o) {
             o.live = {LiveLoadKind::Uniform, -1};
         },
         "Enter a uniform live load of 0 or more"},
        {[](LoadGenerationOptions& o) { o.distribution = -0.1; },
         "Enter a distribution factor of 0 or more"},
        {[](LoadGenerationOptions& o) { o.impact = -0.01; },
         "Enter an impact fraction of 0 or more"},
        {[](LoadGenerationOptions& o) { o.compositeDead = -1; },
         "Enter superimposed dead loads of 0 or more"},
        {[](LoadGenerationOptions& o) { o.nonCompositeDead = -1; },
         "Enter superimposed dead loads of 0 or more"},
    };
    for (const Case& c : cases) {
        LoadGenerationOptions o = good;
        c.change(o);
        EXPECT_EQ(CheckLoadGenerationOptions(o, d), c.message);
    }
    // The AREMA impact rule needs the beam spacing; a fixed impact does not.
    DesignData noSpacing = d;
    noSpacing.Bspace = 0;
    LoadGenerationOptions cooper = good;
    cooper.live = {LiveLoadKind::Cooper, 80};
    EXPECT_EQ(CheckLoadGenerationOptions(cooper, noSpacing), "Enter beam spacing");
    cooper.impact = 0.2;
    EXPECT_FALSE(CheckLoadGenerationOptions(cooper, noSpacing));
}

TEST(LoadGeneration, AnyNonZeroForceOrMomentIsALoad) {
    DesignData d = TypeIIIGirder();
    d.RecreateLocations(2);
    d.locations(1).x = 10.0F;  // distances and factors are no loads
    d.locations(2).LF = 2.17F;
    EXPECT_FALSE(HoldsLoads(d));
    for (float LoadLocation::*field :
         {&LoadLocation::ADP, &LoadLocation::PS2V, &LoadLocation::MM}) {
        DesignData loaded = d;
        loaded.locations(2).*field = -1.0F;
        EXPECT_TRUE(HoldsLoads(loaded));
    }
}

TEST(LoadGeneration, AsksBeforeReplacingLoads) {
    ProgramState state;
    state.data = TypeIIIGirder();
    const LoadGenerationOptions o = DefaultLoadGenerationOptions(state.data);
    ScriptedDialogs dialogs;
    // Only zeros: no question.
    EXPECT_TRUE(RunLoadGeneration(state, o, dialogs));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(state.data.CurrentLocation, 1);
    EXPECT_EQ(dialogs.refreshes, 1);
    // Loads present: No keeps everything, Yes replaces.
    state.data.CurrentLocation = 3;
    state.data.locations(2).MV = 5.0F;
    const DesignData before = state.data;
    EXPECT_FALSE(RunLoadGeneration(state, o, dialogs));
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].title, "Generate Loads");
    EXPECT_EQ(state.data.locations, before.locations);
    EXPECT_EQ(state.data.CurrentLocation, 3);
    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(RunLoadGeneration(state, o, dialogs));
    EXPECT_EQ(state.data.locations(2).MV, 0.0F);
    EXPECT_EQ(state.data.CurrentLocation, 1);
    // A refused option is a message, and nothing changes.
    LoadGenerationOptions bad = o;
    bad.span = -1;
    const std::size_t shown = dialogs.messages.size();
    EXPECT_FALSE(RunLoadGeneration(state, bad, dialogs));
    ASSERT_EQ(dialogs.messages.size(), shown + 1);
    EXPECT_EQ(dialogs.messages.back(), "Enter a span greater than 0");
}

}  // namespace
}  // namespace tarnex
