#include "ui/icon.h"

#include <QDirIterator>

namespace amp::ui {

QIcon AmplifierIcon() {
    QIcon icon;
    // One PNG per size; the icon reads each one's size from the image.
    QDirIterator sizes(QStringLiteral(":/icon"), QDir::Files);
    while (sizes.hasNext()) icon.addFile(sizes.next());
    return icon;
}

}  // namespace amp::ui
