#include "ui/forms/caption_fit.h"

#include <QFontMetrics>

namespace amp::ui {
namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointStep = 0.25;

bool Fits(const QFont& font, const QString& text, const QRect& area, int flags) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

}  // namespace

QFont FontFittingArea(const QFont& font, const QString& text, const QRect& area, int flags) {
    QFont fitted = font;
    while (!Fits(fitted, text, area, flags) && fitted.pointSizeF() > kSmallestPointSize) {
        fitted.setPointSizeF(fitted.pointSizeF() - kPointStep);
    }
    return fitted;
}

}  // namespace amp::ui
