#include "ui/graph_window/graph_window_style.h"

#include "ui/twips.h"

namespace amp::ui {
namespace {

QFont SansSerif(qreal pointSize, bool bold) {
    QFont font("MS Sans Serif");
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QRect TwipsRect(QRect twips) {
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QFont FormFont() {
    return SansSerif(8.25, false);
}

QFont PanelFont() {
    return SansSerif(8.25, true);
}

QFont CloseButtonFont() {
    return SansSerif(9.75, true);
}

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
