#include "ui/graph_window/plot_area.h"

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "graph/plot_grid.h"
#include "ui/fonts.h"
#include "ui/forms/value_label.h"
#include "ui/plot/plot_image.h"
#include "ui/plot/plot_menu.h"
#include "ui/plot/plot_picture.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kCrossHairColour(0, 0, 255);
constexpr int kFocusFrameWidth = 2;
// The cross-hair's arms reach this many pixels from the pointer; the pixels next to it stay
// free, so the curve under the pointer shows.
constexpr int kCrossHairReach = 8;
constexpr int kCrossHairGap = 1;

std::optional<PointerKey> PointerKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return PointerKey::Left;
        case Qt::Key_Right:
            return PointerKey::Right;
        case Qt::Key_Up:
            return PointerKey::Up;
        case Qt::Key_Down:
            return PointerKey::Down;
        case Qt::Key_Home:
            return PointerKey::AxisStart;
        case Qt::Key_End:
            return PointerKey::AxisEnd;
        case Qt::Key_PageUp:
            return PointerKey::GmaxLine;
        case Qt::Key_PageDown:
            return PointerKey::FrequencyAxis;
        default:
            return std::nullopt;
    }
}

}  // namespace

PlotArea::PlotArea(int decadeCount, QWidget* parent)
    : QWidget(parent), frameLines_(FrameLines(decadeCount)) {
    setObjectName("Picture1");
    setAccessibleName(QStringLiteral("Grafico di Vo/Vi"));
    resize(TwipsToPixels(kPlotAreaWidth), TwipsToPixels(kPlotAreaHeight));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The whole area is painted each time, the curves from one image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    decadeFrequencies_.resize(static_cast<std::size_t>(decadeCount) + 1);
    const auto placeValue = [this](const FrameLabel& frameLabel, const QString& description) {
        auto* label = new ValueLabel(this);
        PlaceFrameLabel(*label, frameLabel);
        label->SetDesignFont(WindowDefaultFont());
        label->setAccessibleDescription(description);
        return label;
    };
    for (const FrameLabel& frameLabel : FrameLabels(decadeCount)) {
        switch (frameLabel.value) {
            case PlotValue::None:
                PlaceFrameLabel(*new QLabel(this), frameLabel);
                break;
            case PlotValue::Gmax:
                gmax_ = placeValue(frameLabel, QStringLiteral("Gmax, modulo massimo di Vo/Vi"));
                break;
            case PlotValue::HalfPowerLevel:
                halfPowerLevel_ = placeValue(frameLabel, QStringLiteral("0.707 Gmax"));
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
    const PlotCaption caption = FrameCaption(frameLabel, ToQString(frameLabel.caption));
    label.setText(caption.text);
    label.setObjectName(ToQString(frameLabel.name));
    label.setGeometry(caption.rect);
    label.setAlignment(Qt::Alignment(caption.flags));
    label.setFont(caption.font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, caption.colour);
    label.setPalette(palette);
    // The pointer read-out follows the pointer over the labels too.
    label.setAttribute(Qt::WA_TransparentForMouseEvents);
    frameLabels_.push_back(&label);
}

void PlotArea::ShowPlot(Plot plot, std::string_view decimalSeparator) {
    gmax_->SetValue(ToQString(plot.gmaxCaption), decimalSeparator);
    halfPowerLevel_->SetValue(ToQString(plot.halfPowerLevelCaption), decimalSeparator);
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

void PlotArea::PaintPicture(QPainter& painter, qreal devicePixelRatio) const {
    std::vector<PlotCaption> captions;
    for (const QLabel* label : frameLabels_) {
        QFont font = label->font();
        // An SVG names its fonts: the family the screen shows is one its readers can find.
        font.setFamily(QFontInfo(font).family());
        captions.push_back({label->text(), label->geometry(), int(label->alignment()), font,
                            label->palette().color(QPalette::WindowText)});
    }
    PaintPlotPicture(painter, plot_ ? &*plot_ : nullptr, frameLines_, captions, devicePixelRatio);
}

void PlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (plot_ && curves_.devicePixelRatio() != devicePixelRatioF()) PaintCurves();  // new screen
    if (curves_.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawImage(0, 0, curves_);
    }
    PaintFrameAndBorder(painter, frameLines_);
    if (!hasFocus()) return;

    QPen focusPen(palette().color(QPalette::Highlight), kFocusFrameWidth);
    focusPen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(focusPen);
    const qreal inset = kFocusFrameWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));

    const QPoint centre = CrossHairRect().center();
    constexpr int kArm = kCrossHairReach - kCrossHairGap;
    for (const int side : {-1, 1}) {
        const int near = side * (kCrossHairGap + 1);
        const int far = side * kCrossHairReach;
        painter.fillRect(
            QRect(QPoint(centre.x() + std::min(near, far), centre.y()), QSize(kArm, 1)),
            kCrossHairColour);
        painter.fillRect(
            QRect(QPoint(centre.x(), centre.y() + std::min(near, far)), QSize(1, kArm)),
            kCrossHairColour);
    }
}

QRect PlotArea::CrossHairRect() const {
    const QPoint pixel(static_cast<int>(std::floor(keyboardPointer_.x() / kTwipsPerPixel)),
                       static_cast<int>(std::floor(keyboardPointer_.y() / kTwipsPerPixel)));
    return {pixel - QPoint(kCrossHairReach, kCrossHairReach),
            QSize(2 * kCrossHairReach + 1, 2 * kCrossHairReach + 1)};
}

void PlotArea::MoveKeyboardPointerTo(QPointF twips) {
    if (hasFocus()) update(CrossHairRect());
    keyboardPointer_ = twips;
    if (hasFocus()) update(CrossHairRect());
    emit pointerMoved(twips);
}

void PlotArea::mouseMoveEvent(QMouseEvent* event) {
    MoveKeyboardPointerTo(event->position() * kTwipsPerPixel);
}

void PlotArea::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowContextMenu(CrossHairRect().center());
        return;
    }
    const std::optional<PointerKey> key = PointerKeyOf(event->key());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = event->modifiers() & Qt::ShiftModifier ? kPointerLargeStep : kPointerStep;
    const PlotPoint moved =
        MoveKeyboardPointer({keyboardPointer_.x(), keyboardPointer_.y()}, *key, step);
    MoveKeyboardPointerTo(QPointF(moved.x, moved.y));
}

void PlotArea::contextMenuEvent(QContextMenuEvent* event) {
    // The Menu key opens it at the keyboard pointer, a right click where the mouse is.
    ShowContextMenu(event->reason() == QContextMenuEvent::Mouse ? event->pos()
                                                                : CrossHairRect().center());
}

void PlotArea::ShowContextMenu(QPoint at) {
    ShowPlotMenu(*this, at, plot_.has_value(),
                 {{kSaveImageEntry, [this] { emit saveImageChosen(); }},
                  {kExportDataEntry, [this] { emit exportDataChosen(); }}});
}

void PlotArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PlotArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PlotArea::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown by the program, not brought back from an icon by the window system.
    if (!event->spontaneous()) {
        keyboardPointer_ = {kKeyboardPointerStart.x, kKeyboardPointerStart.y};
    }
}

}  // namespace amp::ui
