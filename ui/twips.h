#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

#include "graph/plot_grid.h"

namespace amp::ui {

// Layouts are given in twips, kTwipsPerPixel to a logical pixel; Qt scales logical pixels for
// high-DPI screens.
constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr double TwipsToPixelsF(double twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

inline QPointF TwipsPoint(double x, double y) {
    return {TwipsToPixelsF(x), TwipsToPixelsF(y)};
}

}  // namespace amp::ui
