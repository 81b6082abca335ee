#include "prestress/live_load_envelope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "prestress/live_load.h"

namespace tarnex {
namespace {

constexpr double kFoot = 12.0;

/// Moment and the shear just before and just beyond x, by statics, for point loads (position,
/// load) and one uniform load w over [from, to] already cut to the span.
struct Statics {
    double moment = 0, shearBefore = 0, shearBeyond = 0;
};

Statics SolveSpan(double L, double x, const std::vector<std::pair<double, double>>& points,
                  double w, double from, double to) {
    const double length = std::max(0.0, to - from);
    double left = w * length * (L - (from + to) / 2) / L;  // left reaction
    for (const auto& [a, p] : points) left += p * (L - a) / L;
    Statics s{left * x, left, left};
    for (const auto& [a, p] : points) {
        if (a < x) {
            s.moment -= p * (x - a);
            s.shearBefore -= p;
        }
        if (a <= x) s.shearBeyond -= p;
    }
    const double cut = std::clamp(x, from, std::max(from, to));
    if (length > 0 && cut > from) {
        s.moment -= w * (cut - from) * (x - (from + cut) / 2);
        s.shearBefore -= w * (cut - from);
        s.shearBeyond -= w * (cut - from);
    }
    return s;
}

/// The envelope found by moving the train in steps of 1 in, both ways, over the span.
LiveEnvelope ScanEnvelope(const AxleTrain& train, double L, double x) {
    LiveEnvelope e;
    const double length =
        std::max(train.axles.back().offset, train.tailLoad > 0 ? train.tailOffset : 0.0);
    for (int direction : {1, -1}) {
        for (double s = -length - L; s <= 2 * L + length; s += 1.0) {
            std::vector<std::pair<double, double>> points;
            for (const Axle& axle : train.axles) {
                const double a = s - direction * axle.offset;
                if (a >= 0 && a <= L) points.emplace_back(a, axle.load);
            }
            double from = 0, to = 0;
            if (train.tailLoad > 0) {
                const double head = s - direction * train.tailOffset;
                from = direction > 0 ? 0.0 : std::clamp(head, 0.0, L);
                to = direction > 0 ? std::clamp(head, 0.0, L) : L;
            }
            const Statics st = SolveSpan(L, x, points, train.tailLoad, from, to);
            e.moment = std::max(e.moment, st.moment);
            e.positiveShear = std::max({e.positiveShear, st.shearBefore, st.shearBeyond});
            e.negativeShear = std::max({e.negativeShear, -st.shearBefore, -st.shearBeyond});
        }
    }
    return e;
}

TEST(LiveLoadEnvelope, ExactEnvelopeAgreesWithAFineScanAtEveryTenthPoint) {
    const LiveLoad loads[] = {
        {LiveLoadKind::HS20, 0}, {LiveLoadKind::H15, 0}, {LiveLoadKind::Cooper, 80}};
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
                EXPECT_GE(exact.moment, scan.moment - 1e-3);  // the scan's positions are a subset
            }
        }
    }
}

/// Published maxima (kip-ft or kips) of AREMA's table for Cooper E80 per rail (half a track)
/// and of AASHTO for HS20-44 per lane, at a fraction `at` of the span.
TEST(LiveLoadEnvelope, PublishedMaxima) {
    const LiveLoad e80{LiveLoadKind::Cooper, 80};
    const LiveLoad hs20{LiveLoadKind::HS20, 0};
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
    // The lane load alone: 0.64 kip/ft over the span and 18 kips at midspan.
    EXPECT_NEAR(LaneEnvelope(LaneOf(hs20), 1200, 600).moment / 12000, 1250.0, 1e-9);
    // A uniform load loads x to the far end for positive shear, the near end for negative.
    const LiveEnvelope u = UniformEnvelope(100, 1000, 250);
    EXPECT_NEAR(u.moment, 100 * 250 * 750 / 2.0, 1e-6);
    EXPECT_NEAR(u.positiveShear, 100 * 750 * 750 / 2000.0, 1e-6);
    EXPECT_NEAR(u.negativeShear, 100 * 250 * 250 / 2000.0, 1e-6);
    // Outside the span nothing acts.
    EXPECT_EQ(TrainEnvelope(TrainOf(hs20), 1200, 1201).moment, 0);
    EXPECT_EQ(TrainEnvelope(TrainOf(hs20), 0, 0).positiveShear, 0);
}

TEST(LiveLoad, ParseRefusesWhatIsNotALiveLoad) {
    EXPECT_EQ(ParseLiveLoad("hs20-44"), (LiveLoad{LiveLoadKind::HS20, 0}));
    EXPECT_EQ(ParseLiveLoad("E72.5"), (LiveLoad{LiveLoadKind::Cooper, 72.5}));
    EXPECT_EQ(ParseLiveLoad("0.6"), (LiveLoad{LiveLoadKind::Uniform, 50}));  // kip/ft to lb/in
    for (const char* bad : {"", "HS25-44", "HS20", "E0", "E-80", "E+80", "E", "-0.5", "E80x"}) {
        EXPECT_FALSE(ParseLiveLoad(bad)) << bad;
    }
}

TEST(LiveLoad, ClassAndCooperScaling) {
    // Class 15 is three quarters of class 20, for the truck and for the lane load; the H truck
    // has two axles, 8 and 32 kips 14 ft apart for H20.
    EXPECT_EQ(TrainOf({LiveLoadKind::HS15, 0}).axles[2].load, 24000);
    EXPECT_EQ(LaneOf({LiveLoadKind::H15, 0}).shearLoad, 19500);
    const AxleTrain h20 = TrainOf({LiveLoadKind::H20, 0});
    ASSERT_EQ(h20.axles.size(), 2U);
    EXPECT_EQ(h20.axles[1].load, 32000);
    EXPECT_EQ(h20.axles[1].offset, 14 * kFoot);
    // E60: every load 60/80 of E80.
    const AxleTrain e60 = TrainOf({LiveLoadKind::Cooper, 60});
    EXPECT_EQ(e60.axles[1].load, 60000);
    EXPECT_EQ(e60.tailLoad, 6000 / kFoot);
}

}  // namespace
}  // namespace tarnex
