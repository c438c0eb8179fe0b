#pragma once

#include <string>
#include <string_view>

namespace amp::robustness {

// Whether the text is one the program may show in a message box: a field's missing-value or
// malformed-value message, or one of the fixed messages of the actions.
bool IsKnownMessage(std::string_view text);

// A short name for tallies: "missing R2", "malformed R2", or the fixed message itself.
std::string MessageKind(std::string_view message);

}  // namespace amp::robustness
