#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/qt/pictures.h"

namespace tarnex::ui {

namespace {

double Positive(float value, double fallback) {
    return value > 0.0F ? static_cast<double>(value) : fallback;
}

}  // namespace

PathPicture::PathPicture(int config, const DesignData& data, QWidget* parent)
    : QWidget(parent), config_(config), data_(data) {
    setMinimumSize(380, 180);
}

void PathPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const DesignData& d = data_;
    const double length = Positive(d.Blength, 1200);
    const double depth = Positive(d.D, Positive(d.Ytop + d.Ybot, 45));
    // An elevation: the beam drawn long and shallow, its depth exaggerated for the path.
    const double beamHeight = std::min(height() - 90.0, (width() - 80.0) * 0.3);
    const QRectF beam(40, 40, width() - 80, beamHeight);
    auto pt = [&](double x, double y) {
        return QPointF(beam.left() + x / length * beam.width(),
                       beam.bottom() - y / depth * beam.height());
    };
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(235, 235, 225));
    p.drawRect(beam);
    p.setBrush(Qt::NoBrush);

    // Key points: typical ones where the design gives none.
    const double yl = Positive(d.Yl, depth * 0.5), ym = Positive(d.Ym, depth * 0.15);
    const double yr = Positive(d.Yr, depth * 0.5);
    const double xl = Positive(d.Xl, length * 0.3), xm = Positive(d.Xm, length * 0.5);
    const double xr = Positive(d.Xr, length * 0.7);
    QPainterPath path;
    switch (config_) {
        case 0:
            path.moveTo(pt(0, ym));
            path.lineTo(pt(length, ym));
            break;
        case 1:
            path.moveTo(pt(0, yl));
            path.lineTo(pt(xl, ym));
            path.lineTo(pt(xr, ym));
            path.lineTo(pt(length, yr));
            break;
        default: {
            // A parabola through the end points and the low point at the middle key point.
            path.moveTo(pt(0, yl));
            for (int i = 1; i <= 80; ++i) {
                const double x = length * i / 80.0;
                const double y = x <= xm ? ym + (yl - ym) * std::pow((xm - x) / xm, 2)
                                         : ym + (yr - ym) * std::pow((x - xm) / (length - xm), 2);
                path.lineTo(pt(x, y));
            }
            break;
        }
    }
    p.setPen(QPen(Qt::red, 2));
    p.drawPath(path);

    p.setPen(QPen(Qt::darkBlue, 1));
    auto vertical = [&](double x, double y, const char* name) {
        p.drawLine(pt(x, 0), pt(x, y));
        p.drawText(pt(x, y / 2) + QPointF(4, 0), name);
    };
    auto horizontal = [&](double x, const char* name, int row) {
        const double yy = beam.bottom() + 14 + 14 * row;
        p.drawLine(QPointF(beam.left(), yy), QPointF(pt(x, 0).x(), yy));
        p.drawText(QPointF((beam.left() + pt(x, 0).x()) / 2, yy - 2), name);
    };
    const bool harped = config_ == 1;
    if (config_ == 0) {
        vertical(length / 2, ym, "YM");
    } else {
        vertical(0, yl, "YL");
        vertical(harped ? (xl + xr) / 2 : xm, ym, "YM");
        vertical(length, yr, "YR");
    }
    if (harped || config_ == 4 || config_ == 5) horizontal(xl, "XL", 0);
    if (config_ >= 2) horizontal(xm, "XM", 1);
    if (harped || config_ == 3 || config_ == 5) horizontal(xr, "XR", 2);

    // Load locations as small triangles above the beam.
    p.setPen(QPen(Qt::darkGreen, 1));
    p.setBrush(Qt::darkGreen);
    for (const LoadLocation& loc : d.locations) {
        const double x = std::clamp(static_cast<double>(loc.x), 0.0, length);
        const QPointF tip = pt(x, depth);
        const QPointF poly[3] = {tip, tip + QPointF(-4, -8), tip + QPointF(4, -8)};
        p.drawPolygon(poly, 3);
    }
}

}  // namespace tarnex::ui
