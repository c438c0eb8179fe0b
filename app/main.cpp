#include <QApplication>

#include "core/messages.h"
#include "ui/calculator.h"
#include "ui/fonts.h"
#include "ui/icon.h"
#include "ui/qt_text.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(amp::ui::ToQString(amp::kApplicationTitle));
    application.setWindowIcon(amp::ui::AmplifierIcon());
    // The program ends when its last shown window closes; hidden windows never keep it running.
    application.setQuitOnLastWindowClosed(true);
    amp::ui::RegisterFontSubstitutions();

    amp::ui::Calculator calculator;
    calculator.Form1().show();
    return application.exec();
}
