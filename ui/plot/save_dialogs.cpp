#include "ui/plot/save_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

#include "ui/files/safe_write.h"

namespace amp::ui {
namespace {

// The suffix of the first pattern of a file type such as "Immagine SVG (*.svg)".
QString SuffixOf(const QString& type) {
    static const QRegularExpression kPattern(QStringLiteral("\\*\\.(\\w+)"));
    return kPattern.match(type).captured(1);
}

}  // namespace

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& types) {
    QFileDialog dialog(parent, caption, suggestedPath, types);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(SuffixOf(types));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& type) { dialog.setDefaultSuffix(SuffixOf(type)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void SaveTextAs(QWidget* parent, const SaveDialogs& dialogs, std::string_view text,
                const QString& caption, const QString& suggestedPath, const QString& types) {
    const QString path = dialogs.chooseSaveFile(parent, caption, suggestedPath, types);
    if (path.isEmpty()) return;
    const bool written = WriteFileSafely(path, [text](QIODevice& file) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    });
    if (!written) dialogs.showMessage(parent, FileNotSavedMessage(path));
}

}  // namespace amp::ui
