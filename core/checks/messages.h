#pragma once

#include <string>
#include <string_view>

#include "core/checks/field.h"

namespace amp {

// Caption of the main window and of every message box.
inline constexpr std::string_view kApplicationTitle = "Amplificatore audio";

// The message shown when the field is empty (its trailing blanks are part of the text).
std::string_view MissingValueMessage(Field field);
// The message shown when the field holds a character outside the number notation.
std::string BadValueMessage(Field field);
// The message shown when a sized part has no standard value: zero or negative.
std::string NoStandardValueMessage(Field part);
// The message shown when N is refused: it must lie within 1 ... kMaxSampleCount.
std::string SampleCountRangeMessage();

namespace message {
inline constexpr std::string_view kRiNotBelowSeries = "Deve essere Ri < (R2 + R)!";
inline constexpr std::string_view kNoRangeSelected =
    "Devi selezionare il campo di frequenze del grafico, es: 1 Hz - 100 kHz";
inline constexpr std::string_view kAvoZero = "Avo non può essere zero!";
inline constexpr std::string_view kFcZero = "fc non può essere zero!";
inline constexpr std::string_view kFZero = "f non può essere zero!";
inline constexpr std::string_view kFiZero = "fi non può essere zero!";
inline constexpr std::string_view kFsZero = "fs non può essere zero!";
inline constexpr std::string_view kRiZero = "Ri non può essere zero!";
inline constexpr std::string_view kR2Zero = "R2 non può essere zero!";
inline constexpr std::string_view kRZero = "R non può essere zero!";
inline constexpr std::string_view kR5Zero = "R5 non può essere zero!";
inline constexpr std::string_view kRLZero = "RL non può essere zero!";
inline constexpr std::string_view kAvcbOne = "Avcb non può essere 1!";
inline constexpr std::string_view kSizingImpossible =
    "I dati inseriti non permettono di dimensionare i componenti!";
inline constexpr std::string_view kReportNotPrinted =
    "Impossibile stampare la relazione: controlla che la stampante scelta sia disponibile.";
inline constexpr std::string_view kResponseUndefined =
    "Con questi valori dei componenti Vo/Vi risulta nullo o indefinito!";
}  // namespace message

}  // namespace amp
