#include "ui/plot/save_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

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

}  // namespace amp::ui
