#include "ui/message_box.h"

#include <QAccessible>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/checks/messages.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

// Beside its title a window manager's title bar carries an icon and up to three buttons.
constexpr int kTitleBarAllowance = 200;
// Longer messages wrap onto further lines.
constexpr int kLongestLine = 480;

// A modal box with the text and one plain button per caption, the first the default, announced to
// screen readers as an alert. exec() returns the index of the button pressed, or -1.
class MessageDialog : public QDialog {
  public:
    MessageDialog(QWidget* parent, const QString& text, const QStringList& captions)
        : QDialog(parent) {
        setWindowTitle(ToQString(kApplicationTitle));
        setModal(true);
        auto* message = new QLabel(text, this);
        message->setTextFormat(Qt::PlainText);
        message->setWordWrap(true);
        message->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* buttons = new QDialogButtonBox(this);
        for (int index = 0; index < captions.size(); ++index) {
            // A button of the box's own kinds would carry the icon theme's tick, and the box would
            // order the buttons by role instead of as given.
            auto* button = new QPushButton(captions[index], buttons);
            buttons->addButton(button, QDialogButtonBox::ActionRole);
            button->setDefault(index == 0);
            connect(button, &QPushButton::clicked, this, [this, index] { done(index); });
        }
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(message);
        layout->addWidget(buttons);

        QFont titleFont = font();
        titleFont.setBold(true);
        const int titleWidth =
            QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarAllowance;
        const QMargins margins = layout->contentsMargins();
        const int textWidth = std::min(QFontMetrics(font()).horizontalAdvance(text), kLongestLine) +
                              margins.left() + margins.right();
        const int width = std::max(titleWidth, textWidth);
        setFixedSize(width, layout->totalHeightForWidth(width));
    }

    // Escape and the title bar's close choose no button.
    void reject() override { done(-1); }

  protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
};

}  // namespace

void ShowModalMessage(QWidget* parent, const QString& text) {
    MessageDialog(parent, text, {QStringLiteral("OK")}).exec();
}

int AskModalQuestion(QWidget* parent, const QString& text, const QStringList& buttons) {
    return MessageDialog(parent, text, buttons).exec();
}

}  // namespace amp::ui
