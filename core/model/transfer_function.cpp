#include "core/model/transfer_function.h"

#include "core/model/circuit_model.h"

namespace amp {

Response TransferFunction(const CircuitValues& values, double f) {
    const Complex g = CircuitModel<double>(values).TransferRatio(f);
    return {g.Re, g.Im, Modulus(g), PhaseDeg(g)};
}

Response TransferFunction(double f, double Avo, double fc, double C1, double C2, double C3,
                          double C4, double C5, double C6, double R1, double R2, double R3,
                          double R4, double R5, double RL, double R) {
    const CircuitValues values{.R1 = R1,
                               .R2 = R2,
                               .R = R,
                               .R3 = R3,
                               .R4 = R4,
                               .R5 = R5,
                               .RL = RL,
                               .C1 = C1,
                               .C2 = C2,
                               .C3 = C3,
                               .C4 = C4,
                               .C5 = C5,
                               .C6 = C6,
                               .Avo = Avo,
                               .fc = fc};
    return TransferFunction(values, f);
}

}  // namespace amp
