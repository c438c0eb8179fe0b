#pragma once

#include "core/field.h"
#include "graph/graph_request.h"

namespace amp::bench {

// The evaluation frequency typed in the reference design, in Hz.
inline constexpr double kReferenceFrequency = 1000.0;

// The range the plot benchmarks draw: the widest, six decades, as many samples as any other.
inline constexpr int kReferenceRange = 6;

// The reference component set as the user types it, with the given N and f = 1000.
FieldTexts ReferenceDesignTexts(int sampleCount);

// The reference set as "Grafico di Vo/Vi" converts it for the plot of kReferenceRange; aborts
// the run when the request is refused, since every plot benchmark would then time nothing.
GraphInputs ReferenceGraphInputs(int sampleCount);

}  // namespace amp::bench
