#include "ui/message_box.h"

#include <QMessageBox>

#include "core/messages.h"
#include "ui/qt_text.h"

namespace amp::ui {

void ShowModalMessage(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(kApplicationTitle));
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace amp::ui
