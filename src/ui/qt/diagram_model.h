#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <optional>
#include <vector>

#include "checks/design_results.h"
#include "model/design_data.h"

namespace tarnex::ui {

/// One curve of a diagram, in display units.
struct DiagramSeries {
    QString name;
    QColor color;
    Qt::PenStyle style = Qt::SolidLine;
    QVector<QPointF> points;
};

/// A horizontal limit line (an allowable stress, in psi).
struct DiagramLimit {
    QString name;
    double value = 0;
    QColor color;
};

/// One diagram along the beam: x in feet from the left end, y in the unit of `yLabel`.
struct Diagram {
    QString key;  // file name stem of the exported picture
    QString title;
    QString yLabel;
    std::vector<DiagramSeries> series;
    std::vector<DiagramLimit> limits;
    QVector<QPointF> failures;          // points that fail their check, marked
    QString failureName;                // legend text of the marks
    std::vector<double> loadLocations;  // ft
    QString note;                       // why the diagram is empty or ends early
    std::optional<double> marked;       // ft: a location picked in the checks summary
    QString xLabel;                     // the horizontal axis; empty: distance along the beam
    QVector<QPointF> region;            // a region shaded under the curves (a polygon)
};

/// The diagrams of a run, in this order: fiber stresses at transfer, fiber stresses under the
/// full service load, factored moment against the capacities, factored shear against the
/// concrete strength, the prestress force along the beam, and the load rating factors when
/// the results hold a rating.
std::vector<Diagram> MakeDiagrams(const DesignResults& results);

/// The feasibility diagram at a location (the one nearest `x` in, or where the stress checks
/// fail worst): the four stress limits as lines in the plane of the steel's offset (in) and
/// 10^6 / initial force (1/lb), the region that meets them all shaded, the design's point
/// marked. A note says why there is none, or that no force and offset meet every limit.
Diagram MakeFeasibilityDiagram(const DesignData& data, const DesignResults& results,
                               std::optional<double> x);

}  // namespace tarnex::ui
