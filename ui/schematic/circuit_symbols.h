#pragma once

#include <QPointF>
#include <QString>

class QPainter;

namespace amp::ui {

// Schematic symbols drawn with the painter's current pen between two points (horizontal or
// vertical): leads run from the points to a body centred between them.
void DrawWire(QPainter& painter, QPointF from, QPointF to);
void DrawResistor(QPainter& painter, QPointF from, QPointF to);
void DrawCapacitor(QPainter& painter, QPointF from, QPointF to);
// A sine generator whose positive pole is at from.
void DrawSource(QPainter& painter, QPointF from, QPointF to);

void DrawJunction(QPainter& painter, QPointF at);
void DrawTerminal(QPainter& painter, QPointF at);
void DrawGround(QPainter& painter, QPointF at);
// An arrow pointing from tail to head, showing the sense of a voltage.
void DrawVoltageArrow(QPainter& painter, QPointF tail, QPointF head);

struct OpAmpPins {
    QPointF nonInverting;
    QPointF inverting;
    QPointF output;
};

// An operational amplifier whose non-inverting input is the upper one, at the given point.
OpAmpPins DrawOpAmp(QPainter& painter, QPointF nonInvertingInput);

// A component name placed beside a point: the alignment says which side of the text touches it.
void DrawName(QPainter& painter, QPointF anchor, Qt::Alignment side, const QString& name);

}  // namespace amp::ui
