#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/tolerance/tolerance_analysis.h"
#include "ui/plot/plot_frame_layout.h"

class QPainter;

namespace amp::ui {

// Picture1 of FormTolleranze: the graph windows' white plot area and six-decade frame, and in it
// the last analysis: the 5-95 % band shaded, the smallest and largest moduli as thin lines, the
// nominal curve with the levels of its maximum, and the target fi and fs. Pointer moves are
// reported in twips; the context menu offers the exports.
class BandPlotArea : public QWidget {
    Q_OBJECT

  public:
    explicit BandPlotArea(QWidget* parent);

    // Shows a result with the x of the target frequencies (nothing for one off the axis); the
    // level captions carry the given decimal separator.
    void ShowResult(std::shared_ptr<const ToleranceResult> result, std::optional<double> fiX,
                    std::optional<double> fsX, std::string_view decimalSeparator);
    void Clear();

    // The result shown, while there is one.
    const ToleranceResult* ShownResult() const { return shown_ ? shown_->result.get() : nullptr; }

    // Paints the area as the window shows it onto a device of the given device pixel ratio.
    void PaintPicture(QPainter& painter, qreal devicePixelRatio) const;

  signals:
    void pointerMoved(QPointF twips);
    // The choices of the context menu.
    void saveImageChosen();
    void exportStatisticsChosen();
    void exportBandChosen();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Shown {
        std::shared_ptr<const ToleranceResult> result;
        std::optional<double> fiX;
        std::optional<double> fsX;
        double scale = 0.0;
        QString gmaxCaption;
        QString halfPowerCaption;
    };
    void PaintResult(QPainter& painter, const Shown& shown, qreal devicePixelRatio) const;
    void PaintCaption(QPainter& painter, const QRectF& twips, const QString& caption,
                      const QColor& colour, int flags) const;

    std::vector<FrameLine> frameLines_;
    std::vector<FrameLabel> frameLabels_;
    std::optional<Shown> shown_;
};

}  // namespace amp::ui
