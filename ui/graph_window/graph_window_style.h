#pragma once

#include <QColor>
#include <QPen>

#include "graph/frame_geometry.h"

namespace amp::ui {

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A one-pixel pen with the dash pattern of a frame line.
QPen FramePen(Rgb colour, DashStyle dash);

}  // namespace amp::ui
