// Reading UTF-8 text one code point at a time, with one rule for bytes that
// are no UTF-8: the code page conversion and the definition collation both
// decode through here, so a malformed byte means the same thing everywhere.
#pragma once

#include <cstdint>
#include <string>

namespace sp {

// Stands for a byte that starts no well-formed sequence.
constexpr std::uint32_t kMalformedUtf8 = 0xFFFD;

// The code point that starts at s[i], moving i past it. A byte that does not
// start a well-formed sequence (a stray continuation byte, a lead byte
// without its continuation bytes, an overlong form such as "\xC0\x80", a
// surrogate or anything above U+10FFFF) gives kMalformedUtf8 and is
// consumed alone, so the bytes after it are read afresh. i < s.size().
std::uint32_t NextUtf8(const std::string& s, std::size_t& i);

// Appends the UTF-8 form of `cp` (below U+10000) to `out`.
void AppendUtf8(std::string& out, std::uint32_t cp);

}  // namespace sp
