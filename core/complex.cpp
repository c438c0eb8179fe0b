#include "core/complex.h"

#include <cmath>

namespace amp {

double PhaseDeg(Complex z) {
    const double t = std::atan(z.Im / z.Re);
    return (t * 180.0) / kPi;
}

}  // namespace amp
