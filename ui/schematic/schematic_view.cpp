#include "ui/schematic/schematic_view.h"

#include <QPainter>

#include "ui/schematic/amplifier_schematic.h"

namespace amp::ui {

SchematicView::SchematicView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
}

void SchematicView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF area = contentsRect();
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    painter.translate(area.center() - kAmplifierSchematicBounds.center());
    PaintAmplifierSchematic(painter);
}

}  // namespace amp::ui
