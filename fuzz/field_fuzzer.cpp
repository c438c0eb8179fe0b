// Line k of the input is the text of box k (Text1 ... Text21); boxes without a line keep a
// typical value. Each line goes through the field check and reading, and the whole set through
// the sizing and, when its N is small, the evaluation. A broken rule aborts with its description.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/checks/field_check.h"
#include "core/design/evaluation.h"
#include "core/design/sizing.h"
#include "core/model/circuit_values.h"
#include "tests/robustness/field_text_generator.h"
#include "tests/robustness/outcome_rules.h"

namespace {

// Keeps one run short enough for thousands of inputs a second.
constexpr int kLargestFuzzedSampleCount = 2000;

void AbortOn(const std::optional<std::string>& defect) {
    if (!defect) return;
    std::fprintf(stderr, "broken rule: %s\n", defect->c_str());
    std::abort();
}

bool SampleCountIsSmall(const std::string& text) {
    const amp::Outcome<int> count = amp::ReadSampleCount(text);
    return !amp::Failed(count) && std::get<int>(count) <= kLargestFuzzedSampleCount;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amp;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    FieldTexts texts;
    for (int box = 1; box <= kFieldCount; ++box) {
        const Field field = FieldOfTextBox(box);
        texts[field] = std::string(robustness::TypicalText(field));
    }
    for (int box = 1; box <= kFieldCount && !input.empty(); ++box) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const Field field = FieldOfTextBox(box);
        texts[field] = std::string(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
        AbortOn(robustness::FieldReadingDefect(texts[field], field));
    }

    AbortOn(robustness::SizingDefect(texts, SizeComponents(texts)));
    // A failing check ends the evaluation before the sweep, whatever N says.
    if (SampleCountIsSmall(texts[Field::N]) || CheckFields(texts, kEvaluationCheckOrder)) {
        AbortOn(robustness::EvaluationDefect(texts, EvaluateResponse(texts, ","), ","));
    }
    return 0;
}
