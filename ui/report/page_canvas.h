#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace amp::ui {

// A painter on a page, in layout units: pixels at the screen's resolution, where the windows
// measure their fonts, scaled to the device's resolution. A font measured on the screen then
// takes the same room on the page, at any device resolution.
class PageCanvas {
  public:
    // Scales the painter, whose origin is the top-left corner of the page's text block.
    PageCanvas(QPainter& painter, qreal deviceDpi);

    QPainter& Painter() const { return painter_; }

    // Device pixels per layout unit, for what is reduced to the device's resolution.
    qreal DevicePixelsPerUnit() const { return devicePixelsPerUnit_; }

    qreal Millimetres(qreal millimetres) const;

    // The font to draw with for a font of the screen: the painter scales it again.
    QFont DeviceFont(QFont font) const;

    // Text in a font of the screen, laid out with the flags in the rectangle; never clipped.
    void DrawText(const QRectF& rect, int flags, const QFont& font, const QString& text,
                  const QColor& colour = Qt::black) const;

    // The height the text in the font takes at the width, laid out with the flags.
    static qreal TextHeight(const QFont& font, qreal width, int flags, const QString& text);

  private:
    QPainter& painter_;
    qreal screenDpi_;
    qreal devicePixelsPerUnit_;
};

}  // namespace amp::ui
