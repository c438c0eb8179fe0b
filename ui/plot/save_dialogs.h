#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "ui/message_box.h"

class QWidget;

namespace amp::ui {

// Asks where to save a file: the dialog's caption, the suggested path and the file types offered
// ("Immagine PNG (*.png);;Immagine SVG (*.svg)"). Returns the chosen path, or an empty text when
// the user cancels. The program asks through the file dialog; tests answer at once.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggestedPath, const QString& types)>;

// The toolkit's file dialog for saving. A name typed without a suffix gets the one of the
// file type selected.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& types);

// How a window asks the user when it saves a file: the file dialog that asks where, and the
// message box of a failed save.
struct SaveDialogs {
    MessageSink showMessage = ShowModalMessage;
    SaveFileChooser chooseSaveFile = AskSaveFileName;
};

// Asks where to save, with the dialog's caption, suggested path and file types, and writes the
// text there through the safe write, or says why it could not be written. Nothing happens when
// the user cancels.
void SaveTextAs(QWidget* parent, const SaveDialogs& dialogs, std::string_view text,
                const QString& caption, const QString& suggestedPath, const QString& types);

}  // namespace amp::ui
