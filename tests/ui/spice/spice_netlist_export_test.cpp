#include "ui/spice/spice_netlist_export.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/checks/messages.h"
#include "core/spice/spice_netlist.h"
#include "generated/version.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/files/safe_write.h"
#include "ui/main_window/main_window.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

using test_support::Form1Driver;

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the writer makes of Form1 as it is now, under that design name.
QByteArray ExpectedNetlist(const Form1Driver& form, const std::string& designName) {
    const Outcome<std::string> netlist = ExportSpiceNetlist(
        form.Form1().FieldTextsNow(), form.Form1().DesignNoiseTexts(), designName, AMP_VERSION);
    return Failed(netlist) ? QByteArray()
                           : QByteArray::fromStdString(std::get<std::string>(netlist));
}

}  // namespace

class SpiceNetlistExportTest : public QObject {
    Q_OBJECT

  private slots:
    // The file holds the writer's netlist of the boxes: named "progetto" until the design has a
    // file, then after it, with the noise window's settings once the design has them.
    void menuItemWritesTheNetlistOfTheDesign() {
        QTemporaryDir folder;
        Form1Driver form;
        form.TypeReferenceSet();
        form.savePath = folder.filePath("prova.cir");
        form.ChooseMenuItem("Esporta netlist SPICE...");
        QCOMPARE(form.suggestedSavePaths, QStringList{QDir::home().filePath("progetto.cir")});
        QCOMPARE(FileBytes(form.savePath), ExpectedNetlist(form, "progetto"));

        form.savePath = folder.filePath("Stadio finale.amplificatore");
        form.ChooseMenuItem("Salva con nome...");
        form.ChooseMenuItem("Rumore e dinamica...");
        form.savePath = folder.filePath("Stadio finale.cir");
        form.ChooseMenuItem("Esporta netlist SPICE...");
        QCOMPARE(form.suggestedSavePaths.last(), QDir::home().filePath("Stadio finale.cir"));
        const QByteArray netlist = FileBytes(form.savePath);
        QCOMPARE(netlist, ExpectedNetlist(form, "Stadio finale"));
        QVERIFY(
            netlist.startsWith("Amplificatore audio " AMP_VERSION ": progetto \"Stadio finale\""));
        QVERIFY(netlist.contains(" en=18.000000000000002n in=10f\n"));  // the TL072
        QCOMPARE(form.messages, QStringList());
    }

    // A failing field shows its message before anything is asked, and no file is written.
    void failingFieldWritesNothing() {
        QTemporaryDir folder;
        Form1Driver form;
        form.TypeReferenceSet();
        form.Type("Text14", "1OO");
        form.savePath = folder.filePath("progetto.cir");
        form.ChooseMenuItem("Esporta netlist SPICE...");
        QCOMPARE(form.messages, QStringList{ToQString(BadValueMessage(Field::C4))});
        QCOMPARE(form.suggestedSavePaths, QStringList());
        QVERIFY(!QFile::exists(form.savePath));
    }

    // The dialog's caption and file type; a cancelled dialog writes nothing, a failed save says
    // so.
    void asksWithItsCaptionAndReportsAFailedSave() {
        QTemporaryDir folder;
        Form1Driver form;
        form.TypeReferenceSet();
        QStringList asked;
        QString answer;
        const SaveDialogs dialogs{
            [&form](QWidget*, const QString& text) { form.messages << text; },
            [&](QWidget*, const QString& caption, const QString&, const QString& types) {
                asked << caption + " | " + types;
                return answer;
            }};
        ExportSpiceNetlistFile(&form.Form1(), form.Form1().FieldTextsNow(), std::nullopt,
                               "progetto", dialogs);
        QCOMPARE(asked, QStringList{"Esporta netlist SPICE | Netlist SPICE (*.cir)"});
        QCOMPARE(form.messages, QStringList());

        answer = folder.filePath("progetto.cir");
        folder.remove();
        ExportSpiceNetlistFile(&form.Form1(), form.Form1().FieldTextsNow(), std::nullopt,
                               "progetto", dialogs);
        QCOMPARE(form.messages, QStringList{FileNotSavedMessage(answer)});
        QVERIFY(!QFile::exists(answer));
    }
};

const test_support::RegisteredQtTest<SpiceNetlistExportTest> kSpiceNetlistExportTest;

}  // namespace amp::ui

#include "spice_netlist_export_test.moc"
