#include "scale/definition/DefinitionAngle.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/Procs.h"

namespace sp {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with exactly one point and at least one digit, nothing else.
bool IsPointDecimal(const std::string& s, std::size_t from) {
    std::size_t digits = 0, points = 0;
    for (std::size_t i = from; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            ++digits;
        else if (s[i] == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points == 1;
}

}  // namespace

long double DefinitionAngle(const std::string& text) {
    std::int32_t whole = 0;
    if (TryStrToInt(text, whole)) return whole;

    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) throw EConvertError(text);
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    if (!IsPointDecimal(text, i)) throw EConvertError(text);
    // from_chars reads the C locale's point whatever locale the window set.
    long double value = 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || end != last || !(value <= 2147483647.0L)) throw EConvertError(text);
    return negative ? -value : value;
}

}  // namespace sp
