#include "ui/graph_window/plot_image.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "graph/curve_vertices.h"
#include "graph/plot_grid.h"
#include "ui/graph_window/graph_window_style.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kModulusColour(0, 0, 0);
const QColor kPhaseColour(255, 0, 0);

void DrawCurve(QPainter& painter, const Plot& plot, CurvePointFunction point, const QColor& colour,
               qreal devicePixelRatio) {
    const std::vector<PlotPoint> vertices =
        CurveVertices(plot, point, devicePixelRatio / kTwipsPerPixel);
    QPolygonF polyline;
    polyline.reserve(static_cast<qsizetype>(vertices.size()));
    for (const PlotPoint& vertex : vertices) polyline.append(TwipsPoint(vertex.x, vertex.y));
    painter.setPen(QPen(colour, 1.0));
    painter.drawPolyline(polyline);
}

}  // namespace

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
    DrawCurve(painter, plot, ModulusPoint, kModulusColour, image.devicePixelRatio());
    DrawCurve(painter, plot, PhasePoint, kPhaseColour, image.devicePixelRatio());
}

void PaintFrame(QPainter& painter, const std::vector<FrameLine>& lines) {
    for (const FrameLine& line : lines) {
        painter.setPen(FramePen(line.colour, line.dash));
        painter.drawLine(TwipsPoint(line.x1, line.y1), TwipsPoint(line.x2, line.y2));
    }
}

}  // namespace amp::ui
