#include "scale/drawing/ScaleNumbers.h"

#include "base/Procs.h"
#include "scale/drawing/UniformTicks.h"

namespace sp {

std::optional<DecimalValue> ParseDecimalValue(const std::string& text) {
    const std::optional<DecimalText> scanned = ScanDecimal(text);
    if (!scanned) return std::nullopt;
    return ExactDecimal(*scanned, MaxInputDigits, MaxInputDecimals);
}

std::vector<TickNumber> UniformTickNumbers(std::int32_t n, std::int32_t masterEvery, long double rightAngle,
                                           long double leftAngle, const DecimalValue& left, const DecimalValue& right,
                                           DecimalMark mark) {
    const std::vector<UniformTick> ticks = UniformTicks(n, masterEvery, rightAngle, leftAngle);
    // Both ends on a common scale of decimals; the value of tick i is
    // right + (left - right) * i / n, kept as a fraction over n * 10^d.
    const std::int32_t d = left.Decimals > right.Decimals ? left.Decimals : right.Decimals;
    const __int128 l = static_cast<__int128>(left.Units) * PowerOfTen(d - left.Decimals);
    const __int128 r = static_cast<__int128>(right.Units) * PowerOfTen(d - right.Decimals);
    std::vector<TickNumber> out;
    for (const UniformTick& t : ticks)
        if (t.master)
            out.push_back({t.index, t.angle,
                           FormatFraction(r * n + (l - r) * t.index, n * PowerOfTen(d), mark, MaxShownDecimals)});
    return out;
}

std::vector<TickNumber> UniformTickNumbers(const ScaleParameters& p, const DecimalValue& left,
                                           const DecimalValue& right, DecimalMark mark) {
    CheckedSub(p.LeftAngle, p.RightAngle);  // the drawing's overflow, at the same point
    return UniformTickNumbers(p.SegmentCount, p.MasterEvery, p.RightAngle, p.LeftAngle, left, right, mark);
}

}  // namespace sp
