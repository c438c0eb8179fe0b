#pragma once

#include <QImage>
#include <QLabel>
#include <QPointF>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "graph/frame_geometry.h"
#include "graph/plot.h"

namespace amp::ui {

class ValueLabel;

// Picture1: the white plot area with its fixed frame above the curves of the last plot.
// Coordinates are twips from its top-left corner.
class PlotArea : public QWidget {
    Q_OBJECT

  public:
    PlotArea(int decadeCount, QWidget* parent);

    // Replaces the curves of any earlier plot and writes the plot's labels, whose captions carry
    // the given decimal separator.
    void ShowPlot(Plot plot, std::string_view decimalSeparator);

  signals:
    void PointerMoved(QPointF twips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Places the label with its caption, colour and font as the frame has it.
    void PlaceFrameLabel(QLabel& label, const FrameLabel& frameLabel);
    // Paints the curves of the current plot at the screen's device pixel ratio.
    void PaintCurves();

    std::vector<FrameLine> frameLines_;
    // The labels each plot writes: Label1, Label17 and the caption under each decade.
    ValueLabel* gmax_ = nullptr;
    ValueLabel* halfPowerLevel_ = nullptr;
    std::vector<QLabel*> decadeFrequencies_;
    std::optional<Plot> plot_;
    QImage curves_;
};

}  // namespace amp::ui
