#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <string_view>

namespace amp::ui {

// A caption as a value label shows it in an area, a pixel clear of either end: in the design font
// or a smaller size of it, down to 6 point, or, when even that is too wide, as the same value in
// the form "6.96E+29" at the largest size that fits.
struct FittedValue {
    QString shown;
    QFont font;
};
FittedValue FitValue(const QFont& designFont, const QString& caption, const QRect& area, int flags,
                     std::string_view decimalSeparator);

// A label whose caption a calculation writes: a number that is always shown whole, a pixel clear of
// either end. A caption too wide for the label at its font is shown at a smaller size of the same
// font, down to 6 point; one that is too wide even then is shown as the same value in the form
// "6.96E+29", at the largest size that fits. A screen reader hears the caption as shown.
class ValueLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ValueLabel(QWidget* parent);

    // The font the label was designed with; captions shrink from it when they must.
    void SetDesignFont(const QFont& font);

    // Shows a caption written with the given decimal separator.
    void SetValue(const QString& caption, std::string_view decimalSeparator);

  private:
    QFont designFont_;
};

}  // namespace amp::ui
