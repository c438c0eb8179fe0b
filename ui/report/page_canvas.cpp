#include "ui/report/page_canvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace amp::ui {
namespace {

constexpr qreal kMillimetresPerInch = 25.4;
// The usual logical resolution, should there be no screen.
constexpr qreal kFallbackDpi = 96;
// Taller than any text of a page, for measuring wrapped text.
constexpr qreal kUnboundedHeight = 1e7;

// The resolution at which QFontMetrics measures: the primary screen's logical one, rounded.
qreal ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : kFallbackDpi;
}

}  // namespace

PageCanvas::PageCanvas(QPainter& painter, qreal deviceDpi)
    : painter_(painter), screenDpi_(ScreenDpi()), devicePixelsPerUnit_(deviceDpi / screenDpi_) {
    painter_.scale(devicePixelsPerUnit_, devicePixelsPerUnit_);
}

qreal PageCanvas::Millimetres(qreal millimetres) const {
    return millimetres * screenDpi_ / kMillimetresPerInch;
}

QFont PageCanvas::DeviceFont(QFont font) const {
    font.setPointSizeF(font.pointSizeF() / devicePixelsPerUnit_);
    return font;
}

void PageCanvas::DrawText(const QRectF& rect, int flags, const QFont& font, const QString& text,
                          const QColor& colour) const {
    painter_.setFont(DeviceFont(font));
    painter_.setPen(colour);
    painter_.drawText(rect, flags | Qt::TextDontClip, text);
}

qreal PageCanvas::TextHeight(const QFont& font, qreal width, int flags, const QString& text) {
    return QFontMetricsF(font)
        .boundingRect(QRectF(0, 0, width, kUnboundedHeight), flags, text)
        .height();
}

}  // namespace amp::ui
