#pragma once

#include <QImage>
#include <QLabel>
#include <QPointF>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "graph/keyboard_pointer.h"
#include "graph/plot.h"
#include "ui/plot/plot_frame_layout.h"

class QPainter;

namespace amp::ui {

class ValueLabel;

// Picture1: the white plot area with its fixed frame above the curves of the last plot.
// Coordinates are twips from its top-left corner. It takes the keyboard focus; then the arrow
// keys, Home, End, Page Up and Page Down move a keyboard pointer, marked by a small cross-hair,
// that a mouse movement puts where the mouse is. Every move of either pointer is reported.
class PlotArea : public QWidget {
    Q_OBJECT

  public:
    PlotArea(int decadeCount, QWidget* parent);

    // Replaces the curves of any earlier plot and writes the plot's labels, whose captions carry
    // the given decimal separator.
    void ShowPlot(Plot plot, std::string_view decimalSeparator);

    // The plot shown, once there is one.
    const std::optional<Plot>& ShownPlot() const { return plot_; }

    // Paints the plot area as the window shows it, with its labels but without the keyboard
    // pointer and the focus frame, onto a device of the given device pixel ratio.
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
    void showEvent(QShowEvent* event) override;

  private:
    // Places the label with its caption, colour and font as the frame has it.
    void PlaceFrameLabel(QLabel& label, const FrameLabel& frameLabel);
    // Paints the curves of the current plot at the screen's device pixel ratio.
    void PaintCurves();
    // Puts the keyboard pointer at a position in twips and reports the move.
    void MoveKeyboardPointerTo(QPointF twips);
    // The pixels the cross-hair of the keyboard pointer covers.
    QRect CrossHairRect() const;
    void ShowContextMenu(QPoint at);

    std::vector<FrameLine> frameLines_;
    // Every label of the frame, and among them the ones each plot writes: Gmax, its 0.707 level
    // and the frequency under each decade.
    std::vector<QLabel*> frameLabels_;
    ValueLabel* gmax_ = nullptr;
    ValueLabel* halfPowerLevel_ = nullptr;
    std::vector<QLabel*> decadeFrequencies_;
    std::optional<Plot> plot_;
    QImage curves_;
    QPointF keyboardPointer_{kKeyboardPointerStart.x, kKeyboardPointerStart.y};
};

}  // namespace amp::ui
