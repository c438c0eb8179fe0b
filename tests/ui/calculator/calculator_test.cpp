#include "ui/calculator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>

#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"

namespace amp::ui {
namespace {

using test_support::Form1Driver;

QString LabelOf(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(name)->text();
}

int ShownWindowCount() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(
        std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }));
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class CalculatorTest : public QObject {
    Q_OBJECT

  private slots:
    void graphButtonPlotsTheSelectedRange() {
        Form1Driver session;
        session.TypeReferenceSet();
        session.Click("Option7");
        session.Click("Command4");
        QCOMPARE(session.messages, QStringList());
        GraphWindow* window = session.Window(6);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("Form7"));
        QCOMPARE(LabelOf(window, "Label1"), QStringLiteral("0.91"));
        QCOMPARE(LabelOf(window, "Label17"), QStringLiteral("0.64"));
        QCOMPARE(LabelOf(window, "Label11"), QStringLiteral("1000000"));
        for (int other = 1; other <= 5; ++other) QVERIFY(!session.Window(other));
    }

    void graphButtonReportsItsFailuresAndOpensNothing() {
        Form1Driver session;
        session.Type("Text20", "");
        session.Click("Command4");
        QCOMPARE(session.messages,
                 QStringList{QString::fromUtf8("Hai dimenticato di scrivere il numero di campioni "
                                               "usati per la costruzione del grafico: N ")});

        session.messages.clear();
        session.TypeReferenceSet();
        session.Click("Command4");
        QCOMPARE(session.messages,
                 QStringList{QStringLiteral("Devi selezionare il campo di frequenze del grafico, "
                                            "es: 1 Hz - 100 kHz")});

        session.messages.clear();
        session.Click("Option3");
        session.Type("Text18", "0");
        session.Click("Command4");
        QCOMPARE(session.messages, QStringList{QString::fromUtf8("fc non può essere zero!")});

        session.messages.clear();
        session.Type("Text18", "1");
        session.Type("Text16", "0");
        session.Click("Command4");
        QCOMPARE(session.messages,
                 QStringList{QString::fromUtf8(
                     "Con questi valori dei componenti Vo/Vi risulta nullo o indefinito!")});
        for (int range = 1; range <= 6; ++range) QVERIFY(!session.Window(range));
    }

    void exampleDataSizingAndGraphUseTheItalianLocale() {
        Form1Driver session(QLocale(QLocale::Italian, QLocale::Italy));
        session.Click("Command6");
        session.Click("Command1");
        QCOMPARE(session.BoxText("Text10"), QStringLiteral("9.35E+01"));
        session.Click("Command4");
        QCOMPARE(session.messages, QStringList());
        GraphWindow* window = session.Window(5);
        QVERIFY(window && window->isVisible());
        QVERIFY(LabelOf(window, "Label1").contains(QLatin1Char(',')));
    }

    void esciClosesOnlyForm1WhileAGraphIsShown() {
        Form1Driver session;
        session.TypeReferenceSet();
        session.Click("Option2");
        session.Click("Command4");
        session.Click("Option3");
        session.Click("Command4");
        QPointer<GraphWindow> shown = session.Window(2);
        QPointer<GraphWindow> hidden = session.Window(1);
        hidden->findChild<QPushButton*>("Command1")->click();
        QVERIFY(hidden && !hidden->isVisible());

        session.Click("Command3");
        DeleteClosedWindows();
        QVERIFY(!session.Form1().isVisible());
        QVERIFY(!hidden);
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(ShownWindowCount(), 1);

        // Only hiding the last shown window would leave the program running with nothing on
        // screen, so "Chiudi" closes it: the close ends the program.
        shown->findChild<QPushButton*>("Command1")->click();
        DeleteClosedWindows();
        QVERIFY(!shown);
        QCOMPARE(ShownWindowCount(), 0);
    }

    void esciAfterChiudiLeavesNoWindow() {
        Form1Driver session;
        session.TypeReferenceSet();
        session.Click("Option4");
        session.Click("Command4");
        QPointer<GraphWindow> window = session.Window(3);
        window->findChild<QPushButton*>("Command1")->click();
        QVERIFY(window && !window->isVisible());
        session.Click("Command3");
        DeleteClosedWindows();
        QVERIFY(!window);
        QCOMPARE(ShownWindowCount(), 0);
    }
};

const test_support::RegisteredQtTest<CalculatorTest> kCalculatorTest;

}  // namespace amp::ui

#include "calculator_test.moc"
