#pragma once

#include <QRectF>

class QPainter;

namespace amp::ui {

// The part of the painter's pixel coordinates that the drawing covers.
inline constexpr QRectF kAmplifierSchematicBounds(0, 30, 760, 230);

// The two-stage amplifier whose components the main window sizes, drawn from left to right:
// generator, input network, follower, coupling network, non-inverting stage, load.
void PaintAmplifierSchematic(QPainter& painter);

}  // namespace amp::ui
