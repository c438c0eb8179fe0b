#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "core/checks/outcome.h"
#include "core/design/design.h"

namespace amp::ui {

// The file of a design: one UTF-8 JSON object with the format's name and version, the 21 texts
// keyed by their fields' symbols, the range (1 ... 6, or null) and, when the design has them, the
// noise settings as the object "rumore" of texts: "operazionale" (a part of the list or
// "Personalizzato"), "en", "in", "sr", "margine", "alimentazione", "temperatura", "banda_da",
// "banda_a" and "livello_di_riferimento". Keys in a fixed order, indented, a newline at the end,
// so that designs diff well.
QByteArray DesignFileBytes(const Design& design);

// The design in the bytes read from the file at the path, or the message that names the file and
// what is wrong with them. Keys it does not know are ignored, so that later versions can add some.
Outcome<Design> ParseDesignFile(QByteArrayView bytes, const QString& path);

// The design in the file at the path, or the message that names the file and what is wrong.
Outcome<Design> ReadDesignFile(const QString& path);

// Writes the design safely (WriteFileSafely): a failure leaves an earlier file whole. A design
// whose file the program would refuse to open is not written. Returns the message to show when
// nothing was written.
std::optional<Failure> WriteDesignFile(const QString& path, const Design& design);

// Whether reading failed because the file is not there, so that a list of recent files can
// offer to forget it.
bool DesignFileIsGone(const QString& path);

}  // namespace amp::ui
