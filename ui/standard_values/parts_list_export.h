#pragma once

#include "core/field.h"
#include "ui/graph_window/graph_window.h"

class QWidget;

namespace amp::ui {

// "Esporta distinta componenti...": checks the parts' fields, asks where to save the parts list
// and writes it as CSV; a failing field or a failed save is reported through the dialogs'
// message sink, and then no file is written.
void ExportPartsList(QWidget* parent, const FieldTexts& texts, const GraphWindowDialogs& dialogs);

}  // namespace amp::ui
