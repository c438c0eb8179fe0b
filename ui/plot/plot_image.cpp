#include "ui/plot/plot_image.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "graph/curve_vertices.h"
#include "graph/plot_grid.h"
#include "ui/curve_colours.h"
#include "ui/plot/plot_style.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

// Qt fills the outline of an antialiased polyline wider than a device pixel in one piece, at a
// cost that grows with the area the polyline spans; short runs of it cover the same pixels at a
// fraction of the cost. Their flat ends meet without overlapping.
constexpr qsizetype kVerticesPerRun = 32;

void DrawCurve(QPainter& painter, const Plot& plot, CurvePointFunction point, const QColor& colour,
               qreal devicePixelRatio) {
    const QPolygonF polyline = PixelPolyline(
        CurveVertices(plot, point, devicePixelRatio / kTwipsPerPixel), devicePixelRatio);
    painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (qsizetype start = 0; start + 1 < polyline.size(); start += kVerticesPerRun) {
        const qsizetype count = std::min(kVerticesPerRun + 1, polyline.size() - start);
        painter.drawPolyline(polyline.constData() + start, static_cast<int>(count));
    }
}

}  // namespace

QPolygonF PixelPolyline(const std::vector<PlotPoint>& vertices, qreal devicePixelRatio) {
    // A pointer on a pixel reads out the position of the pixel's top-left corner: each point is
    // centred on the pixel that reads it out, half a device pixel right of and below it.
    const qreal toPixelCentre = 0.5 / devicePixelRatio;
    QPolygonF polyline;
    polyline.reserve(static_cast<qsizetype>(vertices.size()));
    for (const PlotPoint& vertex : vertices) {
        polyline.append(TwipsPoint(vertex.x, vertex.y) + QPointF(toPixelCentre, toPixelCentre));
    }
    return polyline;
}

QImage PaintPlotImage(const Plot& plot, qreal devicePixelRatio) {
    const QSize logicalSize(TwipsToPixels(kPlotAreaWidth), TwipsToPixels(kPlotAreaHeight));
    QImage image(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                 static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    RepaintPlotImage(plot, image);
    return image;
}

void RepaintPlotImage(const Plot& plot, QImage& image) {
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawCurves(painter, plot, image.devicePixelRatio());
}

void DrawCurves(QPainter& painter, const Plot& plot, qreal devicePixelRatio) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCurve(painter, plot, ModulusPoint, ToQColor(kModulusBlack), devicePixelRatio);
    DrawCurve(painter, plot, PhasePoint, ToQColor(kPhaseRed), devicePixelRatio);
    painter.restore();
}

void PaintFrame(QPainter& painter, const std::vector<FrameLine>& lines) {
    for (const FrameLine& line : lines) {
        painter.setPen(FramePen(line.colour, line.dash));
        painter.drawLine(TwipsPoint(line.x1, line.y1), TwipsPoint(line.x2, line.y2));
    }
}

}  // namespace amp::ui
