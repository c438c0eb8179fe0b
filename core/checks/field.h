#pragma once

#include <array>
#include <string>
#include <string_view>

namespace amp {

// A design field of the main window; the value is the number of its text box.
enum class Field : int {
    fi = 1,
    fs,
    Ri,
    Avcb,
    R2,
    R,
    R3,
    R5,
    RL,
    R1,
    C1,
    C2,
    C3,
    C4,
    C5,
    C6,
    Avo,
    fc,
    R4,
    N,
    f,
};

inline constexpr int kFieldCount = 21;

constexpr int TextBoxNumber(Field field) {
    return static_cast<int>(field);
}
constexpr Field FieldOfTextBox(int number) {
    return static_cast<Field>(number);
}

// Typed units into SI units.
inline constexpr double kOhmPerKiloOhm = 1000.0;
inline constexpr double kFaradPerMicrofarad = 1E-6;
inline constexpr double kFaradPerPicofarad = 1E-12;
inline constexpr double kHertzPerMegahertz = 1000000.0;

// The symbol shown beside the box ("fi", "R2", "Avo").
std::string_view FieldSymbol(Field field);
// The unit label shown beside the box ("[Hz]", "[kohm]"), empty for plain ratios and counts.
std::string_view FieldUnit(Field field);
// The unit without its brackets ("Hz", "kohm"), for a value written beside it.
std::string_view FieldUnitName(Field field);
// The factor that turns the typed number into SI units: kOhmPerKiloOhm for "[kohm]" and so on,
// 1 for hertz, plain ratios and counts.
double SiFactor(Field field);

// The texts of all 21 design fields, as the main window's boxes hold them.
class FieldTexts {
  public:
    std::string& operator[](Field field) { return texts_[TextBoxNumber(field) - 1]; }
    const std::string& operator[](Field field) const { return texts_[TextBoxNumber(field) - 1]; }

    bool operator==(const FieldTexts&) const = default;

  private:
    std::array<std::string, kFieldCount> texts_;
};

// One text to write into one field's box.
struct FieldWrite {
    Field field;
    std::string text;

    bool operator==(const FieldWrite&) const = default;
};

}  // namespace amp
