#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "graph/graph_request.h"
#include "graph/plot.h"

namespace amp::robustness {

// "Grafico di Vo/Vi" up to the plot: a field's message in the check order, the range message
// only without a range, the zero and N messages only once the range is known (and then with
// RangeIndex set to it); inputs only when every check passed and a range is selected.
std::optional<std::string> GraphRequestDefect(const FieldTexts& texts,
                                              std::optional<int> selectedRange,
                                              const GraphRequest& request);

// The plot of granted inputs: the message of an undefined response, or the plot of the range
// with "0.00" level captions, the decade captions, finite curve points and the modulus curve
// within its band up to the top of the range.
std::optional<std::string> PlotDefect(const GraphInputs& inputs, int rangeIndex,
                                      const Outcome<Plot>& outcome, std::string_view separator);

}  // namespace amp::robustness
