#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/checks/field.h"
#include "core/checks/messages.h"
#include "core/checks/outcome.h"

namespace amp {

// The check of one typed field: the message to show when the text is empty, holds a character
// outside the digits and ".eE-+", or starts with a number too large for a double; nothing when
// the text passes.
std::optional<Failure> CheckNumericField(std::string_view text, Field field);

// The same check of a box of another window, with that box's two messages.
std::optional<Failure> CheckNumericField(std::string_view text, const FieldMessages& messages);

// The value of the longest leading decimal number of the text, always read with a point,
// 0 when the text does not start with one.
double ReadFieldNumber(std::string_view text);

// Checks the fields one after the other and returns the first failure.
std::optional<Failure> CheckFields(const FieldTexts& texts, std::span<const Field> order);

// The fields of each action in the order they are checked; the first failure is reported.
inline constexpr std::array<Field, 9> kSizingCheckOrder = [] {
    using enum Field;
    return std::array{fi, fs, Ri, R2, R, Avcb, R3, R5, RL};
}();

inline constexpr std::array<Field, 17> kEvaluationCheckOrder = [] {
    using enum Field;
    return std::array{N, f, R2, R, R3, R5, RL, R1, C1, C2, C3, C4, C5, C6, Avo, fc, R4};
}();

inline constexpr std::array<Field, 16> kGraphCheckOrder = [] {
    using enum Field;
    return std::array{N, R2, R, R3, R5, RL, R1, C1, C2, C3, C4, C5, C6, Avo, fc, R4};
}();

}  // namespace amp
