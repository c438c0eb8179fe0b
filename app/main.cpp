#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include "app/startup_preparation.h"
#include "core/checks/messages.h"
#include "generated/version.h"
#include "ui/calculator.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/qt_translations.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(amp::ui::ToQString(amp::kApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(AMP_VERSION));
    // Wayland compositors match the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(AMP_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Design calculator for a two-stage op-amp audio amplifier, with an Italian user "
        "interface.\nQt's own options, such as -platform <name>, are accepted as well."));
    // Qt's options are single-dash words (-platform, -reverse), never bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("progetto"),
                                 QStringLiteral("A design file (.amplificatore) to open."),
                                 QStringLiteral("[progetto]"));

    // --help and --version answer before the window system is opened, so they need no display.
    // Qt's own options are unknown at this point and are left for the application to take.
    parser.parse(ArgumentsOf(argc, argv));
    if (parser.isSet(version)) parser.showVersion();
    if (parser.isSet(help)) {
        const QCoreApplication console(argc, argv);  // names the program in the usage line
        parser.showHelp();
    }

    amp::app::StartupPreparation preparation;
    QApplication application(argc, argv);
    application.setWindowIcon(preparation.WindowIcon());
    // Qt has taken out its own options: whatever is left unknown is refused.
    parser.process(application);
    if (parser.positionalArguments().size() > 1) {
        qCritical("%s", "Only one design file can be opened at a time.");
        return 1;
    }
    amp::ui::InstallQtItalianTexts(application);
    // The program ends when its last shown window closes; hidden windows never keep it running.
    application.setQuitOnLastWindowClosed(true);
    amp::ui::RegisterFontSubstitutions();

    amp::ui::Calculator calculator;
    calculator.Form1().show();
    if (!parser.positionalArguments().isEmpty()) {
        calculator.Form1().Document().OpenPath(parser.positionalArguments().constFirst());
    }
    return application.exec();
}
