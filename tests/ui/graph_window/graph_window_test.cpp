#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/messages.h"
#include "reference_inputs.h"
#include "ui/graph_window/graph_window_set.h"
#include "ui/graph_window/plot_image.h"
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

QWidget* PlotAreaOf(QWidget* window) {
    return window->findChild<QWidget*>("Picture1");
}

// Moves the pointer over the plot area to a position given in twips.
void MovePointer(QWidget* window, int xTwips, int yTwips) {
    QTest::mouseMove(PlotAreaOf(window), QPoint(TwipsToPixels(xTwips), TwipsToPixels(yTwips)));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Whether a pixel of this colour lies within two device pixels of a point given in twips.
bool HasColourNear(const QImage& image, PlotPoint twips, QRgb colour) {
    const qreal devicePerTwip = image.devicePixelRatio() / kTwipsPerPixel;
    const int x = qRound(twips.x * devicePerTwip);
    const int y = qRound(twips.y * devicePerTwip);
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour) return true;
        }
    }
    return false;
}

GraphWindow* Plotted(GraphWindowSet& set, int range, const FieldTexts& texts) {
    const std::optional<std::string> message = set.ShowGraph(texts, range);
    if (message) qWarning("plot refused: %s", message->c_str());
    return message ? nullptr : set.Window(range);
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void WindowsCarryTheirRangesCaptionsAndSizes();
    void NewWindowShowsAnEmptyPanelInModulusMode();
    void PlotWritesTheLevelAndDecadeLabels();
    void PointerReadsOutModulusAndFrequency();
    void PhaseOptionTakesEffectAtTheNextPointerMove();
    void ItalianLocaleUsesCommas();
    void ChiudiHidesAndKeepsThePanel();
    void TitleBarCloseDiscardsTheWindow();
    void ReplotReplacesTheCurvesAndLeavesOtherRangesAlone();
    void RefusedRequestsTouchNoWindow();
    void DiscardHiddenWindowsKeepsTheShownOne();
    void CurvesArePaintedAtTheDevicePixelRatio();
    void PointerMovesNeverRepaintTheCurves();
};

void GraphWindowTest::WindowsCarryTheirRangesCaptionsAndSizes() {
    GraphWindowSet set(QLocale::c());
    const FieldTexts texts = testing::ReferenceTexts();
    const QStringList captions{"modulo e fase 1 Hz 10 Hz",   "modulo e fase 1 Hz 100 Hz",
                               "modulo e fase 1 Hz 1 kHz",   "modulo e fase 1 Hz 10 kHz",
                               "modulo e fase 1 Hz 100 kHz", "modulo e fase 1 Hz 1MHz"};
    for (int range = 1; range <= 6; ++range) {
        GraphWindow* window = Plotted(set, range, texts);
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("Form%1").arg(range + 1));
        QCOMPARE(window->windowTitle(), captions[range - 1]);
        QCOMPARE(window->DecadeCount(), range);
        QVERIFY(window->isVisible());
        QCOMPARE(PlotAreaOf(window)->size(), QSize(817, 563));
        QCOMPARE(PlotAreaOf(window)->cursor().shape(), Qt::CrossCursor);
        QVERIFY(PlotAreaOf(window)->hasMouseTracking());
    }
    QCOMPARE(set.Window(1)->size(), QSize(14955 / 15, 8685 / 15));
    QCOMPARE(set.Window(4)->size(), QSize(14805 / 15, 8640 / 15));
}

void GraphWindowTest::NewWindowShowsAnEmptyPanelInModulusMode() {
    GraphWindowSet set(QLocale::c());
    GraphWindow* window = Plotted(set, 2, testing::ReferenceTexts());
    QVERIFY(window);
    auto* option1 = window->findChild<QRadioButton*>("Option1");
    QCOMPARE(option1->text(), QStringLiteral("Valori del  Modulo"));
    QVERIFY(option1->isChecked());
    QCOMPARE(window->findChild<QRadioButton*>("Option2")->text(),
             QStringLiteral("Valori della Fase"));
    QCOMPARE(window->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Chiudi"));
    QCOMPARE(TextOf(window, "Label27"), QString::fromUtf8("Φ"));
    QCOMPARE(TextOf(window, "Label24"), QStringLiteral("|Vo/Vi|"));
    for (const char* readout : {"Label18", "Label19", "Label20", "Label21"}) {
        QVERIFY2(IsShown(window, readout), readout);
        QVERIFY2(TextOf(window, readout).isEmpty(), readout);
    }
}

void GraphWindowTest::PlotWritesTheLevelAndDecadeLabels() {
    GraphWindowSet set(QLocale::c());
    GraphWindow* six = Plotted(set, 6, testing::ReferenceTexts());
    QVERIFY(six);
    QCOMPARE(TextOf(six, "Label1"), QStringLiteral("0.91"));
    QCOMPARE(TextOf(six, "Label17"), QStringLiteral("0.64"));
    QCOMPARE(TextOf(six, "Label10"), QStringLiteral("1"));
    QCOMPARE(TextOf(six, "Label30"), QStringLiteral("100000"));
    QCOMPARE(TextOf(six, "Label11"), QStringLiteral("1000000"));
    QCOMPARE(TextOf(six, "Label2"), QString::fromUtf8("+90°"));
    QCOMPARE(TextOf(six, "Label9"), QStringLiteral("0.707 Gmax="));

    GraphWindow* one = Plotted(set, 1, testing::ReferenceTexts());
    QVERIFY(one);
    QCOMPARE(TextOf(one, "Label1"), QStringLiteral("0.25"));
    QCOMPARE(TextOf(one, "Label17"), QStringLiteral("0.18"));
    QCOMPARE(TextOf(one, "Label11"), QStringLiteral("10"));
    QVERIFY(!one->findChild<QLabel*>("Label13"));
}

void GraphWindowTest::PointerReadsOutModulusAndFrequency() {
    GraphWindowSet set(QLocale::c());
    GraphWindow* six = Plotted(set, 6, testing::ReferenceTexts());
    QVERIFY(six);
    QVERIFY(QTest::qWaitForWindowExposed(six));

    MovePointer(six, 5610, 480);
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1000"));
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0.91"));
    QVERIFY(!IsShown(six, "Label20"));
    QVERIFY(!IsShown(six, "Label21"));
    QVERIFY(!IsShown(six, "Label27"));
    QVERIFY(IsShown(six, "Label24"));

    MovePointer(six, 120, 7980);
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1"));
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0"));
    MovePointer(six, 11805, 480);                                    // over Label1
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("2427984.45"));  // never scientific
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0.91"));
    six->ShowPointerReadout(QPointF(11100, 4230));
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1000000"));
    QCOMPARE(TextOf(six, "Label19"), QStringLiteral("0.46"));

    // Each window reads frequencies on its own axis. The windows overlap, and a pointer move
    // reaches the top one: the other one stays hidden meanwhile.
    GraphWindow* one = Plotted(set, 1, testing::ReferenceTexts());
    QVERIFY(one);
    six->hide();
    QVERIFY(QTest::qWaitForWindowExposed(one));
    MovePointer(one, 5610, 7980);
    QCOMPARE(TextOf(one, "Label18"), QStringLiteral("3.16"));
    six->ShowPointerReadout(QPointF(5610, 7980));
    QCOMPARE(TextOf(six, "Label18"), QStringLiteral("1000"));
}

void GraphWindowTest::PhaseOptionTakesEffectAtTheNextPointerMove() {
    GraphWindowSet set(QLocale::c());
    GraphWindow* window = Plotted(set, 6, testing::ReferenceTexts());
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    MovePointer(window, 5610, 480);
    QTest::mouseClick(window->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
    QVERIFY(window->findChild<QRadioButton*>("Option2")->isChecked());
    QVERIFY(IsShown(window, "Label18"));
    QVERIFY(!IsShown(window, "Label21"));

    const std::pair<int, const char*> phases[] = {{780, "90"}, {3780, "0"}, {6780, "-90"}};
    for (const auto& [y, phase] : phases) {
        MovePointer(window, 11100, y);
        QCOMPARE(TextOf(window, "Label20"), QStringLiteral("1000000"));
        QCOMPARE(TextOf(window, "Label21"), QString::fromLatin1(phase));
    }
    for (const char* phaseRow :
         {"Label20", "Label21", "Label25", "Label26", "Label27", "Label28"}) {
        QVERIFY2(IsShown(window, phaseRow), phaseRow);
    }
    for (const char* modulusRow : {"Label18", "Label19", "Label22", "Label23", "Label24"}) {
        QVERIFY2(!IsShown(window, modulusRow), modulusRow);
    }
    QCOMPARE(TextOf(window, "Label18"), QStringLiteral("1000"));  // left as it was
}

void GraphWindowTest::ItalianLocaleUsesCommas() {
    GraphWindowSet set(QLocale(QLocale::Italian, QLocale::Italy));
    GraphWindow* six = Plotted(set, 6, testing::ReferenceTexts());
    QVERIFY(six);
    QCOMPARE(TextOf(six, "Label1"), QStringLiteral("0,91"));
    QCOMPARE(TextOf(six, "Label17"), QStringLiteral("0,64"));
    six->hide();

    GraphWindow* one = Plotted(set, 1, testing::ReferenceTexts());
    QVERIFY(one);
    QVERIFY(QTest::qWaitForWindowExposed(one));
    MovePointer(one, 5610, 480);
    QCOMPARE(TextOf(one, "Label18"), QStringLiteral("3,16"));
    QCOMPARE(TextOf(one, "Label19"), QStringLiteral("0,25"));
    one->findChild<QRadioButton*>("Option2")->setChecked(true);
    one->ShowPointerReadout(QPointF(5610, 3785));
    QCOMPARE(TextOf(one, "Label21"), QStringLiteral("-0,15"));
}

void GraphWindowTest::ChiudiHidesAndKeepsThePanel() {
    GraphWindowSet set(QLocale::c());
    const FieldTexts texts = testing::ReferenceTexts();
    QPointer<GraphWindow> window = Plotted(set, 3, texts);
    QVERIFY(window);
    window->findChild<QRadioButton*>("Option2")->setChecked(true);
    window->ShowPointerReadout(QPointF(5610, 780));
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window);
    QVERIFY(!window->isVisible());

    QCOMPARE(Plotted(set, 3, texts), window.data());
    QVERIFY(window->isVisible());
    QVERIFY(window->findChild<QRadioButton*>("Option2")->isChecked());
    QVERIFY(!IsShown(window, "Label18"));
    QCOMPARE(TextOf(window, "Label21"), QStringLiteral("90"));
}

void GraphWindowTest::TitleBarCloseDiscardsTheWindow() {
    GraphWindowSet set(QLocale::c());
    const FieldTexts texts = testing::ReferenceTexts();
    QPointer<GraphWindow> window = Plotted(set, 4, texts);
    QVERIFY(window);
    window->findChild<QRadioButton*>("Option2")->setChecked(true);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    QVERIFY(!set.Window(4));

    GraphWindow* recreated = Plotted(set, 4, texts);
    QVERIFY(recreated);
    QVERIFY(recreated->findChild<QRadioButton*>("Option1")->isChecked());
    QVERIFY(IsShown(recreated, "Label18") && IsShown(recreated, "Label21"));
}

void GraphWindowTest::ReplotReplacesTheCurvesAndLeavesOtherRangesAlone() {
    FieldTexts other = testing::ReferenceTexts();
    other[Field::C6] = "0.01";  // a very different low-frequency end
    GraphWindowSet set(QLocale::c());
    GraphWindow* five = Plotted(set, 5, testing::ReferenceTexts());
    QVERIFY(five);
    const QImage fiveBefore = PlotAreaOf(five)->grab().toImage();
    const QString fiveLevel = TextOf(five, "Label1");

    QVERIFY(Plotted(set, 2, testing::ReferenceTexts()));
    GraphWindow* two = Plotted(set, 2, other);
    QVERIFY(two);
    QCOMPARE(PlotAreaOf(five)->grab().toImage(), fiveBefore);
    QCOMPARE(TextOf(five, "Label1"), fiveLevel);

    // The second plot of range 2 shows only its own curves, as a fresh window would.
    GraphWindowSet fresh(QLocale::c());
    GraphWindow* freshTwo = Plotted(fresh, 2, other);
    QVERIFY(freshTwo);
    QCOMPARE(PlotAreaOf(two)->grab().toImage(), PlotAreaOf(freshTwo)->grab().toImage());
    QVERIFY(PlotAreaOf(two)->grab().toImage() !=
            PlotAreaOf(Plotted(fresh, 3, testing::ReferenceTexts()))->grab().toImage());
}

void GraphWindowTest::RefusedRequestsTouchNoWindow() {
    GraphWindowSet set(QLocale::c());
    const FieldTexts texts = testing::ReferenceTexts();
    QCOMPARE(set.ShowGraph(texts, std::nullopt), std::string(message::kNoRangeSelected));
    for (int range = 1; range <= 6; ++range) QVERIFY(!set.Window(range));

    GraphWindow* window = Plotted(set, 6, texts);
    QVERIFY(window);
    const QImage before = PlotAreaOf(window)->grab().toImage();
    FieldTexts vanishing = texts;
    vanishing[Field::RL] = "0";
    QCOMPARE(set.ShowGraph(vanishing, 6), std::string(message::kResponseUndefined));
    FieldTexts noCrossover = texts;
    noCrossover[Field::fc] = "0";
    QCOMPARE(set.ShowGraph(noCrossover, 6), std::string(message::kFcZero));
    QCOMPARE(PlotAreaOf(window)->grab().toImage(), before);
    QCOMPARE(TextOf(window, "Label1"), QStringLiteral("0.91"));
    QVERIFY(!set.Window(1));
}

void GraphWindowTest::DiscardHiddenWindowsKeepsTheShownOne() {
    GraphWindowSet set(QLocale::c());
    const FieldTexts texts = testing::ReferenceTexts();
    QPointer<GraphWindow> hidden = Plotted(set, 1, texts);
    QPointer<GraphWindow> shown = Plotted(set, 2, texts);
    QVERIFY(hidden && shown);
    hidden->findChild<QPushButton*>("Command1")->click();
    set.DiscardHiddenWindows();
    QVERIFY(!hidden);
    QVERIFY(!set.Window(1));
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
}

void GraphWindowTest::CurvesArePaintedAtTheDevicePixelRatio() {
    const Plot plot = std::get<Plot>(PlotResponse(testing::ReferenceInputs(1000), 6, "."));
    const int top = static_cast<int>(
        std::max_element(plot.ModulusSweep.begin(), plot.ModulusSweep.begin() + 1001) -
        plot.ModulusSweep.begin());
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = PaintPlotImage(plot, ratio);
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), QSize(817, 563) * ratio);
        QVERIFY(HasColourNear(image, ModulusPoint(plot, top), qRgb(0, 0, 0)));
        QVERIFY(HasColourNear(image, ModulusPoint(plot, 0), qRgb(0, 0, 0)));
        QVERIFY(HasColourNear(image, PhasePoint(plot, 0), qRgb(255, 0, 0)));
        QVERIFY(HasColourNear(image, PhasePoint(plot, 500), qRgb(255, 0, 0)));
        QVERIFY(!HasColourNear(image, {5610, 7000}, qRgb(0, 0, 0)));  // under the curves
    }
}

void GraphWindowTest::PointerMovesNeverRepaintTheCurves() {
    GraphWindowSet set(QLocale::c());
    GraphWindow* window = Plotted(set, 6, testing::ReferenceTexts());
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    PaintCounter paints(PlotAreaOf(window));
    for (int x = 120; x < 11100; x += 600) MovePointer(window, x, 2000);
    window->findChild<QRadioButton*>("Option2")->setChecked(true);
    MovePointer(window, 5610, 3780);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);

    QVERIFY(Plotted(set, 6, testing::ReferenceTexts()));
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 1);
}

}  // namespace amp::ui

QTEST_MAIN(amp::ui::GraphWindowTest)
#include "graph_window_test.moc"
