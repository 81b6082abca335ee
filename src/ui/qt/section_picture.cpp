#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

#include "ui/qt/pictures.h"

namespace tarnex::ui {

namespace {

/// A dimension given by the user, or a typical value when it is 0 or negative.
double Or(float value, double typical) {
    return value > 0.0F ? static_cast<double>(value) : typical;
}

/// Draws a dimension line from a to b with its name beside the middle.
void DimensionLine(QPainter& p, QPointF a, QPointF b, const QString& name, QPointF labelOffset) {
    p.save();
    p.setPen(QPen(Qt::darkBlue, 1));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const QPointF normal = QPointF(-d.y(), d.x()) / std::max(1.0, std::hypot(d.x(), d.y())) * 4;
    p.drawLine(a - normal, a + normal);
    p.drawLine(b - normal, b + normal);
    p.drawText((a + b) / 2 + labelOffset, name);
    p.restore();
}

}  // namespace

SectionPicture::SectionPicture(int shape, const DesignData& data, QWidget* parent)
    : QWidget(parent), shape_(shape), data_(data) {
    setMinimumSize(260, 220);
}

void SectionPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const DesignData& d = data_;
    const bool girder = shape_ == 1 || shape_ == 2 || shape_ == 5;
    const bool general = shape_ == 0;
    // Typical proportions when a dimension is not given.
    const double depth = general ? 45.0 : Or(d.D, shape_ >= 3 && shape_ <= 4 ? 18 : 45);
    double btop = general ? 16.0 : Or(d.Btop, shape_ == 2 ? 48 : (shape_ >= 3 ? 48 : 16));
    const double htop = girder ? Or(d.Htop, 6) : 7;
    const double bweb = girder ? Or(d.Bweb, 6) : 6;
    double bbot = girder ? Or(d.Bbot, shape_ == 5 ? btop / 2 : (shape_ == 2 ? btop : 22)) : 22;
    const double hbot = girder ? Or(d.Hbot, 7) : 7;
    const double ftop = girder ? std::max(0.0, static_cast<double>(d.Ftop)) : 4;
    const double fbot = girder ? std::max(0.0, static_cast<double>(d.Fbot)) : 7;
    if (general) bbot = 22;

    const double width = std::max(btop, bbot);
    const QRectF area(60, 30, this->width() - 130, this->height() - 70);
    const double scale = std::min(area.width() / width, area.height() / depth);
    const double cx = area.left() + area.width() / 2;
    const double top = area.top() + (area.height() - depth * scale) / 2;
    auto pt = [&](double x, double y) { return QPointF(cx + x * scale, top + y * scale); };

    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(220, 220, 210));
    QPainterPath outline;
    outline.setFillRule(Qt::OddEvenFill);
    if (shape_ == 0 || shape_ == 1) {
        const double wt = btop / 2, wb = bbot / 2, ww = bweb / 2;
        QPolygonF poly;
        poly << pt(-wt, 0) << pt(wt, 0) << pt(wt, htop) << pt(ww, htop + ftop)
             << pt(ww, depth - hbot - fbot) << pt(wb, depth - hbot) << pt(wb, depth)
             << pt(-wb, depth) << pt(-wb, depth - hbot) << pt(-ww, depth - hbot - fbot)
             << pt(-ww, htop + ftop) << pt(-wt, htop) << pt(-wt, 0);
        outline.addPolygon(poly);
    } else if (shape_ == 2 || shape_ == 5) {
        const double wt = btop / 2, wb = bbot / 2;
        QPolygonF outer;
        outer << pt(-wt, 0) << pt(wt, 0) << pt(wb, depth) << pt(-wb, depth) << pt(-wt, 0);
        if (shape_ == 2) {
            outer.clear();
            outer << pt(-wt, 0) << pt(wt, 0) << pt(wt, depth) << pt(-wt, depth) << pt(-wt, 0);
        }
        outline.addPolygon(outer);
        // Inside void with corner fillets, the webs inset by their thickness.
        const double slope = (wt - wb) / depth;
        auto inner = [&](double y) { return wt - slope * y - bweb; };
        const double y1 = htop, y2 = depth - hbot;
        QPolygonF hole;
        hole << pt(-inner(y1) + ftop, y1) << pt(inner(y1) - ftop, y1)
             << pt(inner(y1 + ftop), y1 + ftop) << pt(inner(y2 - fbot), y2 - fbot)
             << pt(inner(y2) - fbot, y2) << pt(-inner(y2) + fbot, y2)
             << pt(-inner(y2 - fbot), y2 - fbot) << pt(-inner(y1 + ftop), y1 + ftop)
             << pt(-inner(y1) + ftop, y1);
        if (y2 > y1) outline.addPolygon(hole);
    } else {
        outline.addRect(QRectF(pt(-btop / 2, 0), pt(btop / 2, depth)));
        if (shape_ == 3) {
            const double dia = Or(d.Bweb, depth * 0.5);
            const double r = std::min(dia, depth * 0.9) / 2;
            outline.addEllipse(pt(-btop / 4, depth / 2), r * scale, r * scale);
            outline.addEllipse(pt(btop / 4, depth / 2), r * scale, r * scale);
        }
    }
    p.drawPath(outline);
    if (general) return;  // an unlabelled outline

    const double wt = btop / 2, wb = bbot / 2;
    const double right = std::max(wt, wb);
    DimensionLine(p, pt(-wt, 0) - QPointF(0, 12), pt(wt, 0) - QPointF(0, 12),
                  shape_ >= 3 ? "W" : "Btop", QPointF(-12, -4));
    DimensionLine(p, pt(-right, 0) - QPointF(18, 0), pt(-right, depth) - QPointF(18, 0), "D",
                  QPointF(-16, 4));
    if (shape_ == 3) {
        const double dia = Or(d.Bweb, depth * 0.5);
        const double r = std::min(dia, depth * 0.9) / 2;
        DimensionLine(p, pt(btop / 4 - r, depth / 2), pt(btop / 4 + r, depth / 2), "VDia",
                      QPointF(-14, -6));
        return;
    }
    if (shape_ == 4) return;
    DimensionLine(p, pt(-wb, depth) + QPointF(0, 12), pt(wb, depth) + QPointF(0, 12), "Bbot",
                  QPointF(-12, 14));
    const double webX = shape_ == 1 ? 0 : -wt + (wt - wb) * 0.5;
    const double webHalf = shape_ == 1 ? bweb / 2 : bweb;
    DimensionLine(p, pt(webX - webHalf / (shape_ == 1 ? 1 : 2), depth / 2),
                  pt(webX + webHalf / (shape_ == 1 ? 1 : 2), depth / 2), "Bweb", QPointF(6, -6));
    const double xr = right + 2;
    DimensionLine(p, pt(xr, 0) + QPointF(10, 0), pt(xr, htop) + QPointF(10, 0), "Htop",
                  QPointF(6, 4));
    DimensionLine(p, pt(xr, htop) + QPointF(10, 0),
                  pt(xr, htop + std::max(ftop, 1.0)) + QPointF(10, 0), "Ftop", QPointF(6, 14));
    DimensionLine(p, pt(xr, depth - hbot - std::max(fbot, 1.0)) + QPointF(10, 0),
                  pt(xr, depth - hbot) + QPointF(10, 0), "Fbot", QPointF(6, -4));
    DimensionLine(p, pt(xr, depth - hbot) + QPointF(10, 0), pt(xr, depth) + QPointF(10, 0), "Hbot",
                  QPointF(6, 8));
}

}  // namespace tarnex::ui
