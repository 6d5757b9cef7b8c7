// The angle of a definition line (its first entry). Generated definitions
// place ticks at fractions of a degree, so besides every text the program's
// integer conversion takes, a decimal number with a point is accepted.
#pragma once

#include <string>

namespace sp {

// Whatever the integer conversion accepts (leading spaces, a sign, decimal
// digits, "$" or "0x" hexadecimal) gives exactly its value. Otherwise the
// text must be leading spaces, an optional "+" or "-", then digits with one
// "." among them and at least one digit ("45.25", "-3.5", ".5", "7."),
// nothing after; its magnitude at most 2147483647. Anything else throws
// EConvertError("'<text>' is not a valid integer value").
long double DefinitionAngle(const std::string& text);

}  // namespace sp
