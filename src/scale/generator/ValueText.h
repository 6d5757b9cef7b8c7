// Numbers as the scale generator reads and writes them, independent of the
// locale the window runs in.
#pragma once

#include <string>

namespace sp {

// A decimal number: blanks around, an optional "+" or "-", digits with at
// most one "." or "," among them. Gives false for anything else.
bool ParseValue(const std::string& text, long double& value);

// A value as a scale may give it: a decimal number (ParseValue), one with an
// SI prefix after it ("1k", "2,2k", "1M", "500m", "4,7G"), or "inf" / "∞"
// for the end of an ohmmeter scale. `prefixed` tells whether it carried a
// prefix (its text is then printed as given). Gives false for anything else.
bool ParseScaleValue(const std::string& text, long double& value, bool* prefixed = nullptr);

// The text of infinity on a scale.
inline constexpr const char* kInfinityText = "\xE2\x88\x9E";

// A tick's number: at most 6 decimals, trailing zeros dropped, "0" for a
// value that rounds to zero; the decimal comma unless `decimalPoint`; a "+"
// before positive values when `plusSign` (decibel scales).
std::string ValueLabel(long double value, bool decimalPoint, bool plusSign);

// The same with the prefixes k, M and G from 1000 up ("1k", "2,2k",
// "1M"), as ohmmeter scales are numbered, and "∞" for infinity.
std::string PrefixedLabel(long double value, bool decimalPoint);

// An angle for a definition line: 4 decimals with a point ("45.2500").
std::string AngleText(long double angle);

}  // namespace sp
