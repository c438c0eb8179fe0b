#include "ui/main_window/design_document.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUndoStack>
#include <QWidget>

#include "core/checks/messages.h"
#include "ui/files/design_file.h"
#include "ui/main_window/recent_files.h"
#include "ui/main_window/state_step.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

const QString kSuffix = ToQString(kDesignFileSuffix);
const QString kFileTypes =
    QStringLiteral("Progetto di Amplificatore audio (*.%1);;Tutti i file (*)").arg(kSuffix);

QString AbsolutePath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QString DefaultDesignPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("progetto.") + kSuffix);
}

}  // namespace

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                        const QString& types) {
    return QFileDialog::getOpenFileName(parent, caption, startPath, types);
}

DesignDocument::DesignDocument(DesignWindow window, FormState startState, QUndoStack& undoStack,
                               RecentFiles& recentFiles, DesignFileDialogs dialogs)
    : QObject(window.widget),
      window_(std::move(window)),
      startState_(std::move(startState)),
      undoStack_(undoStack),
      recentFiles_(recentFiles),
      dialogs_(std::move(dialogs)),
      identity_{QString(), startState_.design} {
    Refresh();
}

bool DesignDocument::IsModified() const {
    return window_.state().design != identity_.saved;
}

void DesignDocument::New() {
    if (!MayDiscard()) return;
    Replace(QStringLiteral("Nuovo"), startState_, {QString(), startState_.design});
}

void DesignDocument::Open() {
    const QString startPath = identity_.path.isEmpty() ? QFileInfo(DefaultDesignPath()).path()
                                                       : QFileInfo(identity_.path).path();
    const QString path = dialogs_.chooseOpenFile(window_.widget, QStringLiteral("Apri progetto"),
                                                 startPath, kFileTypes);
    if (!path.isEmpty()) OpenPath(path);
}

bool DesignDocument::OpenPath(const QString& path) {
    const Outcome<Design> read = ReadDesignFile(path);
    if (const Failure* failure = FailureOf(read)) {
        RefuseToOpen(path, ToQString(failure->message));
        return false;
    }
    if (!MayDiscard()) return false;
    const Design& design = std::get<Design>(read);
    const QString absolutePath = AbsolutePath(path);
    Replace(QStringLiteral("Apri ") + QFileInfo(path).fileName(), FormState{design, {}, {}},
            {absolutePath, design});
    recentFiles_.Add(absolutePath);
    return true;
}

void DesignDocument::RefuseToOpen(const QString& path, const QString& message) {
    const QString absolutePath = AbsolutePath(path);
    if (!recentFiles_.Paths().contains(absolutePath) || !DesignFileIsGone(absolutePath)) {
        dialogs_.showMessage(window_.widget, message);
        return;
    }
    enum class GoneFile { Remove, Keep };
    const GoneFile answer =
        Ask(dialogs_.ask, window_.widget,
            message + QStringLiteral("\n\nTogliere il file dall'elenco dei recenti?"),
            {{QStringLiteral("Togli dall'elenco"), GoneFile::Remove},
             {QStringLiteral("Lascia nell'elenco"), GoneFile::Keep}},
            GoneFile::Keep);
    if (answer == GoneFile::Remove) recentFiles_.Remove(absolutePath);
}

bool DesignDocument::Save() {
    if (identity_.path.isEmpty()) return SaveAs();
    return WriteTo(identity_.path);
}

bool DesignDocument::SaveAs() {
    const QString suggested = identity_.path.isEmpty() ? DefaultDesignPath() : identity_.path;
    QString path = dialogs_.chooseSaveFile(window_.widget, QStringLiteral("Salva progetto"),
                                           suggested, kFileTypes);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix() != kSuffix) path += QLatin1Char('.') + kSuffix;
    return WriteTo(path);
}

bool DesignDocument::WriteTo(QString path) {
    path = AbsolutePath(path);
    const Design design = window_.state().design;
    if (auto failure = WriteDesignFile(path, design)) {
        dialogs_.showMessage(window_.widget, ToQString(failure->message));
        return false;
    }
    identity_ = {path, design};
    recentFiles_.Add(path);
    Refresh();
    return true;
}

bool DesignDocument::MayDiscard() {
    if (!IsModified()) return true;
    enum class Changes { Save, Discard, Keep };
    const Changes answer =
        Ask(dialogs_.ask, window_.widget, QStringLiteral("Salvare le modifiche al progetto?"),
            {{QStringLiteral("Salva"), Changes::Save},
             {QStringLiteral("Non salvare"), Changes::Discard},
             {QStringLiteral("Annulla"), Changes::Keep}},
            Changes::Keep);
    switch (answer) {
        case Changes::Save:
            return Save();
        case Changes::Discard:
            return true;
        case Changes::Keep:
            return false;
    }
    return false;
}

void DesignDocument::Replace(const QString& actionName, FormState form, Identity identity) {
    State before{window_.state(), identity_};
    State after{std::move(form), std::move(identity)};
    if (before == after) return;
    undoStack_.push(new StateStep<State>(actionName, std::move(before), std::move(after),
                                         [this](const State& state) {
                                             identity_ = state.identity;
                                             window_.apply(state.form);
                                             Refresh();
                                         }));
}

void DesignDocument::Refresh() {
    const QString title = ToQString(kApplicationTitle);
    if (identity_.path.isEmpty()) {
        window_.widget->setWindowModified(false);
        window_.widget->setWindowTitle(title);
        return;
    }
    // A "[*]" of the file's own name is doubled, so that it shows as written.
    QString name = QFileInfo(identity_.path).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window_.widget->setWindowTitle(name + QStringLiteral("[*] - ") + title);
    window_.widget->setWindowModified(IsModified());
}

}  // namespace amp::ui
