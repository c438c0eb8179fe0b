#include "ui/spice/spice_netlist_export.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <string>
#include <variant>

#include "core/spice/spice_netlist.h"
#include "generated/version.h"
#include "ui/files/safe_write.h"
#include "ui/qt_text.h"

namespace amp::ui {

QString SpiceDesignName(const QString& designPath) {
    const QString baseName = QFileInfo(designPath).completeBaseName();
    return baseName.isEmpty() ? QStringLiteral("progetto") : baseName;
}

void ExportSpiceNetlistFile(QWidget* parent, const FieldTexts& texts,
                            const std::optional<NoiseTexts>& noise, const QString& designName,
                            const SaveDialogs& dialogs) {
    const Outcome<std::string> netlist =
        ExportSpiceNetlist(texts, noise, ToStdString(designName), AMP_VERSION);
    if (const Failure* failure = FailureOf(netlist)) {
        dialogs.showMessage(parent, ToQString(failure->message));
        return;
    }
    const QString suggested =
        QDir::home().filePath(designName + QLatin1Char('.') + ToQString(kSpiceNetlistSuffix));
    const QString path = dialogs.chooseSaveFile(parent, QStringLiteral("Esporta netlist SPICE"),
                                                suggested, QStringLiteral("Netlist SPICE (*.cir)"));
    if (path.isEmpty()) return;
    const std::string& text = std::get<std::string>(netlist);
    const bool written = WriteFileSafely(path, [&text](QIODevice& file) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    });
    if (!written) dialogs.showMessage(parent, FileNotSavedMessage(path));
}

}  // namespace amp::ui
