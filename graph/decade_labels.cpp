#include "graph/decade_labels.h"

#include <array>

namespace amp {
namespace {

constexpr std::array<std::string_view, 5> kIntermediateLabels{"Label13", "Label7", "Label14",
                                                              "Label29", "Label30"};
constexpr std::array<std::string_view, 5> kIntermediateTicks{"Line15", "Line5", "Line17", "Line18",
                                                             "Line7"};

}  // namespace

std::string_view DecadeLabelName(int decadeCount, int j) {
    if (j == 0) return "Label10";
    if (j == decadeCount) return "Label11";
    return kIntermediateLabels.at(static_cast<std::size_t>(j - 1));
}

std::string_view DecadeTickName(int decadeCount, int j) {
    if (j == decadeCount) return "Line12";
    return kIntermediateTicks.at(static_cast<std::size_t>(j - 1));
}

}  // namespace amp
