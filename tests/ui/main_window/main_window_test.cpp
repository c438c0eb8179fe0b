#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "core/checks/field.h"
#include "core/checks/messages.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"

using amp::ui::test_support::Form1Driver;

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

const QStringList kSizedBoxes{"Text10", "Text11", "Text12", "Text13",
                              "Text14", "Text15", "Text16", "Text19"};
const QStringList kExampleSizes{"9.35E+01", "1.93E+00", "1.59E+02", "1.27E+00",
                                "3.54E+01", "2.12E+01", "6.37E+00", "1.50E+02"};

QStringList Texts(const Form1Driver& form, const QStringList& boxes) {
    QStringList texts;
    for (const QString& box : boxes) texts << form.BoxText(box);
    return texts;
}

QStringList ResultCaptions(const Form1Driver& form) {
    return {form.LabelText("Label40"), form.LabelText("Label44"), form.LabelText("Label47"),
            form.LabelText("Label48")};
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The offscreen platform, like desktops other than GNOME and KDE, has no standard keys for
    // "Salva con nome..." and "Esci": they answer the usual ones.
    void saveAsAndExitAnswerTheirUsualKeys() {
        Form1Driver form;
        QVERIFY(QTest::qWaitForWindowActive(&form.Form1()));
        QTest::keyClick(&form.Form1(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form.suggestedSavePaths.size(), 1);
        QTest::keyClick(&form.Form1(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form.Form1().isVisible());
    }

    void opensWithTheDesignTimeTexts() {
        Form1Driver form;
        QStringList expected(21);
        expected[0] = "5";
        expected[1] = "20000";
        expected[16] = "200000";
        expected[17] = "3";
        expected[19] = "1000";
        expected[20] = "5000";
        QCOMPARE(form.Snapshot(), expected + (QStringList{"", "", "", "", "0"}));
        QCOMPARE(form.Form1().SelectedRangeIndex(), std::nullopt);
        QCOMPARE(form.Form1().FieldTextsNow()[amp::Field::f], "5000");
    }

    void sizesTheExampleDataAndEvaluatesWithTheStartValues() {
        Form1Driver form;
        form.Click("Command6");
        form.Click("Command1");
        QCOMPARE(Texts(form, kSizedBoxes), kExampleSizes);
        QCOMPARE(ResultCaptions(form), QStringList(4));

        form.Click("Command5");
        QCOMPARE(ResultCaptions(form), (QStringList{"9.95", "-9.91", "4.8", "26792"}));
        QCOMPARE(form.messages, QStringList());
    }

    void sizesWhatIsTypedIntoTheBoxes() {
        Form1Driver form;
        form.Click("Command6");
        form.Type("Text3", "20");
        QTest::mouseClick(&form.Get<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(form.BoxText("Text10"), "3.29E+01");
        QCOMPARE(form.messages, QStringList());
    }

    void clearingEmptiesEverythingAndKeepsTheRange() {
        Form1Driver form;
        form.Click("Command6");
        form.Click("Command1");
        form.Click("Command5");
        form.Click("Option7");
        form.Click("Command2");
        QCOMPARE(form.Snapshot(), QStringList(25) + QStringList{"6"});

        form.Click("Command5");
        QCOMPARE(form.messages, QStringList{Q(amp::MissingValueMessage(amp::Field::N))});
        QCOMPARE(ResultCaptions(form), QStringList(4));
    }

    void exampleDataSelectTheHundredKilohertzRange() {
        Form1Driver form;
        form.Click("Option3");
        QCOMPARE(form.Form1().SelectedRangeIndex(), 2);
        form.Type("Text17", "5");
        form.Click("Command6");
        QCOMPARE(form.Form1().SelectedRangeIndex(), 5);
        QVERIFY(form.Get<QRadioButton>("Option6").isChecked());
        QVERIFY(!form.Get<QRadioButton>("Option3").isChecked());
        QCOMPARE(form.BoxText("Text17"), "5");
        QCOMPARE(form.BoxText("Text7"), "3.3");
    }

    void aFailingActionChangesNothing_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("Ri not below R2 + R") << "Text3"
                                             << "51"
                                             << "Command1" << Q(amp::message::kRiNotBelowSeries);
        QTest::newRow("R3 malformed in sizing")
            << "Text7"
            << "3,3"
            << "Command1" << Q(amp::BadValueMessage(amp::Field::R3));
        QTest::newRow("Avcb of one") << "Text4"
                                     << "1"
                                     << "Command1" << Q(amp::message::kAvcbOne);
        QTest::newRow("Avo zero") << "Text17"
                                  << "0"
                                  << "Command5" << Q(amp::message::kAvoZero);
        QTest::newRow("f missing") << "Text21"
                                   << ""
                                   << "Command5" << Q(amp::MissingValueMessage(amp::Field::f));
        QTest::newRow("C4 malformed in evaluation")
            << "Text14"
            << "1x"
            << "Command5" << Q(amp::BadValueMessage(amp::Field::C4));
    }

    void aFailingActionChangesNothing() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Form1Driver form;
        form.Click("Command6");
        form.Click("Command1");
        form.Click("Command5");
        form.Type(box, text);
        const QStringList before = form.Snapshot();

        form.Click(button);
        QCOMPARE(form.messages, QStringList{message});
        QCOMPARE(form.messageParents, QList<QWidget*>{&form.Form1()});
        QCOMPARE(form.Snapshot(), before);
    }

    void captionsFollowTheLocaleWhileSizedValuesKeepThePoint_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << ","
                                 << QStringList{"0,91", "-2,28", "24,3", "13428"};
        QTest::newRow("C") << QLocale::c() << "." << QStringList{"0.91", "-2.28", "24.3", "13428"};
    }

    void captionsFollowTheLocaleWhileSizedValuesKeepThePoint() {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QFETCH(QStringList, captions);
        Form1Driver form(locale);

        form.TypeReferenceSet();
        form.Click("Command5");
        QCOMPARE(ResultCaptions(form), captions);

        form.Click("Command6");
        form.Click("Command1");
        QCOMPARE(Texts(form, kSizedBoxes), kExampleSizes);
        QCOMPARE(form.messages, QStringList());
    }

    void worksFromTheKeyboardAlone() {
        Form1Driver form;
        QApplication::setActiveWindow(&form.Form1());
        QVERIFY(QTest::qWaitForWindowActive(&form.Form1()));
        QCOMPARE(QApplication::focusWidget(), &form.Get<QLineEdit>("Text1"));

        // Backwards from the first box to the last control of the chain, "Inserisci dati ...".
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command6");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(form.BoxText("Text3"), "33");

        // Text1, Text2, Text4, Text5, then "Dimensiona componenti".
        for (int step = 0; step < 5; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(form.BoxText("Text10"), "9.35E+01");
    }

    void graphButtonAsksForTheGraphAndChangesNoBox() {
        Form1Driver form;
        QSignalSpy requests(&form.Form1(), &amp::ui::MainWindow::graphRequested);
        const QStringList before = form.Snapshot();
        form.Click("Command4");
        QCOMPARE(requests.count(), 1);
        QCOMPARE(form.Snapshot(), before);
        QCOMPARE(form.messages, QStringList{Q(amp::MissingValueMessage(amp::Field::R2))});
    }

    void exitAndTitleBarBothCloseTheWindow() {
        Form1Driver byButton;
        QSignalSpy buttonClosing(&byButton.Form1(), &amp::ui::MainWindow::closing);
        byButton.Click("Command3");
        QVERIFY(!byButton.Form1().isVisible());
        QCOMPARE(buttonClosing.count(), 1);

        Form1Driver byTitleBar;
        QSignalSpy titleBarClosing(&byTitleBar.Form1(), &amp::ui::MainWindow::closing);
        QVERIFY(byTitleBar.Form1().close());
        QVERIFY(!byTitleBar.Form1().isVisible());
        QCOMPARE(titleBarClosing.count(), 1);
    }
};

const amp::ui::test_support::RegisteredQtTest<MainWindowTest> kMainWindowTest;

#include "main_window_test.moc"
