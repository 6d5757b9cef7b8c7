// Decimal numbers as the user types them (a comma or a point as the mark)
// and as the program prints them (the fewest decimals that show the value).
// One reader serves every field that takes a decimal: the callers differ only
// in the rules they pass (which marks, blanks, how many digits).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sp {

// What a caller accepts around and inside the number.
struct DecimalSyntax {
    bool comma = true;          // "," may stand for the point
    bool markRequired = false;  // a text without a mark is no decimal here
    // Blanks (control characters and spaces) around the number; otherwise
    // only spaces before it and nothing after.
    bool blanksAround = true;
};

// A decimal text checked for its form: an optional "+" or "-", digits with
// at most one mark among them and at least one digit. `digits` holds them as
// typed with a "." for the mark ("007", ".5", "3.").
struct DecimalText {
    bool negative = false;
    std::string digits;
};

// The form of `text` under `syntax`, or nothing: empty, letters, two marks,
// an exponent, a blank inside.
std::optional<DecimalText> ScanDecimal(std::string_view text, const DecimalSyntax& syntax = {});

// A decimal number held exactly: Units x 10^-Decimals.
struct DecimalValue {
    std::int64_t Units = 0;
    std::int32_t Decimals = 0;
    friend bool operator==(const DecimalValue&, const DecimalValue&) = default;
};

// The exact value, or nothing when it has more than `maxDigits` digits in
// all (leading zeros count) or more than `maxDecimals` after the mark.
// `maxDigits` at most 18, so that the units fit.
std::optional<DecimalValue> ExactDecimal(const DecimalText& text, std::int32_t maxDigits, std::int32_t maxDecimals);

// The nearest long double, or nothing when its magnitude exceeds `maxMagnitude`
// (by default: when it is not finite).
std::optional<long double> DecimalNumber(const DecimalText& text, long double maxMagnitude = -1);

// Units / 10^Decimals in extended precision, divided one decimal at a time.
long double ValueOf(const DecimalValue& v);

// 10^n for n from 0 to 38.
__int128 PowerOfTen(std::int32_t n);

enum class DecimalMark { Comma, Point };

// The value `num` / `den` (`den` > 0) with the fewest decimals that show it
// exactly, rounded once (halves to even) to `maxDecimals` when none do;
// trailing zeros dropped, never "-0". The caller keeps |num| x 10^maxDecimals
// within 128 bits.
std::string FormatFraction(__int128 num, __int128 den, DecimalMark mark, std::int32_t maxDecimals);

// `v` with exactly `decimals` decimals and a point ("0" when it cannot be
// printed).
std::string FormatFixed(long double v, std::int32_t decimals);

// `v` rounded to `maxDecimals`, trailing zeros dropped, never "-0".
std::string FormatShortest(long double v, std::int32_t maxDecimals, DecimalMark mark);

}  // namespace sp
