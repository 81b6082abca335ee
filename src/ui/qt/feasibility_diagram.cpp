// The feasibility (Magnel) diagram: which forces and offsets of the steel meet the four stress
// limits at one location.

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "checks/feasibility.h"
#include "model/number_text.h"
#include "ui/qt/diagram_model.h"

namespace tarnex::ui {

namespace {

constexpr double kPerMillion = 1e6;

/// The part of the line alpha e + beta q + gamma = 0 inside the box, or nothing.
QVector<QPointF> LineInBox(const FeasibilityLine& line, double e0, double e1, double q0,
                           double q1) {
    std::vector<QPointF> ends;
    const auto keep = [&](double e, double q) {
        if (e >= e0 - 1e-9 && e <= e1 + 1e-9 && q >= q0 - 1e-15 && q <= q1 + 1e-15) {
            ends.emplace_back(e, q * kPerMillion);
        }
    };
    if (line.beta != 0) {
        for (double e : {e0, e1}) keep(e, -(line.alpha * e + line.gamma) / line.beta);
    }
    if (line.alpha != 0) {
        for (double q : {q0, q1}) keep(-(line.beta * q + line.gamma) / line.alpha, q);
    }
    if (ends.size() < 2) return {};
    const auto [low, high] =
        std::minmax_element(ends.begin(), ends.end(), [](const QPointF& a, const QPointF& b) {
            return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
        });
    return {*low, *high};
}

QString LineName(const FeasibilityLine& line) {
    return QString("%1 %2").arg(ForceLimitName(line.limit),
                                QString::fromStdString(ShowRounded(line.allowable, 0)).trimmed());
}

/// The location nearest x (in), from 1.
int NearestLocation(const DesignResults& r, double x) {
    int nearest = 1;
    for (std::size_t i = 1; i < r.x.size(); ++i) {
        if (std::fabs(r.x[i] - x) < std::fabs(r.x[nearest - 1] - x)) {
            nearest = static_cast<int>(i) + 1;
        }
    }
    return nearest;
}

}  // namespace

Diagram MakeFeasibilityDiagram(const DesignData& data, const DesignResults& r,
                               std::optional<double> x) {
    Diagram d;
    d.key = "feasibility";
    d.title = "Feasibility of the prestress force and offset";
    d.yLabel = "10^6 / initial force (1/lb)";
    d.xLabel = "Offset of the steel from the centroid, e (in, above positive)";
    d.failureName = "design";
    if (!r.Reached(CalcStage::LoadStresses) || r.x.empty()) {
        d.note = "no stresses to draw";
        return d;
    }
    const int location = x ? NearestLocation(r, *x) : WorstLocation(data, r);
    try {
        const Feasibility f = AnalyzeFeasibility(data, r, location);
        d.title = QString("Feasibility of the prestress at x = %1 in (location %2)")
                      .arg(QString::fromStdString(ShortestForm(f.x)))
                      .arg(location);
        const QColor colors[] = {QColor(31, 119, 180), QColor(214, 39, 40), QColor(255, 127, 14),
                                 QColor(148, 103, 189)};
        for (std::size_t k = 0; k < f.lines.size(); ++k) {
            const bool initial = k < 2;
            d.series.push_back({LineName(f.lines[k]), colors[k],
                                initial ? Qt::SolidLine : Qt::DashLine,
                                LineInBox(f.lines[k], f.eMin, f.eMax, 0, f.qTop)});
        }
        for (const auto& [e, q] : f.region) d.region << QPointF(e, q * kPerMillion);
        d.failures << QPointF(f.ecc, f.q * kPerMillion);
        // The frame of the beam's depth and of the plotted forces.
        d.series.push_back({"beam",
                            QColor(160, 160, 160),
                            Qt::DotLine,
                            {QPointF(f.eMin, 0), QPointF(f.eMin, f.qTop * kPerMillion),
                             QPointF(f.eMax, f.qTop * kPerMillion), QPointF(f.eMax, 0)}});
        if (f.region.empty()) {
            d.note = "No force and offset of the steel meet all four limits here";
        }
    } catch (const std::exception& error) {
        d.note = QString::fromStdString(error.what());
    }
    return d;
}

}  // namespace tarnex::ui
