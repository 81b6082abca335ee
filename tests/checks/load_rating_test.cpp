// Load rating by the load factor method: a hand-worked rating of an AASHTO Type III girder,
// the legal trucks' moments against a brute-force placement, and the rows that have no rating
// factor, the refusals and the controlling rating.

#include "checks/load_rating.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "checks/design_calculation.h"
#include "prestress/live_load_envelope.h"
#include "report/report_text.h"

namespace tarnex::testing {
namespace {

OutputOptions RatingOnly(std::vector<RatingVehicle> vehicles) {
    OutputOptions output;
    output.Stresses = false;
    output.LoadRating = true;
    output.rating.vehicles = std::move(vehicles);
    return output;
}

double FactorOf(const RatingRow& row, RatingLimit limit) {
    const std::optional<double>& f = row.Factor(limit);
    EXPECT_TRUE(f.has_value()) << RatingLimitName(limit);
    return f.value_or(0);
}

// examples/rated-type-iii-girder.in: AASHTO Type III (45 in), 80 ft span, 6 ft spacing, 7.5 in
// slab, f'c = 5000 psi, fy* = 243000 psi, Es = 28,000,000 psi, Ec = 4,286,414 psi, harped
// strands 4 in above the bottom at midspan, loads generated for HS20-44 and the jacking force
// of the required force step (771.9 kips). Its report at midspan (x = 480 in) prints:
//   MD = 467 + 463 + 160 = 1090 kip-ft, MS = 0, phiMn = 3969 kip-ft;
//   FINAL P/S + TOT DL: top 1465, bottom 484 psi;
//   BEAM DEAD 1106 / -907, NON-COMP DEAD 1098 / -900, COMPOSITE DEAD 59 / -185,
//   LIVE PLUS IMPACT 291 / -908 psi (top / bottom); FINAL FORCE 559.7 kips.
// Impact 50 / (80 + 125) = 0.2439; distribution 6 / 5.5 = 1.0909 wheel lines = 0.5455 lane.
// HS20 truck at midspan: 32 k at the centre (ordinate 20 ft), 32 k and 8 k 14 ft either side
// (ordinate 13 ft): 640 + 416 + 104 = 1160 kip-ft; lane 0.64 x 80^2 / 8 + 18 x 80 / 4 = 872,
// so the truck governs. ML(1+I) = 1160 x 0.54545 x 1.24390 = 787.06 kip-ft.
//   INV MOMENT = (3969 - 1.3 x 1090) / (2.17 x 787.06) = 2552 / 1707.9 = 1.494
//   OPR MOMENT = 2552 / (1.3 x 787.06) = 2552 / 1023.2 = 2.494
//   INV TENSION = (-6 sqrt(5000) - 484) / -908 = -908.26 / -908 = 1.000
//   INV COMPRESSION = (0.6 x 5000 - 1465) / 291 = 1535 / 291 = 5.275
// Steel: Aps = 771.9 / 202.5 = 3.8119 in^2, fse = 559700 / 3.8119 = 146830 psi; n = 28e6 /
// 4286414 = 6.5323. Concrete at the steel (4 in of 45 in): beam dead -907 + 2013 x 4/45 =
// -728.1, non-composite -900 + 1998 x 4/45 = -722.4, composite -185 + 244 x 4/45 = -163.3;
// sum -1613.8 psi, so the dead steel stress is 146830 + 6.5323 x 1613.8 = 157372 psi. Live:
// -908 + 1199 x 4/45 = -801.4 psi, a steel stress of 6.5323 x 801.4 = 5235 psi.
//   INV STEEL = (0.8 x 243000 - 157372) / 5235 = 37028 / 5235 = 7.073
//   OPR STEEL = (0.9 x 243000 - 157372) / 5235 = 61328 / 5235 = 11.715
// The figures of the report carry its rounding, so the factors agree to about 0.3 %.
TEST(LoadRating, TypeIIIGirderAtMidspanAsWorkedByHand) {
    ProgramState state = LoadExample("rated-type-iii-girder");
    const DesignResults r = CalculateDesign(state, RatingOnly({RatingVehicle::HS20}));
    ASSERT_TRUE(r.Complete()) << r.failure;
    ASSERT_TRUE(r.rating.refusal.empty()) << r.rating.refusal;
    EXPECT_NEAR(r.rating.impact, 50.0 / 205.0, 1e-12);
    EXPECT_NEAR(r.rating.distribution, 6.0 / 5.5, 1e-12);
    ASSERT_EQ(r.rating.vehicles.size(), 1U);
    const VehicleRating& hs20 = r.rating.vehicles[0];
    const RatingRow& mid = hs20.rows.at(7);
    ASSERT_EQ(mid.x, 480);
    EXPECT_NEAR(mid.liveMoment / kMomentFactor, 1160 * (6.0 / 11.0) * (1 + 50.0 / 205.0), 1e-9);
    EXPECT_NEAR(mid.deadMoment / kMomentFactor, 1090, 1.0);
    const double tolerance = 0.003;
    const auto near = [&](RatingLimit limit, double hand) {
        EXPECT_NEAR(FactorOf(mid, limit) / hand, 1.0, tolerance) << RatingLimitName(limit);
    };
    near(RatingLimit::InventoryMoment, 1.494);
    near(RatingLimit::OperatingMoment, 2.494);
    near(RatingLimit::InventoryTension, 1.000);
    near(RatingLimit::InventoryCompression, 5.275);
    near(RatingLimit::InventorySteel, 7.073);
    near(RatingLimit::OperatingSteel, 11.715);
    // The moment factors share one numerator: their ratio is A2 inventory / A2 operating.
    EXPECT_NEAR(
        FactorOf(mid, RatingLimit::OperatingMoment) / FactorOf(mid, RatingLimit::InventoryMoment),
        2.17 / 1.3, 1e-12);
    // The design's own jacking force puts the midspan bottom fiber on 6 sqrt(f'c) under the
    // same HS20-44 loading: the inventory rating is 1 there, by tension.
    ASSERT_TRUE(hs20.inventory.factor);
    EXPECT_NEAR(*hs20.inventory.factor, 1.0, 1e-3);
    EXPECT_EQ(hs20.inventory.location, 8);
    EXPECT_EQ(hs20.inventory.limit, RatingLimit::InventoryTension);
    EXPECT_EQ(hs20.operating.limit, RatingLimit::OperatingMoment);
    EXPECT_EQ(hs20.operating.factor, mid.Factor(RatingLimit::OperatingMoment));
    // At the supports the vehicle has no moment: no factor, not a division by zero.
    for (const std::optional<double>& f : hs20.rows.front().factor) EXPECT_FALSE(f);

    // The midspan location alone, as location 1, controls with the same factor.
    const LoadLocation midspan = state.data.locations(8);
    state.data.RecreateLocations(1);
    state.data.locations(1) = midspan;
    state.data.nll = 1;
    const DesignResults alone = CalculateDesign(state, RatingOnly({RatingVehicle::HS20}));
    ASSERT_EQ(alone.rating.vehicles.size(), 1U);
    EXPECT_EQ(alone.rating.vehicles[0].inventory.location, 1);
    EXPECT_EQ(alone.rating.vehicles[0].inventory.factor, hs20.inventory.factor);
}

/// The largest moment at x of the truck by placing its head every `step` inches and every
/// axle on x, both directions.
double BruteForceMoment(const AxleTrain& train, double L, double x) {
    const double length = train.axles.back().offset;
    double best = 0;
    const auto momentAt = [&](double head, bool reversed) {
        double m = 0;
        for (const Axle& a : train.axles) {
            const double p = reversed ? head - (length - a.offset) : head - a.offset;
            if (p < 0 || p > L) continue;
            m += a.load * (p <= x ? p * (L - x) : x * (L - p)) / L;
        }
        best = std::max(best, m);
    };
    for (const bool reversed : {false, true}) {
        for (double head = 0; head <= L + length; head += 0.5) momentAt(head, reversed);
        for (const Axle& a : train.axles) {
            momentAt(x + (reversed ? length - a.offset : a.offset), reversed);
        }
    }
    return best;
}

TEST(LoadRating, LegalTruckMomentsOnA60FootSpanAgreeWithBruteForcePlacement) {
    const double L = 720;
    const AxleTrain type3s2 = RatingTrainOf(RatingVehicle::Type3S2);
    ASSERT_EQ(type3s2.axles.size(), 5U);
    EXPECT_EQ(type3s2.axles.back().offset, 41 * 12.0);
    double total = 0;
    for (const Axle& a : type3s2.axles) total += a.load;
    EXPECT_EQ(total / 2000, RatingVehicleTons(RatingVehicle::Type3S2));
    double largest = 0;
    for (double x = 0; x <= L; x += 12) {
        const double exact = RatingVehicleMoment(RatingVehicle::Type3S2, L, x);
        EXPECT_NEAR(exact, BruteForceMoment(type3s2, L, x), 1e-6 * (1 + exact)) << x;
        largest = std::max(largest, exact);
    }
    // Midspan by hand (ordinate (30 - d) / 2 ft at d ft from the centre): the second drive axle
    // on the centre (15), the first 4 ft ahead (13), the steer axle 15 ft ahead (7.5), the
    // trailer tandem 22 and 26 ft behind (4 and 2): 10 x 7.5 + 15.5 x (15 + 13 + 4 + 2) = 602.
    EXPECT_NEAR(RatingVehicleMoment(RatingVehicle::Type3S2, L, 360) / kMomentFactor, 602, 1e-9);
    EXPECT_GE(largest / kMomentFactor, 602);
    // Legal trucks have no lane load; the design loads add theirs where it governs (a 200 ft
    // span: HS20 lane 0.64 x 200^2 / 8 + 18 x 50 = 4100 kip-ft beats the truck's 32 x 50 + 40 x 43
    // = 3320).
    EXPECT_EQ(RatingLaneOf(RatingVehicle::Type33).uniform, 0);
    EXPECT_NEAR(RatingVehicleMoment(RatingVehicle::HS20, 2400, 1200) / kMomentFactor, 4100, 1e-9);
    for (RatingVehicle v : kRatingVehicles) {
        double weight = 0;
        for (const Axle& a : RatingTrainOf(v).axles) weight += a.load;
        EXPECT_EQ(weight / 2000, RatingVehicleTons(v)) << RatingVehicleName(v);
    }
}

TEST(LoadRating, NegativeMomentsAndMissingStrengthGiveNoMomentFactorTheStressesStillRate) {
    ProgramState state = LoadExample("rated-type-iii-girder");
    // A hogging design moment at location 2: the simple-span vehicles give no negative moment.
    state.data.locations(2).ADM = -1e8F;
    // A composite dead load at location 3 that alone puts the bottom fiber beyond 6 sqrt(f'c).
    state.data.locations(3).ADM = 5e7F;
    DesignResults r = CalculateDesign(state, RatingOnly({RatingVehicle::Type3}));
    ASSERT_TRUE(r.Complete()) << r.failure;
    // The composite I-girder has no negative strength: the moment check stops at location 2.
    EXPECT_EQ(r.rating.momentRefusal,
              "Negative moment capacity of composite I-girder not available");
    const VehicleRating& type3 = r.rating.vehicles.at(0);
    EXPECT_TRUE(type3.rows[1].phiMn.has_value() == false);
    for (std::size_t i = 1; i < type3.rows.size(); ++i) {
        EXPECT_FALSE(type3.rows[i].Factor(RatingLimit::InventoryMoment)) << i;
    }
    EXPECT_TRUE(type3.rows[7].Factor(RatingLimit::InventoryTension));
    EXPECT_EQ(type3.operating.limit, RatingLimit::OperatingSteel);
    // A dead load beyond the limit alone gives a negative factor, printed as it is.
    EXPECT_LT(*type3.rows[2].Factor(RatingLimit::InventoryTension), 0);
    EXPECT_LT(*type3.inventory.factor, 0);
    EXPECT_EQ(type3.inventory.location, 3);

    // The solid slab has a negative strength: its hogging first location has phiMn but no
    // moment rating, and says so.
    state = LoadExample("solid-slab");
    r = CalculateDesign(state, RatingOnly({RatingVehicle::Type3}));
    ASSERT_TRUE(r.Complete()) << r.failure;
    const RatingRow& hogging = r.rating.vehicles.at(0).rows.at(0);
    EXPECT_TRUE(hogging.negativeMoment);
    EXPECT_LT(hogging.phiMn.value_or(0), 0);
    EXPECT_FALSE(hogging.Factor(RatingLimit::OperatingMoment));
    EXPECT_TRUE(hogging.Factor(RatingLimit::InventoryTension));
    EXPECT_FALSE(r.rating.vehicles[0].rows.at(1).negativeMoment);

    // Steel high in the section near a fixed end: the sagging vehicle relieves it, so the
    // steel has no factor there (not a negative one); the bottom fiber still rates.
    state = LoadExample("post-tensioned-trapezoidal-box-interior-span");
    r = CalculateDesign(state, RatingOnly({RatingVehicle::HS20}));
    const RatingRow& high = r.rating.vehicles.at(0).rows.at(1);
    EXPECT_LT(high.liveSteel, 0);
    EXPECT_FALSE(high.Factor(RatingLimit::InventorySteel));
    EXPECT_FALSE(high.Factor(RatingLimit::OperatingSteel));
    EXPECT_GT(high.Factor(RatingLimit::InventoryTension).value_or(0), 1);
}

TEST(LoadRating, OwnLimitsDistributionAndImpactReplaceTheRules) {
    ProgramState state = LoadExample("rated-type-iii-girder");
    OutputOptions output = RatingOnly({RatingVehicle::H15});
    const DesignResults base = CalculateDesign(state, output);
    output.rating.limits = {3.0, 0.45, 0.7, 0.85};
    output.rating.distribution = 2.0;
    output.rating.impact = 0.1;
    const DesignResults own = CalculateDesign(state, output);
    EXPECT_NEAR(own.rating.limits.tension, -3 * std::sqrt(5000.0), 1e-9);
    EXPECT_NEAR(own.rating.limits.compression, 0.45 * 5000, 1e-9);
    EXPECT_NEAR(own.rating.limits.steelInventory, 0.7 * 243000, 1e-6);
    EXPECT_NEAR(own.rating.limits.steelOperating, 0.85 * 243000, 1e-6);
    const RatingRow& a = base.rating.vehicles[0].rows[7];
    const RatingRow& b = own.rating.vehicles[0].rows[7];
    EXPECT_NEAR(b.liveMoment / a.liveMoment, (2.0 * 1.1) / (6.0 / 5.5 * (1 + 50.0 / 205.0)), 1e-12);
    EXPECT_FALSE(ResultsServe(base, output));
    EXPECT_TRUE(ResultsServe(own, output));
}

TEST(LoadRating, RefusesDesignsItCannotRate) {
    ProgramState state = LoadExample("transformed-i-girder-arema");
    DesignResults r = CalculateDesign(state, RatingOnly({RatingVehicle::HS20}));
    EXPECT_EQ(r.rating.refusal, "Load rating is available for AASHTO designs");
    ASSERT_FALSE(r.messages.empty());
    EXPECT_EQ(r.messages.back().stage, CalcStage::LoadRating);
    EXPECT_TRUE(r.rating.vehicles.empty());

    state = LoadExample("rated-type-iii-girder");
    state.data.Bspace = 0;
    EXPECT_EQ(CalculateDesign(state, RatingOnly({RatingVehicle::HS20})).rating.refusal,
              "Enter beam spacing");
    EXPECT_EQ(CalculateDesign(state, RatingOnly({})).rating.refusal,
              "Choose at least one rating vehicle");
}

TEST(RatingOptions, ReadsVehiclesAndLimitsAndRefusesAnythingElse) {
    std::string error;
    EXPECT_EQ(ParseRatingVehicles("hs20-44,legal,TYPE3", error),
              (std::vector<RatingVehicle>{RatingVehicle::HS20, RatingVehicle::Type3,
                                          RatingVehicle::Type3S2, RatingVehicle::Type33}));
    EXPECT_FALSE(ParseRatingVehicles("HS20-44,HS25", error));
    EXPECT_NE(error.find("\"HS25\""), std::string::npos);
    EXPECT_FALSE(ParseRatingVehicles("HS20-44,", error));
    const std::optional<RatingLimits> limits = ParseRatingLimits("7.5,0.4,0.8,1", error);
    ASSERT_TRUE(limits);
    EXPECT_EQ(*limits, (RatingLimits{7.5, 0.4, 0.8, 1.0}));
    for (const char* bad : {"6,0.6,0.8", "6,0.6,0.8,0.9,1", "0,0.6,0.8,0.9", "6,1.2,0.8,0.9",
                            "6,0.6,-0.8,0.9", "6,0.6,0.8,x", "6,,0.8,0.9"}) {
        EXPECT_FALSE(ParseRatingLimits(bad, error)) << bad;
    }
}

}  // namespace
}  // namespace tarnex::testing
