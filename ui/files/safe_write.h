#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace amp::ui {

// Writes the file through a temporary file beside it, which takes the file's name only when all
// of it was written: a failed write leaves no partial file and an earlier file of that name as
// it was. Returns whether the file was written.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write);

// The message shown when the file at the path could not be written.
QString FileNotSavedMessage(const QString& path);

}  // namespace amp::ui
