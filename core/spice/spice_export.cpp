#include <cmath>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/spice/spice_netlist.h"

namespace amp {
namespace {

// A typed value within a double's range can still overflow on its way to SI units (1e306 kohm),
// and "inf" is no netlist value.
bool AllFinite(const CircuitValues& v) {
    for (double value : {v.R1, v.R2, v.R, v.R3, v.R4, v.R5, v.RL, v.C1, v.C2, v.C3, v.C4, v.C5,
                         v.C6, v.Avo, v.fc}) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

}  // namespace

Outcome<std::string> ExportSpiceNetlist(const FieldTexts& texts,
                                        const std::optional<NoiseTexts>& noise,
                                        std::string_view designName,
                                        std::string_view programVersion) {
    if (auto failure = CheckFields(texts, kEvaluationCheckOrder)) return *failure;
    const CircuitValues values = ReadCircuitValues(texts);
    // A zero Avo or fc would make the op-amp's pole resistor or capacitor meaningless.
    if (auto failure = CheckOpAmpValues(values)) return *failure;
    std::optional<NoiseSettings> settings;
    if (noise) {
        const Outcome<NoiseSettings> read = ReadNoiseSettings(*noise);
        if (const Failure* failure = FailureOf(read)) return *failure;
        settings = std::get<NoiseSettings>(read);
    }
    if (!AllFinite(values)) return Failure{std::string(message::kResponseUndefined)};
    return SpiceNetlist(
        {std::string(designName), std::string(programVersion), values, std::move(settings)});
}

}  // namespace amp
