#include "ui/graph_window/graph_window.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/graph_window/plot_area.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kWindowBackground(224, 224, 224);
const QColor kReadoutText(0, 0, 0);
const QColor kPhaseRed(255, 0, 0);

// The legends of the two curves, two pixels wide, in window twips.
struct LegendLine {
    int x1, y1, x2, y2;
    QColor colour;
};
const LegendLine kPhaseLegend{12450, 4020, 13170, 4020, kPhaseRed};          // Line8
const LegendLine kModulusLegend{12480, 4620, 13170, 4620, QColor(0, 0, 0)};  // Line22
constexpr qreal kLegendWidth = 2.0;

// "Chiudi" is the one control set larger than the others.
constexpr double kCloseButtonPointSize = 9.75;

// White readout boxes with a single black line; the style sheet keeps the border black whatever
// colour the text has.
QString ReadoutStyle(const QColor& textColour) {
    return QStringLiteral("QLabel { background-color: white; border: 1px solid black; color: %1; }")
        .arg(textColour.name());
}

}  // namespace

GraphWindow::GraphWindow(const GraphWindowLayout& layout, const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window),
      decadeCount_(layout.decadeCount),
      decimalSeparator_(locale.decimalPoint().toStdString()),
      plotArea_(new PlotArea(layout.decadeCount, this)),
      label1_(plotArea_->findChild<QLabel*>("Label1")) {
    setObjectName(layout.objectName);
    setWindowTitle(QString::fromUtf8(layout.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight));
    move(TwipsToPixels(layout.left), TwipsToPixels(layout.top));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(WindowDefaultFont());

    plotArea_->move(TwipsToPixels(layout.plotLeft), TwipsToPixels(layout.plotTop));
    connect(plotArea_, &PlotArea::PointerMoved, this, &GraphWindow::ShowPointerReadout);
    BuildSidePanel();
}

QLabel* GraphWindow::AddLabel(const char* name, const QString& caption, QRect twipsGeometry,
                              const QFont& font) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(TwipsRect(twipsGeometry));
    label->setFont(font);
    return label;
}

QLabel* GraphWindow::AddReadoutLabel(const char* name, QRect twipsGeometry,
                                     const QColor& textColour) {
    QLabel* label = AddLabel(name, QString(), twipsGeometry, font());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setStyleSheet(ReadoutStyle(textColour));
    return label;
}

void GraphWindow::BuildSidePanel() {
    modulusOption_ = new QRadioButton("Valori del  Modulo", this);
    modulusOption_->setObjectName("Option1");
    modulusOption_->setGeometry(TwipsRect(12750, 540, 1950, 585));
    modulusOption_->setFont(ControlFont());
    modulusOption_->setChecked(true);
    auto* phaseOption = new QRadioButton("Valori della Fase", this);
    phaseOption->setObjectName("Option2");
    phaseOption->setGeometry(TwipsRect(12780, 2040, 1950, 615));
    phaseOption->setFont(ControlFont());

    QLabel* modulusF = AddLabel("Label22", "f", {12750, 1320, 225, 225}, ControlFont());
    modulusFrequency_ = AddReadoutLabel("Label18", {13050, 1290, 1215, 255}, kReadoutText);
    QLabel* modulusHz = AddLabel("Label23", "[Hz]", {14400, 1290, 345, 255}, ControlFont());
    QLabel* ratio = AddLabel("Label24", "|Vo/Vi|", {12420, 1650, 615, 255}, ControlFont());
    modulusValue_ = AddReadoutLabel("Label19", {13050, 1650, 1215, 255}, kReadoutText);

    QLabel* phaseF = AddLabel("Label25", "f", {12720, 2820, 225, 225}, ControlFont());
    phaseFrequency_ = AddReadoutLabel("Label20", {13050, 2790, 1245, 255}, kReadoutText);
    QLabel* phaseHz = AddLabel("Label26", "[Hz]", {14400, 2790, 345, 255}, ControlFont());
    QLabel* phi =
        AddLabel("Label27", QString::fromUtf8("Φ"), {12630, 3150, 375, 255}, ControlFont());
    phaseValue_ = AddReadoutLabel("Label21", {13050, 3150, 1245, 255}, kPhaseRed);
    QLabel* degrees =
        AddLabel("Label28", QString::fromUtf8("[°]"), {14370, 3150, 405, 255}, ControlFont());

    AddLabel("Label15", "fase G(f)", {13260, 3900, 795, 225}, font());
    AddLabel("Label16", "moduloG(f)", {13290, 4500, 915, 255}, font());

    auto* close = new QPushButton("Chiudi", this);
    close->setObjectName("Command1");
    close->setGeometry(TwipsRect(12540, 5040, 975, 285));
    close->setFont(DesignFont(kMsSansSerif, kCloseButtonPointSize, true));
    connect(close, &QPushButton::clicked, this, &GraphWindow::CloseByChiudi);

    modulusRows_ = {modulusFrequency_, modulusValue_, modulusF, modulusHz, ratio};
    phaseRows_ = {phaseFrequency_, phaseValue_, phaseF, phaseHz, phi, degrees};
}

void GraphWindow::ShowPlot(Plot plot) {
    plotArea_->ShowPlot(std::move(plot));
}

void GraphWindow::ShowRowsOf(ReadoutMode mode) {
    const bool modulus = mode == ReadoutMode::Modulus;
    for (QWidget* row : modulusRows_) row->setVisible(modulus);
    for (QWidget* row : phaseRows_) row->setVisible(!modulus);
}

void GraphWindow::ShowPointerReadout(QPointF twips) {
    const ReadoutMode mode =
        modulusOption_->isChecked() ? ReadoutMode::Modulus : ReadoutMode::Phase;
    ShowRowsOf(mode);
    const ReadoutTexts texts = PointerReadout(mode, decadeCount_, label1_->text().toStdString(),
                                              twips.x(), twips.y(), decimalSeparator_);
    QLabel* frequency = mode == ReadoutMode::Modulus ? modulusFrequency_ : phaseFrequency_;
    QLabel* value = mode == ReadoutMode::Modulus ? modulusValue_ : phaseValue_;
    frequency->setText(QString::fromStdString(texts.frequency));
    value->setText(QString::fromStdString(texts.value));
}

void GraphWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const LegendLine& legend : {kPhaseLegend, kModulusLegend}) {
        painter.setPen(QPen(legend.colour, kLegendWidth));
        painter.drawLine(TwipsPoint(legend.x1, legend.y1), TwipsPoint(legend.x2, legend.y2));
    }
}

void GraphWindow::CloseByChiudi() {
    // "Chiudi" keeps the window for the next plot, but a hidden window must never keep the
    // program running: when no other window is shown, it closes for good.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool otherShown = std::any_of(windows.begin(), windows.end(), [this](QWidget* window) {
        return window != this && window->isVisible();
    });
    if (otherShown) {
        hide();
    } else {
        close();
    }
}

}  // namespace amp::ui
