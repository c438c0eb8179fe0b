#include "tests/ui/support/qtest_main.h"

#include <QApplication>
#include <QTest>
#include <vector>

#include "ui/fonts.h"

namespace amp::ui::test_support {
namespace {

// Filled while the program's static objects are constructed, before main() runs.
std::vector<QtTestFactory>& Registered() {
    static std::vector<QtTestFactory> factories;
    return factories;
}

}  // namespace

void RegisterQtTest(QtTestFactory factory) {
    Registered().push_back(factory);
}

}  // namespace amp::ui::test_support

// The main() of every QtTest program: one application, as QTEST_MAIN makes it, with the fonts
// the windows are designed with, then each registered test class in turn. Returns the number of
// failed tests.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    amp::ui::RegisterFontSubstitutions();
    int failures = 0;
    for (const amp::ui::test_support::QtTestFactory factory : amp::ui::test_support::Registered()) {
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
