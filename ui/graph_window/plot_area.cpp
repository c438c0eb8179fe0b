#include "ui/graph_window/plot_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "graph/plot_grid.h"
#include "ui/fonts.h"
#include "ui/forms/caption_fit.h"
#include "ui/forms/value_label.h"
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
    const auto placeValue = [this](const FrameLabel& frameLabel) {
        auto* label = new ValueLabel(this);
        PlaceFrameLabel(*label, frameLabel);
        label->SetDesignFont(WindowDefaultFont());
        return label;
    };
    for (const FrameLabel& frameLabel : FrameLabels(decadeCount)) {
        switch (frameLabel.value) {
            case PlotValue::None:
                PlaceFrameLabel(*new QLabel(this), frameLabel);
                break;
            case PlotValue::Gmax:
                gmax_ = placeValue(frameLabel);
                break;
            case PlotValue::HalfPowerLevel:
                halfPowerLevel_ = placeValue(frameLabel);
                break;
            case PlotValue::DecadeFrequency:
                auto* decade = new QLabel(this);
                PlaceFrameLabel(*decade, frameLabel);
                decadeFrequencies_.at(static_cast<std::size_t>(frameLabel.decade)) = decade;
                break;
        }
    }
}

void PlotArea::PlaceFrameLabel(QLabel& label, const FrameLabel& frameLabel) {
    label.setText(ToQString(frameLabel.caption));
    label.setObjectName(ToQString(frameLabel.name));
    label.setGeometry(
        TwipsRect(frameLabel.left, frameLabel.top, frameLabel.width, frameLabel.height));
    label.setAlignment(ToQtAlignment(frameLabel.alignment));
    label.setFont(FontFittingArea(WindowDefaultFont(), label.text(), label.contentsRect(),
                                  int(label.alignment())));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ToQColor(frameLabel.colour));
    label.setPalette(palette);
    // The pointer read-out follows the pointer over the labels too.
    label.setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PlotArea::ShowPlot(Plot plot, std::string_view decimalSeparator) {
    gmax_->SetValue(ToQString(plot.label1Caption), decimalSeparator);
    halfPowerLevel_->SetValue(ToQString(plot.label17Caption), decimalSeparator);
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
