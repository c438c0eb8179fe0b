#include "ui/files/safe_write.h"

#include <QSaveFile>

namespace amp::ui {

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    // The last buffered bytes are written by flush(): commit() would rename the temporary file
    // even when that write fails (a full disk), so its result is checked first. Uncommitted, the
    // temporary file goes with the QSaveFile.
    return file.open(QIODevice::WriteOnly) && write(file) && file.flush() && file.commit();
}

}  // namespace amp::ui
