#pragma once

#include <QPushButton>

namespace amp::ui {

// A push button whose caption wraps onto further lines when it is wider than the button, while
// text() stays the caption as designed.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

    // The part of the button the caption is laid out in.
    QRect CaptionRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace amp::ui
