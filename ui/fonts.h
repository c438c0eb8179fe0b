#pragma once

#include <QFont>
#include <QString>

namespace amp::ui {

// The families the windows are designed with; neither ships on Linux desktops.
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kArial = QStringLiteral("Arial");

// The point size of every control unless a window says otherwise.
inline constexpr double kControlPointSize = 8.25;

// Maps the design families to Liberation Sans, whose metrics are closest to them. Call once after
// the application object exists and before any window is built.
void RegisterFontSubstitutions();

QFont DesignFont(const QString& family, double pointSize, bool bold);

// "MS Sans Serif" 8.25 bold, the font of every control of the windows.
QFont ControlFont();

// "MS Sans Serif" 8.25 regular, the font a window gives to controls without a font of their own.
QFont WindowDefaultFont();

}  // namespace amp::ui
