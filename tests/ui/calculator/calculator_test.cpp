#include "ui/calculator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>

#include "ui/fonts.h"

namespace amp::ui {
namespace {

// The reference component set as a user types it into Form1.
const std::vector<std::pair<const char*, const char*>> kReferenceTexts{
    {"Text10", "10"},  {"Text5", "100"},     {"Text6", "10"},   {"Text7", "1"},
    {"Text19", "100"}, {"Text8", "10"},      {"Text9", "10"},   {"Text11", "1"},
    {"Text12", "100"}, {"Text13", "1"},      {"Text14", "100"}, {"Text15", "10"},
    {"Text16", "10"},  {"Text17", "200000"}, {"Text18", "1"},   {"Text20", "1000"},
};

// Form1 and its graph windows, driven through the real controls, with every message recorded.
class Session {
  public:
    explicit Session(const QLocale& locale = QLocale::c())
        : calculator([this](QWidget*, const QString& text) { messages << text; }, locale) {
        calculator.Form1().show();
    }

    template <class Control>
    Control& Get(const char* name) {
        auto* control = calculator.Form1().findChild<Control*>(name);
        if (!control) qFatal("Form1 has no control %s", name);
        return *control;
    }

    void Type(const char* box, const char* text) {
        QLineEdit& edit = Get<QLineEdit>(box);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        QTest::keyClicks(&edit, QString::fromUtf8(text));
    }

    void TypeReferenceSet() {
        for (const auto& [box, text] : kReferenceTexts) Type(box, text);
    }

    void Click(const char* name) { QTest::mouseClick(&Get<QAbstractButton>(name), Qt::LeftButton); }

    GraphWindow* Window(int range) { return calculator.GraphWindows().Window(range); }

    Calculator calculator;
    QStringList messages;
};

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
    void GraphButtonPlotsTheSelectedRange() {
        Session session;
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

    void GraphButtonReportsItsFailuresAndOpensNothing() {
        Session session;
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

    void ExampleDataSizingAndGraphUseTheItalianLocale() {
        Session session(QLocale(QLocale::Italian, QLocale::Italy));
        session.Click("Command6");
        session.Click("Command1");
        QCOMPARE(session.Get<QLineEdit>("Text10").text(), QStringLiteral("9.35E+01"));
        session.Click("Command4");
        QCOMPARE(session.messages, QStringList());
        GraphWindow* window = session.Window(5);
        QVERIFY(window && window->isVisible());
        QVERIFY(LabelOf(window, "Label1").contains(QLatin1Char(',')));
    }

    void EsciClosesOnlyForm1WhileAGraphIsShown() {
        Session session;
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
        QVERIFY(!session.calculator.Form1().isVisible());
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

    void EsciAfterChiudiLeavesNoWindow() {
        Session session;
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

}  // namespace amp::ui

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    amp::ui::RegisterFontSubstitutions();
    amp::ui::CalculatorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "calculator_test.moc"
