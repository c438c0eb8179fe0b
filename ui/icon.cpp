#include "ui/icon.h"

#include <QDirIterator>

// Resources compiled into a static library reach the program only when something refers to them.
static void RegisterIconResource() {
    Q_INIT_RESOURCE(app_icon);
}

namespace amp::ui {

QIcon AmplifierIcon() {
    [[maybe_unused]] static const bool registered = (RegisterIconResource(), true);
    QIcon icon;
    // One PNG per size; the icon reads each one's size from the image.
    QDirIterator sizes(QStringLiteral(":/icon"), QDir::Files);
    while (sizes.hasNext()) icon.addFile(sizes.next());
    return icon;
}

}  // namespace amp::ui
