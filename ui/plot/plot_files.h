#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "ui/files/safe_write.h"
#include "ui/plot/save_dialogs.h"

class QIODevice;
class QPainter;
class QWidget;

namespace amp::ui {

// A saved PNG has this many device pixels for each of the screen it is saved from, so that it stays
// sharp when printed or zoomed.
inline constexpr qreal kPngPixelsPerScreenPixel = 2.0;

// Paints a picture onto a device of the given device pixel ratio.
using PicturePainter = std::function<void(QPainter& painter, qreal devicePixelRatio)>;

// A widget's picture, as its painter draws it, as PNG at the given device pixel ratio.
bool WritePicturePng(const QWidget& area, const PicturePainter& paint, qreal devicePixelRatio,
                     QIODevice& file);

// A widget's picture as SVG, its lines as lines, titled with its window's caption.
bool WritePictureSvg(const QWidget& area, const PicturePainter& paint, QIODevice& file);

// What the context menus of the plots save, asked for and written alike in every window: the
// suggested file is in the home folder, named after the stem, the plot's decade count and today.
// A failed save is said in a message box over the window.

// "Salva immagine...": the area's picture as PNG or SVG, as the chosen name's suffix says.
void SavePictureAs(QWidget* window, const SaveDialogs& dialogs, const QWidget& area,
                   const PicturePainter& paint, std::string_view stem, int decadeCount);

// "Esporta dati...": the CSV text.
void ExportCsvAs(QWidget* window, const SaveDialogs& dialogs, std::string_view csv,
                 std::string_view stem, int decadeCount);

}  // namespace amp::ui
