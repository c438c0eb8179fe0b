#pragma once

#include <QWidget>

namespace amp::ui {

// What the tolerance plot's shade, lines and marks stand for, beside the plot area.
class BandLegend : public QWidget {
  public:
    explicit BandLegend(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace amp::ui
