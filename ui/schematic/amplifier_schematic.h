#pragma once

#include <QRectF>
#include <QtGlobal>

class QPainter;

namespace amp::ui {

// The part of the painter's pixel coordinates that the drawing covers.
inline constexpr QRectF kAmplifierSchematicBounds(0, 30, 760, 230);

// The two-stage amplifier whose components the main window sizes, drawn from left to right:
// generator, input network, follower, coupling network, non-inverting stage, load. The component
// names' point size is multiplied by the font scale: a painter scaled from another device's
// resolution to the screen's passes the screen's over the device's.
void PaintAmplifierSchematic(QPainter& painter, qreal fontScale = 1.0);

}  // namespace amp::ui
