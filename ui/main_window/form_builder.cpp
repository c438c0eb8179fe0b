#include "ui/main_window/form_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/fonts.h"
#include "ui/main_window/caption_fit.h"
#include "ui/main_window/command_button.h"
#include "ui/main_window/qt_text.h"
#include "ui/main_window/schematic_view.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kResultBackground(255, 255, 255);
const QColor kCreditsBackground(0, 192, 192);
const QColor kAlarmBackground(255, 0, 0);
// Keeps a bordered caption off its border.
constexpr int kBorderedIndent = 3;

QFont FontOf(ControlLook look) {
    switch (look) {
        case ControlLook::WindowFont:
            return WindowDefaultFont();
        case ControlLook::Credits:
            return DesignFont(kArial, kControlPointSize, true);
        default:
            return ControlFont();
    }
}

void SetBackground(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QWidget* CreateTextBox(const ControlSpec& spec, QWidget& form) {
    auto* box = new QLineEdit(ToQString(spec.caption), &form);
    box->setFont(ControlFont());
    return box;
}

Qt::Alignment AlignmentOf(ControlLook look) {
    switch (look) {
        case ControlLook::ResultValue:
        case ControlLook::RightAligned:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ControlLook::Credits:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void SetBorderAndBackground(QLabel& label, const QColor& background) {
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.setLineWidth(1);
    label.setIndent(kBorderedIndent);
    label.setAutoFillBackground(true);
    SetBackground(label, QPalette::Window, background);
}

QWidget* CreateLabel(const ControlSpec& spec, QWidget& form, const QRect& geometry) {
    auto* label = new QLabel(ToQString(spec.caption), &form);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(AlignmentOf(spec.look));
    label->setGeometry(geometry);
    if (spec.look == ControlLook::ResultValue) SetBorderAndBackground(*label, kResultBackground);
    if (spec.look == ControlLook::Credits) SetBorderAndBackground(*label, kCreditsBackground);

    const int indent = std::max(label->indent(), 0);
    const QRect captionArea = label->contentsRect().adjusted(indent, 0, -indent, 0);
    label->setFont(FontFittingArea(FontOf(spec.look), label->text(), captionArea,
                                   int(label->alignment()) | Qt::TextWordWrap));
    return label;
}

QWidget* CreateOptionButton(const ControlSpec& spec, QWidget& form, const QRect& geometry) {
    auto* option = new QRadioButton(ToQString(spec.caption), &form);
    option->setGeometry(geometry);
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect captionArea =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    option->setFont(FontFittingArea(FontOf(spec.look), option->text(), captionArea,
                                    Qt::AlignLeft | Qt::AlignVCenter));
    return option;
}

QWidget* CreateCommandButton(const ControlSpec& spec, QWidget& form, const QRect& geometry) {
    auto* button = new CommandButton(ToQString(spec.caption), &form);
    button->setGeometry(geometry);
    // Return on a focused button presses it, so the window works from the keyboard alone.
    button->setAutoDefault(true);
    if (spec.look == ControlLook::AlarmButton) {
        SetBackground(*button, QPalette::Button, kAlarmBackground);
        // Styles shade the button colour into a pale gradient; the sheet keeps it plainly red.
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background-color: rgb(255, 0, 0); border: 1px solid rgb(96, 0, 0);"
            " border-radius: 3px; }"
            "QPushButton:pressed { background-color: rgb(208, 0, 0); }"
            "QPushButton:focus { border: 2px solid black; }"));
    }
    button->setFont(FontFittingArea(FontOf(spec.look), button->text(), button->CaptionRect(),
                                    CommandButton::kCaptionFlags));
    return button;
}

QWidget* CreateControl(const ControlSpec& spec, QWidget& form, const QRect& geometry) {
    switch (spec.kind) {
        case ControlKind::TextBox:
            return CreateTextBox(spec, form);
        case ControlKind::Label:
            return CreateLabel(spec, form, geometry);
        case ControlKind::OptionButton:
            return CreateOptionButton(spec, form, geometry);
        case ControlKind::CommandButton:
            return CreateCommandButton(spec, form, geometry);
        case ControlKind::Schematic:
            return new SchematicView(&form);
    }
    return nullptr;
}

void ChainTabOrder(std::vector<std::pair<int, QWidget*>> focusable) {
    std::ranges::stable_sort(focusable, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
}

}  // namespace

void BuildForm(QWidget& form, std::span<const ControlSpec> controls) {
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlSpec& spec : controls) {
        const QRect geometry = TwipsRect(spec.left, spec.top, spec.width, spec.height);
        QWidget* control = CreateControl(spec, form, geometry);
        control->setObjectName(ToQString(spec.name));
        control->setGeometry(geometry);
        if (spec.tab > 0) {
            focusable.emplace_back(spec.tab, control);
        } else {
            control->setFocusPolicy(Qt::NoFocus);
        }
    }
    ChainTabOrder(std::move(focusable));
}

}  // namespace amp::ui
