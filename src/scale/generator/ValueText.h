// Numbers as the scale generator reads and writes them, independent of the
// locale the window runs in.
#pragma once

#include <string>

namespace sp {

// A decimal number: blanks around, an optional "+" or "-", digits with at
// most one "." or "," among them. Gives false for anything else.
bool ParseValue(const std::string& text, long double& value);

// A tick's number: at most 6 decimals, trailing zeros dropped, "0" for a
// value that rounds to zero; the decimal comma unless `decimalPoint`; a "+"
// before positive values when `plusSign` (decibel scales).
std::string ValueLabel(long double value, bool decimalPoint, bool plusSign);

// An angle for a definition line: 4 decimals with a point ("45.2500").
std::string AngleText(long double angle);

}  // namespace sp
