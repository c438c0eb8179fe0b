#include "ui/tolerance_window/tolerance_window.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/checks/messages.h"
#include "core/design/evaluation.h"
#include "core/sweep/sweep_pool.h"
#include "core/tolerance/tolerance_settings.h"
#include "graph/tolerance_report.h"
#include "tests/support/reference_design.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/plot_menu_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/qt_text.h"
#include "ui/tolerance_window/band_plot_area.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

// A window over Form1 texts that the test changes at will, recording what the window asks.
struct Session {
    explicit Session(std::string separator = ".")
        : window([this] { return form1; }, std::move(separator), &pool,
                 {[this](QWidget*, const QString& text) { messages << text; },
                  [this](QWidget*, const QString&, const QString& suggested, const QString&) {
                      suggestions << QFileInfo(suggested).fileName();
                      return saveAs;
                  }}) {
        window.show();
    }

    void Type(const char* box, const QString& text) {
        window.findChild<QLineEdit*>(box)->setText(text);
    }
    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(name); }
    QString Text(const char* label) { return window.findChild<QLabel*>(label)->text(); }
    // "Calcola", then the results once the run is over.
    void Calculate() {
        QTest::mouseClick(Button("Command1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window.Running(), 30000);
    }
    // A row of the statistics table: nominal, minimum, 5 %, median, 95 %, maximum.
    QStringList Row(ToleranceFigure figure) {
        QStringList row;
        for (int column = 0; column < kStatisticsColumnCount; ++column) {
            row << Text(qPrintable(QStringLiteral("Label%1").arg(
                30 + static_cast<int>(figure) * kStatisticsColumnCount + column)));
        }
        return row;
    }
    BandPlotArea* Plot() { return window.findChild<BandPlotArea*>("Picture1"); }

    SweepPool pool{1};
    FieldTexts form1 = amp::test_support::SizedExampleTexts();
    QStringList messages;
    QStringList suggestions;
    QString saveAs;
    ToleranceWindow window;
};

}  // namespace

using amp::test_support::ChooseFromMenu;

class ToleranceWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // With no tolerance every statistic is the figure "Calcola" shows in Form1.
    void zeroToleranceShowsForm1sFigures() {
        for (const std::string separator : {".", ","}) {
            Session session(separator);
            for (const char* box : {"Text1", "Text2"}) session.Type(box, "0");
            session.Type("Text5", "20");
            session.Calculate();
            QCOMPARE(session.messages, QStringList());
            const auto captions =
                std::get<EvaluationCaptions>(EvaluateResponse(session.form1, separator));
            const std::pair<ToleranceFigure, std::string> expected[] = {
                {ToleranceFigure::LowerCutoff, captions.lowerCutoff},
                {ToleranceFigure::UpperCutoff, captions.upperCutoff},
                {ToleranceFigure::ModulusAtF, captions.modulus},
                {ToleranceFigure::PhaseAtF, captions.phase}};
            for (const auto& [figure, caption] : expected) {
                QCOMPARE(session.Row(figure), QStringList(6, ToQString(caption)));
            }
            QVERIFY(session.Text("Label12").contains(ToQString("0" + separator + "00 %")));
        }
    }

    void refusesFieldsWithTheirMessages() {
        const std::vector<std::tuple<const char*, QString, std::string>> cases{
            {"Text1", "100", ToleranceRangeMessage("dei resistori")},
            {"Text4", "-1", ToleranceRangeMessage("di fc")},
            {"Text5", "1000001", TrialCountRangeMessage()},
            {"Text6", "1.5", SeedRangeMessage()},
        };
        for (const auto& [box, text, message] : cases) {
            Session session;
            session.Type(box, text);
            session.Calculate();
            QCOMPARE(session.messages, QStringList{ToQString(message)});
        }
        // Form1 is read afresh at each press and checked as "Calcola" checks it.
        Session session;
        session.form1[Field::N] = "";
        session.Calculate();
        session.form1 = amp::test_support::SizedExampleTexts();
        session.form1[Field::RL] = "0";
        session.Calculate();
        QCOMPARE(session.messages, (QStringList{ToQString(MissingValueMessage(Field::N)),
                                                ToQString(message::kResponseUndefined)}));
        QVERIFY(session.Row(ToleranceFigure::LowerCutoff)[0].isEmpty());
    }

    void sameSeedGivesTheSameTable() {
        Session session;
        session.Type("Text5", "300");
        session.Type("Text6", "777");
        session.window.findChild<QRadioButton*>("Option2")->click();
        session.Calculate();
        const QStringList first = session.Row(ToleranceFigure::UpperCutoff);
        QVERIFY(first[1] != first[5]);  // the trials do spread
        session.Calculate();
        QCOMPARE(session.Row(ToleranceFigure::UpperCutoff), first);
        QTest::mouseClick(session.Button("Command2"), Qt::LeftButton);
        QVERIFY(session.window.findChild<QLineEdit*>("Text6")->text() != "777");
    }

    void longRunShowsProgressAndStopsAtOnce() {
        Session session;
        session.Type("Text5", "1000000");
        QTest::mouseClick(session.Button("Command1"), Qt::LeftButton);
        auto* progress = session.window.findChild<QProgressBar*>("ProgressBar1");
        QTRY_VERIFY(progress->isVisible() && progress->value() > 0);
        QVERIFY(session.Button("Command3")->isVisible());
        QVERIFY(!session.Button("Command1")->isEnabled());
        QTest::mouseClick(session.Button("Command3"), Qt::LeftButton);
        QVERIFY(!session.window.Running());
        QVERIFY(!progress->isVisible() && session.Button("Command1")->isEnabled());
        QTest::qWait(200);
        QVERIFY(session.Row(ToleranceFigure::MaxModulus)[0].isEmpty());
        QVERIFY(!session.Plot()->ShownResult());
    }

    void pointerReadsOutTheBandAndTheMenuSavesIt() {
        QTemporaryDir folder;
        Session session(",");
        session.Calculate();
        QVERIFY(QTest::qWaitForWindowExposed(&session.window));
        QTest::mouseMove(session.Plot(), QPoint(TwipsToPixels(5610), 200));
        QCOMPARE(session.Text("Label66"), QStringLiteral("1000"));
        // Minimum, 5 %, nominal, 95 %, maximum: in order, with commas.
        QStringList band;
        for (const char* label : {"Label71", "Label70", "Label69", "Label68", "Label67"}) {
            band << session.Text(label);
        }
        for (int k = 1; k < band.size(); ++k) {
            QVERIFY2(QLocale(QLocale::Italian).toDouble(band[k - 1]) <=
                         QLocale(QLocale::Italian).toDouble(band[k]),
                     qPrintable(band.join(' ')));
        }
        QVERIFY(band[0].contains(','));

        const ToleranceResult& result = *session.Plot()->ShownResult();
        const std::pair<QString, std::string> exports[] = {
            {"Esporta statistiche...", StatisticsCsv(result)},
            {"Esporta banda...", BandCsv(result)}};
        for (const auto& [entry, csv] : exports) {
            session.saveAs = folder.filePath("dati.csv");
            ChooseFromMenu(session.Plot(), entry);
            QFile file(session.saveAs);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray::fromStdString(csv));
        }
        session.saveAs = folder.filePath("grafico.png");
        ChooseFromMenu(session.Plot(), "Salva immagine...");
        QCOMPARE(QImage(session.saveAs).size(), session.Plot()->size() * 2);
        QVERIFY(session.suggestions[0].startsWith("tolleranze-statistiche-1Hz-1MHz-"));
        QCOMPARE(session.messages, QStringList());
    }
};

// The window opened from Form1's menu: one window, reading the boxes as they are at "Calcola",
// that keeps what it shows when closed and stops a run when Form1 closes.
class ToleranceMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void menuOpensOneWindowOverForm1sBoxes() {
        test_support::Form1Driver form(QLocale::c());
        form.TypeReferenceSet();
        form.ChooseMenuItem("Analisi delle tolleranze...");
        auto* window = form.Form1().findChild<ToleranceWindow*>("FormTolleranze");
        QVERIFY(window && window->isVisible() && window->isWindow());
        window->findChild<QLineEdit*>("Text5")->setText("20");
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(!window->Running());
        QCOMPARE(form.messages, QStringList());
        // The nominal effective fi, as "Calcola" shows it.
        QCOMPARE(window->findChild<QLabel*>("Label30")->text(),
                 ToQString(std::get<EvaluationCaptions>(
                               EvaluateResponse(form.Form1().FieldTextsNow(), "."))
                               .lowerCutoff));

        window->close();
        form.ChooseMenuItem("Analisi delle tolleranze...");
        QCOMPARE(form.Form1().findChildren<ToleranceWindow*>().size(), 1);
        QCOMPARE(window->findChild<QLineEdit*>("Text5")->text(), QStringLiteral("20"));

        window->findChild<QLineEdit*>("Text5")->setText("1000000");
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(window->Running());
        form.Form1().close();
        QVERIFY(!window->Running() && !window->isVisible());
    }
};

const test_support::RegisteredQtTest<ToleranceWindowTest> kToleranceWindowTest;
const test_support::RegisteredQtTest<ToleranceMenuTest> kToleranceMenuTest;

}  // namespace amp::ui
#include "tolerance_window_test.moc"
