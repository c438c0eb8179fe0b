#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>
#include <vector>

#include "graph/plot.h"
#include "ui/plot/plot_frame_layout.h"

class QPainter;

namespace amp::ui {

// The grey border around a plot area.
inline const QColor kPlotBorderColour(128, 128, 128);

// A caption of the plot area: its text laid out with the flags in its rectangle, in the plot
// area's pixels, in its font and colour.
struct PlotCaption {
    QString text;
    QRect rect;
    int flags = 0;
    QFont font;
    QColor colour;
};

// A label of the frame showing the text as the window places it: in the label's rectangle with
// its alignment and colour, in the window's font made smaller if the text needs it.
PlotCaption FrameCaption(const FrameLabel& label, const QString& text);

// Every caption of the plot area as the window shows it after the plot: the fixed ones, Gmax
// and its 0.707 level written with the decimal separator and fitted as the window's value
// labels fit them, and the frequency under each decade tick.
std::vector<PlotCaption> PlottedCaptions(const Plot& plot, std::string_view decimalSeparator);

// The plot area, in its own pixels.
QRect PlotAreaRect();

// The fixed frame and the plot area's border, drawn over the curves.
void PaintFrameAndBorder(QPainter& painter, const std::vector<FrameLine>& lines);

// The plot area as the window shows it, less the focus cues: white, the curves of the plot when
// there is one, the frame and border, the captions. The curves are reduced to the columns of a
// device with the given number of device pixels per plot-area pixel.
void PaintPlotPicture(QPainter& painter, const Plot* plot, const std::vector<FrameLine>& lines,
                      const std::vector<PlotCaption>& captions, qreal devicePixelRatio);

}  // namespace amp::ui
