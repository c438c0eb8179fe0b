#include <QBuffer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QtTest>

#include "core/checks/messages.h"
#include "graph/plot_export.h"
#include "tests/support/reference_design.h"
#include "tests/ui/support/plot_menu_driver.h"
#include "tests/ui/support/qtest_main.h"
#include "ui/graph_window/graph_window_set.h"
#include "ui/graph_window/plot_area.h"
#include "ui/plot/plot_files.h"
#include "ui/plot/plot_image.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

QString TextOf(QWidget* window, const char* label) {
    auto* found = window->findChild<QLabel*>(label);
    return found ? found->text() : QStringLiteral("<no %1>").arg(label);
}

bool IsShown(QWidget* window, const char* name) {
    return window->findChild<QWidget*>(name)->isVisibleTo(window);
}

QRadioButton* Option(QWidget* window, const char* name) {
    return window->findChild<QRadioButton*>(name);
}

QWidget* PlotAreaOf(QWidget* window) {
    return window->findChild<QWidget*>("Picture1");
}

QImage PlotImageOf(QWidget* window) {
    return PlotAreaOf(window)->grab().toImage();
}

// A real pointer move over the plot area, to a position in twips. It reaches the top window
// under the pointer, so the graph windows, which overlap, are tested one shown at a time.
void MovePointer(QWidget* window, int xTwips, int yTwips) {
    QTest::mouseMove(PlotAreaOf(window), QPoint(TwipsToPixels(xTwips), TwipsToPixels(yTwips)));
}

GraphWindow* Plotted(GraphWindowSet& set, int range,
                     const FieldTexts& texts = amp::test_support::ReferenceTexts()) {
    const std::optional<Failure> failure = set.ShowGraph(texts, range);
    if (failure) qWarning("plot refused: %s", failure->message.c_str());
    return failure ? nullptr : set.Window(range);
}

// Counts the paints of a widget and the largest area any of them covered, in pixels.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;
    int largestArea = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        ++count;
        int area = 0;
        for (const QRect& rect : static_cast<QPaintEvent*>(event)->region()) {
            area += rect.width() * rect.height();
        }
        largestArea = std::max(largestArea, area);
        return false;
    }
};

// Whether a pixel at least half covered by a curve of this colour, antialiased over white, lies
// within two device pixels of a point given in twips.
bool HasColourNear(const QImage& image, PlotPoint twips, QRgb colour) {
    const qreal devicePerTwip = image.devicePixelRatio() / kTwipsPerPixel;
    const QPoint centre(qRound(twips.x * devicePerTwip), qRound(twips.y * devicePerTwip));
    const auto near = [colour](QRgb pixel) {
        return std::abs(qRed(pixel) - qRed(colour)) <= 128 &&
               std::abs(qGreen(pixel) - qGreen(colour)) <= 128 &&
               std::abs(qBlue(pixel) - qBlue(colour)) <= 128;
    };
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.valid(p) && near(image.pixel(p))) return true;
        }
    }
    return false;
}

// What the side panel shows: each read-out row's visibility and text.
QStringList PanelOf(QWidget* window) {
    QStringList panel;
    for (const char* name : {"Label18", "Label19", "Label20", "Label21", "Label22", "Label27"}) {
        panel << QStringLiteral("%1 %2 %3")
                     .arg(name)
                     .arg(IsShown(window, name))
                     .arg(TextOf(window, name));
    }
    return panel;
}

// Whether the side panel shows what the pointer read-out gives at the position, in twips (a
// mouse there reports it; QTest cannot move the mouse to the pixel 0, 0).
bool ReadsAsPointerAt(GraphWindow* window, QPointF twips) {
    const QStringList shown = PanelOf(window);
    window->ShowPointerReadout(twips);
    return PanelOf(window) == shown;
}

// The keyboard cross-hair is the only pure blue of the plot area.
bool ShowsCrossHair(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 255)) return true;
        }
    }
    return false;
}

// Records what a graph window asks of the user, and answers the file dialog with a set path.
struct DialogRecorder {
    QString answer;
    QStringList captions;
    QStringList suggestions;
    QStringList messages;

    SaveDialogs Dialogs() {
        return {[this](QWidget*, const QString& text) { messages << text; },
                [this](QWidget*, const QString& caption, const QString& suggested, const QString&) {
                    captions << caption;
                    suggestions << QFileInfo(suggested).fileName();
                    return answer;
                }};
    }
};

// The keyboard's other way to the context menu, besides the Menu key.
void OpenWithShiftF10(QWidget* plotArea) {
    QTest::keyClick(plotArea, Qt::Key_F10, Qt::ShiftModifier);
}

}  // namespace

using amp::test_support::ChooseFromMenu;

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void eachRangeHasItsWindowWithAnEmptyPanel();
    void pointerReadsOutOnTheWindowsOwnAxis();
    void phaseOptionTakesEffectAtTheNextPointerMove();
    void italianLocaleUsesCommas();
    void chiudiKeepsTheWindowAndTitleBarCloseDiscardsIt();
    void discardHiddenWindowsKeepsTheShownOne();
    void replotReplacesTheCurvesAndLeavesOtherRangesAlone();
    void refusedRequestsTouchNoWindow();
    void curvesArePaintedAtTheDevicePixelRatio();
    void pointerMovesNeverRepaintTheCurves();
    void keysMoveThePointerAsTheMouseWould();
    void keyboardPointerFollowsTheMouseAndKeepsItsPlace();
    void screenReadersHearTheReadout();
    void savesTheShownGraphAndItsSamples();
    void failedSaveSaysWhyAndLeavesNoFile();
    void failedWriteKeepsTheEarlierFile();
};

void GraphWindowTest::eachRangeHasItsWindowWithAnEmptyPanel() {
    GraphWindowSet set(".");
    const QStringList captions{"modulo e fase 1 Hz 10 Hz",   "modulo e fase 1 Hz 100 Hz",
                               "modulo e fase 1 Hz 1 kHz",   "modulo e fase 1 Hz 10 kHz",
                               "modulo e fase 1 Hz 100 kHz", "modulo e fase 1 Hz 1MHz"};
    for (int range = 1; range <= 6; ++range) {
        GraphWindow* window = Plotted(set, range);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("Form%1").arg(range + 1));
        QCOMPARE(window->windowTitle(), captions[range - 1]);
        QCOMPARE(window->DecadeCount(), range);
        QCOMPARE(PlotAreaOf(window)->size(), QSize(817, 563));
        QCOMPARE(PlotAreaOf(window)->cursor().shape(), Qt::CrossCursor);
        QVERIFY(Option(window, "Option1")->isChecked());
        for (const char* readout : {"Label18", "Label19", "Label20", "Label21"}) {
            QVERIFY2(IsShown(window, readout) && TextOf(window, readout).isEmpty(), readout);
        }
    }
    GraphWindow* six = set.Window(6);
    QCOMPARE(six->size(), QSize(14895 / 15, 8655 / 15));
    QCOMPARE(TextOf(six, "Label1"), QStringLiteral("0.91"));
    QCOMPARE(TextOf(six, "Label17"), QStringLiteral("0.64"));
    QCOMPARE(TextOf(six, "Label30"), QStringLiteral("100000"));
    QVERIFY(!set.Window(1)->findChild<QLabel*>("Label13"));
    QCOMPARE(Option(six, "Option1")->text(), QStringLiteral("Valori del  Modulo"));
    QCOMPARE(TextOf(six, "Label27"), QString::fromUtf8("Φ"));
}

void GraphWindowTest::pointerReadsOutOnTheWindowsOwnAxis() {
    GraphWindowSet set(".");
    GraphWindow* six = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(six));
    MovePointer(six, 5610, 480);
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1000"));
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0.91"));
    QVERIFY(!IsShown(six, "Label21") && !IsShown(six, "Label27"));
    MovePointer(six, 120, 7980);
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1"));
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0"));
    MovePointer(six, 11805, 480);  // over Label1
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("2427984.45"));

    GraphWindow* one = Plotted(set, 1);
    six->hide();
    QVERIFY(QTest::qWaitForWindowExposed(one));
    MovePointer(one, 5610, 7980);
    QCOMPARE(TextOf(one, "Label18"), QStringLiteral("3.16"));
    six->ShowPointerReadout(QPointF(11100, 4230));
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1000000"));
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0.46"));
}

void GraphWindowTest::phaseOptionTakesEffectAtTheNextPointerMove() {
    GraphWindowSet set(".");
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    MovePointer(window, 5610, 480);
    QTest::mouseClick(Option(window, "Option2"), Qt::LeftButton);
    QVERIFY(Option(window, "Option2")->isChecked());
    QVERIFY(IsShown(window, "Label18") && !IsShown(window, "Label21"));

    const std::pair<int, const char*> phases[] = {{780, "90"}, {3780, "0"}, {6780, "-90"}};
    for (const auto& [y, phase] : phases) {
        MovePointer(window, 11100, y);
        QCOMPARE(TextOf(window, "Label20"), QStringLiteral("1000000"));
        QCOMPARE(TextOf(window, "Label21"), QString::fromLatin1(phase));
    }
    for (const char* row : {"Label20", "Label21", "Label25", "Label26", "Label27", "Label28"}) {
        QVERIFY2(IsShown(window, row), row);
    }
    for (const char* row : {"Label18", "Label19", "Label22", "Label23", "Label24"}) {
        QVERIFY2(!IsShown(window, row), row);
    }
}

void GraphWindowTest::italianLocaleUsesCommas() {
    GraphWindowSet set(",");
    GraphWindow* window = Plotted(set, 1);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(TextOf(window, "Label1"), QStringLiteral("0,25"));
    MovePointer(window, 5610, 480);
    QCOMPARE(TextOf(window, "Label18"), QStringLiteral("3,16"));
    QCOMPARE(TextOf(window, "Label19"), QStringLiteral("0,25"));
    Option(window, "Option2")->setChecked(true);
    window->ShowPointerReadout(QPointF(5610, 3785));
    QCOMPARE(TextOf(window, "Label21"), QStringLiteral("-0,15"));
    QCOMPARE(TextOf(Plotted(set, 6), "Label17"), QStringLiteral("0,64"));
}

void GraphWindowTest::chiudiKeepsTheWindowAndTitleBarCloseDiscardsIt() {
    QWidget form1;  // "Chiudi" only keeps a window while another one is shown
    form1.show();
    GraphWindowSet set(".");
    QPointer<GraphWindow> window = Plotted(set, 3);
    Option(window, "Option2")->setChecked(true);
    window->ShowPointerReadout(QPointF(5610, 780));
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window && !window->isVisible());

    QCOMPARE(Plotted(set, 3), window.data());
    QVERIFY(window->isVisible());
    QVERIFY(Option(window, "Option2")->isChecked());
    QVERIFY(!IsShown(window, "Label18"));
    QCOMPARE(TextOf(window, "Label21"), QStringLiteral("90"));

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window && !set.Window(3));
    GraphWindow* recreated = Plotted(set, 3);
    QVERIFY(recreated && Option(recreated, "Option1")->isChecked());
    QVERIFY(IsShown(recreated, "Label18") && IsShown(recreated, "Label21"));
}

void GraphWindowTest::discardHiddenWindowsKeepsTheShownOne() {
    GraphWindowSet set(".");
    QPointer<GraphWindow> hidden = Plotted(set, 1);
    QPointer<GraphWindow> shown = Plotted(set, 2);
    hidden->findChild<QPushButton*>("Command1")->click();
    set.DiscardHiddenWindows();
    QVERIFY(!hidden && !set.Window(1));
    QVERIFY(shown && shown->isVisible());
}

void GraphWindowTest::replotReplacesTheCurvesAndLeavesOtherRangesAlone() {
    FieldTexts other = amp::test_support::ReferenceTexts();
    other[Field::C6] = "0.01";  // a very different low-frequency end
    GraphWindowSet set(".");
    GraphWindow* five = Plotted(set, 5);
    const QImage fiveBefore = PlotImageOf(five);
    const QString fiveLevel = TextOf(five, "Label1");

    QVERIFY(Plotted(set, 2));
    GraphWindow* two = Plotted(set, 2, other);
    QCOMPARE(PlotImageOf(five), fiveBefore);
    QCOMPARE(TextOf(five, "Label1"), fiveLevel);

    // The second plot of range 2 shows only its own curves, as a fresh window would.
    GraphWindowSet fresh(".");
    QCOMPARE(PlotImageOf(two), PlotImageOf(Plotted(fresh, 2, other)));
    QVERIFY(PlotImageOf(two) != PlotImageOf(Plotted(fresh, 3)));
}

void GraphWindowTest::refusedRequestsTouchNoWindow() {
    GraphWindowSet set(".");
    FieldTexts texts = amp::test_support::ReferenceTexts();
    QCOMPARE(set.ShowGraph(texts, std::nullopt), Failure{std::string(message::kNoRangeSelected)});
    for (int range = 1; range <= 6; ++range) QVERIFY(!set.Window(range));

    GraphWindow* window = Plotted(set, 6);
    const QImage before = PlotImageOf(window);
    texts[Field::RL] = "0";
    QCOMPARE(set.ShowGraph(texts, 6), Failure{std::string(message::kResponseUndefined)});
    QCOMPARE(PlotImageOf(window), before);
    QCOMPARE(TextOf(window, "Label1"), QStringLiteral("0.91"));
}

void GraphWindowTest::curvesArePaintedAtTheDevicePixelRatio() {
    const Plot plot =
        std::get<Plot>(PlotResponse(amp::test_support::ReferenceInputs(1000), 6, "."));
    const auto top = std::max_element(plot.ModulusSweep.begin(), plot.ModulusSweep.begin() + 1001);
    const int topIndex = static_cast<int>(top - plot.ModulusSweep.begin());
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = PaintPlotImage(plot, ratio);
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), QSize(817, 563) * ratio);
        QVERIFY(HasColourNear(image, ModulusPoint(plot, topIndex), qRgb(0, 0, 0)));
        QVERIFY(HasColourNear(image, ModulusPoint(plot, 0), qRgb(0, 0, 0)));
        QVERIFY(HasColourNear(image, PhasePoint(plot, 0), qRgb(255, 0, 0)));
        QVERIFY(HasColourNear(image, PhasePoint(plot, 500), qRgb(255, 0, 0)));
        QVERIFY(!HasColourNear(image, {5610, 7000}, qRgb(0, 0, 0)));  // under the curves

        // Antialiased, the flat top of the modulus lies mostly in the row of device pixels whose
        // read-out is Gmax, y = 480, and leaves the row above it at least half white.
        const QPoint top(qRound(ModulusPoint(plot, topIndex).x * ratio / kTwipsPerPixel),
                         qRound(480 * ratio / kTwipsPerPixel));
        QVERIFY(qGray(image.pixel(top)) < 100);
        QVERIFY(qGray(image.pixel(top - QPoint(0, 1))) > 100);
    }
}

void GraphWindowTest::pointerMovesNeverRepaintTheCurves() {
    GraphWindowSet set(".");
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    PlotAreaOf(window)->setFocus();
    QCoreApplication::processEvents();
    // With the focus the keyboard cross-hair follows, and only its old and new place repaint.
    PaintCounter paints(PlotAreaOf(window));
    for (int x = 120; x < 11100; x += 600) {
        MovePointer(window, x, 2000);
        QCoreApplication::processEvents();
    }
    Option(window, "Option2")->setChecked(true);
    MovePointer(window, 5610, 3780);
    QCoreApplication::processEvents();
    QVERIFY(paints.largestArea <= 2 * 17 * 17);

    Option(window, "Option1")->setFocus();
    QCoreApplication::processEvents();
    paints.count = 0;
    for (int x = 120; x < 11100; x += 600) MovePointer(window, x, 2000);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);

    QVERIFY(Plotted(set, 6));
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 1);
}

void GraphWindowTest::keysMoveThePointerAsTheMouseWould() {
    GraphWindowSet set(".");
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* chiudi = window->findChild<QPushButton*>("Command1");
    chiudi->setFocus();
    QTest::keyClick(chiudi, Qt::Key_Tab);  // the chain leads round to the plot area
    QVERIFY(PlotAreaOf(window)->hasFocus());
    // In phase mode a single pixel changes both read-out values.
    Option(window, "Option2")->setChecked(true);

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int presses;
        QPointF twips;  // where a mouse gives the same read-out
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, 1, {135, 7980}},  // from 1 Hz on the axis, where it starts
        {Qt::Key_Up, Qt::ShiftModifier, 1, {135, 7830}},
        {Qt::Key_End, Qt::NoModifier, 1, {11100, 7830}},
        {Qt::Key_PageUp, Qt::NoModifier, 1, {11100, 480}},
        {Qt::Key_Down, Qt::NoModifier, 1, {11100, 495}},
        {Qt::Key_Left, Qt::ShiftModifier, 1, {10950, 495}},
        {Qt::Key_Home, Qt::NoModifier, 1, {120, 495}},
        {Qt::Key_PageDown, Qt::NoModifier, 1, {120, 7980}},
        // Held beyond each edge it stops on the last pixel, 816 x 562.
        {Qt::Key_Right, Qt::ShiftModifier, 90, {12240, 7980}},
        {Qt::Key_Down, Qt::ShiftModifier, 90, {12240, 8430}},
        {Qt::Key_Left, Qt::ShiftModifier, 90, {0, 8430}},
        {Qt::Key_Up, Qt::ShiftModifier, 90, {0, 0}},
    };
    for (const Step& step : steps) {
        for (int i = 0; i < step.presses; ++i) {
            QTest::keyClick(PlotAreaOf(window), step.key, step.modifiers);
        }
        QVERIFY(ReadsAsPointerAt(window, step.twips));
    }
    Option(window, "Option1")->setChecked(true);
    QTest::keyClick(PlotAreaOf(window), Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(IsShown(window, "Label19") && !IsShown(window, "Label21"));
    QVERIFY(ReadsAsPointerAt(window, {0, 150}));
}

void GraphWindowTest::keyboardPointerFollowsTheMouseAndKeepsItsPlace() {
    GraphWindowSet set(".");
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget* plot = PlotAreaOf(window);
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(374, 178));
    QVERIFY(plot->hasFocus());
    QVERIFY(ShowsCrossHair(plot->grab().toImage()));
    MovePointer(window, 5610, 2670);
    QTest::keyClick(plot, Qt::Key_Right);
    QVERIFY(ReadsAsPointerAt(window, {5625, 2670}));

    Option(window, "Option1")->setFocus();
    QVERIFY(!ShowsCrossHair(plot->grab().toImage()));
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_Right);
    QVERIFY(ReadsAsPointerAt(window, {5640, 2670}));

    window->hide();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_Up);
    QVERIFY(ReadsAsPointerAt(window, {120, 7965}));
}

void GraphWindowTest::screenReadersHearTheReadout() {
    GraphWindowSet set(".");
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget* plot = PlotAreaOf(window);
    QCOMPARE(plot->accessibleName(), QStringLiteral("Grafico di Vo/Vi"));
    MovePointer(window, 5610, 480);
    QCOMPARE(plot->accessibleDescription(), QStringLiteral("f 1000 Hz, |Vo/Vi| 0.91"));
    Option(window, "Option2")->setChecked(true);
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_Down);
    QCOMPARE(plot->accessibleDescription(), QString::fromUtf8("f 1000 Hz, fase 98.55°"));

    auto* phase = window->findChild<QLabel*>("Label21");
    QCOMPARE(phase->accessibleName(), QStringLiteral("98.55"));
    QCOMPARE(phase->accessibleDescription(), QString::fromUtf8("Fase di Vo/Vi [°]"));
    QCOMPARE(window->findChild<QLabel*>("Label18")->accessibleDescription(), "Frequenza [Hz]");
    QCOMPARE(window->findChild<QLabel*>("Label1")->accessibleName(), QStringLiteral("0.91"));
}

void GraphWindowTest::savesTheShownGraphAndItsSamples() {
    QTemporaryDir folder;
    DialogRecorder dialogs;
    GraphWindowSet set(",", dialogs.Dialogs());
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* plot = window->findChild<PlotArea*>("Picture1");
    plot->setFocus();

    dialogs.answer = folder.filePath("grafico.png");
    ChooseFromMenu(plot, QStringLiteral("Salva immagine..."), OpenWithShiftF10);
    const QImage png(dialogs.answer);
    QCOMPARE(png.size(), plot->size() * 2);
    QVERIFY(!ShowsCrossHair(png));
    QCOMPARE(png.pixel(png.width() / 2, 2 * 532), qRgb(0, 0, 0));  // the frequency axis

    // At the window's own resolution the image is what the window shows, less the focus cues.
    Option(window, "Option1")->setFocus();
    QBuffer screenResolution;
    screenResolution.open(QIODevice::WriteOnly);
    QVERIFY(WritePicturePng(
        *plot, [plot](QPainter& painter, qreal ratio) { plot->PaintPicture(painter, ratio); }, 1.0,
        screenResolution));
    QCOMPARE(QImage::fromData(screenResolution.data()),
             plot->grab().toImage().convertToFormat(QImage::Format_RGB32));

    dialogs.answer = folder.filePath("grafico.svg");
    ChooseFromMenu(plot, QStringLiteral("Salva immagine..."), OpenWithShiftF10);
    QSvgRenderer svg(dialogs.answer);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), plot->rect());

    dialogs.answer = folder.filePath("dati.csv");
    ChooseFromMenu(plot, QStringLiteral("Esporta dati..."), OpenWithShiftF10);
    QFile csv(dialogs.answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().toStdString(), PlotCsv(*plot->ShownPlot()));

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(dialogs.captions, QStringList({"Salva immagine", "Salva immagine", "Esporta dati"}));
    QCOMPARE(dialogs.suggestions.front(), "grafico-1Hz-1MHz-" + today + ".png");
    QCOMPARE(dialogs.suggestions.back(), "dati-1Hz-1MHz-" + today + ".csv");
    QVERIFY(dialogs.messages.isEmpty());
    // Nothing but the three files: no temporary file stays behind.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"dati.csv", "grafico.png", "grafico.svg"}));
}

void GraphWindowTest::failedSaveSaysWhyAndLeavesNoFile() {
    QTemporaryDir folder;
    DialogRecorder dialogs;
    GraphWindowSet set(".", dialogs.Dialogs());
    GraphWindow* window = Plotted(set, 1);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget* plot = PlotAreaOf(window);

    ChooseFromMenu(plot, QStringLiteral("Esporta dati..."),
                   OpenWithShiftF10);  // cancelled: an empty answer
    QVERIFY(dialogs.messages.isEmpty());

    // Into a folder that does not exist.
    const QString data = folder.filePath("assente/dati.csv");
    const QString image = folder.filePath("assente/grafico.svg");
    dialogs.answer = data;
    ChooseFromMenu(plot, QStringLiteral("Esporta dati..."), OpenWithShiftF10);
    dialogs.answer = image;
    ChooseFromMenu(plot, QStringLiteral("Salva immagine..."), OpenWithShiftF10);
    QCOMPARE(dialogs.messages,
             QStringList({FileNotSavedMessage(data), FileNotSavedMessage(image)}));
    QVERIFY(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void GraphWindowTest::failedWriteKeepsTheEarlierFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath("dati.csv");
    QVERIFY(WriteFileSafely(path, [](QIODevice& file) { return file.write("prima\n") == 6; }));
    QVERIFY(!WriteFileSafely(path, [](QIODevice& file) {
        file.write("a metà");
        return false;
    }));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("prima\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dati.csv"});
}

const test_support::RegisteredQtTest<GraphWindowTest> kGraphWindowTest;

}  // namespace amp::ui

#include "graph_window_test.moc"
