#include "ui/forms/command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace amp::ui {

QRect CommandButton::CaptionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(CaptionRect(), kCaptionFlags, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

}  // namespace amp::ui
