#pragma once

#include <QWidget>

#include "model/design_data.h"

namespace tarnex::ui {

/// Dimensioned sketch of one beam shape (imgSect 0..5), proportioned from the current
/// dimensions where they are given and from a typical section where they are 0.
class SectionPicture : public QWidget {
  public:
    SectionPicture(int shape, const DesignData& data, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {300, 260}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int shape_;
    const DesignData& data_;
};

/// Elevation of the beam with the prestress path of one configuration (imgPath 0..5), its
/// key-point dimensions and the load locations.
class PathPicture : public QWidget {
  public:
    PathPicture(int config, const DesignData& data, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {420, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int config_;
    const DesignData& data_;
};

}  // namespace tarnex::ui
