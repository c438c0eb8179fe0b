#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/checks/field.h"
#include "tests/robustness/portable_random.h"

namespace amp::robustness {

// A value a user would type into the field: the example design data, the reference component
// set, N = 100 and f = 1000. Every one passes the checks and the zero tests.
std::string_view TypicalText(Field field);

// Texts for the design fields, deterministic for a seed. Shared by every robustness check of an
// action, so that a new action is covered by handing its check order to ActionTexts.
class FieldTextGenerator {
  public:
    explicit FieldTextGenerator(std::uint32_t seed) : random_(seed) {}

    // Any text: empty, blanks, commas, stray signs, lone "e" or ".", letters and other bytes,
    // exponents beyond the range of a double, zeros, huge digit strings, numbers of every size.
    std::string AnyText();
    // A number in the notation the check accepts, from about 1E-320 to 1E306, of either sign.
    std::string NumberText();
    // A value within a decade of the field's typical one, now and then six decades; written in one
    // of the notations.
    std::string PlausibleText(Field field);
    // N: mostly a few dozen steps, sometimes the bounds, halves, fractions, huge or negative.
    std::string SampleCountText();

    // The texts of an action's fields: mostly plausible designs, some with a few fields replaced
    // by arbitrary texts, some arbitrary throughout. Fields outside the order stay empty.
    FieldTexts ActionTexts(std::span<const Field> order);

    PortableRandom& Random() { return random_; }

  private:
    std::string FieldText(Field field, bool plausible);
    std::string Digits(int count);
    std::string OutOfRangeText();
    std::string BytesText(std::string_view alphabet, int maxLength);

    PortableRandom random_;
};

}  // namespace amp::robustness
