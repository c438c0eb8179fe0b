#include "ui/schematic/amplifier_schematic.h"

#include <QPainter>

#include "ui/fonts.h"
#include "ui/schematic/circuit_symbols.h"

namespace amp::ui {
namespace {

// Heights of the wires: the input line, the line between the stages, the ground rail.
constexpr double kInputLine = 56;
constexpr double kCouplingLine = 72;
constexpr double kGroundRail = 236;
constexpr double kNamePointSize = 9;

using TwoTerminal = void (*)(QPainter&, QPointF, QPointF);

// A component from a node down to the ground rail, joined to the rail with a dot.
void DrawToGround(QPainter& painter, TwoTerminal component, QPointF top) {
    const QPointF bottom(top.x(), kGroundRail);
    component(painter, top, bottom);
    DrawJunction(painter, bottom);
}

void PaintInputNetwork(QPainter& painter) {
    const QPointF source(40, kInputLine);
    DrawSource(painter, source, {source.x(), kGroundRail});
    DrawName(painter, {source.x() - 16, 146}, Qt::AlignRight, QStringLiteral("Vi"));
    DrawGround(painter, {source.x(), kGroundRail});

    DrawWire(painter, source, {62, kInputLine});
    DrawCapacitor(painter, {62, kInputLine}, {110, kInputLine});
    DrawName(painter, {86, kInputLine - 10}, Qt::AlignBottom, QStringLiteral("C1"));
    DrawWire(painter, {110, kInputLine}, {140, kInputLine});

    const QPointF r1Top(128, kInputLine);
    DrawJunction(painter, r1Top);
    DrawToGround(painter, DrawResistor, r1Top);
    DrawName(painter, {r1Top.x() + 6, 146}, Qt::AlignLeft, QStringLiteral("R1"));

    DrawResistor(painter, {140, kInputLine}, {196, kInputLine});
    DrawName(painter, {168, kInputLine - 6}, Qt::AlignBottom, QStringLiteral("R2"));
    DrawWire(painter, {196, kInputLine}, {296, kInputLine});

    const QPointF c2Top(212, kInputLine);
    DrawJunction(painter, c2Top);
    DrawToGround(painter, DrawCapacitor, c2Top);
    DrawName(painter, {c2Top.x() + 10, 146}, Qt::AlignLeft, QStringLiteral("C2"));

    const QPointF rTop(256, kInputLine);
    DrawJunction(painter, rTop);
    DrawToGround(painter, DrawResistor, rTop);
    DrawName(painter, {rTop.x() + 6, 146}, Qt::AlignLeft, QStringLiteral("R"));
}

// Returns the follower's output node, Vo1.
QPointF PaintFollower(QPainter& painter) {
    const OpAmpPins pins = DrawOpAmp(painter, {296, kInputLine});
    const QPointF vo1(364, pins.output.y());
    DrawWire(painter, pins.output, vo1);
    DrawJunction(painter, vo1);

    const double loop = 124;
    const double loopLeft = 284;
    DrawWire(painter, vo1, {vo1.x(), loop});
    DrawWire(painter, {vo1.x(), loop}, {loopLeft, loop});
    DrawWire(painter, {loopLeft, loop}, {loopLeft, pins.inverting.y()});
    DrawWire(painter, {loopLeft, pins.inverting.y()}, pins.inverting);
    DrawName(painter, {vo1.x() + 2, vo1.y() + 4}, Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("Vo1"));
    return vo1;
}

void PaintCouplingNetwork(QPainter& painter, QPointF vo1) {
    const double y = vo1.y();
    DrawWire(painter, vo1, {376, y});
    DrawCapacitor(painter, {376, y}, {420, y});
    DrawName(painter, {398, y - 10}, Qt::AlignBottom, QStringLiteral("C3"));
    DrawResistor(painter, {420, y}, {484, y});
    DrawName(painter, {452, y - 6}, Qt::AlignBottom, QStringLiteral("R3"));
    DrawWire(painter, {484, y}, {552, y});

    const QPointF rTop(496, y);
    DrawJunction(painter, rTop);
    DrawToGround(painter, DrawResistor, rTop);
    DrawName(painter, {rTop.x() + 6, 154}, Qt::AlignLeft, QStringLiteral("R"));
}

// Returns the second stage's output node.
QPointF PaintNonInvertingStage(QPainter& painter) {
    const OpAmpPins pins = DrawOpAmp(painter, {552, kCouplingLine});
    const double feedbackLeft = 538;
    const double feedbackRight = 628;
    const double r4Line = 134;
    const double c4Line = 164;

    DrawWire(painter, pins.inverting, {feedbackLeft, pins.inverting.y()});
    DrawWire(painter, {feedbackLeft, pins.inverting.y()}, {feedbackLeft, r4Line});
    DrawWire(painter, {feedbackLeft, r4Line}, {feedbackLeft, c4Line});
    DrawResistor(painter, {feedbackLeft, r4Line}, {feedbackRight, r4Line});
    DrawName(painter, {583, r4Line - 6}, Qt::AlignBottom, QStringLiteral("R4"));
    DrawCapacitor(painter, {feedbackLeft, c4Line}, {feedbackRight, c4Line});
    DrawName(painter, {583, c4Line + 8}, Qt::AlignTop, QStringLiteral("C4"));
    DrawJunction(painter, {feedbackLeft, r4Line});
    DrawJunction(painter, {feedbackRight, r4Line});

    const QPointF output(feedbackRight, pins.output.y());
    DrawWire(painter, pins.output, output);
    DrawWire(painter, output, {feedbackRight, c4Line});
    DrawJunction(painter, output);

    const QPointF c5Top(feedbackLeft, 204);
    DrawJunction(painter, {feedbackLeft, c4Line});
    DrawResistor(painter, {feedbackLeft, c4Line}, c5Top);
    DrawName(painter, {feedbackLeft + 6, 184}, Qt::AlignLeft, QStringLiteral("R5"));
    DrawToGround(painter, DrawCapacitor, c5Top);
    DrawName(painter, {feedbackLeft + 10, 220}, Qt::AlignLeft, QStringLiteral("C5"));
    return output;
}

void PaintLoad(QPainter& painter, QPointF stageOutput) {
    const double y = stageOutput.y();
    DrawCapacitor(painter, stageOutput, {680, y});
    DrawName(painter, {654, y - 10}, Qt::AlignBottom, QStringLiteral("C6"));

    const QPointF rlTop(696, y);
    const QPointF outputTerminal(736, y);
    DrawWire(painter, {680, y}, outputTerminal);
    DrawJunction(painter, rlTop);
    DrawToGround(painter, DrawResistor, rlTop);
    DrawName(painter, {rlTop.x() + 6, 162}, Qt::AlignLeft, QStringLiteral("RL"));

    const QPointF groundTerminal(outputTerminal.x(), kGroundRail);
    DrawTerminal(painter, outputTerminal);
    DrawTerminal(painter, groundTerminal);
    DrawVoltageArrow(painter, groundTerminal - QPointF(0, 12), outputTerminal + QPointF(0, 12));
    DrawName(painter, {outputTerminal.x() + 2, 162}, Qt::AlignLeft, QStringLiteral("Vo"));
}

}  // namespace

void PaintAmplifierSchematic(QPainter& painter, qreal fontScale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.4));
    painter.setFont(DesignFont(kArial, kNamePointSize * fontScale, true));

    // From the generator to the output terminal, which is drawn over its end.
    DrawWire(painter, {40, kGroundRail}, {736, kGroundRail});
    PaintInputNetwork(painter);
    PaintCouplingNetwork(painter, PaintFollower(painter));
    PaintLoad(painter, PaintNonInvertingStage(painter));
    painter.restore();
}

}  // namespace amp::ui
