#include "ui/tolerance_window/band_plot_area.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "core/checks/number_format.h"
#include "graph/curve_vertices.h"
#include "graph/plot.h"
#include "graph/plot_grid.h"
#include "graph/tolerance_plot.h"
#include "ui/fonts.h"
#include "ui/plot/plot_image.h"
#include "ui/plot/plot_menu.h"
#include "ui/plot/plot_picture.h"
#include "ui/plot/plot_style.h"
#include "ui/qt_text.h"
#include "ui/tolerance_window/band_frame_layout.h"
#include "ui/tolerance_window/band_style.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

constexpr int kTargetTop = 360;
constexpr int kTargetCaptionTop = 120;
constexpr int kTargetCaptionHeight = 255;

std::vector<PlotPoint> CurveOf(const std::vector<double>& curve, double scale,
                               qreal devicePixelRatio) {
    return CurveVertices(
        static_cast<int>(curve.size()),
        [&curve, scale](int i) { return BandPoint(curve, i, scale); },
        devicePixelRatio / kTwipsPerPixel);
}

}  // namespace

BandPlotArea::BandPlotArea(QWidget* parent)
    : QWidget(parent), frameLines_(BandFrameLines()), frameLabels_(BandFrameLabels()) {
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Banda di |Vo/Vi|"));
    resize(TwipsToPixels(kPlotAreaWidth), TwipsToPixels(kPlotAreaHeight));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(WindowDefaultFont());
}

void BandPlotArea::ShowResult(std::shared_ptr<const ToleranceResult> result,
                              std::optional<double> fiX, std::optional<double> fsX,
                              std::string_view decimalSeparator) {
    const double gmax = FigureOf(result->nominal, ToleranceFigure::MaxModulus);
    shown_ = Shown{std::move(result),
                   fiX,
                   fsX,
                   0.0,
                   ToQString(FormatFixed(gmax, 2, decimalSeparator)),
                   ToQString(FormatFixed(kHalfPowerFactor * gmax, 2, decimalSeparator))};
    shown_->scale = ToleranceModulusScale(shown_->result->band);
    update();
}

void BandPlotArea::Clear() {
    shown_.reset();
    update();
}

void BandPlotArea::PaintCaption(QPainter& painter, const QRectF& twips, const QString& caption,
                                const QColor& colour, int flags) const {
    painter.setPen(colour);
    painter.drawText(
        QRectF(TwipsPoint(twips.left(), twips.top()), TwipsPoint(twips.right(), twips.bottom())),
        flags, caption);
}

void BandPlotArea::PaintResult(QPainter& painter, const Shown& shown,
                               qreal devicePixelRatio) const {
    const ToleranceBand& band = shown.result->band;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QPolygonF area =
        PixelPolyline(CurveOf(band.p95, shown.scale, devicePixelRatio), devicePixelRatio);
    const QPolygonF lower =
        PixelPolyline(CurveOf(band.p5, shown.scale, devicePixelRatio), devicePixelRatio);
    for (auto point = lower.crbegin(); point != lower.crend(); ++point) area.append(*point);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColour);
    painter.drawPolygon(area);
    painter.setBrush(Qt::NoBrush);

    const auto drawCurve = [&](const std::vector<double>& curve, const QColor& colour) {
        painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawPolyline(
            PixelPolyline(CurveOf(curve, shown.scale, devicePixelRatio), devicePixelRatio));
    };
    drawCurve(band.minimum, kEnvelopeColour);
    drawCurve(band.maximum, kEnvelopeColour);
    drawCurve(band.nominal, kNominalColour);
    painter.restore();

    // The graph windows' level marks at the nominal maximum's height: each caption as far above
    // its line as "Gmax=" stands above Line3, the values in one column with Gmax's.
    const LevelMark gmaxMark = GmaxMark();
    const int captionAboveLine = gmaxMark.line.y1 - gmaxMark.name.top;
    const int valueLeft = gmaxMark.value.left;
    const auto level = [&](double modulus, const LevelMark& mark, const QString& value) {
        const double y = ModulusY(modulus, shown.scale);
        painter.setPen(FramePen(mark.line.colour, mark.line.dash));
        painter.drawLine(TwipsPoint(mark.line.x1, y), TwipsPoint(mark.line.x2, y));
        const double top = y - captionAboveLine;
        const QColor textColour = ToQColor(mark.name.colour);
        PaintCaption(painter,
                     QRectF(mark.name.left, top, valueLeft - mark.name.left, mark.name.height),
                     ToQString(mark.name.caption), textColour, Qt::AlignLeft | Qt::AlignTop);
        PaintCaption(painter, QRectF(valueLeft, top, kPlotAreaWidth - valueLeft, mark.value.height),
                     value, textColour, Qt::AlignLeft | Qt::AlignTop);
    };
    const double gmax = FigureOf(shown.result->nominal, ToleranceFigure::MaxModulus);
    level(gmax, gmaxMark, shown.gmaxCaption);
    level(kHalfPowerFactor * gmax, HalfPowerLevelMark(), shown.halfPowerCaption);

    const auto target = [&](std::optional<double> x, const QString& name) {
        if (!x) return;
        painter.setPen(FramePen(kTargetColour, DashStyle::DashDot));
        painter.drawLine(TwipsPoint(*x, kTargetTop), TwipsPoint(*x, kModulusZeroY));
        PaintCaption(painter, QRectF(*x - 300, kTargetCaptionTop, 600, kTargetCaptionHeight), name,
                     ToQColor(kTargetColour), Qt::AlignHCenter | Qt::AlignTop);
    };
    target(shown.fiX, QStringLiteral("fi"));
    target(shown.fsX, QStringLiteral("fs"));
}

void BandPlotArea::PaintPicture(QPainter& painter, qreal devicePixelRatio) const {
    painter.fillRect(rect(), Qt::white);
    painter.setFont(font());
    if (shown_) PaintResult(painter, *shown_, devicePixelRatio);
    PaintFrame(painter, frameLines_);
    for (const FrameLabel& label : frameLabels_) {
        const int alignment =
            label.alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        PaintCaption(painter, QRectF(label.left, label.top, label.width, label.height),
                     ToQString(label.caption), ToQColor(label.colour), alignment | Qt::AlignTop);
    }
    painter.setPen(kPlotBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BandPlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPicture(painter, devicePixelRatioF());
}

void BandPlotArea::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position() * kTwipsPerPixel);
}

void BandPlotArea::contextMenuEvent(QContextMenuEvent* event) {
    ShowPlotMenu(
        *this, event->pos(), shown_.has_value(),
        {{kSaveImageEntry, [this] { emit saveImageChosen(); }},
         {QStringLiteral("Esporta statistiche..."), [this] { emit exportStatisticsChosen(); }},
         {QStringLiteral("Esporta banda..."), [this] { emit exportBandChosen(); }}});
}

}  // namespace amp::ui
