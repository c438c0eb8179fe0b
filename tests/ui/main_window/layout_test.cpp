#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>

#include "tests/support/reference_design.h"
#include "tests/ui/support/form1_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/forms/command_button.h"

using amp::ui::test_support::Form1Driver;

namespace {

// The controls a window was designed with, by the names they carry.
QList<QWidget*> DesignedControls(QWidget& window) {
    static const QRegularExpression kControlName(
        QStringLiteral("^(Text|Label|Option|Command|Picture|Line)\\d+$"));
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (kControlName.match(child->objectName()).hasMatch()) controls << child;
    }
    return controls;
}

QRect InWindow(QWidget& window, QWidget& control) {
    return {control.mapTo(&window, QPoint(0, 0)), control.size()};
}

// The area a control lays its caption out in, and how.
std::pair<QRect, int> CaptionArea(QWidget& control) {
    if (auto* button = qobject_cast<amp::ui::CommandButton*>(&control)) {
        return {button->CaptionRect(), amp::ui::CommandButton::kCaptionFlags};
    }
    if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        return {option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option),
                Qt::AlignLeft | Qt::AlignVCenter};
    }
    auto& label = static_cast<QLabel&>(control);
    const int indent = std::max(label.indent(), 0);
    return {label.contentsRect().adjusted(indent, 0, -indent, 0),
            int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0)};
}

QString CaptionOf(QWidget& control) {
    if (auto* label = qobject_cast<QLabel*>(&control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) return button->text();
    return {};
}

// Every control within the window, no two overlapping unless named here, every caption whole.
void CheckLayoutRules(QWidget& window, const QSet<QString>& mayOverlap) {
    const QList<QWidget*> controls = DesignedControls(window);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        const QRect placed = InWindow(window, *control);
        QVERIFY2(window.rect().contains(placed), qPrintable(name + " leaves the window"));

        for (QWidget* other : controls) {
            if (other == control || control->isAncestorOf(other) || other->isAncestorOf(control))
                continue;
            const QString pair = name < other->objectName() ? name + "+" + other->objectName()
                                                            : other->objectName() + "+" + name;
            if (mayOverlap.contains(pair)) continue;
            QVERIFY2(!placed.intersects(InWindow(window, *other)), qPrintable(pair + " overlap"));
        }

        const QString caption = CaptionOf(*control);
        if (caption.isEmpty()) continue;
        const auto [area, flags] = CaptionArea(*control);
        const QRect needed = QFontMetrics(control->font()).boundingRect(area, flags, caption);
        QVERIFY2(needed.width() <= area.width() && needed.height() <= area.height(),
                 qPrintable(QStringLiteral("%1 cuts its caption \"%2\": %3x%4 in %5x%6")
                                .arg(name, caption)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(area.width())
                                .arg(area.height())));
    }
}

void CompareTwips(QWidget& control, int left, int top, int width, int height) {
    QCOMPARE(control.geometry(), QRect(left / 15, top / 15, width / 15, height / 15));
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void windowHasItsDesignedFrame() {
        Form1Driver form;
        amp::ui::MainWindow& window = form.Form1();
        QCOMPARE(window.objectName(), "Form1");
        QCOMPARE(window.windowTitle(), "Amplificatore audio");
        // The client area keeps its designed size below the menu bar; the window grows by the bar.
        QWidget& client = window.ClientArea();
        QCOMPARE(client.size(), QSize(14940 / 15, 7695 / 15));
        QCOMPARE(client.pos(), QPoint(0, window.menuBar()->height()));
        QCOMPARE(window.minimumSize(), QSize(client.width(), client.height() + client.y()));
        QCOMPARE(window.maximumSize(), window.minimumSize());
        QCOMPARE(window.pos(), QPoint(165 / 15, 1815 / 15));
    }

    void controlsFitTheirWindowsWithoutOverlapping() {
        Form1Driver form;
        // As designed: the heading label reaches a few pixels into the schematic's frame, and
        // R4's box a pixel into its unit.
        CheckLayoutRules(form.Form1(), {"Label1+Picture1", "Label38+Text19"});

        form.TypeReferenceSet();
        QVERIFY(!form.Program().GraphWindows().ShowGraph(amp::test_support::ReferenceTexts(), 6));
        amp::ui::GraphWindow* graph = form.Window(6);
        // As designed: the unit of the frequency axis stands above the end of its last label.
        CheckLayoutRules(*graph, {"Label11+Label12"});
    }

    // Spot rows, as designed: geometry in twips, captions and initial texts.
    void designedRowsArePlacedAndCaptioned() {
        Form1Driver form;
        CompareTwips(form.Get<QLineEdit>("Text1"), 12360, 465, 1200, 285);
        QCOMPARE(form.BoxText("Text1"), "5");
        CompareTwips(form.Get<QLineEdit>("Text19"), 6360, 5640, 1815, 285);
        CompareTwips(form.Get<QLineEdit>("Text20"), 5580, 6660, 975, 285);
        QCOMPARE(form.BoxText("Text20"), "1000");
        CompareTwips(form.Get<QLabel>("Label48"), 12480, 6660, 1845, 285);
        CompareTwips(form.Get<QPushButton>("Command5"), 9630, 5970, 1935, 495);
        QCOMPARE(form.Get<QPushButton>("Command5").text(),
                 "Calcola Modulo e Fase, fi e fs effettive");
        CompareTwips(form.Get<QRadioButton>("Option7"), 3480, 7320, 1485, 225);
        QCOMPARE(form.Get<QRadioButton>("Option7").text(), "1Hz - 1MHz");
        CompareTwips(*form.Form1().findChild<QWidget*>("Picture1"), 120, 330, 11475, 4020);
        QCOMPARE(form.LabelText("Label1"),
                 "Dati: fi; fs; Ri; R2;  R; Avcb; R3; R5; RL.   Determinare: R1; R4; C1; C2; C3; "
                 "C5; C4; CL");
        QCOMPARE(form.LabelText("Label54"), QString::fromUtf8("N° campioni"));
        QCOMPARE(DesignedControls(form.Form1()).size(), 89);
    }

    // The caption of Command5 needs both of its lines.
    void longButtonCaptionWrapsOntoTwoLines() {
        Form1Driver form;
        auto& button = static_cast<amp::ui::CommandButton&>(form.Get<QPushButton>("Command5"));
        const QRect oneLine = QFontMetrics(button.font()).boundingRect(button.text());
        QVERIFY(oneLine.width() > button.CaptionRect().width());
    }

    // The range options are one stop of the chain, as in any exclusive group; the arrow keys move
    // between them.
    void tabVisitsTheControlsInTheirDesignedOrder() {
        const QStringList designed{
            "Text1",    "Text2",  "Text4",  "Text5",    "Command1", "Text3",   "Command2",
            "Command3", "Text6",  "Text7",  "Text8",    "Text9",    "Text10",  "Text11",
            "Text12",   "Text13", "Text14", "Text15",   "Text16",   "Text17",  "Text18",
            "Command4", "Text19", "Text20", "Command5", "Text21",   "Option2", "Command6"};
        Form1Driver form;
        QApplication::setActiveWindow(&form.Form1());
        QVERIFY(QTest::qWaitForWindowActive(&form.Form1()));
        QStringList visited;
        for (qsizetype step = 0; step < designed.size(); ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, designed);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Text1");

        form.Get<QRadioButton>("Option2").setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option3");
        QCOMPARE(form.Form1().SelectedRangeIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Option3");
    }

    void boxesAndResultsAreNamedForScreenReaders() {
        const QStringList names{
            "fi [Hz]",   "fs [Hz]",   "Ri [kohm]", "Avcb",     "R2 [kohm]", "R [kohm]", "R3 [kohm]",
            "R5 [kohm]", "RL [kohm]", "R1 [kohm]", "C1 [uF]",  "C2 [pF]",   "C3 [uF]",  "C4 [pF]",
            "C5 [uF]",   "C6 [uF]",   "Avo",       "fc [MHz]", "R4 [kohm]", "N",        "f [Hz]"};
        Form1Driver form;
        for (int number = 1; number <= 21; ++number) {
            QCOMPARE(form.Get<QLineEdit>(QStringLiteral("Text%1").arg(number)).accessibleName(),
                     names[number - 1]);
        }
        // The result labels say their value as their name and their quantity beside it.
        const QStringList results{"Label40", "Label44", "Label47", "Label48"};
        const QStringList quantities{"Modulo di Vo/Vi", QString::fromUtf8("Fase di Vo/Vi [°]"),
                                     "fi effettiva [Hz]", "fs effettiva [Hz]"};
        for (qsizetype k = 0; k < results.size(); ++k) {
            QCOMPARE(form.Get<QLabel>(results[k]).accessibleDescription(), quantities[k]);
        }
    }

    void fontsResolveToLiberationSans() {
        Form1Driver form;
        for (QWidget* control : DesignedControls(form.Form1())) {
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

        auto& alarmButton = form.Get<QPushButton>("Command6");
        const QImage alarm = alarmButton.grab().toImage();
        QCOMPARE(alarm.pixelColor(alarm.width() / 10, alarm.height() / 2), QColor(255, 0, 0));
        QVERIFY(alarm.pixelColor(2, alarm.height() / 2) != QColor(Qt::black));
        // The keyboard focus shows plainly on the red face: a black ring three pixels wide.
        QApplication::setActiveWindow(&form.Form1());
        QVERIFY(QTest::qWaitForWindowActive(&form.Form1()));
        alarmButton.setFocus();
        const QImage focused = alarmButton.grab().toImage();
        QCOMPARE(focused.pixelColor(2, focused.height() / 2), QColor(Qt::black));
    }

    void schematicIsABorderedGreyscalePicture() {
        Form1Driver form;
        auto& picture = *form.Form1().findChild<QFrame*>("Picture1");
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

const amp::ui::test_support::RegisteredQtTest<LayoutTest> kLayoutTest;

#include "layout_test.moc"
