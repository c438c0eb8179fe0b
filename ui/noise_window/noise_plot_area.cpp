#include "ui/noise_window/noise_plot_area.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "graph/curve_vertices.h"
#include "ui/curve_colours.h"
#include "ui/fonts.h"
#include "ui/plot/plot_frame_layout.h"
#include "ui/plot/plot_image.h"
#include "ui/plot/plot_menu.h"
#include "ui/plot/plot_picture.h"
#include "ui/plot/plot_style.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kGridColour(220, 220, 220);
const QColor kBandShade(225, 235, 250);
constexpr Rgb kBandEdge{70, 110, 200};
constexpr Rgb kRailLimitColour = kPhaseGridOrange;
constexpr int kFocusFrameWidth = 2;

// Captions in twips: the title along the top, the frequencies under the axis, the values left of
// it, each centred on its tick.
constexpr int kTitleLeft = 120;
constexpr int kTitleTop = 90;
constexpr int kCaptionHeight = 255;
constexpr int kTickLength = 60;
constexpr int kFrequencyCaptionTop = kNoiseAxisBottom + 90;
constexpr int kFrequencyCaptionWidth = 900;
constexpr int kUnitTop = kFrequencyCaptionTop + kCaptionHeight;
constexpr int kUnitLeft = kNoiseAxisRight - 600;
constexpr int kUnitWidth = 780;
constexpr int kValueCaptionLeft = 30;
constexpr int kValueCaptionRight = kNoiseAxisLeft - kTickLength - 30;
constexpr int kCaptionAboveLine = kCaptionHeight + 15;
// A band narrower than this has no room for its caption.
constexpr int kBandCaptionWidth = 600;

QString Title(NoisePlotKind kind) {
    return kind == NoisePlotKind::Density ? QString::fromUtf8("Rumore in uscita [nV/√Hz]")
                                          : QStringLiteral("Uscita massima indistorta [V picco]");
}

// The largest output peak the rails allow, V.
double RailLimit(const NoiseSettings& settings) {
    return settings.supply - settings.margin;
}

}  // namespace

NoisePlotArea::NoisePlotArea(NoisePlotKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), frequencyTicks_(NoiseFrequencyTicks()) {
    setObjectName(kind == NoisePlotKind::Density ? QStringLiteral("Picture1")
                                                 : QStringLiteral("Picture2"));
    setAccessibleName(Title(kind));
    resize(TwipsToPixels(kNoisePlotWidth), TwipsToPixels(kNoisePlotHeight));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(WindowDefaultFont());
}

void NoisePlotArea::ShowAnalysis(std::shared_ptr<const NoiseAnalysis> analysis,
                                 std::string_view decimalSeparator) {
    Shown shown{std::move(analysis), {}, {}, {}};
    const NoiseCurves& curves = shown.analysis->curves;
    if (kind_ == NoisePlotKind::Density) {
        shown.densityScale = DensityScaleOf(curves.density);
        shown.valueTicks = DensityTicks(shown.densityScale, decimalSeparator);
    } else {
        // The level the rails allow is on the scale, whatever the curve reaches.
        std::vector<double> levels = curves.largestClean;
        levels.push_back(RailLimit(shown.analysis->settings));
        shown.cleanOutputScale = CleanOutputScaleOf(levels);
        shown.valueTicks = CleanOutputTicks(shown.cleanOutputScale, decimalSeparator);
    }
    shown_ = std::move(shown);
    update();
}

void NoisePlotArea::Clear() {
    shown_.reset();
    update();
}

void NoisePlotArea::PaintCaption(QPainter& painter, const QRectF& twips, const QString& caption,
                                 int flags, const QColor& colour) const {
    painter.setPen(colour);
    painter.drawText(
        QRectF(TwipsPoint(twips.left(), twips.top()), TwipsPoint(twips.right(), twips.bottom())),
        flags, caption);
}

void NoisePlotArea::PaintScales(QPainter& painter) const {
    const QColor black = ToQColor(kModulusBlack);
    painter.setFont(font());
    for (const AxisTick& tick : frequencyTicks_) {
        if (tick.at > kNoiseAxisLeft) {
            painter.setPen(kGridColour);
            painter.drawLine(TwipsPoint(tick.at, kNoiseAxisTop),
                             TwipsPoint(tick.at, kNoiseAxisBottom));
        }
        painter.setPen(black);
        painter.drawLine(TwipsPoint(tick.at, kNoiseAxisBottom - kTickLength),
                         TwipsPoint(tick.at, kNoiseAxisBottom + kTickLength));
        PaintCaption(painter,
                     QRectF(tick.at - kFrequencyCaptionWidth / 2.0, kFrequencyCaptionTop,
                            kFrequencyCaptionWidth, kCaptionHeight),
                     ToQString(tick.caption), Qt::AlignHCenter | Qt::AlignTop, black);
    }
    PaintCaption(painter, QRectF(kUnitLeft, kUnitTop, kUnitWidth, kCaptionHeight),
                 QStringLiteral("[Hz]"), Qt::AlignRight | Qt::AlignTop, black);
    if (shown_) {
        for (const AxisTick& tick : shown_->valueTicks) {
            if (tick.at < kNoiseAxisBottom) {
                painter.setPen(kGridColour);
                painter.drawLine(TwipsPoint(kNoiseAxisLeft, tick.at),
                                 TwipsPoint(kNoiseAxisRight, tick.at));
            }
            painter.setPen(black);
            painter.drawLine(TwipsPoint(kNoiseAxisLeft - kTickLength, tick.at),
                             TwipsPoint(kNoiseAxisLeft, tick.at));
            PaintCaption(painter,
                         QRectF(kValueCaptionLeft, tick.at - kCaptionHeight / 2.0,
                                kValueCaptionRight - kValueCaptionLeft, kCaptionHeight),
                         ToQString(tick.caption), Qt::AlignRight | Qt::AlignVCenter, black);
        }
    }
    painter.setPen(black);
    painter.drawLine(TwipsPoint(kNoiseAxisLeft, kNoiseAxisTop),
                     TwipsPoint(kNoiseAxisLeft, kNoiseAxisBottom));
    painter.drawLine(TwipsPoint(kNoiseAxisLeft, kNoiseAxisBottom),
                     TwipsPoint(kNoiseAxisRight, kNoiseAxisBottom));
}

void NoisePlotArea::PaintBand(QPainter& painter, const Shown& shown) const {
    const double left = NoiseFrequencyX(shown.analysis->settings.bandLow);
    const double right = NoiseFrequencyX(shown.analysis->settings.bandHigh);
    painter.fillRect(QRectF(TwipsPoint(left, kNoiseAxisTop), TwipsPoint(right, kNoiseAxisBottom)),
                     kBandShade);
    painter.setPen(FramePen(kBandEdge, DashStyle::DashDot));
    for (const double x : {left, right}) {
        painter.drawLine(TwipsPoint(x, kNoiseAxisTop), TwipsPoint(x, kNoiseAxisBottom));
    }
}

void NoisePlotArea::PaintBandCaption(QPainter& painter, const Shown& shown) const {
    const double left = NoiseFrequencyX(shown.analysis->settings.bandLow);
    const double right = NoiseFrequencyX(shown.analysis->settings.bandHigh);
    if (right - left < kBandCaptionWidth) return;
    // Centred at the top of the band, on its shade, so that no grid line runs through it.
    const QString caption = QStringLiteral("banda");
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(caption) + 4, metrics.height());
    const QPointF top = TwipsPoint((left + right) / 2, kNoiseAxisTop + 15);
    const QRectF box(top - QPointF(size.width() / 2, 0), size);
    painter.fillRect(box, kBandShade);
    painter.setPen(ToQColor(kBandEdge));
    painter.drawText(box, Qt::AlignCenter, caption);
}

void NoisePlotArea::PaintRailLimit(QPainter& painter, const Shown& shown) const {
    const double y = CleanOutputY(RailLimit(shown.analysis->settings), shown.cleanOutputScale);
    painter.setPen(FramePen(kRailLimitColour, DashStyle::DashDotDot));
    painter.drawLine(TwipsPoint(kNoiseAxisLeft, y), TwipsPoint(kNoiseAxisRight, y));
    PaintCaption(painter,
                 QRectF(kNoiseAxisRight - 3600, y - kCaptionAboveLine, 3600, kCaptionHeight),
                 QString::fromUtf8("alimentazione − margine"), Qt::AlignRight | Qt::AlignTop,
                 ToQColor(kRailLimitColour));
}

void NoisePlotArea::PaintCurve(QPainter& painter, const Shown& shown,
                               qreal devicePixelRatio) const {
    const NoiseCurves& curves = shown.analysis->curves;
    const auto point = [this, &curves, &shown](int i) {
        const auto sample = static_cast<std::size_t>(i);
        return kind_ == NoisePlotKind::Density
                   ? DensityPoint(curves, sample, shown.densityScale)
                   : CleanOutputPoint(curves, sample, shown.cleanOutputScale);
    };
    const std::vector<PlotPoint> vertices = CurveVertices(
        static_cast<int>(curves.frequencies.size()), point, devicePixelRatio / kTwipsPerPixel);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(kModulusBlack), 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawPolyline(PixelPolyline(vertices, devicePixelRatio));
    painter.restore();
}

void NoisePlotArea::PaintPicture(QPainter& painter, qreal devicePixelRatio) const {
    painter.fillRect(rect(), Qt::white);
    if (shown_ && kind_ == NoisePlotKind::Density) PaintBand(painter, *shown_);
    PaintScales(painter);
    if (shown_) {
        if (kind_ == NoisePlotKind::Density) PaintBandCaption(painter, *shown_);
        if (kind_ == NoisePlotKind::CleanOutput) PaintRailLimit(painter, *shown_);
        PaintCurve(painter, *shown_, devicePixelRatio);
    }
    painter.setFont(ControlFont());
    PaintCaption(painter,
                 QRectF(kTitleLeft, kTitleTop, kNoisePlotWidth - 2 * kTitleLeft, kCaptionHeight),
                 Title(kind_), Qt::AlignLeft | Qt::AlignTop, ToQColor(kModulusBlack));
    painter.setPen(kPlotBorderColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void NoisePlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPicture(painter, devicePixelRatioF());
    if (!hasFocus()) return;
    // The focus frame, and the keyboard pointer as a line across the value scale.
    QPen focusPen(palette().color(QPalette::Highlight), kFocusFrameWidth);
    focusPen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(focusPen);
    const qreal inset = kFocusFrameWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0, Qt::DotLine));
    painter.drawLine(TwipsPoint(pointerX_, kNoiseAxisTop), TwipsPoint(pointerX_, kNoiseAxisBottom));
}

void NoisePlotArea::MovePointerTo(double x) {
    pointerX_ = x;
    if (hasFocus()) update();
    emit pointerMoved(QPointF(x, kNoiseAxisBottom));
}

void NoisePlotArea::mouseMoveEvent(QMouseEvent* event) {
    pointerX_ = event->position().x() * kTwipsPerPixel;
    if (hasFocus()) update();
    emit pointerMoved(event->position() * kTwipsPerPixel);
}

void NoisePlotArea::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowContextMenu(TwipsPoint(pointerX_, kNoiseAxisBottom).toPoint());
        return;
    }
    // An arrow moves the pointer by a pixel, with Shift by ten; Home and End go to the axis' ends.
    const double step = (event->modifiers() & Qt::ShiftModifier ? 10.0 : 1.0) * kTwipsPerPixel;
    const double rightmost = kNoisePlotWidth - kTwipsPerPixel;
    switch (event->key()) {
        case Qt::Key_Left:
            MovePointerTo(std::max(pointerX_ - step, 0.0));
            return;
        case Qt::Key_Right:
            MovePointerTo(std::min(pointerX_ + step, rightmost));
            return;
        case Qt::Key_Home:
            MovePointerTo(kNoiseAxisLeft);
            return;
        case Qt::Key_End:
            MovePointerTo(kNoiseAxisRight);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void NoisePlotArea::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->reason() == QContextMenuEvent::Mouse
                        ? event->pos()
                        : TwipsPoint(pointerX_, kNoiseAxisBottom).toPoint());
}

void NoisePlotArea::ShowContextMenu(QPoint at) {
    ShowPlotMenu(*this, at, shown_.has_value(),
                 {{kSaveImageEntry, [this] { emit saveImageChosen(); }},
                  {kExportDataEntry, [this] { emit exportDataChosen(); }}});
}

void NoisePlotArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void NoisePlotArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace amp::ui
