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

QString FileNotSavedMessage(const QString& path) {
    return QStringLiteral(
               "Impossibile salvare il file \"%1\". Controlla che la cartella esista, che si possa "
               "scrivere in essa e che il disco non sia pieno.")
        .arg(path);
}

}  // namespace amp::ui
