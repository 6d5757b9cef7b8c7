#include "scale/generator/ValueText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "base/Procs.h"

namespace sp {

bool ParseValue(const std::string& text, long double& value) {
    std::string s = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) negative = s[i++] == '-';
    std::size_t digits = 0, points = 0;
    for (std::size_t k = i; k < s.size(); ++k) {
        if (s[k] >= '0' && s[k] <= '9') {
            ++digits;
        } else if (s[k] == '.' || s[k] == ',') {
            s[k] = '.';
            ++points;
        } else {
            return false;
        }
    }
    if (digits == 0 || points > 1) return false;
    long double v = 0;
    const auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), v, std::chars_format::fixed);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return false;
    value = negative ? -v : v;
    return true;
}

namespace {

struct Prefix {
    const char* text;
    long double factor;
};
const Prefix kPrefixes[] = {{"G", 1e9L}, {"M", 1e6L}, {"k", 1e3L}, {"m", 1e-3L}, {"\xC2\xB5", 1e-6L}, {"\xCE\xBC", 1e-6L}, {"u", 1e-6L}};

}  // namespace

bool ParseScaleValue(const std::string& text, long double& value, bool* prefixed) {
    if (prefixed) *prefixed = false;
    const std::string t = Trim(text);
    if (t == "inf" || t == "+inf" || t == kInfinityText || t == std::string("+") + kInfinityText) {
        value = std::numeric_limits<long double>::infinity();
        return true;
    }
    if (ParseValue(t, value)) return true;
    for (const Prefix& p : kPrefixes) {
        const std::size_t n = std::char_traits<char>::length(p.text);
        if (t.size() <= n || t.compare(t.size() - n, n, p.text) != 0) continue;
        long double v = 0;
        if (!ParseValue(t.substr(0, t.size() - n), v)) return false;
        value = v * p.factor;
        if (prefixed) *prefixed = true;
        return true;
    }
    return false;
}

namespace {

std::string Fixed(long double v, int decimals) {
    char buf[128];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

}  // namespace

std::string ValueLabel(long double value, bool decimalPoint, bool plusSign) {
    std::string s = Fixed(value, 6);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    if (plusSign && s != "0" && s[0] != '-') s.insert(0, "+");
    if (!decimalPoint)
        for (char& c : s)
            if (c == '.') c = ',';
    return s;
}

std::string PrefixedLabel(long double value, bool decimalPoint) {
    if (std::isinf(value)) return value > 0 ? kInfinityText : std::string("-") + kInfinityText;
    for (const Prefix& p : kPrefixes) {
        if (p.factor < 1) break;
        if (std::fabs(value) >= p.factor) return ValueLabel(value / p.factor, decimalPoint, false) + p.text;
    }
    return ValueLabel(value, decimalPoint, false);
}

std::string AngleText(long double angle) {
    std::string s = Fixed(angle, 4);
    if (s == "-0.0000") s = "0.0000";
    return s;
}

}  // namespace sp
