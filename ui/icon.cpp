#include "ui/icon.h"

#include <QDirIterator>
#include <QPixmap>

// Resources compiled into a static library reach the program only when something refers to them.
static void RegisterIconResource() {
    Q_INIT_RESOURCE(app_icon);
}

namespace amp::ui {

std::vector<QImage> AmplifierIconImages() {
    [[maybe_unused]] static const bool registered = (RegisterIconResource(), true);
    std::vector<QImage> images;
    QDirIterator files(QStringLiteral(":/icon"), QDir::Files);
    while (files.hasNext()) images.emplace_back(files.next());
    return images;
}

QIcon AmplifierIcon(const std::vector<QImage>& images) {
    QIcon icon;
    for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QIcon AmplifierIcon() {
    return AmplifierIcon(AmplifierIconImages());
}

}  // namespace amp::ui
