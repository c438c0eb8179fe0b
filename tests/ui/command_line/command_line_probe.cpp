// Built into the program itself, in place of nothing: started with a design file on its command
// line, the program runs as always; once its event loop runs, this compares Form1 with the file
// and ends the program, with 0 when Form1 shows the file's design under the file's name.

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/files/design_file.h"
#include "ui/main_window/main_window.h"

namespace {

void CompareForm1WithTheFile() {
    const QString path = QCoreApplication::arguments().constLast();
    amp::ui::MainWindow* form1 = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("Form1") && window->isVisible()) {
            form1 = qobject_cast<amp::ui::MainWindow*>(window);
        }
    }
    const amp::Outcome<amp::Design> read = amp::ui::ReadDesignFile(path);
    const auto* design = std::get_if<amp::Design>(&read);
    const bool same =
        form1 != nullptr && design != nullptr && form1->FieldTextsNow() == design->texts &&
        form1->SelectedRangeIndex() == design->rangeIndex &&
        form1->windowTitle() == QFileInfo(path).fileName() + "[*] - Amplificatore audio" &&
        !form1->isWindowModified();
    if (!same) {
        std::fprintf(stderr, "Form1 does not show the design of %s\n", qPrintable(path));
        // A refused file leaves its message box's loop running, which exit() would only end.
        std::fflush(stderr);
        std::_Exit(1);
    }
    QCoreApplication::exit(0);
}

void CompareOnceRunning() {
    QTimer::singleShot(0, CompareForm1WithTheFile);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(CompareOnceRunning)
