#pragma once

#include <QIcon>

namespace amp::ui {

// The program's window icon: an amplifier triangle carrying a sine wave, drawn at 32 x 32.
QIcon AmplifierIcon();

}  // namespace amp::ui
