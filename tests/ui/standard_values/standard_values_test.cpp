#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "core/checks/messages.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/qt_text.h"
#include "ui/standard_values/parts_list_export.h"
#include "ui/standard_values/standard_values_dialog.h"

namespace amp::ui {
namespace {

using test_support::Form1Driver;

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

// The dialog on Form1's boxes; "Applica" types the standard values into the boxes and records
// what it was given.
struct DialogOnForm1 {
    DialogOnForm1(Form1Driver& form, const QLocale& locale)
        : dialog([&form] { return form.Form1().FieldTextsNow(); }, DecimalSeparator(locale),
                 nullptr,
                 [this, &form](const std::vector<FieldWrite>& writes, const QString& series) {
                     for (const FieldWrite& write : writes) {
                         form.Type(QStringLiteral("Text%1").arg(TextBoxNumber(write.field)),
                                   ToQString(write.text));
                     }
                     seriesUsed << series;
                 }) {}

    QString Text(const QString& name) const { return dialog.findChild<QLabel*>(name)->text(); }

    StandardValuesDialog dialog;
    QStringList seriesUsed;
};

void SizeExampleData(Form1Driver& form) {
    form.Click("Command6");
    form.Click("Command1");
}

}  // namespace

class StandardValuesTest : public QObject {
    Q_OBJECT

  private slots:
    // The dialog's figures with the standard values are those that "Calcola" and the 1 Hz ...
    // 1 MHz graph show once "Applica" has written them; those with the boxes' values are what
    // they showed before.
    void appliedStandardValuesGiveTheDialogsFigures() {
        Form1Driver form(kItalian);
        SizeExampleData(form);
        form.Click("Command5");
        DialogOnForm1 shown(form, kItalian);
        QCOMPARE(shown.dialog.findChild<QComboBox*>("ComboResistori")->currentText(), "E24");
        QCOMPARE(shown.Text("LabelFiCampi"), form.LabelText("Label47"));
        QCOMPARE(shown.Text("LabelFsCampi"), form.LabelText("Label48"));
        QStringList standard;
        for (const char* part : {"R1", "R4", "C1", "C2", "C3", "C4", "C5", "C6"}) {
            standard << shown.Text(QStringLiteral("LabelCommerciale") + part);
        }
        QCOMPARE(standard,
                 (QStringList{"9.10E+01 kohm", "1.50E+02 kohm", "1.80E+00 uF", "1.50E+02 pF",
                              "1.20E+00 uF", "3.30E+01 pF", "2.20E+01 uF", "6.80E+00 uF"}));
        QCOMPARE(shown.Text("LabelScartoR1"), "-2,67 %");
        QCOMPARE(shown.Text("LabelScartoC5"), "+3,77 %");

        // From the keyboard, the capacitors from E12 to E24: 1.93 uF is nearer 2.0 than 1.8.
        QTest::keyClick(shown.dialog.findChild<QComboBox*>("ComboCondensatori"), Qt::Key_Down);
        QCOMPARE(shown.Text("LabelCommercialeC1"), "2.00E+00 uF");
        const QStringList figures{shown.Text("LabelGuadagnoCommerciali"),
                                  shown.Text("LabelFiCommerciali"),
                                  shown.Text("LabelFsCommerciali")};
        QVERIFY(figures[2] != shown.Text("LabelFsCampi"));

        shown.dialog.findChild<QPushButton*>("CommandApplica")->click();
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shown.seriesUsed, QStringList{"E24 (resistori), E24 (condensatori)"});
        QCOMPARE(form.BoxText("Text11"), "2.00E+00");
        form.Click("Command5");
        form.Click("Option7");
        form.Click("Command4");
        QCOMPARE(form.messages, QStringList());
        const QString graphMaximum = form.Window(6)->findChild<QLabel*>("Label1")->text();
        QCOMPARE((QStringList{graphMaximum, form.LabelText("Label47"), form.LabelText("Label48")}),
                 figures);
    }

    // A C4 of zero passes its field check and the evaluation, but has no standard value.
    void aPartWithoutStandardValueIsNamedInsideAndChiudiChangesNothing() {
        Form1Driver form(kItalian);
        SizeExampleData(form);
        form.Type("Text14", "0");
        const QStringList before = form.Snapshot();
        DialogOnForm1 shown(form, kItalian);
        QCOMPARE(shown.Text("LabelMessaggio"), ToQString(NoStandardValueMessage(Field::C4)));
        QCOMPARE(shown.Text("LabelCommercialeC4"), "—");
        QCOMPARE(shown.Text("LabelCommercialeC5"), "2.20E+01 uF");
        QCOMPARE(shown.Text("LabelFiCommerciali"), "—");
        QVERIFY(shown.Text("LabelFiCampi") != "—");
        QVERIFY(!shown.dialog.findChild<QPushButton*>("CommandApplica")->isEnabled());
        shown.dialog.findChild<QPushButton*>("CommandChiudi")->click();
        QCOMPARE(shown.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(shown.seriesUsed, QStringList());
        QCOMPARE(form.Snapshot(), before);
        QCOMPARE(form.messages, QStringList());
    }

    // From Form1's menus: "Applica" is one step, which "Annulla Valori commerciali" takes back to
    // the exact values; the parts list is written where the user says.
    void menuItemsApplyAsOneStepAndExportTheList() {
        QTemporaryDir folder;
        Form1Driver form;
        SizeExampleData(form);
        const QStringList sized = form.Snapshot();
        form.ChooseMenuItem("Valori commerciali...");
        auto* dialog = form.Form1().findChild<StandardValuesDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QTest::mouseClick(dialog->findChild<QPushButton*>("CommandApplica"), Qt::LeftButton);
        QCOMPARE(form.BoxText("Text10"), "9.10E+01");
        QCOMPARE(form.Form1().UndoStack().count(), 3);
        form.ChooseMenuItem("Annulla Valori commerciali");
        QCOMPARE(form.Snapshot(), sized);

        form.savePath = folder.filePath("distinta.csv");
        form.ChooseMenuItem("Esporta distinta componenti...");
        QVERIFY(QFile(form.savePath).size() > 0);
        QVERIFY(form.messages.isEmpty());
    }

    void partsListOfTheSizedExampleData() {
        Form1Driver form;
        SizeExampleData(form);
        QTemporaryDir folder;
        QString asked;
        const SaveDialogs dialogs{
            [&form](QWidget*, const QString& text) { form.messages << text; },
            [&](QWidget*, const QString& caption, const QString& suggested, const QString&) {
                asked = caption + ' ' + QFileInfo(suggested).suffix();
                return folder.filePath("distinta.csv");
            }};
        ExportPartsList(&form.Form1(), form.Form1().FieldTextsNow(), dialogs);
        QCOMPARE(asked, "Esporta distinta componenti csv");
        QFile file(folder.filePath("distinta.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QString::fromUtf8("sigla,quantità,valore,valore nel campo,serie\n"
                                   "R1,1,93500 Ω,9.35E+01 kohm,\n"
                                   "R2,1,1000 Ω,1 kohm,E6\n"
                                   "R3,1,3300 Ω,3.3 kohm,E6\n"
                                   "R4,1,150000 Ω,1.50E+02 kohm,E6\n"
                                   "R5,1,15000 Ω,15 kohm,E6\n"
                                   "R,2,50000 Ω,50 kohm,\n"
                                   "C1,1,1.93e-06 F,1.93E+00 uF,E192\n"
                                   "C2,1,1.59e-10 F,1.59E+02 pF,\n"
                                   "C3,1,1.27e-06 F,1.27E+00 uF,E48\n"
                                   "C4,1,3.54e-11 F,3.54E+01 pF,\n"
                                   "C5,1,2.12e-05 F,2.12E+01 uF,\n"
                                   "C6,1,6.37e-06 F,6.37E+00 uF,\n"
                                   "U1,1,Avo 200000 fc 3000000 Hz,Avo 200000 fc 3 MHz,\n"
                                   "U2,1,Avo 200000 fc 3000000 Hz,Avo 200000 fc 3 MHz,\n"));
        QCOMPARE(form.messages, QStringList());

        // A failing part ends the export before anything is asked; a failed save says so.
        asked.clear();
        FieldTexts texts = form.Form1().FieldTextsNow();
        texts[Field::R3] = "3,3";
        ExportPartsList(&form.Form1(), texts, dialogs);
        QCOMPARE(asked, QString());
        folder.remove();
        ExportPartsList(&form.Form1(), form.Form1().FieldTextsNow(), dialogs);
        QCOMPARE(form.messages,
                 (QStringList{ToQString(BadValueMessage(Field::R3)),
                              FileNotSavedMessage(folder.filePath("distinta.csv"))}));
    }
};

const test_support::RegisteredQtTest<StandardValuesTest> kStandardValuesTest;

}  // namespace amp::ui

#include "standard_values_test.moc"
