#include "ui/qt/diagram_view.h"

#include <QBuffer>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <utility>

#include "model/number_text.h"

namespace tarnex::ui {

namespace {

/// An axis range with round tick steps (1, 2 or 5 times a power of ten).
struct Axis {
    double low = 0, high = 1, step = 1;
};

Axis NiceAxis(double low, double high, int ticks) {
    if (!(high > low)) {
        const double pad = std::max(1.0, std::fabs(low) * 0.1);
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        step = f * power;
        if (step >= raw) break;
    }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

QString TickText(double value, double step) {
    // Drops the round-off of the stepping (0.30000000000000004 shows as 0.3).
    const double v = std::round(value / step) * step;
    return QString::fromStdString(ShortestForm(std::fabs(v) < step * 1e-9 ? 0.0 : v));
}

/// The range of every value the diagram draws, 0 included.
void DataRange(const Diagram& d, double& xLow, double& xHigh, double& yLow, double& yHigh) {
    xLow = 0;
    xHigh = 0;
    yLow = 0;
    yHigh = 0;
    for (const double x : d.loadLocations) {
        xLow = std::min(xLow, x);
        xHigh = std::max(xHigh, x);
    }
    for (const DiagramSeries& s : d.series) {
        for (const QPointF& p : s.points) {
            xLow = std::min(xLow, p.x());
            xHigh = std::max(xHigh, p.x());
            yLow = std::min(yLow, p.y());
            yHigh = std::max(yHigh, p.y());
        }
    }
    for (const DiagramLimit& l : d.limits) {
        yLow = std::min(yLow, l.value);
        yHigh = std::max(yHigh, l.value);
    }
}

/// A curve of more points than pixel columns as the screen shows it: within each column its
/// first and last point and, in their order, its lowest and highest, so that every peak stays
/// drawn while a stroke of 10,000 points costs one of a few thousand.
QPolygonF PixelEnvelope(const QPolygonF& curve) {
    QPolygonF out;
    out.reserve(std::min<qsizetype>(curve.size(), 4096));
    qsizetype first = 0;
    while (first < curve.size()) {
        const double column = std::floor(curve[first].x());
        qsizetype last = first;
        qsizetype low = first;
        qsizetype high = first;
        while (last + 1 < curve.size() && std::floor(curve[last + 1].x()) == column) {
            ++last;
            if (curve[last].y() < curve[low].y()) low = last;
            if (curve[last].y() > curve[high].y()) high = last;
        }
        for (const qsizetype i : {first, std::min(low, high), std::max(low, high), last}) {
            if (out.isEmpty() || out.last() != curve[i]) out << curve[i];
        }
        first = last + 1;
    }
    return out;
}

}  // namespace

void PaintDiagram(QPainter& p, const QRectF& area, const Diagram& d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(area, Qt::white);
    QFont font = p.font();
    font.setPointSizeF(9);
    p.setFont(font);
    const QFontMetricsF fm(font);
    const double line = fm.height();

    QFont titleFont = font;
    titleFont.setPointSizeF(11);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top() + 4, area.width(), line * 1.6),
               Qt::AlignHCenter | Qt::AlignVCenter, d.title);
    p.setFont(font);

    const QRectF plot(area.left() + 70 + line, area.top() + line * 2.4, area.width() - 90 - line,
                      area.height() - line * 7.4);
    if (plot.width() < 20 || plot.height() < 20) {
        p.restore();
        return;
    }
    double xLow, xHigh, yLow, yHigh;
    DataRange(d, xLow, xHigh, yLow, yHigh);
    const Axis xa = NiceAxis(xLow, xHigh, 10);
    const Axis ya = NiceAxis(yLow, yHigh, 8);
    const auto X = [&](double x) {
        return plot.left() + (x - xa.low) / (xa.high - xa.low) * plot.width();
    };
    const auto Y = [&](double y) {
        return plot.bottom() - (y - ya.low) / (ya.high - ya.low) * plot.height();
    };

    // Grid and tick labels.
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double x = xa.low; x <= xa.high + xa.step / 2; x += xa.step)
        p.drawLine(QPointF(X(x), plot.top()), QPointF(X(x), plot.bottom()));
    for (double y = ya.low; y <= ya.high + ya.step / 2; y += ya.step)
        p.drawLine(QPointF(plot.left(), Y(y)), QPointF(plot.right(), Y(y)));
    p.setPen(Qt::black);
    for (double x = xa.low; x <= xa.high + xa.step / 2; x += xa.step) {
        p.drawText(QRectF(X(x) - 40, plot.bottom() + line * 0.9, 80, line), Qt::AlignHCenter,
                   TickText(x, xa.step));
    }
    for (double y = ya.low; y <= ya.high + ya.step / 2; y += ya.step) {
        p.drawText(QRectF(plot.left() - 66, Y(y) - line / 2, 60, line),
                   Qt::AlignRight | Qt::AlignVCenter, TickText(y, ya.step));
    }
    p.drawRect(plot);
    if (ya.low < 0 && ya.high > 0) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(plot.left(), Y(0)), QPointF(plot.right(), Y(0)));
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + line * 2.0, plot.width(), line),
               Qt::AlignHCenter,
               d.xLabel.isEmpty() ? QString("Distance from left end of beam (ft)") : d.xLabel);
    p.save();
    p.translate(area.left() + line * 0.3, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignHCenter, d.yLabel);
    p.restore();

    // Load locations: small triangles under the axis.
    const auto marker = [&](double x, double y) {
        const double s = line * 0.35;
        p.drawPolygon(
            QPolygonF({QPointF(x, y), QPointF(x - s, y + 1.6 * s), QPointF(x + s, y + 1.6 * s)}));
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    for (const double x : d.loadLocations) marker(X(x), plot.bottom() + 1);
    p.setBrush(Qt::NoBrush);

    p.setClipRect(plot.adjusted(-6, -6, 6, 6));
    if (!d.region.isEmpty()) {
        QPolygonF shaded;
        for (const QPointF& pt : d.region) shaded << QPointF(X(pt.x()), Y(pt.y()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(44, 160, 44, 60));
        p.drawPolygon(shaded);
        p.setBrush(Qt::NoBrush);
    }
    for (const DiagramLimit& l : d.limits) {
        p.setPen(QPen(l.color, 1.5, Qt::DashDotLine));
        p.drawLine(QPointF(plot.left(), Y(l.value)), QPointF(plot.right(), Y(l.value)));
    }
    for (const DiagramSeries& s : d.series) {
        if (s.points.isEmpty()) continue;
        QPolygonF polygon;
        polygon.reserve(s.points.size());
        for (const QPointF& pt : s.points) polygon << QPointF(X(pt.x()), Y(pt.y()));
        // A vector export keeps every point; a raster gains nothing below a pixel.
        const bool raster = p.device() != nullptr && p.device()->devType() != QInternal::Picture &&
                            p.paintEngine() != nullptr &&
                            p.paintEngine()->type() == QPaintEngine::Raster;
        if (raster && polygon.size() > 2 * plot.width()) polygon = PixelEnvelope(polygon);
        p.setPen(QPen(s.color, 2, s.style));
        if (polygon.size() == 1) {
            p.setBrush(s.color);
            p.drawEllipse(polygon.first(), 3, 3);
            p.setBrush(Qt::NoBrush);
        } else {
            p.drawPolyline(polygon);
        }
    }
    // The limits' names over the curves, readable where a curve crosses them.
    for (const DiagramLimit& l : d.limits) {
        p.setPen(l.color);
        // Allowables to the report's whole psi.
        const QString text =
            l.name + " " + QString::fromStdString(ShowRounded(l.value, 0)).trimmed();
        const double width = fm.horizontalAdvance(text) + 6;
        // Above the line, or below it where the line runs along the top of the plot.
        const double above = Y(l.value) - line - 1;
        const QRectF box(plot.right() - width - 4, above < plot.top() ? Y(l.value) + 2 : above,
                         width, line);
        p.fillRect(box, QColor(255, 255, 255, 210));
        p.drawText(box, Qt::AlignCenter, text);
    }
    if (d.marked) {
        p.setPen(QPen(QColor(120, 60, 160), 1.5, Qt::DashLine));
        p.drawLine(QPointF(X(*d.marked), plot.top()), QPointF(X(*d.marked), plot.bottom()));
    }
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& f : d.failures) p.drawEllipse(QPointF(X(f.x()), Y(f.y())), 5, 5);
    p.setClipping(false);

    // Legend, bottom line.
    double lx = plot.left();
    const double ly = plot.bottom() + line * 3.4;
    const auto legend = [&](const QString& name, const QPen& pen, bool circle) {
        p.setPen(pen);
        if (circle) {
            p.drawEllipse(QPointF(lx + 10, ly + line / 2), 5, 5);
        } else {
            p.drawLine(QPointF(lx, ly + line / 2), QPointF(lx + 22, ly + line / 2));
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(lx + 28, ly + fm.ascent()), name);
        lx += 40 + fm.horizontalAdvance(name);
    };
    for (const DiagramSeries& s : d.series) legend(s.name, QPen(s.color, 2, s.style), false);
    if (!d.limits.empty())
        legend("allowable", QPen(QColor(90, 90, 90), 1.5, Qt::DashDotLine), false);
    if (!d.failures.isEmpty()) legend(d.failureName, QPen(QColor(200, 0, 0), 2), true);
    if (!d.loadLocations.empty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 90));
        marker(lx + 10, ly + line * 0.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(Qt::black);
        p.drawText(QPointF(lx + 20, ly + fm.ascent()), "load locations");
    }

    if (!d.note.isEmpty()) {
        QFont noteFont = font;
        noteFont.setPointSizeF(11);
        p.setFont(noteFont);
        const QRectF box = QFontMetricsF(noteFont).boundingRect(
            plot.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap, d.note);
        p.fillRect(box.adjusted(-8, -4, 8, 4), QColor(255, 255, 255, 230));
        p.setPen(QColor(160, 0, 0));
        p.drawText(plot.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap, d.note);
    }
    p.restore();
}

QByteArray DiagramPng(const Diagram& diagram, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)), diagram);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray DiagramSvg(const Diagram& diagram, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(diagram.title);
        QPainter painter;
        if (!painter.begin(&generator)) return {};
        PaintDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)), diagram);
        painter.end();
    }
    return bytes;
}

DiagramView::DiagramView(Diagram diagram, QWidget* parent)
    : QWidget(parent), diagram_(std::move(diagram)) {
    setObjectName("diagram-" + diagram_.key);
}

void DiagramView::Mark(std::optional<double> x) {
    diagram_.marked = x;
    update();
}

void DiagramView::Show(Diagram diagram) {
    diagram_ = std::move(diagram);
    update();
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDiagram(painter, QRectF(rect()), diagram_);
}

}  // namespace tarnex::ui
