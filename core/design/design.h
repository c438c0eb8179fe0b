#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/checks/field.h"
#include "core/noise/noise_settings.h"

namespace amp {

// The graph's frequency ranges: range k runs over k decades from 1 Hz, k = 1 ... kRangeCount.
inline constexpr int kRangeCount = 6;

// What a design file keeps: the texts of the 21 boxes exactly as they stand, the selected range
// and, once the noise window has been opened for the design, its settings as typed. Results are
// not kept: they come from the boxes.
struct Design {
    FieldTexts texts;
    std::optional<int> rangeIndex;
    std::optional<NoiseTexts> noise = std::nullopt;

    bool operator==(const Design&) const = default;
};

// The name the file gives its format, and the version this program writes and reads.
inline constexpr std::string_view kDesignFormatName = "amplificatore-audio/progetto";
inline constexpr int kDesignFormatVersion = 1;
inline constexpr std::string_view kDesignFileSuffix = "amplificatore";
// Larger files are refused before they are read, and never written.
inline constexpr std::size_t kMaxDesignFileMebibytes = 16;
inline constexpr std::size_t kMaxDesignFileBytes = kMaxDesignFileMebibytes * 1024 * 1024;

// Whether the UTF-8 text holds a line break or another control character (C0, DEL, C1, or the
// line and paragraph separators), which no single-line box can show.
bool HoldsControlCharacter(std::string_view text);

// The first field, in box order, whose text holds a control character.
std::optional<Field> FieldWithControlCharacter(const FieldTexts& texts);

// What can be wrong with a design file, each a phrase that completes "the design cannot be
// opened: ...".
namespace design_problem {
inline constexpr std::string_view kNotJson = "il file non contiene testo JSON valido.";
inline constexpr std::string_view kNotObject = "il file non contiene un oggetto JSON.";
inline constexpr std::string_view kWrongFormat =
    "il file non è un progetto di Amplificatore audio.";
inline constexpr std::string_view kNewerVersion =
    "il progetto è stato creato con una versione più recente del programma.";
inline constexpr std::string_view kBadVersion = "la versione del formato non è valida.";
inline constexpr std::string_view kInvalidUtf8 = "il file non è un testo UTF-8 valido.";
inline constexpr std::string_view kGone = "il file non esiste.";
inline constexpr std::string_view kFolder = "è una cartella, non un file.";
inline constexpr std::string_view kUnreadable = "il file non si può leggere.";
// A range outside 1 ... kRangeCount; a file larger than kMaxDesignFileMebibytes.
std::string BadRange();
std::string TooLarge();
std::string FieldMissing(Field field);
std::string FieldNotText(Field field);
std::string FieldWithControl(Field field);
// The noise settings, kept under one key as an object of texts keyed by setting.
inline constexpr std::string_view kNoiseNotObject =
    "le impostazioni di rumore non sono un oggetto JSON.";
inline constexpr std::string_view kNoiseUnknownPart =
    "l'operazionale delle impostazioni di rumore non è nell'elenco.";
std::string NoiseSettingMissing(std::string_view key);
std::string NoiseSettingNotText(std::string_view key);
std::string NoiseSettingWithControl(std::string_view key);
}  // namespace design_problem

}  // namespace amp
