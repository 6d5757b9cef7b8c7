// The numbers of a uniform scale: the value texts the user types for the two
// ends, and the number printed at every master tick.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scale/input/ScaleParameters.h"

namespace sp {

// A decimal number held exactly: Units x 10^-Decimals.
struct DecimalValue {
    std::int64_t Units = 0;
    std::int32_t Decimals = 0;  // 0 to MaxInputDecimals
    friend bool operator==(const DecimalValue&, const DecimalValue&) = default;
};

// Longest fraction a value text may have, and most digits in all.
constexpr std::int32_t MaxInputDecimals = 9;
constexpr std::int32_t MaxInputDigits = 15;
// Most decimals a printed number shows; finer values are rounded to this.
constexpr std::int32_t MaxShownDecimals = 6;

enum class DecimalMark { Comma, Point };

// Reads a value text such as "10", "-2,5", "+0.25", ",5" or "3." (blanks
// around it allowed; a comma or a point as the decimal mark). Gives nothing
// for any other text: empty, letters, two marks, an exponent, a blank inside,
// more than MaxInputDecimals decimals or MaxInputDigits digits.
std::optional<DecimalValue> ParseDecimalValue(const std::string& text);

// The value `num` / `den` (`den` > 0) as text with the fewest decimals that
// show it exactly, rounded once (halves to even) to MaxShownDecimals when
// none do; trailing zeros dropped, never "-0". The caller keeps |num| below
// 10^30 so that scaling by 10^MaxShownDecimals cannot overflow.
std::string FormatFraction(__int128 num, __int128 den, DecimalMark mark);

// One number of the scale: the master tick it belongs to (its index i of the
// uniform loop), the tick's angle exactly as the loop computes it, and the
// printed text.
struct TickNumber {
    std::int32_t Index = 0;
    double Angle = 0;  // degrees, counter-clockwise from the right
    std::string Text;
    friend bool operator==(const TickNumber&, const TickNumber&) = default;
};

// The numbers at the master ticks of the uniform segments drawn for `p`
// (SegmentCount and MasterEvery as the drawing used them, that is after the
// half-small doubling). The scale runs from `right` at RightAngle (tick 0)
// to `left` at LeftAngle (tick SegmentCount), linear in the angle, so the
// two end ticks get exactly the two values. Throws ERangeError for more than
// 255 intervals or fewer than 1, EDivByZero for a MasterEvery of 0, as the
// drawing does.
std::vector<TickNumber> UniformTickNumbers(const ScaleParameters& p, const DecimalValue& left,
                                           const DecimalValue& right, DecimalMark mark = DecimalMark::Comma);

// The angle of tick i of `count` evenly spaced intervals from `rightAngle`
// (tick 0) to `leftAngle`: the step stored as a 64-bit float, as the
// uniform segments have always been drawn.
double UniformTickAngle(std::int32_t i, std::int32_t count, long double rightAngle, long double leftAngle);

// The same numbers for `count` intervals between any two angles, a master
// every `masterEvery` ticks (plates, whose angles may have decimals).
std::vector<TickNumber> UniformTickNumbers(std::int32_t count, std::int32_t masterEvery, long double rightAngle,
                                           long double leftAngle, const DecimalValue& left, const DecimalValue& right,
                                           DecimalMark mark);

}  // namespace sp
