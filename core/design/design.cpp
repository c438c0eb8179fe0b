#include "core/design/design.h"

namespace amp {

bool HoldsControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        // U+0080 ... U+009F.
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) return true;
        // U+2028 and U+2029.
        if (byte == 0xE2 && next == 0x80 && i + 2 < text.size()) {
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if (last == 0xA8 || last == 0xA9) return true;
        }
    }
    return false;
}

std::optional<Field> FieldWithControlCharacter(const FieldTexts& texts) {
    for (int number = 1; number <= kFieldCount; ++number) {
        if (HoldsControlCharacter(texts[FieldOfTextBox(number)])) return FieldOfTextBox(number);
    }
    return std::nullopt;
}

namespace design_problem {

std::string BadRange() {
    return "il campo di frequenze del grafico deve essere un numero intero da 1 a " +
           std::to_string(kRangeCount) + " oppure null.";
}

std::string TooLarge() {
    return "il file è più grande di " + std::to_string(kMaxDesignFileMebibytes) + " MiB.";
}

std::string FieldMissing(Field field) {
    return "manca il campo " + std::string(FieldSymbol(field)) + ".";
}

std::string FieldNotText(Field field) {
    return "il campo " + std::string(FieldSymbol(field)) + " non è un testo.";
}

std::string FieldWithControl(Field field) {
    return "il campo " + std::string(FieldSymbol(field)) +
           " contiene un a capo o un altro carattere di controllo.";
}

std::string NoiseSettingMissing(std::string_view key) {
    return "manca l'impostazione di rumore " + std::string(key) + ".";
}

std::string NoiseSettingNotText(std::string_view key) {
    return "l'impostazione di rumore " + std::string(key) + " non è un testo.";
}

std::string NoiseSettingWithControl(std::string_view key) {
    return "l'impostazione di rumore " + std::string(key) +
           " contiene un a capo o un altro carattere di controllo.";
}

}  // namespace design_problem

}  // namespace amp
