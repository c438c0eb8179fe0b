#include "ui/graph_window/plot_files.h"

#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
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

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    // Uncommitted, the temporary file goes with the QSaveFile.
    return file.open(QIODevice::WriteOnly) && write(file) && file.commit();
}

QString FileNotSavedMessage(const QString& path) {
    return QStringLiteral(
               "Impossibile salvare il file \"%1\". Controlla che la cartella esista, che si possa "
               "scrivere in essa e che il disco non sia pieno.")
        .arg(path);
}

bool WritePlotPng(const PlotArea& plotArea, qreal devicePixelRatio, QIODevice& file) {
    QImage image(plotArea.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    {
        QPainter painter(&image);
        plotArea.PaintPicture(painter, devicePixelRatio);
    }
    return image.save(&file, "PNG");
}

bool WritePlotSvg(const PlotArea& plotArea, QIODevice& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(plotArea.size());
    svg.setViewBox(plotArea.rect());
    // Captions keep the size they have in the window.
    svg.setResolution(plotArea.logicalDpiY());
    svg.setTitle(plotArea.window()->windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    plotArea.PaintPicture(painter, kSvgDevicePixelRatio);
    return painter.end();
}

}  // namespace amp::ui
