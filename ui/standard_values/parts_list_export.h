#pragma once

#include <string_view>

#include "core/checks/field.h"
#include "ui/plot/save_dialogs.h"

class QWidget;

namespace amp::ui {

// "Esporta distinta componenti...": checks the parts' fields, asks where to save the parts list
// and writes it as CSV, the op-amps named after the part when there is one; a failing field or a
// failed save is reported through the dialogs' message sink, and then no file is written.
void ExportPartsList(QWidget* parent, const FieldTexts& texts, const SaveDialogs& dialogs,
                     std::string_view opAmpPart = {});

}  // namespace amp::ui
