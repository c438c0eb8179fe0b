#pragma once

#include <QPointF>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/noise/noise_analysis.h"
#include "graph/noise_plot.h"

class QPainter;

namespace amp::ui {

// What a plot of the noise window draws.
enum class NoisePlotKind { Density, CleanOutput };

// Picture1 and Picture2 of FormRumore: a white plot area with its title, its scales and the
// curve of the last analysis, the output noise density with the band shaded, or the largest clean
// output with the level the supply and the margin allow. Pointer moves, by the mouse or by the
// arrow keys while it has the focus, are reported in twips; the context menu (the Menu key, or
// Shift+F10) offers the picture and the samples.
class NoisePlotArea : public QWidget {
    Q_OBJECT

  public:
    NoisePlotArea(NoisePlotKind kind, QWidget* parent);

    // Shows the curves of an analysis with its band f1 ... f2 or the largest output its rails
    // allow; the scales' captions carry the given decimal separator.
    void ShowAnalysis(std::shared_ptr<const NoiseAnalysis> analysis,
                      std::string_view decimalSeparator);
    void Clear();

    // The analysis shown, while there is one.
    const NoiseAnalysis* ShownAnalysis() const { return shown_ ? shown_->analysis.get() : nullptr; }

    // Paints the area as the window shows it, less the focus cues, onto a device of the given
    // device pixel ratio.
    void PaintPicture(QPainter& painter, qreal devicePixelRatio) const;

  signals:
    void pointerMoved(QPointF twips);
    // The choices of the context menu.
    void saveImageChosen();
    void exportDataChosen();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct Shown {
        std::shared_ptr<const NoiseAnalysis> analysis;
        DensityScale densityScale;
        CleanOutputScale cleanOutputScale;
        std::vector<AxisTick> valueTicks;
    };
    void PaintScales(QPainter& painter) const;
    void PaintBand(QPainter& painter, const Shown& shown) const;
    void PaintBandCaption(QPainter& painter, const Shown& shown) const;
    void PaintRailLimit(QPainter& painter, const Shown& shown) const;
    void PaintCurve(QPainter& painter, const Shown& shown, qreal devicePixelRatio) const;
    void PaintCaption(QPainter& painter, const QRectF& twips, const QString& caption, int flags,
                      const QColor& colour) const;
    void MovePointerTo(double x);
    void ShowContextMenu(QPoint at);

    NoisePlotKind kind_;
    std::optional<Shown> shown_;
    std::vector<AxisTick> frequencyTicks_;
    // Where the mouse or the keyboard put the pointer last, in twips along the frequency axis.
    double pointerX_ = kNoiseAxisLeft;
};

}  // namespace amp::ui
