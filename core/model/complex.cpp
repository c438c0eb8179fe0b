#include "core/model/complex.h"

#include <cmath>

namespace amp {

double PhaseDeg(Complex z) {
    return PhaseDegOfQuotient(PhaseQuotient(z));
}

double PhaseDegOfQuotient(double imOverRe) {
    const double t = std::atan(imOverRe);
    return (t * 180.0) / kPi;
}

}  // namespace amp
