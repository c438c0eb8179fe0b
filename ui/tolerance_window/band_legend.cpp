#include "ui/tolerance_window/band_legend.h"

#include <QPainter>

#include "ui/fonts.h"
#include "ui/plot/plot_style.h"
#include "ui/tolerance_window/band_style.h"

namespace amp::ui {
namespace {

constexpr int kRowHeight = 22;
constexpr int kSampleWidth = 44;
constexpr int kTextLeft = 54;

}  // namespace

BandLegend::BandLegend(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Legend1"));
    setFont(WindowDefaultFont());
    setAccessibleName(QStringLiteral(
        "Legenda: banda 5-95 % grigia, minimo e massimo grigi, nominale nera, fi e fs desiderate "
        "arancioni"));
}

void BandLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto row = [&](int index, const QString& caption) {
        const QRect text(kTextLeft, index * kRowHeight, width() - kTextLeft, kRowHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption);
        return index * kRowHeight + kRowHeight / 2;
    };
    const int band = row(0, QStringLiteral("banda 5-95 %"));
    painter.fillRect(QRect(0, band - 5, kSampleWidth, 11), kBandColour);
    const int envelope = row(1, QStringLiteral("minimo e massimo"));
    painter.setPen(kEnvelopeColour);
    painter.drawLine(0, envelope, kSampleWidth, envelope);
    const int nominal = row(2, QStringLiteral("nominale"));
    painter.setPen(QPen(kNominalColour, 2));
    painter.drawLine(0, nominal, kSampleWidth, nominal);
    const int targets = row(3, QStringLiteral("fi e fs desiderate"));
    painter.setPen(FramePen(kTargetColour, DashStyle::DashDot));
    painter.drawLine(0, targets, kSampleWidth, targets);
}

}  // namespace amp::ui
