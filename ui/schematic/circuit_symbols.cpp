#include "ui/schematic/circuit_symbols.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace amp::ui {
namespace {

constexpr double kResistorLength = 30;
constexpr double kResistorThickness = 11;
constexpr double kPlateGap = 6;
constexpr double kPlateLength = 20;
constexpr double kSourceRadius = 15;
constexpr double kOpAmpWidth = 56;
constexpr double kOpAmpHeight = 64;
constexpr double kInputSpacing = 32;
constexpr double kNameGap = 4;

const QColor kBodyFill(224, 224, 224);

// Runs the drawing in a frame whose x axis goes from `from` to `to`, with the origin at the
// middle of the segment, after drawing the two leads up to half the body length.
template <class DrawBody>
void DrawTwoTerminal(QPainter& painter, QPointF from, QPointF to, double bodyLength,
                     DrawBody drawBody) {
    const QLineF line(from, to);
    const double half = line.length() / 2;
    painter.save();
    painter.translate(line.center());
    painter.rotate(-line.angle());
    painter.drawLine(QPointF(-half, 0), QPointF(-bodyLength / 2, 0));
    painter.drawLine(QPointF(bodyLength / 2, 0), QPointF(half, 0));
    drawBody();
    painter.restore();
}

}  // namespace

void DrawWire(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
}

void DrawResistor(QPainter& painter, QPointF from, QPointF to) {
    DrawTwoTerminal(painter, from, to, kResistorLength, [&] {
        painter.save();
        painter.setBrush(kBodyFill);
        painter.drawRect(QRectF(-kResistorLength / 2, -kResistorThickness / 2, kResistorLength,
                                kResistorThickness));
        painter.restore();
    });
}

void DrawCapacitor(QPainter& painter, QPointF from, QPointF to) {
    DrawTwoTerminal(painter, from, to, kPlateGap, [&] {
        painter.save();
        QPen plate = painter.pen();
        plate.setWidthF(plate.widthF() * 2);
        plate.setCapStyle(Qt::FlatCap);
        painter.setPen(plate);
        for (const double x : {-kPlateGap / 2, kPlateGap / 2}) {
            painter.drawLine(QPointF(x, -kPlateLength / 2), QPointF(x, kPlateLength / 2));
        }
        painter.restore();
    });
}

void DrawSource(QPainter& painter, QPointF from, QPointF to) {
    DrawTwoTerminal(painter, from, to, 2 * kSourceRadius, [&] {
        painter.save();
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(0, 0), kSourceRadius, kSourceRadius);
        // The wave is drawn across the lead direction so that it reads upright on a vertical
        // generator.
        painter.rotate(90);
        QPainterPath wave;
        constexpr int kSteps = 20;
        const double span = kSourceRadius * 1.2;
        for (int step = 0; step <= kSteps; ++step) {
            const double t = static_cast<double>(step) / kSteps;
            const QPointF point(-span / 2 + t * span, -4 * std::sin(2 * std::numbers::pi * t));
            if (step == 0) {
                wave.moveTo(point);
            } else {
                wave.lineTo(point);
            }
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);
        painter.restore();
    });
}

void DrawJunction(QPainter& painter, QPointF at) {
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawEllipse(at, 2.5, 2.5);
    painter.restore();
}

void DrawTerminal(QPainter& painter, QPointF at) {
    painter.save();
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 3.5, 3.5);
    painter.restore();
}

void DrawGround(QPainter& painter, QPointF at) {
    const QPointF bar = at + QPointF(0, 8);
    painter.drawLine(at, bar);
    for (int step = 0; step < 3; ++step) {
        const double halfWidth = 11 - 4 * step;
        const QPointF middle = bar + QPointF(0, 4.5 * step);
        painter.drawLine(middle - QPointF(halfWidth, 0), middle + QPointF(halfWidth, 0));
    }
}

void DrawVoltageArrow(QPainter& painter, QPointF tail, QPointF head) {
    const QLineF shaft(tail, head);
    painter.drawLine(shaft);
    QLineF wing = QLineF(head, tail).unitVector();
    wing.setLength(7);
    QLineF left = wing;
    left.setAngle(wing.angle() + 25);
    QLineF right = wing;
    right.setAngle(wing.angle() - 25);
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF({head, left.p2(), right.p2()}));
    painter.restore();
}

OpAmpPins DrawOpAmp(QPainter& painter, QPointF nonInvertingInput) {
    const double left = nonInvertingInput.x();
    const double middle = nonInvertingInput.y() + kInputSpacing / 2;
    const QPointF tip(left + kOpAmpWidth, middle);
    const QPolygonF triangle(
        {QPointF(left, middle - kOpAmpHeight / 2), QPointF(left, middle + kOpAmpHeight / 2), tip});
    painter.save();
    painter.setBrush(kBodyFill);
    painter.drawPolygon(triangle);
    painter.restore();

    const OpAmpPins pins{nonInvertingInput, nonInvertingInput + QPointF(0, kInputSpacing), tip};
    const double signX = left + 8;
    const double arm = 3.5;
    painter.drawLine(QPointF(signX - arm, pins.nonInverting.y()),
                     QPointF(signX + arm, pins.nonInverting.y()));
    painter.drawLine(QPointF(signX, pins.nonInverting.y() - arm),
                     QPointF(signX, pins.nonInverting.y() + arm));
    painter.drawLine(QPointF(signX - arm, pins.inverting.y()),
                     QPointF(signX + arm, pins.inverting.y()));
    return pins;
}

void DrawName(QPainter& painter, QPointF anchor, Qt::Alignment side, const QString& name) {
    const QRectF text = painter.fontMetrics().boundingRect(name);
    QPointF topLeft(anchor.x() - text.width() / 2, anchor.y() - text.height() / 2);
    if (side & Qt::AlignLeft) topLeft.setX(anchor.x() + kNameGap);
    if (side & Qt::AlignRight) topLeft.setX(anchor.x() - kNameGap - text.width());
    if (side & Qt::AlignTop) topLeft.setY(anchor.y() + kNameGap);
    if (side & Qt::AlignBottom) topLeft.setY(anchor.y() - kNameGap - text.height());
    painter.drawText(QRectF(topLeft, text.size()), Qt::AlignCenter, name);
}

}  // namespace amp::ui
