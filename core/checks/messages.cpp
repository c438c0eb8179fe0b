#include "core/checks/messages.h"

#include <array>

#include "core/model/circuit_values.h"

namespace amp {
namespace {

constexpr std::string_view kMissingValuePrefix = "Hai dimenticato di scrivere ";
constexpr std::string_view kBadValuePrefix = "Errore di inserimento dati per ";
constexpr std::string_view kBadValueTail =
    ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
    "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";

// Indexed by text box number - 1.
constexpr std::array<FieldMessages, kFieldCount> kMessages{{
    {"Hai dimenticato di scrivere la frequenza di taglio inferiore desiderata fi ",
     "la frequenza di taglio inferiore fi"},
    {"Hai dimenticato di scrivere la frequenza di taglio superiore desiderata fs ",
     "la frequenza di taglio superiore fs"},
    {"Hai dimenticato di scrivere la resistenza di ingresso desiderata per l'amplificatore Ri ",
     "la resistenza di ingresso desiderata Ri"},
    {"Hai dimenticato di scrivere il guadagno desiderato in centro banda Avcb ",
     "il guadagno desiderato in centro banda Avcb"},
    {"Hai dimenticato di scrivere la resistenza R2 ", "la resistenza R2"},
    {"Hai dimenticato di scrivere la resistenza R ", "la resistenza R"},
    {"Hai dimenticato di scrivere la resistenza R3 ", "la resistenza R3"},
    {"Hai dimenticato di scrivere la resistenza R5 ", "la resistenza R5"},
    {"Hai dimenticato di scrivere la resistenza RL ", "la resistenza RL"},
    {"Hai dimenticato di scrivere la resistenza R1 ", "la resistenza R1"},
    {"Hai dimenticato di scrivere la capacità C1 ", "la capacità C1"},
    {"Hai dimenticato di scrivere la capacità C2 ", "la capacità C2"},
    {"Hai dimenticato di scrivere la capacità C3 ", "la capacità C3"},
    {"Hai dimenticato di scrivere la capacità C4 ", "la capacità C4"},
    {"Hai dimenticato di scrivere la capacità C5 ", "la capacità C5"},
    {"Hai dimenticato di scrivere la capacità C6 ", "la capacità C6"},
    {"Hai dimenticato di scrivere il guadagno in centro banda dell'amplificatore operazionale "
     "Avo ",
     "il guadagno in centro banda dell'amplificatore operazionale Avo"},
    {"Hai dimenticato di scrivere la frequenza di crossover dell'amplificatore operazionale fc ",
     "la frequenza di crossover dell'amplificatore operazionale fc"},
    {"Hai dimenticato di scrivere la resistenza R4 ", "la resistenza R4"},
    {"Hai dimenticato di scrivere il numero di campioni usati per la costruzione del grafico: "
     "N ",
     "il numero di campioni usati per la costruzione del grafico: N"},
    {"Hai dimenticato di scrivere la frequenza per la quale vuoi calcolare modulo e fase  ",
     "frequenza alla quale vuoi calcolare modulo e fase"},
}};

}  // namespace

FieldMessages MessagesOf(Field field) {
    return kMessages[TextBoxNumber(field) - 1];
}

std::string_view MissingValueMessage(Field field) {
    return MessagesOf(field).missing;
}

std::string BadValueMessage(Field field) {
    return BadValueMessage(MessagesOf(field).subject);
}

std::string MissingValueMessage(std::string_view subject) {
    std::string text(kMissingValuePrefix);
    text += subject;
    text += ' ';
    return text;
}

std::string BadValueMessage(std::string_view subject) {
    std::string text(kBadValuePrefix);
    text += subject;
    text += kBadValueTail;
    return text;
}

std::string NoStandardValueMessage(Field part) {
    std::string text(FieldSymbol(part));
    text += " deve essere maggiore di zero per avere un valore commerciale!";
    return text;
}

std::string SampleCountRangeMessage() {
    return "N deve essere compreso tra 1 e " + std::to_string(kMaxSampleCount) + "!";
}

}  // namespace amp
