#include "ui/standard_values/parts_list_export.h"

#include <QDate>
#include <QDir>
#include <QIODevice>
#include <string>
#include <variant>

#include "core/checks/messages.h"
#include "core/parts/parts_list.h"
#include "ui/files/safe_write.h"
#include "ui/qt_text.h"

namespace amp::ui {

void ExportPartsList(QWidget* parent, const FieldTexts& texts, const SaveDialogs& dialogs,
                     std::string_view opAmpPart) {
    const Outcome<std::string> csv = PartsListCsv(texts, opAmpPart);
    if (const Failure* failure = FailureOf(csv)) {
        dialogs.showMessage(parent, ToQString(failure->message));
        return;
    }
    const QString suggested =
        QDir::home().filePath(QStringLiteral("distinta-componenti-%1.csv")
                                  .arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path =
        dialogs.chooseSaveFile(parent, QStringLiteral("Esporta distinta componenti"), suggested,
                               QStringLiteral("Dati CSV (*.csv)"));
    if (path.isEmpty()) return;
    const std::string& text = std::get<std::string>(csv);
    const bool written = WriteFileSafely(path, [&text](QIODevice& file) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    });
    if (!written) dialogs.showMessage(parent, FileNotSavedMessage(path));
}

}  // namespace amp::ui
