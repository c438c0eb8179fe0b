#include "core/complex.h"

#include <cmath>

namespace amp {

Complex ComplexMul(Complex a, Complex b) {
    return {(a.Re * b.Re) - (a.Im * b.Im), (a.Re * b.Im) + (a.Im * b.Re)};
}

Complex ComplexDiv(Complex a, Complex b) {
    const double d = b.Re * b.Re + b.Im * b.Im;
    return {((a.Re * b.Re) + (a.Im * b.Im)) / d, ((a.Im * b.Re) - (a.Re * b.Im)) / d};
}

double Modulus(Complex z) {
    return std::sqrt(z.Re * z.Re + z.Im * z.Im);
}

double PhaseDeg(Complex z) {
    const double t = std::atan(z.Im / z.Re);
    return (t * 180.0) / kPi;
}

}  // namespace amp
