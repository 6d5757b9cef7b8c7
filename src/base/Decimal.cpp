#include "base/Decimal.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/Procs.h"

namespace sp {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

std::optional<DecimalText> ScanDecimal(std::string_view text, const DecimalSyntax& syntax) {
    std::string s;
    if (syntax.blanksAround) {
        s = Trim(std::string(text));
    } else {
        const std::size_t from = text.find_first_not_of(' ');
        if (from != std::string_view::npos) s = text.substr(from);
    }
    DecimalText out;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.negative = s[i++] == '-';
    std::size_t digits = 0, marks = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            ++digits;
            out.digits += c;
        } else if (c == '.' || (c == ',' && syntax.comma)) {
            ++marks;
            out.digits += '.';
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || marks > 1 || (syntax.markRequired && marks == 0)) return std::nullopt;
    return out;
}

std::optional<DecimalValue> ExactDecimal(const DecimalText& text, std::int32_t maxDigits, std::int32_t maxDecimals) {
    std::int64_t units = 0;
    std::int32_t digits = 0, decimals = 0;
    bool mark = false;
    for (const char c : text.digits) {
        if (c == '.') {
            mark = true;
            continue;
        }
        if (++digits > maxDigits) return std::nullopt;
        if (mark && ++decimals > maxDecimals) return std::nullopt;
        units = units * 10 + (c - '0');
    }
    return DecimalValue{text.negative ? -units : units, decimals};
}

std::optional<long double> DecimalNumber(const DecimalText& text, long double maxMagnitude) {
    if (maxMagnitude < 0) maxMagnitude = std::numeric_limits<long double>::max();
    // from_chars reads the C locale's point whatever locale the window set.
    long double v = 0;
    const char* first = text.digits.data();
    const char* last = first + text.digits.size();
    const auto [end, ec] = std::from_chars(first, last, v, std::chars_format::fixed);
    if (ec != std::errc() || end != last || !(v <= maxMagnitude)) return std::nullopt;
    return text.negative ? -v : v;
}

__int128 PowerOfTen(std::int32_t n) {
    __int128 r = 1;
    for (std::int32_t i = 0; i < n; ++i) r *= 10;
    return r;
}

long double ValueOf(const DecimalValue& v) {
    long double x = static_cast<long double>(v.Units);
    for (std::int32_t i = 0; i < v.Decimals; ++i) x /= 10;
    return x;
}

std::string FormatFraction(__int128 num, __int128 den, DecimalMark mark, std::int32_t maxDecimals) {
    std::int32_t shown = 0;
    while (shown < maxDecimals && (num * PowerOfTen(shown)) % den != 0) ++shown;
    const __int128 v = DivRoundHalfEven(num * PowerOfTen(shown), den);
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

std::string FormatFixed(long double v, std::int32_t decimals) {
    char buf[128];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

std::string FormatShortest(long double v, std::int32_t maxDecimals, DecimalMark mark) {
    std::string s = FormatFixed(v, maxDecimals);
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    if (mark == DecimalMark::Comma)
        for (char& c : s)
            if (c == '.') c = ',';
    return s;
}

}  // namespace sp
