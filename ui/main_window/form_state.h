#pragma once

#include <QString>
#include <array>

#include "core/design/design.h"

namespace amp::ui {

// What Form1's actions change: the design in the boxes and the range option, and the captions of
// the four result labels, which belong to the design they were computed from.
struct FormState {
    Design design;
    // Label40, Label44, Label47, Label48.
    std::array<QString, 4> resultCaptions;
    // The standard-value series "Valori commerciali" wrote since the design was opened, such as
    // "E24 (resistori), E12 (condensatori)"; empty when it has not.
    QString seriesApplied;

    bool operator==(const FormState&) const = default;
};

}  // namespace amp::ui
