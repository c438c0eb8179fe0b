#include "ui/icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace amp::ui {
namespace {

constexpr int kIconSize = 32;

QPainterPath SineWave(QRectF box, double cycles) {
    QPainterPath path;
    constexpr int kSteps = 24;
    for (int step = 0; step <= kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        const QPointF point(
            box.left() + t * box.width(),
            box.center().y() - 0.5 * box.height() * std::sin(2 * std::numbers::pi * cycles * t));
        if (step == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

}  // namespace

QIcon AmplifierIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor outline(0, 0, 96);
    painter.setPen(QPen(outline, 2));
    painter.drawLine(QPointF(0, 16), QPointF(6, 16));
    painter.drawLine(QPointF(27, 16), QPointF(32, 16));

    const QPolygonF triangle({QPointF(6, 3), QPointF(6, 29), QPointF(28, 16)});
    painter.setBrush(QColor(255, 208, 64));
    painter.drawPolygon(triangle);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(192, 0, 0), 1.6));
    painter.drawPath(SineWave(QRectF(8.5, 11, 12, 10), 1.0));
    painter.end();

    return QIcon(pixmap);
}

}  // namespace amp::ui
