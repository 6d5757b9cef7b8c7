// The numbers of a uniform scale: the value texts the user types for the two
// ends, and the number printed at every master tick.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Decimal.h"
#include "scale/input/ScaleParameters.h"

namespace sp {

// Longest fraction a value text may have, and most digits in all.
constexpr std::int32_t MaxInputDecimals = 9;
constexpr std::int32_t MaxInputDigits = 15;
// Most decimals a printed number shows; finer values are rounded to this.
constexpr std::int32_t MaxShownDecimals = 6;

// Reads a value text such as "10", "-2,5", "+0.25", ",5" or "3." (blanks
// around it allowed; a comma or a point as the decimal mark). Gives nothing
// for any other text: empty, letters, two marks, an exponent, a blank inside,
// more than MaxInputDecimals decimals or MaxInputDigits digits.
std::optional<DecimalValue> ParseDecimalValue(const std::string& text);

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
// drawing does (UniformTicks).
std::vector<TickNumber> UniformTickNumbers(const ScaleParameters& p, const DecimalValue& left,
                                           const DecimalValue& right, DecimalMark mark = DecimalMark::Comma);

// The same numbers for `count` intervals between any two angles, a master
// every `masterEvery` ticks (plates, whose angles may have decimals).
std::vector<TickNumber> UniformTickNumbers(std::int32_t count, std::int32_t masterEvery, long double rightAngle,
                                           long double leftAngle, const DecimalValue& left, const DecimalValue& right,
                                           DecimalMark mark);

}  // namespace sp
