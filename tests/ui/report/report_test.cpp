#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "tests/support/reference_design.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/pdf_tools.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/qt_text.h"
#include "ui/report/report_outputs.h"

namespace amp::ui {
namespace {

const QDate kReportDate(2026, 12, 9);

// The page's text as pdftotext lays it out, rows kept as rows.
QString PdfText(const QString& path) {
    return Run("pdftotext", {"-layout", path, "-"});
}

// Whether a row of the text shows the name with the value right after it.
bool ShowsBeside(const QString& text, const QString& name, const QString& value) {
    const QRegularExpression row("(^|\\s)" + QRegularExpression::escape(name) + "\\s+" +
                                     QRegularExpression::escape(value) + "(\\s|$)",
                                 QRegularExpression::MultilineOption);
    return text.contains(row);
}

// Records what the report asks and answers with a path, a printer set to write PDF, and a
// preview that paints into a PDF.
struct DialogRecorder {
    QString answer;
    QString printedPath;
    QStringList suggestions;
    QStringList messages;

    ReportDialogs Dialogs() {
        const auto toPdf = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printedPath);
        };
        return {[this](QWidget*, const QString& text) { messages << text; },
                [this](QWidget*, const QString&, const QString& suggested, const QString&) {
                    suggestions << suggested;
                    return answer;
                },
                [toPdf](QWidget*, QPrinter& printer) {
                    toPdf(printer);
                    return true;
                },
                [toPdf](QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
                    toPdf(printer);
                    paint(printer);
                }};
    }
};

ReportSource SourceOf(const FieldTexts& texts) {
    ReportSource source;
    source.texts = texts;
    source.date = kReportDate;
    return source;
}

QString Exported(const ReportSource& source, const QTemporaryDir& folder,
                 const QString& name = QStringLiteral("relazione.pdf")) {
    DialogRecorder dialogs;
    dialogs.answer = folder.filePath(name);
    ExportReportPdf(nullptr, source, dialogs.Dialogs());
    return dialogs.answer;
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    // The example data sized, evaluated and plotted in Form1 with the Italian separator: the
    // report shows every box, result and graph caption as the windows show them.
    void showsTheDesignAsTheWindowsShowIt() {
        SKIP_WITHOUT_POPPLER();
        test_support::Form1Driver form1(QLocale(QLocale::Italian, QLocale::Italy));
        for (const char* button : {"Command6", "Command1", "Command5", "Command4"}) {
            form1.Click(button);
        }
        QVERIFY(form1.messages.isEmpty());
        ReportSource source = SourceOf(form1.Form1().FieldTextsNow());
        source.selectedRange = form1.Form1().SelectedRangeIndex();
        source.seriesApplied = QStringLiteral("E24 (resistori), E12 (condensatori)");
        source.decimalSeparator = ",";

        QTemporaryDir folder;
        DialogRecorder dialogs;
        dialogs.answer = folder.filePath("relazione.pdf");
        ExportReportPdf(nullptr, source, dialogs.Dialogs());
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(QFileInfo(dialogs.suggestions.value(0)).fileName(), "relazione-2026-12-09.pdf");

        const QString text = PdfText(dialogs.answer);
        for (const QString& shown :
             {QStringLiteral("Amplificatore audio - relazione di progetto"),
              QStringLiteral("progetto senza nome"), QStringLiteral("9 dicembre 2026"),
              QStringLiteral("Valori commerciali applicati: E24 (resistori), E12 (condensatori)"),
              QStringLiteral("modulo e fase 1 Hz 100 kHz")}) {
            QVERIFY2(text.contains(shown), qPrintable(shown));
        }
        for (int number = 1; number <= kFieldCount; ++number) {
            const Field field = FieldOfTextBox(number);
            QVERIFY2(ShowsBeside(text, ToQString(FieldSymbol(field)),
                                 form1.BoxText(QStringLiteral("Text%1").arg(number))),
                     FieldSymbol(field).data());
        }
        const QStringList results{"|Vo/Vi|",      "Label40", "Fase",         "Label44",
                                  "fi effettiva", "Label47", "fs effettiva", "Label48"};
        for (qsizetype i = 0; i < results.size(); i += 2) {
            QVERIFY2(ShowsBeside(text, results[i], form1.LabelText(results[i + 1])),
                     qPrintable(results[i]));
        }
        QWidget* graph = form1.Window(5);
        QVERIFY(ShowsBeside(text, "Gmax=", graph->findChild<QLabel*>("Label1")->text()));
        QVERIFY(ShowsBeside(text, "0.707 Gmax=", graph->findChild<QLabel*>("Label17")->text()));
        QVERIFY(ShowsBeside(text, "10000", "100000"));

        const QString info = Run("pdfinfo", {dialogs.answer});
        QVERIFY(info.contains(QRegularExpression("Pages:\\s+1\\n")));
        QVERIFY(info.contains("(A4)"));
        // Real text in embedded fonts, and the schematic and curves as vectors: no image at all.
        const QRegularExpression embedded("\\byes(\\s+\\S+){2}(\\s+\\d+){2}$");
        for (const QString& font :
             Run("pdffonts", {dialogs.answer}).split('\n', Qt::SkipEmptyParts).mid(2)) {
            QVERIFY2(font.contains(embedded), qPrintable(font));
        }
        QCOMPARE(Run("pdfimages", {"-list", dialogs.answer}).count('\n'), 2);
    }

    void failingFieldPutsItsMessageInPlaceOfTheResults() {
        SKIP_WITHOUT_POPPLER();
        FieldTexts texts = amp::test_support::SizedExampleTexts();
        texts[Field::C3] = "1,27";
        QTemporaryDir folder;
        const QString text = PdfText(Exported(SourceOf(texts), folder)).simplified();
        QVERIFY(text.contains(ToQString(BadValueMessage(Field::C3))));
        QVERIFY(ShowsBeside(text, "C3", "1,27"));
        QVERIFY(text.contains("Amplificatore audio - relazione di progetto"));
        QVERIFY(!text.contains("fi effettiva"));
    }

    // Texts of any length are shown whole on the one page: smaller, then wrapped. A wrapped text
    // shares its rows with the other columns, so its digits are counted.
    void longTextsStayWhole() {
        SKIP_WITHOUT_POPPLER();
        FieldTexts texts = amp::test_support::SizedExampleTexts();
        QTemporaryDir folder;
        const qsizetype sevensBefore = PdfText(Exported(SourceOf(texts), folder)).count('7');
        texts[Field::R3] = "3.30000000000000000000000000001";
        texts[Field::fi] = std::string(3000, '7');
        const QString path = Exported(SourceOf(texts), folder);
        const QString text = PdfText(path);
        QVERIFY(ShowsBeside(text, "R3", ToQString(texts[Field::R3])));
        QCOMPARE(text.count('7') - sevensBefore, 3000);
        QVERIFY(Run("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
    }

    void longestSweepStaysUnderOneMegabyte() {
        QTemporaryDir folder;
        const QString path = Exported(SourceOf(amp::test_support::ReferenceTexts(195576)), folder);
        QVERIFY(QFileInfo(path).size() > 0);
        QCOMPARE_LT(QFileInfo(path).size(), 1'000'000);
    }

    // Paper and preview show the page the PDF shows.
    void printingAndPreviewDrawTheSamePage() {
        SKIP_WITHOUT_POPPLER();
        QTemporaryDir folder;
        const ReportSource source = SourceOf(amp::test_support::ReferenceTexts());
        const QString exported = PdfText(Exported(source, folder));
        QVERIFY(exported.contains("modulo e fase 1 Hz 1MHz"));  // range 6 when none is selected
        DialogRecorder dialogs;
        dialogs.printedPath = folder.filePath("stampata.pdf");
        PrintReport(nullptr, source, dialogs.Dialogs());
        QCOMPARE(PdfText(dialogs.printedPath), exported);
        dialogs.printedPath = folder.filePath("anteprima.pdf");
        PreviewReport(nullptr, source, dialogs.Dialogs());
        QCOMPARE(PdfText(dialogs.printedPath), exported);
        QVERIFY(dialogs.messages.isEmpty());
    }

    // From Form1's menu, the report names the open design and is suggested after it.
    void menuExportsTheOpenDesign() {
        SKIP_WITHOUT_POPPLER();
        QTemporaryDir folder;
        test_support::Form1Driver form1;
        form1.Click("Command6");
        form1.Click("Command1");
        form1.savePath = folder.filePath("stadio.amplificatore");
        form1.ChooseMenuItem("Salva con nome...");
        form1.savePath = folder.filePath("relazione.pdf");
        form1.ChooseMenuItem("Esporta relazione PDF...");
        QCOMPARE(QFileInfo(form1.suggestedSavePaths.value(1)).fileName(),
                 "stadio-" + QDate::currentDate().toString(Qt::ISODate) + ".pdf");
        const QString text = PdfText(form1.savePath);
        QVERIFY(text.contains("stadio.amplificatore"));
        QVERIFY(ShowsBeside(text, "R1", "9.35E+01"));
        QVERIFY(form1.messages.isEmpty());
    }

    void failedExportSaysWhyAndNamesTheDesign() {
        DialogRecorder dialogs;
        ReportSource source = SourceOf(amp::test_support::ReferenceTexts());
        source.designFileName = QStringLiteral("/progetti/stadio finale.amp");
        ExportReportPdf(nullptr, source, dialogs.Dialogs());  // cancelled: an empty answer
        QVERIFY(dialogs.messages.isEmpty());
        QTemporaryDir folder;
        dialogs.answer = folder.filePath("assente/relazione.pdf");
        ExportReportPdf(nullptr, source, dialogs.Dialogs());
        QCOMPARE(dialogs.messages, QStringList{FileNotSavedMessage(dialogs.answer)});
        QCOMPARE(QFileInfo(dialogs.suggestions.value(0)).fileName(),
                 "stadio finale-2026-12-09.pdf");
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

const test_support::RegisteredQtTest<ReportTest> kReportTest;

}  // namespace amp::ui
#include "report_test.moc"
