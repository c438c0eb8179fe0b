#include "ui/files/design_file.h"

#include <sys/resource.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUrl>
#include <csignal>
#include <memory>

#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/qt_translations.h"

using amp::ui::test_support::Form1Driver;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The example data sized and evaluated: every box, the range and the results hold something.
void FillDesign(Form1Driver& form) {
    form.Click("Command6");
    form.Click("Command1");
    form.Click("Command5");
}

// A design file of the example data that a test then spoils one way or another.
QJsonObject ExampleFile() {
    Form1Driver form;
    form.Click("Command6");
    amp::Design design{form.Form1().FieldTextsNow(), form.Form1().SelectedRangeIndex()};
    return QJsonDocument::fromJson(amp::ui::DesignFileBytes(design)).object();
}

QByteArray WithField(QJsonObject file, const QString& key, const QJsonValue& value) {
    QJsonObject fields = file.value("campi").toObject();
    if (value.isUndefined()) {
        fields.remove(key);
    } else {
        fields.insert(key, value);
    }
    file.insert("campi", fields);
    return QJsonDocument(file).toJson();
}

QByteArray With(QJsonObject file, const QString& key, const QJsonValue& value) {
    file.insert(key, value);
    return QJsonDocument(file).toJson();
}

// Makes writes beyond a few bytes fail, as on a full disk, for as long as it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

}  // namespace

class DesignFileTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(amp::ui::InstallQtItalianTexts(*QCoreApplication::instance()));
    }

    // open(save(window)) gives the same window, character for character.
    void savedDesignsOpenAsTheyWereTyped() {
        QTemporaryDir folder;
        const QStringList awkward{
            "", QString(40000, QLatin1Char('7')), "1,5", "Ωμέγα 测试", " 5 ", "-3.3e+2", "«x»\t"};
        Form1Driver form;
        for (int number = 1; number <= amp::kFieldCount; ++number) {
            QString text = awkward[number % awkward.size()];
            text.remove(QLatin1Char('\t'));  // a box holds no control character
            form.Get<QLineEdit>(QStringLiteral("Text%1").arg(number)).setText(text);
        }
        form.Click("Option3");
        form.savePath = folder.filePath("progetto");
        form.ChooseMenuItem("Salva con nome...");
        const QString saved = folder.filePath("progetto.amplificatore");
        QCOMPARE(form.messages, QStringList());
        QCOMPARE(form.Form1().windowTitle(), "progetto.amplificatore[*] - Amplificatore audio");
        QVERIFY(!form.Form1().isWindowModified());
        const QByteArray bytes = ReadAll(saved);
        QVERIFY(bytes.startsWith("{\n    \"campi\": {\n"));
        QVERIFY(bytes.endsWith("\n}\n"));

        Form1Driver reopened;
        // Keys of later versions are passed over.
        WriteAll(saved, With(QJsonDocument::fromJson(bytes).object(), "futuro", 1));
        // Dropped on a box, the file is for the window, not text for the box.
        QMimeData dragged;
        dragged.setUrls({QUrl::fromLocalFile(saved)});
        dragged.setText(saved);
        auto& target = reopened.Get<QLineEdit>("Text5");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &drop);
        QCoreApplication::processEvents();
        QCOMPARE(reopened.Snapshot(), form.Snapshot());
        QCOMPARE(reopened.messages, QStringList());
        QCOMPARE(reopened.storedRecentFiles, QStringList{saved});
        // Written again, the design gives the same bytes.
        auto& box = reopened.Get<QLineEdit>("Text8");
        box.setText(box.text() + "1");
        QVERIFY(reopened.Form1().isWindowModified());
        box.setText(form.BoxText("Text8"));
        reopened.ChooseMenuItem("Salva");
        QCOMPARE(ReadAll(saved), bytes);
    }

    // Whatever is wrong with a file, one message names it and the window stays as it was.
    void filesThatCannotBeDesignsChangeNothing() {
        QTemporaryDir folder;
        const QJsonObject example = ExampleFile();
        QByteArray invalidUtf8 = With(example, "nota", "x");
        invalidUtf8.replace("\"x\"", "\"\xff\"");
        const struct {
            const char* name;
            QByteArray bytes;
            QString problem;
        } cases[] = {
            {"not JSON", "{\"campi\": ", "non contiene testo JSON valido"},
            {"not an object", "[1, 2]", "non contiene un oggetto JSON"},
            {"another format", With(example, "formato", "altro"), "non è un progetto"},
            {"a newer version", With(example, "versione", 2),
             "creato con una versione più recente"},
            {"a version of no number", With(example, "versione", "1"), "versione del formato"},
            {"a field missing", WithField(example, "R2", QJsonValue::Undefined),
             "manca il campo R2."},
            {"a field not a text", WithField(example, "C4", 35.4), "il campo C4 non è un testo."},
            {"a line break", WithField(example, "R", "5\n0"), "il campo R contiene un a capo"},
            {"a C1 control", WithField(example, "fi", "5\u0085"), "il campo fi contiene un a capo"},
            {"range 7", With(example, "campo_di_frequenze", 7), "da 1 a 6 oppure null"},
            {"range 2.5", With(example, "campo_di_frequenze", 2.5), "da 1 a 6 oppure null"},
            {"range as text", With(example, "campo_di_frequenze", "5"), "da 1 a 6 oppure null"},
            {"invalid UTF-8", invalidUtf8, "non è un testo UTF-8 valido"},
            {"larger than 16 MiB", {}, "più grande di 16 MiB"},
            {"a folder", {}, "è una cartella"},
            {"gone", {}, "il file non esiste"},
        };
        for (const auto& spoilt : cases) {
            const QString path =
                folder.filePath(QString::fromLatin1(spoilt.name) + ".amplificatore");
            if (spoilt.problem.contains("16 MiB")) {
                QFile large(path);
                QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(16 * 1024 * 1024 + 1));
            } else if (spoilt.problem.contains("cartella")) {
                QVERIFY(QDir().mkpath(path));
            } else if (!spoilt.bytes.isEmpty()) {
                WriteAll(path, spoilt.bytes);
            }
            Form1Driver form;
            FillDesign(form);
            const QStringList before = form.Snapshot();
            const int steps = form.Form1().UndoStack().count();
            QVERIFY2(!form.Form1().Document().OpenPath(path), spoilt.name);
            QCOMPARE(form.messages.size(), 1);
            QVERIFY2(form.messages[0].startsWith("Impossibile aprire il progetto «" + path + "»"),
                     qPrintable(form.messages[0]));
            QVERIFY2(form.messages[0].contains(spoilt.problem), qPrintable(form.messages[0]));
            QCOMPARE(form.Snapshot(), before);
            QCOMPARE(form.Form1().UndoStack().count(), steps);
            QCOMPARE(form.Form1().windowTitle(), "Amplificatore audio");
            QCOMPARE(form.questions, QStringList());
        }
    }

    void aRecentDesignThatHasGoneIsOfferedForRemoval() {
        QTemporaryDir folder;
        Form1Driver form;
        form.savePath = folder.filePath("via.amplificatore");
        form.ChooseMenuItem("Salva con nome...");
        QVERIFY(QFile::remove(form.savePath));
        form.answer = "Togli dall'elenco";
        form.ChooseMenuItem("1 " + form.savePath);
        QCOMPARE(form.questions.size(), 1);
        QVERIFY(form.questions[0].contains("il file non esiste"));
        QCOMPARE(form.storedRecentFiles, QStringList());
    }

    // A save that fails says so, leaves the earlier file whole and the design unsaved.
    void failedSavesKeepTheEarlierFile() {
        QTemporaryDir folder;
        Form1Driver form;
        FillDesign(form);
        form.savePath = folder.filePath("progetto.amplificatore");
        form.ChooseMenuItem("Salva");
        const QByteArray earlier = ReadAll(form.savePath);
        QVERIFY(!earlier.isEmpty());

        form.Type("Text3", "20");
        {
            const FileSizeLimit fullDisk(16);
            form.ChooseMenuItem("Salva");
        }
        // Three bytes each in UTF-8: a paste of a third of the limit makes a file beyond it.
        form.Get<QLineEdit>("Text5").setText(QString(16 * 1024 * 1024 / 3 + 1, QChar(0x20AC)));
        form.ChooseMenuItem("Salva");
        QVERIFY2(form.messages.size() == 2, qPrintable(form.messages.join('|')));
        QVERIFY2(form.messages[0].contains("la scrittura non è riuscita"),
                 qPrintable(form.messages[0]));
        QVERIFY2(form.messages[1].contains("16 MiB"), qPrintable(form.messages[1]));
        QCOMPARE(ReadAll(form.savePath), earlier);
        QVERIFY(form.Form1().isWindowModified());
        QCOMPARE(folder.path(), QFileInfo(form.savePath).path());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"progetto.amplificatore"});
    }

    void undoAndRedoTakeBackWhatTheButtonsWrote() {
        Form1Driver form;
        const QStringList start = form.Snapshot();
        form.Click("Command6");
        const QStringList example = form.Snapshot();
        form.Click("Command1");
        const QStringList sized = form.Snapshot();
        form.Click("Command5");
        const QStringList evaluated = form.Snapshot();
        form.Click("Command2");
        const QStringList cleared = form.Snapshot();
        // A press that ends in a message takes no step.
        form.Click("Command1");
        QCOMPARE(form.messages.size(), 1);
        QCOMPARE(form.Form1().UndoStack().count(), 3);

        form.ChooseMenuItem("Annulla Azzera");
        QCOMPARE(form.Snapshot(), evaluated);
        form.ChooseMenuItem("Annulla Dimensiona componenti");
        QCOMPARE(form.Snapshot(), example);
        form.ChooseMenuItem("Annulla Inserisci dati come esempio");
        QCOMPARE(form.Snapshot(), start);
        form.ChooseMenuItem("Ripeti Inserisci dati come esempio");
        form.ChooseMenuItem("Ripeti Dimensiona componenti");
        QCOMPARE(form.Snapshot(), sized);
        form.ChooseMenuItem("Ripeti Azzera");
        QCOMPARE(form.Snapshot(), cleared);

        form.ChooseMenuItem("Nuovo");
        QCOMPARE(form.questions.size(), 1);
        QCOMPARE(form.Snapshot(), start);
        form.ChooseMenuItem("Annulla Nuovo");
        QCOMPARE(form.Snapshot(), cleared);
    }

    // "Salva", "Non salvare", "Annulla", and a save that is cancelled.
    void closingWithChangesAsksFirst() {
        QTemporaryDir folder;
        // No caption: the box closed without a button.
        const struct {
            QString answer;
            QString savePath;
            bool closes;
        } answers[] = {
            {"Salva", folder.filePath("chiuso.amplificatore"), true},
            {"Salva", {}, false},
            {"Non salvare", {}, true},
            {"Annulla", {}, false},
            {{}, {}, false},
        };
        for (const auto& answer : answers) {
            QFile::remove(folder.filePath("chiuso.amplificatore"));
            Form1Driver form;
            form.Click("Command6");
            form.answer = answer.answer;
            form.savePath = answer.savePath;
            form.Click("Command3");
            QCOMPARE(form.questions, QStringList{"Salvare le modifiche al progetto?"});
            QCOMPARE(form.Form1().isVisible(), !answer.closes);
            QCOMPARE(QFile::exists(folder.filePath("chiuso.amplificatore")),
                     answer.answer == "Salva" && answer.closes);
        }
        Form1Driver unchanged;
        unchanged.Click("Command3");
        QCOMPARE(unchanged.questions, QStringList());
        QVERIFY(!unchanged.Form1().isVisible());
    }

    void qtsOwnDialogsAndMenusSpeakItalian() {
        Form1Driver form;
        const std::unique_ptr<QMenu> menu(form.Get<QLineEdit>("Text1").createStandardContextMenu());
        QStringList items;
        for (QAction* action : menu->actions()) {
            items << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
        QVERIFY2(items.contains("Annulla") && items.contains("Incolla"),
                 qPrintable(items.join('|')));

        QFileDialog dialog(&form.Form1(), "Salva immagine", QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QStringList captions;
        for (QLabel* label : dialog.findChildren<QLabel*>()) captions << label->text();
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) captions << button->text();
        captions.replaceInStrings(QStringLiteral("&"), QString());
        QVERIFY2(captions.contains("Nome del file:") && captions.contains("Salva") &&
                     captions.contains("Annulla"),
                 qPrintable(captions.join('|')));
    }
};

const amp::ui::test_support::RegisteredQtTest<DesignFileTest> kDesignFileTest;

#include "design_file_test.moc"
