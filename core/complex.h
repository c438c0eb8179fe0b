#pragma once

namespace amp {

// The short value of pi that every angular frequency and every degree conversion uses.
inline constexpr double kPi = 3.14159265358979;

struct Complex {
    double Re = 0.0;
    double Im = 0.0;

    bool operator==(const Complex&) const = default;
};

Complex ComplexMul(Complex a, Complex b);
// Plain textbook quotient, no rescaling: a zero divisor gives non-finite parts.
Complex ComplexDiv(Complex a, Complex b);
double Modulus(Complex z);
// Principal arctangent of Im/Re in degrees: the sign of Re is ignored, so the result lies
// strictly between -90 and +90.
double PhaseDeg(Complex z);

}  // namespace amp
