#include "checks/load_rating.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "model/calc_error.h"
#include "model/design_code.h"
#include "prestress/live_load_envelope.h"

namespace tarnex {

namespace {

/// MCE 6.5.3: the dead load factor A1 and the live load factors A2.
constexpr double kDeadFactor = 1.3;
constexpr double kInventoryLiveFactor = 2.17;
constexpr double kOperatingLiveFactor = 1.3;

/// The design load of a rating vehicle, for its truck and lane load; nothing for a legal truck.
std::optional<LiveLoad> DesignLoadOf(RatingVehicle vehicle) {
    switch (vehicle) {
        case RatingVehicle::HS20:
            return LiveLoad{LiveLoadKind::HS20, 0};
        case RatingVehicle::HS15:
            return LiveLoad{LiveLoadKind::HS15, 0};
        case RatingVehicle::H20:
            return LiveLoad{LiveLoadKind::H20, 0};
        case RatingVehicle::H15:
            return LiveLoad{LiveLoadKind::H15, 0};
        default:
            return std::nullopt;
    }
}

/// A train of axles (kips) with the spacings (ft) between consecutive axles.
AxleTrain TrainOfAxles(std::initializer_list<double> kips, std::initializer_list<double> feet) {
    AxleTrain train;
    double offset = 0;
    const double* gap = feet.begin();
    for (double load : kips) {
        if (!train.axles.empty()) offset += *gap++ * kInchesPerFoot;
        train.axles.push_back({offset, load * kLbPerKip});
    }
    return train;
}

/// The concrete stress at height `y` above the bottom fiber, linear between the bottom fiber
/// (0) and the top fiber (`height`) of the section the load acts on.
double StressAtHeight(double top, double bottom, double y, double height) {
    return bottom + (top - bottom) * Divide(y, height, "the depth of the beam");
}

/// The rating factor of one limit: the room left by the dead state over the live effect, in
/// the sense that moves towards the limit (`sense` +1: up to a compression, a steel tension or
/// a strength; -1: down to a concrete tension). None where the live effect is 0 or moves away
/// from the limit: the vehicle cannot reach it.
std::optional<double> FactorOf(double room, double live, double sense, const char* what) {
    if (!(live * sense > 0)) return std::nullopt;
    return Finite(room / live, what);
}

/// The smallest factor of the kind (inventory or operating) over every location and limit.
ControllingRating ControllingOf(const std::vector<RatingRow>& rows, bool operating) {
    ControllingRating best;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int k = 0; k < kRatingLimitCount; ++k) {
            const auto limit = static_cast<RatingLimit>(k);
            const std::optional<double>& f = rows[i].factor[static_cast<std::size_t>(k)];
            if (IsOperating(limit) != operating || !f) continue;
            if (!best.factor || *f < *best.factor) {
                best = {f, static_cast<int>(i) + 1, rows[i].x, limit};
            }
        }
    }
    return best;
}

/// The part of one location's rating that does not depend on the vehicle.
struct DeadState {
    double x = 0;
    double MD = 0, MS = 0;
    std::optional<double> phiMn;
    bool negative = false;
    double top = 0, bottom = 0, steel = 0;
    // The live stress of a unit moment on the composite section: top and bottom fiber, and at
    // the steel's height.
    double topPerMoment = 0, bottomPerMoment = 0, steelPerMoment = 0;
};

DeadState DeadStateAt(const DesignData& d, const CalcValues& v,
                      const CheckTable<MomentCapacityRow>& moment, int i, double Aps,
                      double modularRatio) {
    const LoadLocation& loc = d.locations(i);
    DeadState s;
    s.x = loc.x;
    s.MD = static_cast<double>(loc.DM) + loc.CDM + loc.ADM + loc.MM;
    s.MS = loc.PS2M;
    if (static_cast<std::size_t>(i) <= moment.rows.size()) {
        const MomentCapacityRow& row = moment.rows[static_cast<std::size_t>(i) - 1];
        s.phiMn = row.phiMn;
        s.negative = row.Mult < 0;
    }
    // Final prestress + total dead load, summed as the beam stress combination.
    s.top =
        static_cast<double>(v.StopPS(i)) + v.StopD(i) + v.StopCD(i) + v.StopAD(i) + v.StopPS2(i);
    s.bottom =
        static_cast<double>(v.SbotPS(i)) + v.SbotD(i) + v.SbotCD(i) + v.SbotAD(i) + v.SbotPS2(i);
    // Beam cases over the beam's depth; composite cases are taken at the top of the beam too.
    const double beamDepth = static_cast<double>(v.TYtop(i)) + v.TYbot(i);
    const double cYbot = v.TCompYbot(i);
    const double cYtop = d.Composite ? static_cast<double>(v.Ytop) + v.Ybot - cYbot : v.TYtop(i);
    const double compDepth = cYtop + cYbot;
    const double yp = v.Ypath(i);
    const double beamCases = StressAtHeight(v.StopD(i), v.SbotD(i), yp, beamDepth) +
                             StressAtHeight(v.StopCD(i), v.SbotCD(i), yp, beamDepth) +
                             StressAtHeight(v.StopPS2(i), v.SbotPS2(i), yp, beamDepth);
    const double compCases = StressAtHeight(v.StopAD(i), v.SbotAD(i), yp, compDepth);
    // Bonded steel: concrete compression at its height shortens it (steel tension positive).
    const double fse = Divide(v.PSP(i), Aps, "the prestressing steel area");
    s.steel = fse - modularRatio * (beamCases + compCases);
    const double moi = v.TCompMoI(i);
    s.topPerMoment = Divide(cYtop, moi, "the composite moment of inertia");
    s.bottomPerMoment = -cYbot / moi;
    s.steelPerMoment =
        -modularRatio * StressAtHeight(s.topPerMoment, s.bottomPerMoment, yp, compDepth);
    return s;
}

}  // namespace

const char* RatingLimitName(RatingLimit limit) {
    switch (limit) {
        case RatingLimit::InventoryMoment:
            return "INV MOMENT";
        case RatingLimit::OperatingMoment:
            return "OPR MOMENT";
        case RatingLimit::InventoryTension:
            return "INV TENSION";
        case RatingLimit::InventoryCompression:
            return "INV COMPRESSION";
        case RatingLimit::InventorySteel:
            return "INV STEEL";
        case RatingLimit::OperatingSteel:
            return "OPR STEEL";
    }
    return "";
}

AxleTrain RatingTrainOf(RatingVehicle vehicle) {
    if (const std::optional<LiveLoad> design = DesignLoadOf(vehicle)) return TrainOf(*design);
    switch (vehicle) {
        case RatingVehicle::Type3:
            return TrainOfAxles({16, 17, 17}, {15, 4});
        case RatingVehicle::Type3S2:
            return TrainOfAxles({10, 15.5, 15.5, 15.5, 15.5}, {11, 4, 22, 4});
        case RatingVehicle::Type33:
            return TrainOfAxles({12, 12, 12, 16, 14, 14}, {15, 4, 15, 16, 4});
        default:
            return {};
    }
}

LaneLoad RatingLaneOf(RatingVehicle vehicle) {
    const std::optional<LiveLoad> design = DesignLoadOf(vehicle);
    return design ? LaneOf(*design) : LaneLoad{};
}

double RatingVehicleMoment(RatingVehicle vehicle, double span, double x) {
    const double truck = TrainEnvelope(RatingTrainOf(vehicle), span, x).moment;
    // AASHTO 3.7.1.2: the truck or the lane load, whichever governs.
    return std::max(truck, LaneEnvelope(RatingLaneOf(vehicle), span, x).moment);
}

LoadRatingResults CalcLoadRating(const DesignData& d, const CalcValues& v,
                                 const CheckTable<MomentCapacityRow>& moment,
                                 const RatingOptions& options) {
    LoadRatingResults r;
    r.computed = true;
    r.options = options;
    if (d.designCriteria != DesignCriteria::AASHTO) {
        r.refusal = "Load rating is available for AASHTO designs";
        return r;
    }
    if (const std::optional<std::string> refusal = CheckRatingOptions(options)) {
        r.refusal = *refusal;
        return r;
    }
    const double span = d.Blength;
    if (!(span > 0)) {
        r.refusal = "Enter beam length";
        return r;
    }
    const DesignCode& aashto = CodeOf(DesignCriteria::AASHTO);
    r.distribution = options.distribution.value_or(aashto.Distribution(d.Bspace));
    if (!(r.distribution > 0)) {
        r.refusal = "Enter beam spacing";
        return r;
    }
    // AASHTO 3.8.2.1: the impact of the loaded span for moment.
    r.impact = options.impact.value_or(aashto.Impact(span, span, d.Bspace));
    r.momentRefusal = moment.refusal;
    const RatingLimits& m = options.limits;
    const double fc = d.CS28;
    r.limits = {-m.tension * SquareRoot(fc, "the concrete strength"), m.compression * fc,
                m.steelInventory * d.PSys, m.steelOperating * d.PSys};
    const double Aps = Divide(d.Pjack, d.PSi, "the initial prestress");
    const double modularRatio = Divide(d.PSmod, d.M28, "the modulus of the beam concrete");
    const double share = aashto.DistributedShare(r.distribution) * (1 + r.impact);

    const int n = std::min({d.nll, d.locations.size(), v.PSP.size(), v.StopD.size()});
    std::vector<DeadState> dead;
    dead.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 1; i <= n; ++i) dead.push_back(DeadStateAt(d, v, moment, i, Aps, modularRatio));

    for (RatingVehicle vehicle : options.vehicles) {
        VehicleRating rating;
        rating.vehicle = vehicle;
        rating.rows.reserve(dead.size());
        for (const DeadState& s : dead) {
            RatingRow row;
            row.x = s.x;
            row.liveMoment = share * RatingVehicleMoment(vehicle, span, s.x);
            row.deadMoment = s.MD;
            row.secondaryMoment = s.MS;
            row.phiMn = s.phiMn;
            row.negativeMoment = s.negative;
            row.deadTop = s.top;
            row.deadBottom = s.bottom;
            row.liveTop = s.topPerMoment * row.liveMoment;
            row.liveBottom = s.bottomPerMoment * row.liveMoment;
            row.deadSteel = s.steel;
            row.liveSteel = s.steelPerMoment * row.liveMoment;
            const auto set = [&](RatingLimit limit, std::optional<double> f) {
                row.factor[static_cast<std::size_t>(limit)] = f;
            };
            // The simple-span vehicles only sag the beam: a hogging design moment is not rated.
            if (s.phiMn && !s.negative) {
                const double room = *s.phiMn - (kDeadFactor * s.MD + s.MS);
                set(RatingLimit::InventoryMoment,
                    FactorOf(room, kInventoryLiveFactor * row.liveMoment, 1, "a rating factor"));
                set(RatingLimit::OperatingMoment,
                    FactorOf(room, kOperatingLiveFactor * row.liveMoment, 1, "a rating factor"));
            }
            set(RatingLimit::InventoryTension,
                FactorOf(r.limits.tension - s.bottom, row.liveBottom, -1, "a rating factor"));
            set(RatingLimit::InventoryCompression,
                FactorOf(r.limits.compression - s.top, row.liveTop, 1, "a rating factor"));
            set(RatingLimit::InventorySteel,
                FactorOf(r.limits.steelInventory - s.steel, row.liveSteel, 1, "a rating factor"));
            set(RatingLimit::OperatingSteel,
                FactorOf(r.limits.steelOperating - s.steel, row.liveSteel, 1, "a rating factor"));
            rating.rows.push_back(row);
        }
        rating.inventory = ControllingOf(rating.rows, false);
        rating.operating = ControllingOf(rating.rows, true);
        r.vehicles.push_back(std::move(rating));
    }
    return r;
}

}  // namespace tarnex
