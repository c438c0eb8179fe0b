#include "ui/fonts.h"

namespace amp::ui {

void RegisterFontSubstitutions() {
    const QString liberationSans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(kMsSansSerif, liberationSans);
    QFont::insertSubstitution(kArial, liberationSans);
}

QFont DesignFont(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont ControlFont() {
    return DesignFont(kMsSansSerif, kControlPointSize, true);
}

QFont WindowDefaultFont() {
    return DesignFont(kMsSansSerif, kControlPointSize, false);
}

}  // namespace amp::ui
