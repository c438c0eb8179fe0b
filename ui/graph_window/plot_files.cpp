#include "ui/graph_window/plot_files.h"

#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "ui/graph_window/plot_area.h"

namespace amp::ui {
namespace {

// An SVG has no pixels of its own: its curves are reduced to columns four times finer than the
// screen's, as fine as any printer needs them.
constexpr qreal kSvgDevicePixelRatio = 4.0;

// The suffix of the first pattern of a file type such as "Immagine SVG (*.svg)".
QString SuffixOf(const QString& type) {
    static const QRegularExpression kPattern(QStringLiteral("\\*\\.(\\w+)"));
    return kPattern.match(type).captured(1);
}

}  // namespace

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& types) {
    QFileDialog dialog(parent, caption, suggestedPath, types);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(SuffixOf(types));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& type) { dialog.setDefaultSuffix(SuffixOf(type)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

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

bool WritePlotPng(const PlotArea& plotArea, qreal devicePixelRatio, QIODevice& file) {
    return WritePicturePng(
        plotArea,
        [&plotArea](QPainter& painter, qreal ratio) { plotArea.PaintPicture(painter, ratio); },
        devicePixelRatio, file);
}

bool WritePlotSvg(const PlotArea& plotArea, QIODevice& file) {
    return WritePictureSvg(
        plotArea,
        [&plotArea](QPainter& painter, qreal ratio) { plotArea.PaintPicture(painter, ratio); },
        file);
}

}  // namespace amp::ui
