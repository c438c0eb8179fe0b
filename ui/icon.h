#pragma once

#include <QIcon>

namespace amp::ui {

// The program's icon, an amplifier triangle carrying a sine wave, at every size the desktop's
// menu shows it: the PNGs rendered from the installed SVG.
QIcon AmplifierIcon();

}  // namespace amp::ui
