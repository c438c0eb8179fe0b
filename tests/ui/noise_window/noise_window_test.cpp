#include "ui/noise_window/noise_window.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "core/checks/messages.h"
#include "core/design/design.h"
#include "core/noise/noise_analysis.h"
#include "graph/noise_plot.h"
#include "graph/noise_report.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/pdf_tools.h"
#include "tests/ui/support/plot_menu_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/files/design_file.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

// Form1 with the example data sized, and the noise window opened from its menu.
struct NoiseSession {
    explicit NoiseSession(const QLocale& locale = QLocale::c()) : form(locale) {
        form.Click("Command6");
        form.Click("Command1");
        form.ChooseMenuItem("Rumore e dinamica...");
        window = form.Form1().findChild<NoiseWindow*>("FormRumore");
    }

    template <class Control>
    Control* Get(const char* name) {
        return window->findChild<Control*>(name);
    }
    QString Text(const char* label) { return Get<QLabel>(label)->text(); }
    void Type(const char* box, const QString& text) {
        auto* edit = Get<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Calculate() { QTest::mouseClick(Get<QPushButton>("Command1"), Qt::LeftButton); }
    // Chooses a part as the list does when the user picks one.
    void Choose(const QString& part) {
        auto* list = Get<QComboBox>("Combo1");
        const int index = list->findText(part);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // The figures, the flag and the sources' table as shown.
    QStringList Shown() {
        QStringList shown;
        for (int k = 31; k <= 40; ++k) shown << Text(qPrintable(QStringLiteral("Label%1").arg(k)));
        shown << Text("Label51");
        const auto* table = Get<QTableWidget>("Grid1");
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                shown << table->item(row, column)->text();
            }
        }
        return shown;
    }
    // What the analysis of Form1's boxes with these settings gives.
    NoiseAnalysis Expected(const NoiseTexts& texts) {
        return std::get<NoiseAnalysis>(AnalyseNoise(form.Form1().FieldTextsNow(), texts));
    }

    test_support::Form1Driver form;
    NoiseWindow* window = nullptr;
};

}  // namespace

using amp::test_support::ChooseFromMenu;

class NoiseWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // One window from the menu, over the example design, in both locales: the figures, the
    // sources and the read-out are the analysis', written with the locale's separator; closed
    // and opened again, it keeps them.
    void menuOpensOneWindowThatComputesTheExample() {
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy)}) {
            NoiseSession session(locale);
            const std::string separator = DecimalSeparator(locale);
            QVERIFY(session.window && session.window->isVisible() && session.window->isWindow());
            session.Calculate();
            QCOMPARE(session.form.messages, QStringList());

            const NoiseAnalysis expected = session.Expected(DefaultNoiseTexts());
            const auto captions = NoiseFigureCaptions(expected.figures, separator);
            for (int k = 0; k < kNoiseFigureCount; ++k) {
                QCOMPARE(session.Text(qPrintable(QStringLiteral("Label%1").arg(31 + k))),
                         ToQString(captions[k]));
            }
            QVERIFY(!session.Get<QLabel>("Label51")->isVisible());
            const auto rows = NoiseSourceRows(expected, separator);
            const auto* table = session.Get<QTableWidget>("Grid1");
            QCOMPARE(table->rowCount(), kNoiseSourceCount);
            QCOMPARE(table->item(0, 0)->text(), ToQString(rows[0].name));
            QCOMPARE(table->item(0, 1)->text(), ToQString(rows[0].rms));

            // The pointer at 1 kHz by the mouse, then at 1 MHz by the keyboard.
            auto* plot = session.Get<QWidget>("Picture2");
            const QPointF at(TwipsToPixelsF(NoiseFrequencyX(1000.0)), 100);
            QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(plot, &move);
            QCOMPARE(session.Text("Label63"), QStringLiteral("1000"));
            QCOMPARE(
                session.Text("Label64"),
                ToQString(
                    CleanOutputReadout(expected.curves, at.x() * kTwipsPerPixel, separator).value));
            plot = session.Get<QWidget>("Picture1");
            QTest::keyClick(plot, Qt::Key_End);
            QCOMPARE(session.Text("Label61"), QStringLiteral("1000000"));
            QCOMPARE(session.Text("Label62"),
                     ToQString(DensityReadout(expected.curves, kNoiseAxisRight, separator).value));

            // The context menus save the samples and the picture.
            QTemporaryDir folder;
            session.form.savePath = folder.filePath("dati.csv");
            ChooseFromMenu(plot, "Esporta dati...");
            QFile csv(session.form.savePath);
            QVERIFY(csv.open(QIODevice::ReadOnly));
            QCOMPARE(csv.readAll(), QByteArray::fromStdString(DensityCsv(expected.curves)));
            session.form.savePath = folder.filePath("uscita.png");
            ChooseFromMenu(session.Get<QWidget>("Picture2"), "Salva immagine...");
            QCOMPARE(QImage(session.form.savePath).size(), plot->size() * 2);
            QVERIFY(QFileInfo(session.form.suggestedSavePaths.value(0))
                        .fileName()
                        .startsWith("rumore-densita-1Hz-1MHz-"));

            const QStringList shown = session.Shown();
            session.window->close();
            session.form.ChooseMenuItem("Rumore e dinamica...");
            QCOMPARE(session.form.Form1().findChildren<NoiseWindow*>().size(), 1);
            QCOMPARE(session.Shown(), shown);
        }
    }

    // A part fills and locks its figures; "Personalizzato" unlocks them and has no Avo and fc
    // to hand on. Every field can be reached by keyboard and is named for a screen reader.
    void partFillsAndLocksItsFields() {
        NoiseSession session;
        session.Choose("NE5532");
        const QStringList boxes{"Text1", "Text2", "Text3", "Text4"};
        QStringList texts;
        for (const QString& box : boxes) {
            texts << session.Get<QLineEdit>(qPrintable(box))->text();
            QVERIFY(session.Get<QLineEdit>(qPrintable(box))->isReadOnly());
        }
        QCOMPARE(texts, (QStringList{"5", "0.7", "9", "2"}));
        QVERIFY(session.Get<QPushButton>("Command2")->isEnabled());

        session.Choose("Personalizzato");
        for (const QString& box : boxes) {
            QVERIFY(!session.Get<QLineEdit>(qPrintable(box))->isReadOnly());
        }
        QCOMPARE(session.Get<QLineEdit>("Text1")->text(), QStringLiteral("5"));
        QVERIFY(!session.Get<QPushButton>("Command2")->isEnabled());
        session.Type("Text1", "3.3");
        QVERIFY(session.window->Texts().en == "3.3");
        QVERIFY(session.window->Texts().part == kCustomOpAmpName);

        QStringList chain;
        QWidget* widget = session.Get<QComboBox>("Combo1");
        for (int k = 0; k < 11; ++k) {
            if (!widget->accessibleName().isEmpty() || widget->inherits("QPushButton")) {
                chain << widget->objectName();
            }
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(chain, (QStringList{"Combo1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                     "Text7", "Text8", "Text9", "Command1"}));
    }

    // A refused "Calcola" shows its one message and leaves what the window showed; a supply
    // above the part's largest is computed, and flagged.
    void refusalChangesNothingAndSupplyAboveRatingIsFlagged() {
        NoiseSession session;
        session.Calculate();
        const QStringList shown = session.Shown();
        const QString load = session.form.BoxText("Text9");
        session.Type("Text5", "1");
        session.Calculate();
        const NoiseTexts texts = session.window->Texts();
        session.Type("Text5", "15");
        session.form.Type("Text9", "");
        session.Calculate();
        QCOMPARE(session.form.messages,
                 (QStringList{ToQString(std::get<Failure>(ReadNoiseSettings(texts)).message),
                              ToQString(MissingValueMessage(Field::RL))}));
        QCOMPARE(session.Shown(), shown);

        session.form.Type("Text9", load);
        session.Type("Text5", "20");
        session.Calculate();
        QVERIFY(session.Get<QLabel>("Label51")->isVisible());
        QCOMPARE(session.Text("Label51"), ToQString(SupplyAboveRatingCaption(kOpAmpParts[0], ".")));
    }

    // "Usa nel progetto" writes the part's Avo and fc into Form1 as one step, undone as one.
    void useInDesignWritesAvoAndFcAsOneStep() {
        NoiseSession session;
        session.Choose("OPA1612");
        QTest::mouseClick(session.Get<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(session.form.BoxText("Text17"), QStringLiteral("3160000"));
        QCOMPARE(session.form.BoxText("Text18"), QStringLiteral("40"));
        QUndoStack& undo = session.form.Form1().UndoStack();
        QCOMPARE(undo.undoText(), QStringLiteral("Operazionale"));
        undo.undo();
        QCOMPARE(session.form.BoxText("Text17"), QStringLiteral("200000"));
        QCOMPARE(session.form.BoxText("Text18"), QStringLiteral("3"));
        QCOMPARE(undo.undoText(), QStringLiteral("Dimensiona componenti"));
        QVERIFY(session.window->Texts().part == "OPA1612");
    }

    // The design keeps the window's settings from the moment it is opened: in its file, through
    // "Nuovo", "Apri" and their undo, and in the close prompt. A malformed "rumore" is refused
    // and changes nothing.
    void designFileKeepsTheSettings() {
        QTemporaryDir folder;
        NoiseSession session;
        session.Choose("LM4562");
        session.Type("Text6", "40");
        const std::optional<NoiseTexts> kept = session.form.Form1().DesignNoiseTexts();
        QVERIFY(kept && kept->temperature == "40");
        session.form.savePath = folder.filePath("rumore.amplificatore");
        session.form.ChooseMenuItem("Salva con nome...");
        QVERIFY(!session.form.Form1().Document().IsModified());
        session.Type("Text7", "10");
        QVERIFY(session.form.Form1().Document().IsModified());

        session.form.answer = QStringLiteral("Non salvare");
        session.form.ChooseMenuItem("Nuovo");
        QVERIFY(!session.form.Form1().DesignNoiseTexts());
        QVERIFY(!session.window->isVisible());
        QCOMPARE(session.window->Texts(), DefaultNoiseTexts());

        session.form.openPath = session.form.savePath;
        session.form.ChooseMenuItem("Apri...");
        QCOMPARE(session.form.Form1().DesignNoiseTexts(), kept);
        QCOMPARE(session.window->Texts(), *kept);
        session.form.Form1().UndoStack().undo();
        QVERIFY(!session.form.Form1().DesignNoiseTexts());

        QFile saved(session.form.savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString good = QString::fromUtf8(saved.readAll());
        QVERIFY(good.contains("\"operazionale\": \"LM4562\""));
        const QStringList before = session.form.Snapshot();
        // What is replaced in the good file, by what, and the phrase that refuses the result.
        const std::tuple<QString, QString, std::string> malformed[] = {
            {"\"rumore\": \\{[^}]*\\}", "\"rumore\": 5",
             std::string(design_problem::kNoiseNotObject)},
            {"\\s*\"sr\": \"20\",", "", design_problem::NoiseSettingMissing("sr")},
            {"\"sr\": \"20\"", "\"sr\": 20", design_problem::NoiseSettingNotText("sr")},
            {"\"LM4562\"", "\"UA741\"", std::string(design_problem::kNoiseUnknownPart)},
            {"\"sr\": \"20\"", "\"sr\": \"2\\u00070\"",
             design_problem::NoiseSettingWithControl("sr")},
        };
        for (const auto& [pattern, replacement, problem] : malformed) {
            QString text = good;
            text.replace(QRegularExpression(pattern), replacement);
            const QString path = folder.filePath("guasto.amplificatore");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text.toUtf8());
            file.close();
            session.form.messages.clear();
            session.form.openPath = path;
            session.form.ChooseMenuItem("Apri...");
            QCOMPARE(session.form.messages.size(), 1);
            QVERIFY2(session.form.messages[0].endsWith(ToQString(problem)),
                     qPrintable(session.form.messages[0]));
            QCOMPARE(session.form.Snapshot(), before);
            QVERIFY(!session.form.Form1().DesignNoiseTexts());
        }
    }

    // With noise settings, the report gives their block on its one page and the parts list
    // names the part in the op-amps' rows.
    void reportAndPartsListNameThePart() {
        SKIP_WITHOUT_POPPLER();
        QTemporaryDir folder;
        NoiseSession session;
        session.form.savePath = folder.filePath("relazione.pdf");
        session.form.ChooseMenuItem("Esporta relazione PDF...");
        QCOMPARE(session.form.messages, QStringList());
        const QString text = Run("pdftotext", {"-layout", session.form.savePath, "-"});
        const NoiseFigures figures = session.Expected(DefaultNoiseTexts()).figures;
        for (const NoiseReportRow& row : NoiseReportRows("TL072", figures, ".")) {
            const QRegularExpression beside(QRegularExpression::escape(ToQString(row.name)) +
                                            "\\s+" +
                                            QRegularExpression::escape(ToQString(row.value)));
            QVERIFY2(text.contains(beside), row.name.data());
        }
        QVERIFY(text.contains("Rumore e dinamica"));
        QVERIFY(
            Run("pdfinfo", {session.form.savePath}).contains(QRegularExpression("Pages:\\s+1\\n")));

        session.form.savePath = folder.filePath("distinta.csv");
        session.form.ChooseMenuItem("Esporta distinta componenti...");
        QFile list(session.form.savePath);
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QString csv = QString::fromUtf8(list.readAll());
        for (const QString opAmp : {"U1", "U2"}) {
            QVERIFY(csv.contains(opAmp + ",1,TL072 Avo 200000 fc 3000000 Hz,"));
        }
    }
};

const test_support::RegisteredQtTest<NoiseWindowTest> kNoiseWindowTest;

}  // namespace amp::ui
#include "noise_window_test.moc"
