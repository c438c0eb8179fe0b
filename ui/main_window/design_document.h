#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/design/design.h"
#include "ui/main_window/form_state.h"
#include "ui/message_box.h"
#include "ui/plot/save_dialogs.h"

class QUndoStack;
class QWidget;

namespace amp::ui {

class RecentFiles;

// Asks which file to open, as a SaveFileChooser asks where to save: the dialog's caption, the
// folder or file to start from and the file types offered; an empty text when the user cancels.
using OpenFileChooser = SaveFileChooser;

// The toolkit's file dialog for opening an existing file.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& startPath,
                        const QString& types);

// How Form1 asks the user about its design files. The program shows dialogs; tests answer.
struct DesignFileDialogs {
    MessageSink showMessage = ShowModalMessage;
    QuestionAsker ask = AskModalQuestion;
    OpenFileChooser chooseOpenFile = AskOpenFileName;
    SaveFileChooser chooseSaveFile = AskSaveFileName;
};

// The window whose design a document keeps: the window itself, as parent of the dialogs and
// bearer of the title, its state as it is now, and how a state is put into it.
struct DesignWindow {
    QWidget* widget = nullptr;
    std::function<FormState()> state;
    std::function<void(const FormState&)> apply;
};

// The file behind Form1's design: which file it is, the design as last opened or saved there,
// and the commands that start, open and save designs. Starting or opening a design is one step of
// the undo stack; nothing is thrown away without asking first.
class DesignDocument : public QObject {
    Q_OBJECT

  public:
    // The window's state when the program starts is the state of a new design.
    DesignDocument(DesignWindow window, FormState startState, QUndoStack& undoStack,
                   RecentFiles& recentFiles, DesignFileDialogs dialogs);

    // The open file's path; empty while the design is untitled.
    const QString& Path() const { return identity_.path; }

    // Whether the design in the window differs from the one last opened or saved, or, untitled,
    // from the one the program started with.
    bool IsModified() const;

    // "Nuovo", "Apri...", "Salva", "Salva con nome...".
    void New();
    void Open();
    bool Save();
    bool SaveAs();

    // Opens the design in the file, as "Apri..." does once a file is chosen; a file that cannot
    // be a design is refused with one message and changes nothing. Returns whether it opened.
    bool OpenPath(const QString& path);

    // Before the design goes away: asks to save it when it has changed. False when the user
    // cancels, or a save fails or is cancelled.
    bool MayDiscard();

    // Brings the title and its modified marker up to date with the window's design.
    void Refresh();

  private:
    // Which file the design is, and the design as that file holds it.
    struct Identity {
        QString path;
        Design saved;

        bool operator==(const Identity&) const = default;
    };
    struct State {
        FormState form;
        Identity identity;

        bool operator==(const State&) const = default;
    };

    // Replaces the window's design and the file it belongs to, as one undoable step.
    void Replace(const QString& actionName, FormState form, Identity identity);
    bool WriteTo(QString path);
    void RefuseToOpen(const QString& path, const QString& message);

    DesignWindow window_;
    FormState startState_;
    QUndoStack& undoStack_;
    RecentFiles& recentFiles_;
    DesignFileDialogs dialogs_;
    Identity identity_;
};

}  // namespace amp::ui
