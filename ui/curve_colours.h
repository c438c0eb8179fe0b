#pragma once

#include <QColor>

namespace amp::ui {

// A colour as the windows' tables give it.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The colours of the two curves, which the phase scale of the plot frame, the legend lines and
// the phase read-out repeat.
inline constexpr Rgb kPhaseRed{255, 0, 0};
inline constexpr Rgb kModulusBlack{0, 0, 0};

}  // namespace amp::ui
