#pragma once

#include <QImage>

#include "graph/plot.h"

namespace amp::ui {

// The curves of a plot on the white of the plot area: modulus black, phase light red, painted
// at the given device pixel ratio so that they stay crisp on high-DPI screens.
QImage PaintPlotImage(const Plot& plot, qreal devicePixelRatio);

}  // namespace amp::ui
