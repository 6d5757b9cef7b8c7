// Small stateless routines on text and numbers that the rest of the program
// uses wherever it tests, converts or takes apart what the user typed.
//
// All text is UTF-8 in std::string. The byte rules below (a blank is any byte
// 0 to 32, only a to z change case) work unchanged on UTF-8 because every byte
// of a multi-byte character is 128 or above. Length limits count characters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Errors.h"

namespace sp {

// ---- Text helpers -------------------------------------------------------

// True for the bytes 0 to 32 (space and every control character).
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// Removes blanks from both ends; inner blanks stay.
std::string Trim(const std::string& s);

// Upper-cases the letters a to z only; every other byte stays.
std::string UpperAscii(const std::string& s);

// Number of characters of a UTF-8 text (bytes that start a character).
std::size_t CharCount(const std::string& s);

// The first `n` characters of a UTF-8 text.
std::string FirstChars(const std::string& s, std::size_t n);

// Yes when the trimmed text is a signed decimal 32-bit integer written with
// digits and at most one leading "-" ('-0', '007', '-2147483648' pass;
// '+5', '1 2', '-', '2147483648' do not). Never fails.
bool IsIntegerStr(const std::string& s);

// Keeps only "-" and the digits 0 to 9, in order; "0" when nothing is left.
std::string FilterDigits(const std::string& s);

// 64 entries numbered 1 to 64, each at most 255 characters.
class FieldArray {
public:
    static constexpr int Count = 64;
    static constexpr std::size_t MaxChars = 255;
    // Entry n, 1 <= n <= 64 (std::out_of_range otherwise).
    std::string& operator[](int n) { return entries_.at(static_cast<std::size_t>(n - 1)); }
    const std::string& operator[](int n) const { return entries_.at(static_cast<std::size_t>(n - 1)); }

private:
    std::array<std::string, Count> entries_;
};

// Cuts `line` at `separator` into all 64 entries of `fields` (trimmed).
// Inner control characters become spaces before the cut; an entry stops
// growing at 255 characters. Throws ERangeError at the first character that
// is no separator and would belong to entry 65 or later; the entries then
// hold what was collected so far, untrimmed.
void SplitFields(const std::string& line, char separator, FieldArray& fields);

// One line of a text file: its text and the line end that closed it.
struct TextLine {
    std::string text;
    std::string end;  // "\r\n", "\n", "\r", or "" for a last line without one
};

// Cuts file bytes into lines: CR, LF or CR LF end a line (LF CR is two
// ends, with an empty line between); text after the last end is the last
// line; an end at the very end adds no empty line. Nothing is trimmed.
std::vector<TextLine> CutLines(const std::string& bytes);

// ---- Integer conversion -------------------------------------------------

// The program's integer conversion: leading spaces (code 32) skipped, an
// optional sign, then decimal digits, or hexadecimal digits after "$", "x",
// "X", "0x" or "0X" taken as a 32-bit pattern ($FFFFFFFF is -1). Nothing may
// follow. Gives false for anything else, or a decimal value out of range.
bool TryStrToInt(const std::string& s, std::int32_t& value);

// As TryStrToInt; throws EConvertError("'<s>' is not a valid integer value").
std::int32_t StrToInt(const std::string& s);

// Decimal text of a value ("600", "-5").
std::string IntToStr(std::int64_t v);

// ---- Checked arithmetic -------------------------------------------------

// Sum, difference and doubling in 32 bits; EIntOverflow beyond the range.
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedDouble(std::int32_t a);

// Remainder of a / b (sign of a); EDivByZero when b is 0.
std::int32_t CheckedMod(std::int32_t a, std::int32_t b);

// The value as a 32-bit integer; ERangeError when it does not fit.
std::int32_t RangeCheck32(std::int64_t v);

// Rounds to the nearest whole number, halves to even, in extended precision.
// ERangeError when the result does not fit 64 bits (or v is no number).
std::int64_t RoundHalfEven(long double v);

}  // namespace sp
