#pragma once

#include <string>
#include <string_view>

#include "core/checks/field.h"
#include "core/checks/outcome.h"

namespace amp {

// "Esporta distinta componenti...": the parts to buy as CSV text, or the message of the first
// field that fails its check. A header line, then one line per part: R1 ... R5, R, C1 ... C6
// and the two op-amps, U1 the follower and U2 the non-inverting stage. Each line holds the
// designator, how many of the part the circuit has (R is both the input network's and the
// coupling network's), the value in SI units with the unit's symbol (an op-amp's Avo and fc),
// the box's text with its unit, and the smallest series that holds the value exactly, or
// nothing. The load RL is no part. Comma-separated, a point as decimal separator, UTF-8, lines
// ending in LF. When the op-amp is a part one can buy (the noise window's choice), its name
// leads the op-amps' values: "TL072 Avo 200000 fc 3000000 Hz".
Outcome<std::string> PartsListCsv(const FieldTexts& texts, std::string_view opAmpPart = {});

}  // namespace amp
