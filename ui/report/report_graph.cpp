#include <QFontMetricsF>
#include <QPainter>

#include "ui/curve_colours.h"
#include "ui/graph_window/graph_window_layout.h"
#include "ui/plot/plot_image.h"
#include "ui/plot/plot_picture.h"
#include "ui/qt_text.h"
#include "ui/report/page_canvas.h"
#include "ui/report/report_parts.h"

namespace amp::ui {
namespace {

constexpr double kLegendPoints = 8;
constexpr qreal kLegendLineLength = 24;
constexpr qreal kLegendGap = 6;
constexpr qreal kLegendSpacing = 24;

// The plot area as its window paints it, scaled to the width; its captions keep their size
// relative to it.
void DrawPicture(const PageCanvas& canvas, const Plot& plot, std::string_view decimalSeparator,
                 const QRectF& target) {
    const qreal scale = target.width() / PlotAreaRect().width();
    std::vector<PlotCaption> captions = PlottedCaptions(plot, decimalSeparator);
    for (PlotCaption& caption : captions) {
        caption.font = canvas.DeviceFont(caption.font);
        // A page's glyphs can be a hair wider than the screen's; they must never be cut.
        caption.flags |= Qt::TextDontClip;
    }
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    PaintPlotPicture(painter, &plot, FrameLines(plot.RangeIndex), captions,
                     canvas.DevicePixelsPerUnit() * scale);
    painter.restore();
}

qreal LegendHeight() {
    return QFontMetricsF(ReportFont(kLegendPoints, false)).height();
}

// The side panel's legend of the two curves, in a row.
void DrawLegend(const PageCanvas& canvas, QPointF topLeft) {
    const QFont font = ReportFont(kLegendPoints, false);
    const QFontMetricsF metrics(font);
    const qreal middle = topLeft.y() + LegendHeight() / 2;
    qreal x = topLeft.x();
    for (const auto& [colour, text] :
         {std::pair{ToQColor(kModulusBlack), QStringLiteral("modulo di Vo/Vi")},
          std::pair{ToQColor(kPhaseRed), QStringLiteral("fase di Vo/Vi")}}) {
        canvas.Painter().setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap));
        canvas.Painter().drawLine(QPointF(x, middle), QPointF(x + kLegendLineLength, middle));
        x += kLegendLineLength + kLegendGap;
        const qreal textWidth = metrics.horizontalAdvance(text);
        canvas.DrawText(QRectF(x, topLeft.y(), textWidth, LegendHeight()),
                        Qt::AlignLeft | Qt::AlignVCenter, font, text);
        x += textWidth + kLegendSpacing;
    }
}

}  // namespace

PagePart GraphPart(const PageCanvas& canvas, qreal width, int rangeIndex, const Outcome<Plot>& plot,
                   std::string_view decimalSeparator) {
    const QString heading = QStringLiteral("Grafico di Vo/Vi: ") +
                            QString::fromUtf8(GraphWindowLayoutOf(rangeIndex).caption);
    if (const Failure* failure = FailureOf(plot)) {
        const QString message = ToQString(failure->message);
        return {HeadingHeight() + MessageHeight(width, message), [=, &canvas](qreal top) {
                    DrawHeading(canvas, top, width, heading);
                    const qreal messageTop = top + HeadingHeight();
                    DrawMessage(canvas, QRectF(0, messageTop, width, MessageHeight(width, message)),
                                message);
                }};
    }
    const QRect area = PlotAreaRect();
    const qreal pictureHeight = width * area.height() / area.width();
    return {HeadingHeight() + pictureHeight + kLegendGap + LegendHeight(),
            [=, &canvas, &plot](qreal top) {
                DrawHeading(canvas, top, width, heading);
                const QRectF picture(0, top + HeadingHeight(), width, pictureHeight);
                DrawPicture(canvas, std::get<Plot>(plot), decimalSeparator, picture);
                DrawLegend(canvas, {0, picture.bottom() + kLegendGap});
            }};
}

}  // namespace amp::ui
