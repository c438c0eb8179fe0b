#include "ui/forms/caption_fit.h"

#include <QFontMetrics>

namespace amp::ui {
namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointStep = 0.25;

}  // namespace

bool CaptionFits(const QFont& font, const QString& text, const QRect& area, int flags) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QFont FontFittingArea(const QFont& font, const QString& text, const QRect& area, int flags) {
    QFont fitted = font;
    while (!CaptionFits(fitted, text, area, flags) && fitted.pointSizeF() > kSmallestPointSize) {
        fitted.setPointSizeF(fitted.pointSizeF() - kPointStep);
    }
    return fitted;
}

}  // namespace amp::ui
