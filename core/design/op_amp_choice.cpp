#include "core/design/op_amp_choice.h"

#include <array>
#include <charconv>
#include <string>

namespace amp {
namespace {

// The shortest plain decimal text that reads back as the value: never "1e+07", which the box
// would read as well but the user would not type.
std::string PlainNumber(double value) {
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed);
    return std::string(buffer.data(), written.ptr);
}

}  // namespace

std::vector<FieldWrite> OpAmpFieldWrites(const OpAmpPart& part) {
    return {{Field::Avo, PlainNumber(part.Avo)}, {Field::fc, PlainNumber(part.gbwMegahertz)}};
}

}  // namespace amp
