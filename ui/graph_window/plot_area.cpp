#include "ui/graph_window/plot_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "graph/plot_grid.h"
#include "ui/fonts.h"
#include "ui/forms/caption_fit.h"
#include "ui/graph_window/graph_window_style.h"
#include "ui/graph_window/plot_image.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kBorderColour(128, 128, 128);

Qt::Alignment ToQtAlignment(TextAlignment alignment) {
    const Qt::Alignment horizontal =
        alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignTop;
}

}  // namespace

PlotArea::PlotArea(int decadeCount, QWidget* parent)
    : QWidget(parent), frameLines_(FrameLines(decadeCount)) {
    setObjectName("Picture1");
    resize(TwipsToPixels(kPlotAreaWidth), TwipsToPixels(kPlotAreaHeight));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    // The whole area is painted each time, the curves from one image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    decadeFrequencies_.resize(static_cast<std::size_t>(decadeCount) + 1);
    for (const FrameLabel& frameLabel : FrameLabels(decadeCount)) {
        QLabel* label = AddFrameLabel(frameLabel);
        switch (frameLabel.value) {
            case PlotValue::None:
                break;
            case PlotValue::Gmax:
                gmax_ = label;
                break;
            case PlotValue::HalfPowerLevel:
                halfPowerLevel_ = label;
                break;
            case PlotValue::DecadeFrequency:
                decadeFrequencies_.at(static_cast<std::size_t>(frameLabel.decade)) = label;
                break;
        }
    }
}

QLabel* PlotArea::AddFrameLabel(const FrameLabel& frameLabel) {
    auto* label = new QLabel(ToQString(frameLabel.caption), this);
    label->setObjectName(ToQString(frameLabel.name));
    label->setGeometry(
        TwipsRect(frameLabel.left, frameLabel.top, frameLabel.width, frameLabel.height));
    label->setAlignment(ToQtAlignment(frameLabel.alignment));
    label->setFont(FontFittingArea(WindowDefaultFont(), label->text(), label->contentsRect(),
                                   int(label->alignment())));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(frameLabel.colour));
    label->setPalette(palette);
    // The pointer read-out follows the pointer over the labels too.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void PlotArea::ShowPlot(Plot plot) {
    gmax_->setText(ToQString(plot.label1Caption));
    halfPowerLevel_->setText(ToQString(plot.label17Caption));
    for (std::size_t j = 0; j < decadeFrequencies_.size(); ++j) {
        decadeFrequencies_[j]->setText(ToQString(plot.decadeCaptions.at(j)));
    }
    plot_ = std::move(plot);
    PaintCurves();
    update();
}

void PlotArea::PaintCurves() {
    if (curves_.isNull() || curves_.devicePixelRatio() != devicePixelRatioF()) {
        curves_ = PaintPlotImage(*plot_, devicePixelRatioF());
    } else {
        RepaintPlotImage(*plot_, curves_);
    }
}

void PlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (plot_ && curves_.devicePixelRatio() != devicePixelRatioF()) PaintCurves();  // new screen
    if (curves_.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawImage(0, 0, curves_);
    }
    PaintFrame(painter, frameLines_);
    painter.setPen(kBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PlotArea::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(event->position() * kTwipsPerPixel);
}

}  // namespace amp::ui
