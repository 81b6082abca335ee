#include "ui/qt/diagram_model.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace tarnex::ui {

namespace {

/// The same round-off that the stress checks forgive (psi).
constexpr double kStressTolerance = 0.01;

const QColor kTopColor(31, 119, 180);
const QColor kBottomColor(214, 39, 40);
const QColor kCapacityColor(44, 160, 44);
const QColor kCrackingColor(255, 127, 14);
const QColor kLimitColor(90, 90, 90);
const QColor kExtraColor(148, 103, 189);

/// The check of the critical stresses with this label (trailing blanks ignored), or null.
const StressCheck* FindCheck(const std::vector<StressCheck>& checks, std::string_view label) {
    for (const StressCheck& check : checks) {
        std::string_view text = check.label;
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        if (text == label) return &check;
    }
    return nullptr;
}

double Feet(double inches) { return inches / kInchesPerFoot; }

/// An allowable as a limit line and the test of a stress against it.
struct Allowable {
    const StressCheck* check = nullptr;
    bool tension = false;
    bool Exceeded(double stress) const {
        if (check == nullptr) return false;
        return tension ? stress < check->allowable - kStressTolerance
                       : stress > check->allowable + kStressTolerance;
    }
};

/// A fiber stress diagram; `top` and `bottom` pick the state from a row of combinations.
template <typename Top, typename Bottom>
Diagram StressDiagram(const DesignResults& r, const QString& key, const QString& title, Top top,
                      Bottom bottom, const std::vector<Allowable>& topLimits,
                      const std::vector<Allowable>& bottomLimits) {
    Diagram d;
    d.key = key;
    d.title = title;
    d.yLabel = "Stress (psi), compression positive";
    d.failureName = "exceeds allowable";
    DiagramSeries topSeries{"top fiber", kTopColor, Qt::SolidLine, {}};
    DiagramSeries bottomSeries{"bottom fiber", kBottomColor, Qt::SolidLine, {}};
    for (const StressCombinations& row : r.stresses.rows) {
        const QPointF t(Feet(row.x), top(row));
        const QPointF b(Feet(row.x), bottom(row));
        topSeries.points << t;
        bottomSeries.points << b;
        for (const Allowable& a : topLimits) {
            if (a.Exceeded(t.y())) d.failures << t;
        }
        for (const Allowable& a : bottomLimits) {
            if (a.Exceeded(b.y())) d.failures << b;
        }
    }
    d.series = {topSeries, bottomSeries};
    return d;
}

/// The limit line of a check, once per allowable value and kind.
void AddLimit(Diagram& d, const Allowable& a, const QString& name) {
    if (a.check == nullptr) return;
    d.limits.push_back({name, a.check->allowable, kLimitColor});
}

/// Why a table has no rows for some locations: its refusal, its failure, or not computed.
template <typename Row>
QString TableNote(const CheckTable<Row>& table, std::size_t locations) {
    if (!table.computed) return "not computed";
    if (!table.refusal.empty()) return QString::fromStdString(table.refusal);
    if (!table.failure.empty())
        return "Error in calculations: " + QString::fromStdString(table.failure);
    if (table.rows.size() < locations) return "not computed";
    return {};
}

/// Rating factors above this are drawn at it: near the supports they grow without bound and
/// would flatten the part of the beam that governs.
constexpr double kLargestDrawnFactor = 5.0;

/// The smallest inventory or operating rating factor of a row, or nothing.
std::optional<double> SmallestFactor(const RatingRow& row, bool operating) {
    std::optional<double> smallest;
    for (int k = 0; k < kRatingLimitCount; ++k) {
        const std::optional<double>& f = row.factor[static_cast<std::size_t>(k)];
        if (IsOperating(static_cast<RatingLimit>(k)) != operating || !f) continue;
        if (!smallest || *f < *smallest) smallest = f;
    }
    return smallest;
}

/// The rating factors along the beam: per vehicle the smallest inventory factor (solid) and
/// operating factor (dashed) of each location, the line RF = 1 and the points below it.
Diagram RatingDiagram(const LoadRatingResults& rating) {
    static const QColor kVehicleColors[] = {
        kTopColor,   kBottomColor,        kCapacityColor,       kCrackingColor,
        kExtraColor, QColor(140, 86, 75), QColor(227, 119, 194)};
    Diagram d;
    d.key = "rating";
    d.title = "Load rating factors (inventory solid, operating dashed)";
    d.yLabel = "Rating factor";
    d.failureName = "RF below 1";
    d.limits.push_back({"RF =", 1.0, kLimitColor});
    bool clipped = false;
    std::size_t colour = 0;
    for (const VehicleRating& v : rating.vehicles) {
        const QColor color = kVehicleColors[colour++ % std::size(kVehicleColors)];
        const QString name = RatingVehicleName(v.vehicle);
        for (const bool operating : {false, true}) {
            // The legend names the vehicle at its inventory curve; its operating curve follows.
            DiagramSeries series{operating ? QString("opr") : name,
                                 color,
                                 operating ? Qt::DashLine : Qt::SolidLine,
                                 {}};
            for (const RatingRow& row : v.rows) {
                const std::optional<double> f = SmallestFactor(row, operating);
                if (!f) continue;
                clipped = clipped || *f > kLargestDrawnFactor;
                const QPointF p(Feet(row.x), std::min(*f, kLargestDrawnFactor));
                series.points << p;
                if (*f < 1) d.failures << p;
            }
            d.series.push_back(series);
        }
    }
    if (!rating.refusal.empty()) {
        d.note = QString::fromStdString(rating.refusal);
    } else if (clipped) {
        d.title += ", factors above 5 drawn at 5";
    }
    return d;
}

}  // namespace

std::vector<Diagram> MakeDiagrams(const DesignResults& r) {
    const std::vector<StressCheck>& checks = r.checks;
    // The transfer state: compression at either fiber, tension at the top fiber.
    const Allowable initialCompression{FindCheck(checks, "INITIAL COMPRESSION"), false};
    const Allowable topTension{FindCheck(checks, "TENSION (TOP FIBER)"), true};
    // The service state: compression at either fiber, tension at the top as at transfer and
    // at the bottom against the final allowable.
    const Allowable finalCompression{FindCheck(checks, "FINAL COMPRESSION"), false};
    const Allowable bottomTension{FindCheck(checks, "FINAL TENSION"), true};
    const StressCheck* liveCheck = FindCheck(checks, "COMP @ (LL + [PS+DL]/2)");

    std::vector<Diagram> out;
    const QString stressNote = TableNote(r.stresses, r.x.size());

    Diagram transfer = StressDiagram(
        r, "stress-transfer", "Fiber stresses at transfer (initial prestress + beam dead load)",
        [](const StressCombinations& c) { return c.transfer.top; },
        [](const StressCombinations& c) { return c.transfer.bottom; },
        {initialCompression, topTension}, {initialCompression});
    AddLimit(transfer, initialCompression, "allowable compression");
    AddLimit(transfer, topTension, "allowable tension (top)");
    transfer.note = stressNote;
    out.push_back(transfer);

    Diagram service = StressDiagram(
        r, "stress-service", "Fiber stresses under full service load (final prestress + all loads)",
        [](const StressCombinations& c) { return c.service.top; },
        [](const StressCombinations& c) { return c.service.bottom; },
        {finalCompression, topTension}, {finalCompression, bottomTension});
    if (liveCheck != nullptr) {
        // AASHTO: the live load plus half the sustained stresses at the top fiber.
        const Allowable live{liveCheck, false};
        DiagramSeries half{"top, LL + (P/S + DL)/2", kExtraColor, Qt::DashLine, {}};
        for (const StressCombinations& row : r.stresses.rows) {
            const QPointF p(Feet(row.x), row.liveHalfSustained);
            half.points << p;
            if (live.Exceeded(p.y())) service.failures << p;
        }
        service.series.push_back(half);
    }
    AddLimit(service, finalCompression, "allowable compression");
    AddLimit(service, topTension, "allowable tension (top)");
    // The bottom's tension line where it is not the top's.
    if (topTension.check == nullptr ||
        (bottomTension.check != nullptr &&
         bottomTension.check->allowable != topTension.check->allowable)) {
        AddLimit(service, bottomTension, "allowable tension (bottom)");
    }
    service.note = stressNote;
    out.push_back(service);

    Diagram moment;
    moment.key = "moment";
    moment.title = "Factored moment and flexural capacity";
    moment.yLabel = "Moment (kip-ft)";
    moment.failureName = "Mult exceeds capacity";
    DiagramSeries mult{"Mult", kTopColor, Qt::SolidLine, {}};
    DiagramSeries phiMn{"phiMn", kCapacityColor, Qt::SolidLine, {}};
    DiagramSeries mcr{"1.2Mcr", kCrackingColor, Qt::DashLine, {}};
    for (const MomentCapacityRow& row : r.moment.rows) {
        const double x = Feet(row.x);
        mult.points << QPointF(x, row.Mult / kMomentFactor);
        phiMn.points << QPointF(x, row.phiMn / kMomentFactor);
        mcr.points << QPointF(x, row.Mcr12 / kMomentFactor);
        if (!row.holds) moment.failures << mult.points.back();
    }
    moment.series = {mult, phiMn, mcr};
    moment.note = TableNote(r.moment, r.x.size());
    out.push_back(moment);

    Diagram shear;
    shear.key = "shear";
    shear.title = "Factored shear and concrete shear strength";
    shear.yLabel = "Shear (kips)";
    shear.failureName = "web to be widened";
    DiagramSeries vu{"Vult", kTopColor, Qt::SolidLine, {}};
    DiagramSeries phiVc{"phiVn", kCapacityColor, Qt::SolidLine, {}};
    for (const ShearCapacityRow& row : r.shear.rows) {
        const double x = Feet(row.x);
        vu.points << QPointF(x, row.Vu / kForceFactor);
        phiVc.points << QPointF(x, row.phiVc / kForceFactor);
        if (row.widenWeb) shear.failures << vu.points.back();
    }
    shear.series = {vu, phiVc};
    shear.note = TableNote(r.shear, r.x.size());
    out.push_back(shear);

    Diagram force;
    force.key = "prestress-force";
    force.title = "Prestress force along the beam";
    force.yLabel = "Force (kips)";
    DiagramSeries atTransfer{"at transfer", kTopColor, Qt::SolidLine, {}};
    DiagramSeries finalSeries{"final", kBottomColor, Qt::SolidLine, {}};
    for (std::size_t i = 0; i < r.x.size(); ++i) {
        const double x = Feet(r.x[i]);
        const int location = static_cast<int>(i) + 1;
        atTransfer.points << QPointF(x, r.values.PforceT(location) / kForceFactor);
        finalSeries.points << QPointF(x, r.values.PSP(location) / kForceFactor);
    }
    force.series = {atTransfer, finalSeries};
    if (r.x.empty()) force.note = "no load locations";
    out.push_back(force);

    if (r.rating.computed) out.push_back(RatingDiagram(r.rating));

    for (Diagram& d : out) {
        for (const double x : r.x) d.loadLocations.push_back(Feet(x));
    }
    return out;
}

}  // namespace tarnex::ui
