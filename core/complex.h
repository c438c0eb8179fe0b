#pragma once

#include <cmath>

namespace amp {

// The short value of pi that every angular frequency and every degree conversion uses.
inline constexpr double kPi = 3.14159265358979;
// 2 x pi as one double product, the factor of every angular frequency.
inline constexpr double kTwoPi = 2.0 * kPi;

struct Complex {
    double Re = 0.0;
    double Im = 0.0;

    bool operator==(const Complex&) const = default;
};

// Defined here so the model's many small operations inline: a call per operation costs more
// than the arithmetic.
inline Complex ComplexMul(Complex a, Complex b) {
    return {(a.Re * b.Re) - (a.Im * b.Im), (a.Re * b.Im) + (a.Im * b.Re)};
}

// Plain textbook quotient, no rescaling: a zero divisor gives non-finite parts.
inline Complex ComplexDiv(Complex a, Complex b) {
    const double d = b.Re * b.Re + b.Im * b.Im;
    return {((a.Re * b.Re) + (a.Im * b.Im)) / d, ((a.Im * b.Re) - (a.Re * b.Im)) / d};
}

inline double Modulus(Complex z) {
    return std::sqrt(z.Re * z.Re + z.Im * z.Im);
}

// Principal arctangent of Im/Re in degrees: the sign of Re is ignored, so the result lies
// strictly between -90 and +90.
double PhaseDeg(Complex z);

// The same from the quotient Im/Re, for sweeps that form the quotients several at a time.
double PhaseDegOfQuotient(double imOverRe);

}  // namespace amp
