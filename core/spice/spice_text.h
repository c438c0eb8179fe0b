#pragma once

#include <string>
#include <string_view>

namespace amp {

// A finite number as a netlist value: the shortest decimal that reads back as the same double,
// its point moved to the SPICE scale factor of its thousand where one exists (10k, 2.2u, 3Meg,
// 100p), in plain exponent notation otherwise (1e-18).
std::string SpiceNumber(double value);

// UTF-8 text as plain printable ASCII, for a netlist's title and comments: Latin letters lose
// their accents (è -> e, ß -> ss), any other character becomes \uXXXX (\UXXXXXXXX beyond the
// first plane), a control character or a byte that is not UTF-8 \xNN, and a backslash or a
// double quote is escaped with a backslash.
std::string AsciiText(std::string_view utf8);

}  // namespace amp
