#include "scale/generator/ValueText.h"

#include "base/Decimal.h"

namespace sp {

bool ParseValue(const std::string& text, long double& value) {
    const std::optional<DecimalText> scanned = ScanDecimal(text);
    if (!scanned) return false;
    const std::optional<long double> v = DecimalNumber(*scanned);
    if (!v) return false;
    value = *v;
    return true;
}

std::string ValueLabel(long double value, bool decimalPoint, bool plusSign) {
    std::string s = FormatShortest(value, 6, decimalPoint ? DecimalMark::Point : DecimalMark::Comma);
    if (plusSign && s != "0" && s[0] != '-') s.insert(0, "+");
    return s;
}

std::string AngleText(long double angle) {
    std::string s = FormatFixed(angle, 4);
    if (s == "-0.0000") s = "0.0000";
    return s;
}

}  // namespace sp
