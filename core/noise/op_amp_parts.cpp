#include "core/noise/op_amp_parts.h"

#include <algorithm>

namespace amp {

const OpAmpPart* FindOpAmpPart(std::string_view name) {
    const auto found = std::ranges::find(kOpAmpParts, name, &OpAmpPart::name);
    return found == kOpAmpParts.end() ? nullptr : &*found;
}

}  // namespace amp
