#pragma once

#include <string_view>

namespace amp {

// The label under decade j (0 ... decadeCount) of a window's frequency axis: Label10 at 1 Hz,
// Label11 at the top of the range, Label13, Label7, Label14, Label29, Label30 in between.
std::string_view DecadeLabelName(int decadeCount, int j);

// The tick that marks the end of decade j (1 ... decadeCount): Line12 at the top of the range,
// Line15, Line5, Line17, Line18, Line7 in between.
std::string_view DecadeTickName(int decadeCount, int j);

}  // namespace amp
