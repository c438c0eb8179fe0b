#pragma once

#include <span>

#include "ui/forms/form_control.h"

class QWidget;

namespace amp::ui {

// Creates the controls as children of the form, named, placed, captioned and styled as designed,
// and chains the focusable ones in their tab order.
void BuildForm(QWidget& form, std::span<const FormControl> controls);

}  // namespace amp::ui
