#pragma once

#include <string>
#include <string_view>

#include "core/checks/field.h"

namespace amp {

// Caption of the main window and of every message box.
inline constexpr std::string_view kApplicationTitle = "Amplificatore audio";

// The two messages of a box that holds a number: the whole text shown when it is empty (its
// trailing blanks are part of it) and the subject that the message of a malformed value names.
struct FieldMessages {
    std::string_view missing;
    std::string_view subject;
};

// The two messages of a field of the main window.
FieldMessages MessagesOf(Field field);

// The message shown when the field is empty (its trailing blanks are part of the text).
std::string_view MissingValueMessage(Field field);
// The message shown when the field holds a character outside the number notation.
std::string BadValueMessage(Field field);

// The same two for a box of another window, which names its subject in both:
// "Hai dimenticato di scrivere <subject> " and "Errore di inserimento dati per <subject>...".
std::string MissingValueMessage(std::string_view subject);
std::string BadValueMessage(std::string_view subject);
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
