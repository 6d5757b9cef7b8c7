// The Windows-1250 code page of the settings and definition files; inside
// the program every text is UTF-8 (base/FileText.h decides which files are
// Windows-1250).
#pragma once

#include <string>

namespace sp {

// Maps every byte (the five unassigned ones to U+0081 etc. so that they
// survive a round trip).
std::string Cp1250ToUtf8(const std::string& bytes);

// The inverse of Cp1250ToUtf8, writing "?" for a character with no
// Windows-1250 form and for every malformed byte (as NextUtf8 reads them).
std::string Utf8ToCp1250(const std::string& text);

}  // namespace sp
