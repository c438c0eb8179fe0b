#include "ui/plot/plot_picture.h"

#include <QPainter>

#include "graph/plot_grid.h"
#include "ui/fonts.h"
#include "ui/forms/caption_fit.h"
#include "ui/forms/value_label.h"
#include "ui/plot/plot_image.h"
#include "ui/plot/plot_style.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

Qt::Alignment ToQtAlignment(TextAlignment alignment) {
    const Qt::Alignment horizontal =
        alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignTop;
}

QString PlottedText(const Plot& plot, const FrameLabel& label) {
    switch (label.value) {
        case PlotValue::Gmax:
            return ToQString(plot.gmaxCaption);
        case PlotValue::HalfPowerLevel:
            return ToQString(plot.halfPowerLevelCaption);
        case PlotValue::DecadeFrequency:
            return ToQString(plot.decadeCaptions.at(static_cast<std::size_t>(label.decade)));
        case PlotValue::None:
            break;
    }
    return ToQString(label.caption);
}

}  // namespace

PlotCaption FrameCaption(const FrameLabel& label, const QString& text) {
    const QRect rect = TwipsRect(label.left, label.top, label.width, label.height);
    const int flags = int(ToQtAlignment(label.alignment));
    return {text, rect, flags, FontFittingArea(WindowDefaultFont(), text, rect, flags),
            ToQColor(label.colour)};
}

std::vector<PlotCaption> PlottedCaptions(const Plot& plot, std::string_view decimalSeparator) {
    std::vector<PlotCaption> captions;
    for (const FrameLabel& label : FrameLabels(plot.RangeIndex)) {
        PlotCaption caption = FrameCaption(label, PlottedText(plot, label));
        if (label.value == PlotValue::Gmax || label.value == PlotValue::HalfPowerLevel) {
            const FittedValue fitted = FitValue(WindowDefaultFont(), caption.text, caption.rect,
                                                caption.flags, decimalSeparator);
            caption.text = fitted.shown;
            caption.font = fitted.font;
        }
        captions.push_back(std::move(caption));
    }
    return captions;
}

QRect PlotAreaRect() {
    return {0, 0, TwipsToPixels(kPlotAreaWidth), TwipsToPixels(kPlotAreaHeight)};
}

void PaintFrameAndBorder(QPainter& painter, const std::vector<FrameLine>& lines) {
    PaintFrame(painter, lines);
    painter.setPen(kPlotBorderColour);
    painter.drawRect(PlotAreaRect().adjusted(0, 0, -1, -1));
}

void PaintPlotPicture(QPainter& painter, const Plot* plot, const std::vector<FrameLine>& lines,
                      const std::vector<PlotCaption>& captions, qreal devicePixelRatio) {
    painter.fillRect(PlotAreaRect(), Qt::white);
    if (plot) DrawCurves(painter, *plot, devicePixelRatio);
    PaintFrameAndBorder(painter, lines);
    for (const PlotCaption& caption : captions) {
        painter.setFont(caption.font);
        painter.setPen(caption.colour);
        painter.drawText(caption.rect, caption.flags, caption.text);
    }
}

}  // namespace amp::ui
