// The settings and definition files hold Windows-1250 bytes; inside the
// program every text is UTF-8.
#pragma once

#include <string>

namespace sp {

// Maps every byte (the five unassigned ones to U+0081 etc. so that they
// survive a round trip).
std::string Cp1250ToUtf8(const std::string& bytes);

// The inverse of Cp1250ToUtf8, writing "?" for a character with no
// Windows-1250 form and for every malformed byte (as NextUtf8 reads them).
std::string Utf8ToCp1250(const std::string& text);

// Texts beyond the code page (units such as "Ω"): a file that starts with
// the UTF-8 byte-order mark holds UTF-8. The program writes Windows-1250 as
// long as every character has a Windows-1250 form, else UTF-8 with the mark.
inline constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";
bool HasUtf8Bom(const std::string& bytes);

// Whether every character of `text` has a Windows-1250 form. A malformed
// byte counts as fitting: it is written as "?" either way.
bool FitsCp1250(const std::string& text);

// File bytes as UTF-8: after the mark as they are, else from Windows-1250.
std::string FileBytesToUtf8(const std::string& bytes);

// The bytes a file gets for `text`: Windows-1250 when it fits, else the mark
// and the UTF-8 text.
std::string Utf8ToFileBytes(const std::string& text);

}  // namespace sp
