#include "ui/forms/value_label.h"

#include <algorithm>

#include "core/checks/number_format.h"
#include "ui/forms/caption_fit.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

// Kept free inside each end of the label: a caption that fills it edge to edge loses the last
// column of its final glyph to whatever the label's edge borders, a frame line or a border.
constexpr int kFreePixels = 1;

}  // namespace

FittedValue FitValue(const QFont& designFont, const QString& caption, const QRect& labelArea,
                     int flags, std::string_view decimalSeparator) {
    const QRect area = labelArea.adjusted(kFreePixels, 0, -kFreePixels, 0);
    FittedValue fitted{caption, FontFittingArea(designFont, caption, area, flags)};
    if (!CaptionFits(fitted.font, fitted.shown, area, flags)) {
        if (const auto exponent = ExponentForm(ToStdString(caption), decimalSeparator)) {
            fitted.shown = ToQString(*exponent);
            fitted.font = FontFittingArea(designFont, fitted.shown, area, flags);
        }
    }
    return fitted;
}

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent), designFont_(font()) {
    setTextFormat(Qt::PlainText);
}

void ValueLabel::SetDesignFont(const QFont& font) {
    designFont_ = font;
    setFont(font);
}

void ValueLabel::SetValue(const QString& caption, std::string_view decimalSeparator) {
    const int margin = std::max(indent(), 0);
    const QRect area = contentsRect().adjusted(margin, 0, -margin, 0);
    const FittedValue fitted =
        FitValue(designFont_, caption, area, int(alignment()), decimalSeparator);
    setFont(fitted.font);
    setText(fitted.shown);
    // A label's text reaches a screen reader only through its name.
    setAccessibleName(fitted.shown);
}

}  // namespace amp::ui
