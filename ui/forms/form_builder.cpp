#include "ui/forms/form_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "ui/curve_colours.h"
#include "ui/fonts.h"
#include "ui/forms/caption_fit.h"
#include "ui/forms/command_button.h"
#include "ui/forms/value_label.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kResultBackground(255, 255, 255);
const QColor kCreditsBackground(0, 192, 192);
const QColor kAlarmBackground(255, 0, 0);
const QColor kAlarmPressed(208, 0, 0);
const QColor kAlarmBorder(96, 0, 0);
const QColor kReadoutText(0, 0, 0);
// Keeps a bordered caption off its border.
constexpr int kBorderedIndent = 3;
constexpr double kLargeButtonPointSize = 9.75;
constexpr int kLegendLinePixels = 2;

QFont FontOf(ControlLook look) {
    switch (look) {
        case ControlLook::WindowFont:
        case ControlLook::Readout:
        case ControlLook::PhaseReadout:
            return WindowDefaultFont();
        case ControlLook::Credits:
            return DesignFont(kArial, kControlPointSize, true);
        case ControlLook::LargeButton:
            return DesignFont(kMsSansSerif, kLargeButtonPointSize, true);
        default:
            return ControlFont();
    }
}

void SetBackground(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QWidget* CreateTextBox(const FormControl& entry, QWidget& form) {
    // The text comes last: a line edit lays its text out again at every change of font.
    auto* box = new QLineEdit(&form);
    box->setFont(ControlFont());
    // A line edit keeps 32767 characters of a paste by default: a longer one would be checked
    // and read as another number without a sign of it.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(ToQString(entry.caption));
    return box;
}

Qt::Alignment AlignmentOf(ControlLook look) {
    switch (look) {
        case ControlLook::ResultValue:
        case ControlLook::Readout:
        case ControlLook::PhaseReadout:
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

// The style sheet keeps the border black whatever colour the text has.
void SetReadoutStyle(QLabel& label, const QColor& textColour) {
    label.setStyleSheet(
        QStringLiteral("QLabel { background-color: white; border: 1px solid black; color: %1; }")
            .arg(textColour.name()));
}

void StyleLabel(QLabel& label, ControlLook look, const QRect& geometry) {
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(AlignmentOf(look));
    label.setGeometry(geometry);
    if (look == ControlLook::ResultValue) SetBorderAndBackground(label, kResultBackground);
    if (look == ControlLook::Credits) SetBorderAndBackground(label, kCreditsBackground);
    if (look == ControlLook::Readout) SetReadoutStyle(label, kReadoutText);
    if (look == ControlLook::PhaseReadout) SetReadoutStyle(label, ToQColor(kPhaseRed));
}

QWidget* CreateLabel(const FormControl& entry, QWidget& form, const QRect& geometry) {
    auto* label = new QLabel(ToQString(entry.caption), &form);
    label->setWordWrap(true);
    StyleLabel(*label, entry.look, geometry);
    const int indent = std::max(label->indent(), 0);
    const QRect captionArea = label->contentsRect().adjusted(indent, 0, -indent, 0);
    label->setFont(FontFittingArea(FontOf(entry.look), label->text(), captionArea,
                                   int(label->alignment()) | Qt::TextWordWrap));
    return label;
}

QWidget* CreateValueLabel(const FormControl& entry, QWidget& form, const QRect& geometry) {
    auto* label = new ValueLabel(&form);
    StyleLabel(*label, entry.look, geometry);
    label->SetDesignFont(FontOf(entry.look));
    return label;
}

QWidget* CreateOptionButton(const FormControl& entry, QWidget& form, const QRect& geometry) {
    auto* option = new QRadioButton(ToQString(entry.caption), &form);
    option->setGeometry(geometry);
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect captionArea =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    option->setFont(FontFittingArea(FontOf(entry.look), option->text(), captionArea,
                                    Qt::AlignLeft | Qt::AlignVCenter));
    return option;
}

QWidget* CreateCommandButton(const FormControl& entry, QWidget& form, const QRect& geometry) {
    auto* button = new CommandButton(ToQString(entry.caption), &form);
    button->setGeometry(geometry);
    // Return on a focused button presses it, so the window works from the keyboard alone.
    button->setAutoDefault(true);
    if (entry.look == ControlLook::AlarmButton) {
        SetBackground(*button, QPalette::Button, kAlarmBackground);
        // Styles shade the button colour into a pale gradient; the sheet keeps it plainly red. On
        // the red face a style's focus cue is lost: a thick black ring shows the keyboard focus.
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2;"
                           " border-radius: 3px; }"
                           "QPushButton:pressed { background-color: %3; }"
                           "QPushButton:focus { border: 3px solid black; }")
                .arg(kAlarmBackground.name(), kAlarmBorder.name(), kAlarmPressed.name()));
    }
    button->setFont(FontFittingArea(FontOf(entry.look), button->text(), button->CaptionRect(),
                                    CommandButton::kCaptionFlags));
    return button;
}

QWidget* CreateComboBox(QWidget& form) {
    auto* list = new QComboBox(&form);
    list->setFont(ControlFont());
    return list;
}

// A line two pixels wide over the designed one.
QWidget* CreateLine(const FormControl& entry, QWidget& form) {
    auto* line = new QWidget(&form);
    line->setAutoFillBackground(true);
    SetBackground(*line, QPalette::Window,
                  ToQColor(entry.look == ControlLook::PhaseLegend ? kPhaseRed : kModulusBlack));
    return line;
}

QRect GeometryOf(const FormControl& entry) {
    if (entry.kind != ControlKind::Line) {
        return TwipsRect(entry.left, entry.top, entry.width, entry.height);
    }
    // As a pen of that width with square caps draws it: half the width beyond each end.
    const QRect line = TwipsRect(entry.left, entry.top, entry.width, 0);
    constexpr int kHalf = kLegendLinePixels / 2;
    return {line.left() - kHalf, line.top() - kHalf, line.width() + kLegendLinePixels,
            kLegendLinePixels};
}

QWidget* CreateControl(const FormControl& entry, QWidget& form, const QRect& geometry,
                       const PictureMaker& makePicture) {
    switch (entry.kind) {
        case ControlKind::TextBox:
            return CreateTextBox(entry, form);
        case ControlKind::Label:
            return CreateLabel(entry, form, geometry);
        case ControlKind::Value:
            return CreateValueLabel(entry, form, geometry);
        case ControlKind::OptionButton:
            return CreateOptionButton(entry, form, geometry);
        case ControlKind::CommandButton:
            return CreateCommandButton(entry, form, geometry);
        case ControlKind::Picture:
            return makePicture ? makePicture(form) : new QWidget(&form);
        case ControlKind::Line:
            return CreateLine(entry, form);
        case ControlKind::ComboBox:
            return CreateComboBox(form);
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

BuiltControls BuildForm(QWidget& form, std::span<const FormControl> controls,
                        const PictureMaker& makePicture) {
    std::vector<QWidget*> built;
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const FormControl& entry : controls) {
        const QRect geometry = GeometryOf(entry);
        QWidget* control = CreateControl(entry, form, geometry, makePicture);
        built.push_back(control);
        control->setObjectName(ToQString(entry.name));
        if (!entry.description.empty()) {
            control->setAccessibleDescription(ToQString(entry.description));
        }
        control->setGeometry(geometry);
        if (entry.tab > 0) {
            focusable.emplace_back(entry.tab, control);
        } else {
            control->setFocusPolicy(Qt::NoFocus);
        }
    }
    ChainTabOrder(std::move(focusable));
    return BuiltControls(std::move(built));
}

}  // namespace amp::ui
