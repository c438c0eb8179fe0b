#include <QApplication>

#include "ui/fonts.h"

int RunMainWindowTests(int argc, char** argv);
int RunLayoutTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    amp::ui::RegisterFontSubstitutions();
    int failures = RunMainWindowTests(argc, argv);
    failures += RunLayoutTests(argc, argv);
    return failures;
}
