#include "ui/spice/spice_netlist_export.h"

#include <QDir>
#include <QFileInfo>
#include <string>
#include <variant>

#include "core/spice/spice_netlist.h"
#include "generated/version.h"
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
    SaveTextAs(parent, dialogs, std::get<std::string>(netlist),
               QStringLiteral("Esporta netlist SPICE"), suggested,
               QStringLiteral("Netlist SPICE (*.cir)"));
}

}  // namespace amp::ui
