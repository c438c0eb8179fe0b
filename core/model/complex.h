#pragma once

#include <cmath>
#include <type_traits>

namespace amp {

// The short value of pi that every angular frequency and every degree conversion uses.
inline constexpr double kPi = 3.14159265358979;
// 2 x pi as one double product, the factor of every angular frequency.
inline constexpr double kTwoPi = 2.0 * kPi;

// A complex value whose parts are of the number type T: a double, or a vector of doubles that
// holds the values of several samples, one in each lane.
template <class T>
struct ComplexOf {
    T Re{};
    T Im{};

    bool operator==(const ComplexOf&) const = default;
};

using Complex = ComplexOf<double>;

// The operations below are templates over the number type, so that the model computes one sample
// and a vector of them with the very same operations. The caller names T (double unless it says
// otherwise), so that a pair in braces is taken as a Complex. Defined here so that they inline:
// a call per operation costs more than the arithmetic.

template <class T = double>
ComplexOf<T> ComplexMul(std::type_identity_t<ComplexOf<T>> a,
                        std::type_identity_t<ComplexOf<T>> b) {
    return {(a.Re * b.Re) - (a.Im * b.Im), (a.Re * b.Im) + (a.Im * b.Re)};
}

// Re x Re + Im x Im: the square of the modulus and the divisor of a quotient.
template <class T = double>
T SquaredModulus(std::type_identity_t<ComplexOf<T>> z) {
    return z.Re * z.Re + z.Im * z.Im;
}

// Plain textbook quotient, no rescaling: a zero divisor gives non-finite parts.
template <class T = double>
ComplexOf<T> ComplexDiv(std::type_identity_t<ComplexOf<T>> a,
                        std::type_identity_t<ComplexOf<T>> b) {
    const T d = SquaredModulus<T>(b);
    return {((a.Re * b.Re) + (a.Im * b.Im)) / d, ((a.Im * b.Re) - (a.Re * b.Im)) / d};
}

// Im / Re, whose arctangent is the phase.
template <class T = double>
T PhaseQuotient(std::type_identity_t<ComplexOf<T>> z) {
    return z.Im / z.Re;
}

inline double Modulus(Complex z) {
    return std::sqrt(SquaredModulus(z));
}

// Principal arctangent of Im/Re in degrees: the sign of Re is ignored, so the result lies
// strictly between -90 and +90.
double PhaseDeg(Complex z);

// The same from the quotient Im/Re, for sweeps that form the quotients several at a time.
double PhaseDegOfQuotient(double imOverRe);

}  // namespace amp
