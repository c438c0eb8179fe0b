#include "ui/plot/plot_files.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "graph/plot_export.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

// An SVG has no pixels of its own: its curves are reduced to columns four times finer than the
// screen's, as fine as any printer needs them.
constexpr qreal kSvgDevicePixelRatio = 4.0;

std::chrono::year_month_day Today() {
    const QDate today = QDate::currentDate();
    return {std::chrono::year(today.year()),
            std::chrono::month(static_cast<unsigned>(today.month())),
            std::chrono::day(static_cast<unsigned>(today.day()))};
}

QString SuggestedPath(std::string_view stem, int decadeCount, std::string_view suffix) {
    return QDir::home().filePath(ToQString(ExportFileName(stem, decadeCount, Today(), suffix)));
}

}  // namespace

bool WritePicturePng(const QWidget& area, const PicturePainter& paint, qreal devicePixelRatio,
                     QIODevice& file) {
    QImage image(area.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    {
        QPainter painter(&image);
        paint(painter, devicePixelRatio);
    }
    return image.save(&file, "PNG");
}

bool WritePictureSvg(const QWidget& area, const PicturePainter& paint, QIODevice& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(area.size());
    svg.setViewBox(area.rect());
    // Captions keep the size they have in the window.
    svg.setResolution(area.logicalDpiY());
    svg.setTitle(area.window()->windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint(painter, kSvgDevicePixelRatio);
    return painter.end();
}

void SavePictureAs(QWidget* window, const SaveDialogs& dialogs, const QWidget& area,
                   const PicturePainter& paint, std::string_view stem, int decadeCount) {
    const QString path = dialogs.chooseSaveFile(
        window, QStringLiteral("Salva immagine"), SuggestedPath(stem, decadeCount, "png"),
        QStringLiteral("Immagine PNG (*.png);;Immagine SVG (*.svg)"));
    if (path.isEmpty()) return;
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const qreal pngRatio = kPngPixelsPerScreenPixel * area.devicePixelRatioF();
    const bool written = WriteFileSafely(path, [&](QIODevice& file) {
        return svg ? WritePictureSvg(area, paint, file)
                   : WritePicturePng(area, paint, pngRatio, file);
    });
    if (!written) dialogs.showMessage(window, FileNotSavedMessage(path));
}

void ExportCsvAs(QWidget* window, const SaveDialogs& dialogs, std::string_view csv,
                 std::string_view stem, int decadeCount) {
    SaveTextAs(window, dialogs, csv, QStringLiteral("Esporta dati"),
               SuggestedPath(stem, decadeCount, "csv"), QStringLiteral("Dati CSV (*.csv)"));
}

}  // namespace amp::ui
