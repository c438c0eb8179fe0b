#include "core/complex.h"

#include <cmath>

namespace amp {

double PhaseDeg(Complex z) {
    return PhaseDegOfQuotient(z.Im / z.Re);
}

double PhaseDegOfQuotient(double imOverRe) {
    const double t = std::atan(imOverRe);
    return (t * 180.0) / kPi;
}

}  // namespace amp
