#include "ui/graph_window/graph_window.h"

#include <QApplication>
#include <algorithm>

#include "graph/plot_export.h"
#include "ui/fonts.h"
#include "ui/forms/form_builder.h"
#include "ui/graph_window/plot_area.h"
#include "ui/graph_window/side_panel_layout.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kWindowBackground(224, 224, 224);

// The pointer read-out as one sentence, as the visible read-out labels show it.
QString ReadoutSentence(ReadoutMode mode, const QLabel& frequency, const QLabel& value) {
    if (mode == ReadoutMode::Modulus) {
        return QStringLiteral("f %1 Hz, |Vo/Vi| %2").arg(frequency.text(), value.text());
    }
    return QStringLiteral("f %1 Hz, fase %2°").arg(frequency.text(), value.text());
}

}  // namespace

GraphWindow::GraphWindow(const GraphWindowLayout& layout, std::string decimalSeparator,
                         SaveDialogs dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      decadeCount_(layout.decadeCount),
      decimalSeparator_(std::move(decimalSeparator)),
      dialogs_(std::move(dialogs)),
      plotArea_(new PlotArea(layout.decadeCount, this)) {
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
    connect(plotArea_, &PlotArea::pointerMoved, this, &GraphWindow::ShowPointerReadout);
    connect(plotArea_, &PlotArea::saveImageChosen, this, &GraphWindow::OnSaveImageChosen);
    connect(plotArea_, &PlotArea::exportDataChosen, this, &GraphWindow::OnExportDataChosen);

    const BuiltControls controls = BuildForm(*this, SidePanelControls());
    const SidePanelRows& rows = kSidePanelRows;
    modulusOption_ = &controls[rows.modulusOption];
    modulusOption_->setChecked(true);
    modulusRows_ = {&controls[rows.modulusFrequency], &controls[rows.modulusValue], {}};
    for (const auto row : rows.modulusCaptions) modulusRows_.captions.push_back(&controls[row]);
    phaseRows_ = {&controls[rows.phaseFrequency], &controls[rows.phaseValue], {}};
    for (const auto row : rows.phaseCaptions) phaseRows_.captions.push_back(&controls[row]);
    connect(&controls[rows.close], &QPushButton::clicked, this, &GraphWindow::OnChiudiPressed);
    // The plot area comes first, so that a shown window answers the arrow keys at once.
    QWidget::setTabOrder(plotArea_, modulusOption_);
}

void GraphWindow::ShowPlot(Plot plot) {
    plotArea_->ShowPlot(std::move(plot), decimalSeparator_);
}

void GraphWindow::ReadoutRows::SetVisible(bool shown) const {
    frequency->setVisible(shown);
    value->setVisible(shown);
    for (QLabel* caption : captions) caption->setVisible(shown);
}

void GraphWindow::ShowRowsOf(ReadoutMode mode) {
    modulusRows_.SetVisible(mode == ReadoutMode::Modulus);
    phaseRows_.SetVisible(mode == ReadoutMode::Phase);
}

void GraphWindow::ShowPointerReadout(QPointF twips) {
    const ReadoutMode mode =
        modulusOption_->isChecked() ? ReadoutMode::Modulus : ReadoutMode::Phase;
    ShowRowsOf(mode);
    const std::optional<Plot>& plot = plotArea_->ShownPlot();
    const ReadoutTexts texts =
        PointerReadout(mode, decadeCount_, plot ? std::optional(plot->Gmax) : std::nullopt,
                       twips.x(), twips.y(), decimalSeparator_);
    const ReadoutRows& rows = mode == ReadoutMode::Modulus ? modulusRows_ : phaseRows_;
    rows.frequency->SetValue(ToQString(texts.frequency), decimalSeparator_);
    rows.value->SetValue(ToQString(texts.value), decimalSeparator_);
    plotArea_->setAccessibleDescription(ReadoutSentence(mode, *rows.frequency, *rows.value));
}

void GraphWindow::OnChiudiPressed() {
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

void GraphWindow::OnSaveImageChosen() {
    const PicturePainter paint = [this](QPainter& painter, qreal devicePixelRatio) {
        plotArea_->PaintPicture(painter, devicePixelRatio);
    };
    SavePictureAs(this, dialogs_, *plotArea_, paint, "grafico", decadeCount_);
}

void GraphWindow::OnExportDataChosen() {
    if (!plotArea_->ShownPlot()) return;
    ExportCsvAs(this, dialogs_, PlotCsv(*plotArea_->ShownPlot()), "dati", decadeCount_);
}

}  // namespace amp::ui
