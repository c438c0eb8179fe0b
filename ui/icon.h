#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

namespace amp::ui {

// The images of the program's icon, an amplifier triangle carrying a sine wave, at every size a
// window takes: the PNGs rendered from the installed SVG. Reading them needs no application
// object and may run on any thread.
std::vector<QImage> AmplifierIconImages();

// The icon made of those images; on the thread of the windows.
QIcon AmplifierIcon(const std::vector<QImage>& images);
QIcon AmplifierIcon();

}  // namespace amp::ui
