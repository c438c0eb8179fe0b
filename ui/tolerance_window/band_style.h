#pragma once

#include <QColor>

#include "ui/curve_colours.h"
#include "ui/plot/plot_frame_layout.h"

namespace amp::ui {

// The colours of the tolerance plot, shared by the plot area and its legend: the curves as the
// graph windows draw the modulus, the band a shade lighter than the windows' grey, the target
// frequencies in the orange of the phase grid.
inline const QColor kBandColour(200, 200, 200);
inline const QColor kEnvelopeColour(128, 128, 128);
inline const QColor kNominalColour = ToQColor(kModulusBlack);
inline constexpr Rgb kTargetColour = kPhaseGridOrange;

}  // namespace amp::ui
