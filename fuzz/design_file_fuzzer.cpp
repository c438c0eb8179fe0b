// Any bytes as a design file: the reader returns a design or the message of what is wrong, and
// never crashes; a design it returns, written again, is read back as the same design. A broken
// rule aborts with its description.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "ui/files/design_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amp;
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString path = QStringLiteral("progetto.amplificatore");
    const Outcome<Design> read = ui::ParseDesignFile(bytes, path);
    const auto* design = std::get_if<Design>(&read);
    if (design == nullptr) return 0;
    bool noiseControl = false;
    if (design->noise) {
        noiseControl = HoldsControlCharacter(design->noise->part);
        for (int k = 0; k < kNoiseFieldCount; ++k) {
            noiseControl |=
                HoldsControlCharacter(TextOf(*design->noise, static_cast<NoiseField>(k)));
        }
    }
    if (FieldWithControlCharacter(design->texts) || noiseControl) {
        std::fprintf(stderr, "broken rule: a design read holds a control character\n");
        std::abort();
    }
    const Outcome<Design> again = ui::ParseDesignFile(ui::DesignFileBytes(*design), path);
    const auto* same = std::get_if<Design>(&again);
    if (same == nullptr || !(*same == *design)) {
        std::fprintf(stderr, "broken rule: a design written and read again differs\n");
        std::abort();
    }
    return 0;
}
