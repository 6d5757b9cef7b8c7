#include "scale/generator/ValueText.h"

#include <cmath>
#include <limits>
#include <string>

#include "base/Decimal.h"
#include "base/Procs.h"

namespace sp {

bool ParseValue(const std::string& text, long double& value) {
    const std::optional<DecimalText> scanned = ScanDecimal(text);
    if (!scanned) return false;
    const std::optional<long double> v = DecimalNumber(*scanned);
    if (!v) return false;
    value = *v;
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

std::string ValueLabel(long double value, bool decimalPoint, bool plusSign) {
    std::string s = FormatShortest(value, 6, decimalPoint ? DecimalMark::Point : DecimalMark::Comma);
    if (plusSign && s != "0" && s[0] != '-') s.insert(0, "+");
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
    std::string s = FormatFixed(angle, 4);
    if (s == "-0.0000") s = "0.0000";
    return s;
}

}  // namespace sp
