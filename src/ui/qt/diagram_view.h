#pragma once

#include <QPainter>
#include <QWidget>

#include "ui/qt/diagram_model.h"

namespace tarnex::ui {

/// Draws a diagram into `area`: title, axes with ticks, limit lines, curves, failing points,
/// the load locations as ticks under the axis, a legend and the note of an empty diagram.
void PaintDiagram(QPainter& painter, const QRectF& area, const Diagram& diagram);

/// The diagram as a PNG picture of the given size, in memory (written by the core's file
/// writer); empty when it cannot be encoded.
QByteArray DiagramPng(const Diagram& diagram, QSize size = {1200, 750});

/// The diagram as an SVG drawing of the given size, in memory; empty when it cannot be drawn.
QByteArray DiagramSvg(const Diagram& diagram, QSize size = {1200, 750});

/// A widget that shows one diagram.
class DiagramView : public QWidget {
  public:
    explicit DiagramView(Diagram diagram, QWidget* parent = nullptr);
    const Diagram& diagram() const { return diagram_; }
    /// Marks a location with a vertical line at `x` (ft); nothing clears the mark.
    void Mark(std::optional<double> x);
    /// Shows another diagram in place of this one.
    void Show(Diagram diagram);
    QSize sizeHint() const override { return {900, 560}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Diagram diagram_;
};

}  // namespace tarnex::ui
