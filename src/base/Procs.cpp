#include "base/Procs.h"

#include <cmath>
#include <limits>

namespace sp {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsCharStart(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

}  // namespace

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string UpperAscii(const std::string& s) {
    std::string r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::size_t CharCount(const std::string& s) {
    std::size_t n = 0;
    for (char c : s) n += IsCharStart(c) ? 1 : 0;
    return n;
}

std::string FirstChars(const std::string& s, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (IsCharStart(s[i])) {
            if (chars == n) return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

bool IsIntegerStr(const std::string& s) {
    const std::string t = Trim(s);
    if (t.empty()) return false;
    for (char c : t)
        if (c != '-' && !IsDigit(c)) return false;
    std::size_t i = 0;
    const bool negative = t[0] == '-';
    if (negative) i = 1;
    if (i == t.size()) return false;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (!IsDigit(t[i])) return false;  // a second "-"
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL) return false;
    }
    return negative || v <= 2147483647LL;
}

std::string FilterDigits(const std::string& s) {
    std::string r;
    for (char c : s)
        if (c == '-' || IsDigit(c)) r += c;
    return r.empty() ? "0" : r;
}

void SplitFields(const std::string& line, char separator, FieldArray& fields) {
    for (int n = 1; n <= FieldArray::Count; ++n) fields[n].clear();
    std::string t = Trim(line);
    if (t.empty()) return;
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    // The 255-character limit counts characters, so a multi-byte character is
    // kept or dropped whole; `chars` counts the characters of each entry.
    std::array<std::size_t, FieldArray::Count> chars{};
    long long counter = 1;
    bool dropping = false;  // continuation bytes of a dropped character
    for (char c : t) {
        if (c == separator) {
            ++counter;
            continue;
        }
        if (counter < 1 || counter > FieldArray::Count) throw ERangeError();
        const int n = static_cast<int>(counter);
        if (IsCharStart(c)) {
            dropping = chars[static_cast<std::size_t>(n - 1)] >= FieldArray::MaxChars;
            if (!dropping) ++chars[static_cast<std::size_t>(n - 1)];
        }
        if (!dropping) fields[n] += c;
    }
    for (int n = 1; n <= FieldArray::Count; ++n) fields[n] = Trim(fields[n]);
}

std::vector<TextLine> CutLines(const std::string& bytes) {
    std::vector<TextLine> lines;
    std::size_t start = 0, i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            const std::size_t endLen = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            lines.push_back({bytes.substr(start, i - start), bytes.substr(i, endLen)});
            i += endLen;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines.push_back({bytes.substr(start), ""});
    return lines;
}

bool TryStrToInt(const std::string& s, std::int32_t& value) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && s[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) return false;
    if (hex) {
        std::uint64_t v = 0;
        for (; i < n; ++i) {
            const int d = HexValue(s[i]);
            if (d < 0) return false;
            v = v * 16 + static_cast<std::uint64_t>(d);
            if (v > 0xFFFFFFFFULL) return false;
        }
        std::uint32_t pattern = static_cast<std::uint32_t>(v);
        if (negative) pattern = 0u - pattern;
        value = static_cast<std::int32_t>(pattern);
        return true;
    }
    std::int64_t v = 0;
    for (; i < n; ++i) {
        if (!IsDigit(s[i])) return false;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t StrToInt(const std::string& s) {
    std::int32_t v = 0;
    if (!TryStrToInt(s, v)) throw EConvertError(s);
    return v;
}

std::string IntToStr(std::int64_t v) { return std::to_string(v); }

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

std::int32_t CheckedDouble(std::int32_t a) { return CheckedAdd(a, a); }

std::int32_t CheckedMod(std::int32_t a, std::int32_t b) {
    if (b == 0) throw EDivByZero();
    if (b == -1) return 0;  // INT32_MIN % -1 is 0, not a trap
    return a % b;
}

std::int32_t RangeCheck32(std::int64_t v) {
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw ERangeError();
    return static_cast<std::int32_t>(v);
}

std::int64_t RoundHalfEven(long double v) {
    // 2^63 is exact in long double; anything at or beyond it cannot round
    // into 64 bits, and llrintl would give an unspecified value.
    constexpr long double limit = 9223372036854775808.0L;
    if (!(v > -limit - 1.0L && v < limit)) throw ERangeError();
    const long long r = std::llrintl(v);
    return r;
}

}  // namespace sp
