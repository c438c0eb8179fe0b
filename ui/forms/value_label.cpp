#include "ui/forms/value_label.h"

#include <algorithm>

#include "core/number_format.h"
#include "ui/forms/caption_fit.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

// Kept free inside each end of the label: a caption that fills it edge to edge loses the last
// column of its final glyph to whatever the label's edge borders, a frame line or a border.
constexpr int kFreePixels = 1;

}  // namespace

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent), designFont_(font()) {
    setTextFormat(Qt::PlainText);
}

void ValueLabel::SetDesignFont(const QFont& font) {
    designFont_ = font;
    setFont(font);
}

void ValueLabel::SetValue(const QString& caption, std::string_view decimalSeparator) {
    const int margin = std::max(indent(), 0) + kFreePixels;
    const QRect area = contentsRect().adjusted(margin, 0, -margin, 0);
    const int flags = int(alignment());
    QString shown = caption;
    QFont fitted = FontFittingArea(designFont_, shown, area, flags);
    if (!CaptionFits(fitted, shown, area, flags)) {
        if (const auto exponent = ExponentForm(ToStdString(caption), decimalSeparator)) {
            shown = ToQString(*exponent);
            fitted = FontFittingArea(designFont_, shown, area, flags);
        }
    }
    setFont(fitted);
    setText(shown);
    // A label's text reaches a screen reader only through its name.
    setAccessibleName(shown);
}

}  // namespace amp::ui
