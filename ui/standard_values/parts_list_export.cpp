#include "ui/standard_values/parts_list_export.h"

#include <QDate>
#include <QDir>
#include <string>
#include <variant>

#include "core/checks/messages.h"
#include "core/parts/parts_list.h"
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
    SaveTextAs(parent, dialogs, std::get<std::string>(csv),
               QStringLiteral("Esporta distinta componenti"), suggested,
               QStringLiteral("Dati CSV (*.csv)"));
}

}  // namespace amp::ui
