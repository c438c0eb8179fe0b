#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

namespace amp::ui {

// Layouts are given in twips; 15 twips make one logical pixel, and Qt scales logical pixels for
// high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr double TwipsToPixelsF(double twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

inline QRect TwipsRect(const QRect& twips) {
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

inline QPointF TwipsPoint(double x, double y) {
    return {TwipsToPixelsF(x), TwipsToPixelsF(y)};
}

}  // namespace amp::ui
