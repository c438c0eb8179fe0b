#pragma once

#include <QString>
#include <functional>

#include "ui/files/safe_write.h"

class QIODevice;
class QPainter;
class QWidget;

namespace amp::ui {

class PlotArea;

// Asks where to save a file: the dialog's caption, the suggested path and the file types offered
// ("Immagine PNG (*.png);;Immagine SVG (*.svg)"). Returns the chosen path, or an empty text when
// the user cancels. The program asks through the file dialog; tests answer at once.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggestedPath, const QString& types)>;

// The toolkit's file dialog for saving. A name typed without a suffix gets the one of the
// file type selected.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& types);

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

// The plot area as the window shows it, as PNG at the given device pixel ratio.
bool WritePlotPng(const PlotArea& plotArea, qreal devicePixelRatio, QIODevice& file);

// The plot area as the window shows it, as SVG with the curves as lines.
bool WritePlotSvg(const PlotArea& plotArea, QIODevice& file);

}  // namespace amp::ui
