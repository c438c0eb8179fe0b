#include "ui/forms/value_label.h"

#include <algorithm>

#include "core/number_format.h"
#include "ui/forms/caption_fit.h"
#include "ui/qt_text.h"

namespace amp::ui {

FittedValue FitValue(const QFont& designFont, const QString& caption, const QRect& area, int flags,
                     std::string_view decimalSeparator) {
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
