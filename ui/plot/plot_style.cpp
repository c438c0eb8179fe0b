#include "ui/plot/plot_style.h"

namespace amp::ui {
QPen FramePen(Rgb colour, DashStyle dash) {
    QPen pen(ToQColor(colour), 1.0);
    pen.setCapStyle(Qt::FlatCap);
    // Qt's own dash patterns are too fine to tell the two styles apart on a one-pixel line.
    switch (dash) {
        case DashStyle::Solid:
            break;
        case DashStyle::DashDot:
            pen.setDashPattern({9, 6, 3, 6});
            break;
        case DashStyle::DashDotDot:
            pen.setDashPattern({9, 3, 3, 3, 3, 3});
            break;
    }
    return pen;
}

}  // namespace amp::ui
