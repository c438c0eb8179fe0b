#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "tests/ui/support/form1_driver.h"

using amp::ui::test_support::Form1Driver;

namespace {

// Form1's controls as designed, in twips: name, left, top, width, height (-1: left to the
// layout), tab position (0: none) and caption or initial text.
struct Expected {
    const char* name;
    int left, top, width, height, tab;
    const char* caption;
};

const Expected kForm1[] = {
    {"Text1", 12360, 465, 1200, 285, 1, "5"},
    {"Text2", 12360, 840, 1215, 285, 2, "20000"},
    {"Text3", 12360, 1200, 1215, 285, 15, ""},
    {"Text5", 12360, 1560, 1215, 285, 4, ""},
    {"Text6", 12360, 1920, 1215, 285, 29, ""},
    {"Text4", 12360, 2280, 1215, 285, 3, ""},
    {"Text7", 12360, 2640, 1215, 285, 32, ""},
    {"Text8", 12360, 3000, 1215, 285, 35, ""},
    {"Text9", 12360, 3360, 1215, 285, 38, ""},
    {"Text10", 450, 5250, 1815, 285, 41, ""},
    {"Text11", 3330, 5250, 1815, 285, 42, ""},
    {"Text12", 6330, 5250, 1815, 285, 43, ""},
    {"Text13", 450, 5610, 1815, 285, 44, ""},
    {"Text14", 3330, 5610, 1815, 285, 45, ""},
    {"Text19", 6360, 5640, 1815, 285, 59, ""},
    {"Text15", 450, 5970, 1815, 285, 47, ""},
    {"Text16", 3330, 5970, 1815, 285, 50, ""},
    {"Text17", 6360, 5970, 1815, 285, 52, "200000"},
    {"Text18", 450, 6330, 1815, 285, 54, "3"},
    {"Text20", 5580, 6660, 975, 285, 62, "1000"},
    {"Text21", 9600, 5460, 1815, 285, 66, "5000"},
    {"Label40", 12660, 5820, 1815, 255, 0, ""},
    {"Label44", 12660, 6180, 1815, 255, 0, ""},
    {"Label47", 9030, 6690, 1815, 285, 0, ""},
    {"Label48", 12480, 6660, 1845, 285, 0, ""},
    {"Command1", 12240, 4230, 2415, 375, 14, "Dimensiona componenti"},
    {"Command2", 12540, 4710, 1335, 375, 16, "Azzera"},
    {"Command3", 12540, 5190, 1335, 375, 17, "Esci"},
    {"Command4", 90, 6720, 1695, 615, 58, "Grafico di Vo/Vi"},
    {"Command5", 9630, 5970, 1935, 495, 64, "Calcola Modulo e Fase, fi e fs effettive"},
    {"Command6", 12120, 3780, 2625, 345, 79, "Inserisci dati come esempio"},
    {"Option2", 1860, 6690, 1395, 285, 73, "1Hz - 10 Hz"},
    {"Option3", 1860, 7020, 1575, 255, 74, "1Hz - 100 Hz"},
    {"Option4", 1860, 7320, 1545, 255, 75, "1Hz - 1kHz"},
    {"Option5", 3480, 6690, 1605, 255, 76, "1Hz - 10 kHz"},
    {"Option6", 3480, 6990, 1725, 285, 77, "1Hz - 100 kHz"},
    {"Option7", 3480, 7320, 1485, 225, 78, "1Hz - 1MHz"},
    {"Picture1", 120, 330, 11475, 4020, 0, ""},
    {"Label1", 360, 120, 7935, 255, 0,
     "Dati: fi; fs; Ri; R2;  R; Avcb; R3; R5; RL.   Determinare: R1; R4; C1; C2; C3; C5; C4; CL"},
    {"Label26", 90, 4380, 9375, 435, 0,
     "Ri = resistenza di ingresso dell'amplificatore audio, vista dal generatore Vi.  Avcb = "
     "guadagno in centro banda dell'amplificatore audio.  Avo = guadagno a catena aperta degli "
     "amplificatori operazionali. fc = frequenza di crossover degli amplificatori operazionali."},
    {"Label53", 90, 4860, 9435, 345, 0,
     "I risultati qui sotto funzionano anche come dati per il calcolo del grafico e per la fi e "
     "fs effettive e sono modificabili dall'utente"},
    {"Label54", 6600, 6720, 1185, 255, 0, "N° campioni"},
    {"Label55", 12720, 7140, 1815, 375, 0, "Amplificatore audio 1.0"},
    {"Label2", 12120, 480, -1, -1, 0, "fi"},
    {"Label6", 12120, 840, -1, -1, 0, "fs"},
    {"Label7", 12000, 1200, -1, -1, 0, "Ri"},
    {"Label9", 12000, 1560, -1, -1, 0, "R2"},
    {"Label12", 12000, 1920, -1, -1, 0, "R"},
    {"Label8", 11760, 2280, -1, -1, 0, "Avcb"},
    {"Label32", 12000, 2640, -1, -1, 0, "R3"},
    {"Label34", 12000, 3000, -1, -1, 0, "R5"},
    {"Label36", 12000, 3360, -1, -1, 0, "RL"},
    {"Label3", 13680, -1, -1, -1, 0, "[Hz]"},
    {"Label4", 13680, -1, -1, -1, 0, "[Hz]"},
    {"Label5", 13680, -1, -1, -1, 0, "[kohm]"},
    {"Label11", 13680, -1, -1, -1, 0, "[kohm]"},
    {"Label10", 13680, -1, -1, -1, 0, "[kohm]"},
    {"Label31", 13680, -1, -1, -1, 0, "[kohm]"},
    {"Label33", 13680, -1, -1, -1, 0, "[kohm]"},
    {"Label35", 13680, -1, -1, -1, 0, "[kohm]"},
    {"Label19", 90, 5250, -1, -1, 0, "R1"},
    {"Label20", 2970, 5250, -1, -1, 0, "C1"},
    {"Label21", 5970, 5250, -1, -1, 0, "C2"},
    {"Label24", 90, 5610, -1, -1, 0, "C3"},
    {"Label22", 2970, 5610, -1, -1, 0, "C4"},
    {"Label37", 6000, 5640, -1, -1, 0, "R4"},
    {"Label13", 90, 5970, -1, -1, 0, "C5"},
    {"Label15", 2970, 5970, -1, -1, 0, "C6"},
    {"Label18", 5880, 5970, -1, -1, 0, "Avo"},
    {"Label23", 90, 6330, -1, -1, 0, "fc"},
    {"Label39", 5340, 6720, -1, -1, 0, "N"},
    {"Label41", 9360, 5460, -1, -1, 0, "f"},
    {"Label25", 2310, 5280, -1, -1, 0, "[kohm]"},
    {"Label38", 8160, 5640, -1, -1, 0, "[kohm]"},
    {"Label27", 5250, 5250, -1, -1, 0, "[uF]"},
    {"Label30", 2370, 5610, -1, -1, 0, "[uF]"},
    {"Label14", 2370, 5970, -1, -1, 0, "[uF]"},
    {"Label16", 5250, 5970, -1, -1, 0, "[uF]"},
    {"Label28", 8250, 5250, -1, -1, 0, "[pF]"},
    {"Label29", 5250, 5610, -1, -1, 0, "[pF]"},
    {"Label17", 2370, 6330, -1, -1, 0, "[MHz]"},
    {"Label42", 11520, 5460, -1, -1, 0, "[Hz]"},
    {"Label43", -1, -1, -1, -1, 0, "|Vo/Vi|"},
    {"Label45", -1, -1, -1, -1, 0, "Fase"},
    {"Label46", -1, -1, -1, -1, 0, "[°]"},
    {"Label49", -1, -1, -1, -1, 0, "fi effettiva"},
    {"Label50", -1, -1, -1, -1, 0, "fs effettiva"},
    {"Label51", -1, -1, -1, -1, 0, "[Hz]"},
    {"Label52", -1, -1, -1, -1, 0, "[Hz]"},
};

QString CaptionOf(QWidget& control) {
    if (auto* box = qobject_cast<QLineEdit*>(&control)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(&control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) return button->text();
    return {};
}

// Compares a designed coordinate with the placed one; -1 leaves it to the layout.
void CompareTwips(int designed, int placedPixels, const char* control, const char* what) {
    if (designed < 0) return;
    QVERIFY2(designed / 15 == placedPixels,
             qPrintable(QStringLiteral("%1 %2: %3 px, designed %4 twips")
                            .arg(control, what)
                            .arg(placedPixels)
                            .arg(designed)));
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void windowHasItsDesignedFrame() {
        Form1Driver form;
        amp::ui::MainWindow& window = form.window();
        QCOMPARE(window.objectName(), "Form1");
        QCOMPARE(window.windowTitle(), "Amplificatore audio");
        QCOMPARE(window.minimumSize(), QSize(996, 513));
        QCOMPARE(window.maximumSize(), QSize(996, 513));
        QCOMPARE(window.pos(), QPoint(11, 121));
        QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
    }

    void everyControlIsNamedPlacedAndCaptionedAsDesigned() {
        Form1Driver form;
        for (const Expected& expected : kForm1) {
            auto* control = form.window().findChild<QWidget*>(expected.name);
            QVERIFY2(control, expected.name);
            const QRect placed = control->geometry();
            CompareTwips(expected.left, placed.left(), expected.name, "left");
            CompareTwips(expected.top, placed.top(), expected.name, "top");
            CompareTwips(expected.width, placed.width(), expected.name, "width");
            CompareTwips(expected.height, placed.height(), expected.name, "height");
            QCOMPARE(CaptionOf(*control), QString::fromUtf8(expected.caption));
            QVERIFY2(control->geometry().intersected(form.window().rect()) == placed,
                     expected.name);
        }
        const QRegularExpression controlName(
            QStringLiteral("^(Text|Label|Option|Command|Picture)\\d+$"));
        int named = 0;
        for (QWidget* child : form.window().findChildren<QWidget*>()) {
            if (controlName.match(child->objectName()).hasMatch()) ++named;
        }
        QCOMPARE(named, int(std::size(kForm1)));
    }

    // The range options are one stop of the chain, as in any exclusive group; the arrow keys move
    // between them.
    void tabVisitsTheControlsInTheirDesignedOrder() {
        QList<std::pair<int, QString>> designed;
        for (const Expected& expected : kForm1) {
            const QString name = QString::fromLatin1(expected.name);
            if (expected.tab > 0 && (!name.startsWith("Option") || name == "Option2")) {
                designed.append({expected.tab, name});
            }
        }
        std::ranges::sort(designed);

        Form1Driver form;
        QApplication::setActiveWindow(&form.window());
        QVERIFY(QTest::qWaitForWindowActive(&form.window()));
        QStringList visited;
        for (qsizetype step = 0; step < designed.size(); ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList expectedOrder;
        for (const auto& [tab, name] : designed) expectedOrder << name;
        QCOMPARE(visited, expectedOrder);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Text1");

        form.Get<QRadioButton>("Option2").setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option3");
        QCOMPARE(form.window().SelectedRangeIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option3");
    }

    void boxesAreNamedForScreenReaders() {
        const QStringList names{
            "fi [Hz]",   "fs [Hz]",   "Ri [kohm]", "Avcb",     "R2 [kohm]", "R [kohm]", "R3 [kohm]",
            "R5 [kohm]", "RL [kohm]", "R1 [kohm]", "C1 [uF]",  "C2 [pF]",   "C3 [uF]",  "C4 [pF]",
            "C5 [uF]",   "C6 [uF]",   "Avo",       "fc [MHz]", "R4 [kohm]", "N",        "f [Hz]"};
        Form1Driver form;
        for (int number = 1; number <= 21; ++number) {
            QCOMPARE(form.Get<QLineEdit>(QStringLiteral("Text%1").arg(number)).accessibleName(),
                     names[number - 1]);
        }
    }

    void fontsResolveToLiberationSans() {
        Form1Driver form;
        for (QWidget* control : form.window().findChildren<QWidget*>()) {
            if (control->objectName().isEmpty()) continue;
            QCOMPARE(QFontInfo(control->font()).family(), "Liberation Sans");
            const QString& name = control->objectName();
            const bool windowFont = name == "Label26" || name == "Label53";
            if (!name.startsWith("Picture")) QCOMPARE(control->font().bold(), !windowFont);
            QVERIFY(control->font().pointSizeF() <= 8.25);
        }
        QCOMPARE(form.Get<QLabel>("Label55").font().family(), "Arial");
        QCOMPARE(form.Get<QLabel>("Label1").font().family(), "MS Sans Serif");
    }

    void resultLabelsAndMarkedControlsHaveTheirColours() {
        Form1Driver form;
        for (const char* name : {"Label40", "Label44", "Label47", "Label48"}) {
            auto& label = form.Get<QLabel>(name);
            QCOMPARE(label.palette().color(QPalette::Window), QColor(255, 255, 255));
            QVERIFY(label.autoFillBackground());
            QCOMPARE(label.frameShape(), QFrame::Box);
            QVERIFY(label.alignment() & Qt::AlignRight);
        }
        auto& credits = form.Get<QLabel>("Label55");
        QCOMPARE(credits.palette().color(QPalette::Window), QColor(0, 192, 192));
        QCOMPARE(credits.frameShape(), QFrame::Box);

        const QImage alarm = form.Get<QPushButton>("Command6").grab().toImage();
        QCOMPARE(alarm.pixelColor(alarm.width() / 10, alarm.height() / 2), QColor(255, 0, 0));
    }

    void schematicIsABorderedGreyscalePicture() {
        Form1Driver form;
        auto& picture = form.Get<QFrame>("Picture1");
        QCOMPARE(picture.frameShape(), QFrame::Box);
        const QImage image = picture.grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                QVERIFY(pixel.red() == pixel.green() && pixel.green() == pixel.blue());
                if (pixel.value() < 128) ++dark;
            }
        }
        // Wires, symbols and names, not an empty frame.
        QVERIFY(dark > image.width() * 4);
    }
};

int RunLayoutTests(int argc, char** argv) {
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "layout_test.moc"
