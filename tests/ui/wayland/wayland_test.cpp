// Form1 and a graph window on Qt's wayland platform. Headless weston has no input seat, so these
// tests send no key or mouse events: the offscreen tests cover input.
#include <QGuiApplication>
#include <QtTest>

#include "tests/support/reference_design.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/calculator.h"
#include "ui/main_window/form1_layout.h"
#include "ui/twips.h"

namespace amp::ui {

class WaylandTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland")); }

    void showsForm1AndAGraphWindowUnchanged() {
        Calculator calculator(
            {.showMessage = [](QWidget*, const QString& text) { QFAIL(qPrintable(text)); }});
        MainWindow& form1 = calculator.Form1();
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QCOMPARE(form1.ClientArea().size(),
                 TwipsRect(0, 0, kForm1ClientWidth, kForm1ClientHeight).size());

        constexpr int kRange = 6;
        QCOMPARE(calculator.GraphWindows().ShowGraph(amp::test_support::ReferenceTexts(), kRange),
                 std::nullopt);
        GraphWindow* graph = calculator.GraphWindows().Window(kRange);
        QVERIFY(graph);
        const QSize designed = graph->size();
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        QCOMPARE(graph->size(), designed);
        QVERIFY(form1.isVisible());
    }
};

const test_support::RegisteredQtTest<WaylandTest> kWaylandTest;

}  // namespace amp::ui

#include "wayland_test.moc"
