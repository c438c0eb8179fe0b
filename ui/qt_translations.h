#pragma once

class QCoreApplication;

namespace amp::ui {

// Loads Qt's own Italian texts, whatever the system's language, so that the file dialogs, the
// standard buttons and the text boxes' context menus speak Italian like the rest of the program.
// Returns whether Qt's translations were found.
bool InstallQtItalianTexts(QCoreApplication& application);

}  // namespace amp::ui
