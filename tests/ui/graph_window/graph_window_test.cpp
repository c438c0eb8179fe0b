#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/messages.h"
#include "tests/support/reference_design.h"
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
                     const FieldTexts& texts = test_support::ReferenceTexts()) {
    const std::optional<std::string> message = set.ShowGraph(texts, range);
    if (message) qWarning("plot refused: %s", message->c_str());
    return message ? nullptr : set.Window(range);
}

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
    const QPoint centre(qRound(twips.x * devicePerTwip), qRound(twips.y * devicePerTwip));
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.valid(p) && image.pixel(p) == colour) return true;
        }
    }
    return false;
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void EachRangeHasItsWindowWithAnEmptyPanel();
    void PointerReadsOutOnTheWindowsOwnAxis();
    void PhaseOptionTakesEffectAtTheNextPointerMove();
    void ItalianLocaleUsesCommas();
    void ChiudiKeepsTheWindowAndTitleBarCloseDiscardsIt();
    void DiscardHiddenWindowsKeepsTheShownOne();
    void ReplotReplacesTheCurvesAndLeavesOtherRangesAlone();
    void RefusedRequestsTouchNoWindow();
    void CurvesArePaintedAtTheDevicePixelRatio();
    void PointerMovesNeverRepaintTheCurves();
};

void GraphWindowTest::EachRangeHasItsWindowWithAnEmptyPanel() {
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

void GraphWindowTest::PointerReadsOutOnTheWindowsOwnAxis() {
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

void GraphWindowTest::PhaseOptionTakesEffectAtTheNextPointerMove() {
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

void GraphWindowTest::ItalianLocaleUsesCommas() {
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

void GraphWindowTest::ChiudiKeepsTheWindowAndTitleBarCloseDiscardsIt() {
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

void GraphWindowTest::DiscardHiddenWindowsKeepsTheShownOne() {
    GraphWindowSet set(".");
    QPointer<GraphWindow> hidden = Plotted(set, 1);
    QPointer<GraphWindow> shown = Plotted(set, 2);
    hidden->findChild<QPushButton*>("Command1")->click();
    set.DiscardHiddenWindows();
    QVERIFY(!hidden && !set.Window(1));
    QVERIFY(shown && shown->isVisible());
}

void GraphWindowTest::ReplotReplacesTheCurvesAndLeavesOtherRangesAlone() {
    FieldTexts other = test_support::ReferenceTexts();
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

void GraphWindowTest::RefusedRequestsTouchNoWindow() {
    GraphWindowSet set(".");
    FieldTexts texts = test_support::ReferenceTexts();
    QCOMPARE(set.ShowGraph(texts, std::nullopt), std::string(message::kNoRangeSelected));
    for (int range = 1; range <= 6; ++range) QVERIFY(!set.Window(range));

    GraphWindow* window = Plotted(set, 6);
    const QImage before = PlotImageOf(window);
    texts[Field::RL] = "0";
    QCOMPARE(set.ShowGraph(texts, 6), std::string(message::kResponseUndefined));
    QCOMPARE(PlotImageOf(window), before);
    QCOMPARE(TextOf(window, "Label1"), QStringLiteral("0.91"));
}

void GraphWindowTest::CurvesArePaintedAtTheDevicePixelRatio() {
    const Plot plot = std::get<Plot>(PlotResponse(test_support::ReferenceInputs(1000), 6, "."));
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
    }
}

void GraphWindowTest::PointerMovesNeverRepaintTheCurves() {
    GraphWindowSet set(".");
    GraphWindow* window = Plotted(set, 6);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    PaintCounter paints(PlotAreaOf(window));
    for (int x = 120; x < 11100; x += 600) MovePointer(window, x, 2000);
    Option(window, "Option2")->setChecked(true);
    MovePointer(window, 5610, 3780);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);

    QVERIFY(Plotted(set, 6));
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 1);
}

}  // namespace amp::ui

QTEST_MAIN(amp::ui::GraphWindowTest)
#include "graph_window_test.moc"
