#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <vector>

#include "graph/plot.h"
#include "ui/plot/plot_frame_layout.h"

namespace amp::ui {

// A curve's vertices, in plot twips, as a polyline in the area's pixels for a device of the given
// device pixel ratio.
QPolygonF PixelPolyline(const std::vector<PlotPoint>& vertices, qreal devicePixelRatio);

// The curves of a plot on the white of the plot area: modulus black, phase red, painted
// at the given device pixel ratio so that they stay crisp on high-DPI screens.
QImage PaintPlotImage(const Plot& plot, qreal devicePixelRatio);

// The same into an image of the plot area made by PaintPlotImage: it is cleared first, so the
// curves of an earlier plot go, and its memory is reused.
void RepaintPlotImage(const Plot& plot, QImage& image);

// Draws both curves, antialiased, onto a device of the given device pixel ratio. Each point is
// centred on the device pixel whose pointer read-out is the point's own position.
void DrawCurves(QPainter& painter, const Plot& plot, qreal devicePixelRatio);

// The fixed frame, drawn over the curves on every paint of the plot area.
void PaintFrame(QPainter& painter, const std::vector<FrameLine>& lines);

}  // namespace amp::ui
