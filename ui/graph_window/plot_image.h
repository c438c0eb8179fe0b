#pragma once

#include <QImage>

#include "graph/plot.h"

namespace amp::ui {

// The curves of a plot on the white of the plot area: modulus black, phase light red, painted
// at the given device pixel ratio so that they stay crisp on high-DPI screens.
QImage PaintPlotImage(const Plot& plot, qreal devicePixelRatio);

// The same into an image of the plot area made by PaintPlotImage: it is cleared first, so the
// curves of an earlier plot go, and its memory is reused.
void RepaintPlotImage(const Plot& plot, QImage& image);

}  // namespace amp::ui
