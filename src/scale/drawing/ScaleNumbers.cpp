#include "scale/drawing/ScaleNumbers.h"

#include "base/Errors.h"
#include "base/Procs.h"

namespace sp {

namespace {

__int128 Pow10(std::int32_t n) {
    __int128 r = 1;
    for (std::int32_t i = 0; i < n; ++i) r *= 10;
    return r;
}

// Division rounding halves to even; `den` > 0.
__int128 DivRoundHalfEven(__int128 num, __int128 den) {
    __int128 q = num / den, r = num % den;
    if (r < 0) {  // floor division
        q -= 1;
        r += den;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) q += 1;
    return q;
}

std::string DigitsOf(__int128 v) {  // v >= 0
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    return s;
}

}  // namespace

std::optional<DecimalValue> ParseDecimalValue(const std::string& text) {
    const std::string s = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::int64_t units = 0;
    std::int32_t digits = 0, decimals = 0;
    bool mark = false;
    for (; i < s.size(); ++i) {
        const char ch = s[i];
        if (ch == ',' || ch == '.') {
            if (mark) return std::nullopt;
            mark = true;
        } else if (ch >= '0' && ch <= '9') {
            if (++digits > MaxInputDigits) return std::nullopt;
            if (mark && ++decimals > MaxInputDecimals) return std::nullopt;
            units = units * 10 + (ch - '0');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    return DecimalValue{negative ? -units : units, decimals};
}

std::string FormatFraction(__int128 num, __int128 den, DecimalMark mark) {
    std::int32_t shown = 0;
    while (shown < MaxShownDecimals && (num * Pow10(shown)) % den != 0) ++shown;
    const __int128 v = DivRoundHalfEven(num * Pow10(shown), den);
    std::string digits = DigitsOf(v < 0 ? -v : v);
    if (digits.size() <= static_cast<std::size_t>(shown))
        digits.insert(0, static_cast<std::size_t>(shown) + 1 - digits.size(), '0');
    std::string frac = digits.substr(digits.size() - static_cast<std::size_t>(shown));
    digits.resize(digits.size() - static_cast<std::size_t>(shown));
    while (!frac.empty() && frac.back() == '0') frac.pop_back();  // a rounded value may end in zeros
    std::string out = (v < 0 ? "-" : "") + digits;
    if (!frac.empty()) out += (mark == DecimalMark::Comma ? ',' : '.') + frac;
    return out;
}

double UniformTickAngle(std::int32_t i, std::int32_t count, long double rightAngle, long double leftAngle) {
    const double angleStep = static_cast<double>((leftAngle - rightAngle) / count);
    return static_cast<double>(i * static_cast<long double>(angleStep) + rightAngle);
}

std::vector<TickNumber> UniformTickNumbers(std::int32_t n, std::int32_t masterEvery, long double rightAngle,
                                           long double leftAngle, const DecimalValue& left, const DecimalValue& right,
                                           DecimalMark mark) {
    if (n > 255 || n < 1) throw ERangeError();
    // Both ends on a common scale of decimals; the value of tick i is
    // right + (left - right) * i / n, kept as a fraction over n * 10^d.
    const std::int32_t d = left.Decimals > right.Decimals ? left.Decimals : right.Decimals;
    const __int128 l = static_cast<__int128>(left.Units) * Pow10(d - left.Decimals);
    const __int128 r = static_cast<__int128>(right.Units) * Pow10(d - right.Decimals);
    std::vector<TickNumber> out;
    for (std::int32_t i = 0; i <= n; ++i) {
        const bool master = i == 0 || i == n || CheckedMod(i, masterEvery) == 0;
        if (!master) continue;
        // The same step and angles as the uniform segments, so a number sits
        // on exactly the line of its tick.
        out.push_back({i, UniformTickAngle(i, n, rightAngle, leftAngle),
                       FormatFraction(r * n + (l - r) * i, n * Pow10(d), mark)});
    }
    return out;
}

std::vector<TickNumber> UniformTickNumbers(const ScaleParameters& p, const DecimalValue& left,
                                           const DecimalValue& right, DecimalMark mark) {
    if (p.SegmentCount > 255 || p.SegmentCount < 1) throw ERangeError();
    CheckedSub(p.LeftAngle, p.RightAngle);  // the drawing's overflow, at the same point
    return UniformTickNumbers(p.SegmentCount, p.MasterEvery, p.RightAngle, p.LeftAngle, left, right, mark);
}

}  // namespace sp
