#pragma once

#include <QString>
#include <optional>

#include "core/checks/field.h"
#include "core/noise/noise_settings.h"
#include "ui/plot/save_dialogs.h"

class QWidget;

namespace amp::ui {

// The design's name in the netlist and its file: the design file's base name, or "progetto"
// while the design has no file (or a file named only by its extension).
QString SpiceDesignName(const QString& designPath);

// "Esporta netlist SPICE...": checks the design's fields, and its noise settings when it has them,
// asks where to save the netlist, suggesting "<design name>.cir" in the home folder, and writes it;
// a failing field or a failed save is reported through the dialogs' message sink, and then no file
// is written.
void ExportSpiceNetlistFile(QWidget* parent, const FieldTexts& texts,
                            const std::optional<NoiseTexts>& noise, const QString& designName,
                            const SaveDialogs& dialogs);

}  // namespace amp::ui
