#pragma once

#include <vector>

#include "core/checks/field.h"
#include "core/noise/op_amp_parts.h"

namespace amp {

// "Usa nel progetto" of the noise window: the part's open-loop gain and gain-bandwidth product
// as the texts of Avo and fc (MHz), in that order, in plain decimals with a point.
std::vector<FieldWrite> OpAmpFieldWrites(const OpAmpPart& part);

}  // namespace amp
