#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRect>
#include <QString>
#include <string_view>

#include "graph/frame_geometry.h"

namespace amp::ui {

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A rectangle given in twips, in logical pixels.
QRect TwipsRect(QRect twips);

// The window's own font, which the plot area's labels and the legend captions use.
QFont FormFont();
// The row captions and the option buttons of the side panel.
QFont PanelFont();
// "Chiudi".
QFont CloseButtonFont();

// A one-pixel pen with the dash pattern of a frame line.
QPen FramePen(Rgb colour, DashStyle dash);

}  // namespace amp::ui
