#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/design/evaluation.h"

namespace amp::robustness {

// Each rule returns a description of what it found broken, or nothing when the outcome is sound,
// so that the property tests and the fuzz targets report the same defects.

// The message of the field's check of the text; nothing when the text passes.
std::optional<std::string> CheckMessage(std::string_view text, Field field);

// The check of one text for one field, and its reading, against the C library's strtod.
std::optional<std::string> FieldReadingDefect(std::string_view text, Field field);

// The value of a caption with exactly the given decimals after the separator, an optional minus
// sign and digits before it; nothing for any other text.
std::optional<double> FixedCaptionValue(std::string_view caption, int decimals,
                                        std::string_view separator);

// A result or caption that shows "nan", "inf" or a zero with a minus sign.
std::optional<std::string> ShownTextDefect(std::string_view text, std::string_view separator);

// A failure shows one known message, and a field's message only when that field is the first of
// the order that fails its check; results only when every field of the order passes.
std::optional<std::string> FailureDefect(const Failure& failure, const FieldTexts& texts,
                                         std::span<const Field> order);
std::optional<std::string> ChecksPassedDefect(const FieldTexts& texts,
                                              std::span<const Field> order);

// "Dimensiona componenti": the message, or eight "0.00E+00" texts that the other actions read
// back as normal numbers, each its formula's value to the digits it shows.
std::optional<std::string> SizingDefect(const FieldTexts& texts,
                                        const Outcome<std::vector<FieldWrite>>& outcome);

// "Calcola Modulo e Fase, fi e fs effettive": the message, or four captions in their patterns,
// the phase within +-90 degrees and the cut-offs on the sweep's frequencies.
std::optional<std::string> EvaluationDefect(const FieldTexts& texts,
                                            const Outcome<EvaluationCaptions>& outcome,
                                            std::string_view separator);

}  // namespace amp::robustness
