#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <span>
#include <vector>

#include "ui/forms/form_control.h"
#include "ui/forms/value_label.h"

namespace amp::ui {

// The widget class the builder makes for a kind of control.
template <ControlKind Kind>
struct WidgetOf;
template <>
struct WidgetOf<ControlKind::TextBox> {
    using type = QLineEdit;
};
template <>
struct WidgetOf<ControlKind::Label> {
    using type = QLabel;
};
template <>
struct WidgetOf<ControlKind::Value> {
    using type = ValueLabel;
};
template <>
struct WidgetOf<ControlKind::OptionButton> {
    using type = QRadioButton;
};
template <>
struct WidgetOf<ControlKind::CommandButton> {
    using type = QPushButton;
};
template <>
struct WidgetOf<ControlKind::ComboBox> {
    using type = QComboBox;
};

// The controls a form's table was built into, reached through the rows of that table.
class BuiltControls {
  public:
    explicit BuiltControls(std::vector<QWidget*> controls) : controls_(std::move(controls)) {}

    template <ControlKind Kind>
    typename WidgetOf<Kind>::type& operator[](ControlRow<Kind> row) const {
        // The builder made a control of exactly this class for every row of this kind.
        return *static_cast<typename WidgetOf<Kind>::type*>(controls_.at(row.index));
    }

  private:
    std::vector<QWidget*> controls_;
};

// Makes the widget of a Picture row as a child of the form: a drawing the builder knows nothing of.
using PictureMaker = std::function<QWidget*(QWidget& form)>;

// Creates the controls as children of the form, named, placed, captioned and styled as designed,
// and chains the focusable ones in their tab order. Picture rows get what makePicture makes, or
// an empty widget.
BuiltControls BuildForm(QWidget& form, std::span<const FormControl> controls,
                        const PictureMaker& makePicture = {});

}  // namespace amp::ui
