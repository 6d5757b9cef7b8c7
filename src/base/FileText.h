// How the settings and definition files hold their text, decided in this one
// place. Inside the program every text is UTF-8; on the disk a file is
// Windows-1250 while every character has a form there. A file that starts
// with the UTF-8 byte-order mark (EF BB BF) holds UTF-8. A file without the
// mark that is valid UTF-8 and holds at least one multi-byte sequence (as a
// Linux editor writes "Ω" or "Ľ") is read as UTF-8 too: Windows-1250 text is
// almost never valid UTF-8 with such a sequence, since its letters above
// 0x7F rarely stand in the lead-then-continuation order UTF-8 demands.
#pragma once

#include <string>

namespace sp {

enum class FileEncoding {
    Cp1250,        // the code page, as files always were
    Utf8,          // UTF-8 without the mark, as an editor saved it
    Utf8WithMark,  // the mark, then UTF-8
};

inline constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";
bool HasUtf8Bom(const std::string& bytes);

// Valid UTF-8 (shortest forms, scalar values only) with at least one
// sequence of two or more bytes.
bool IsMultiByteUtf8(const std::string& bytes);

// The encoding of a file's bytes by the rule above.
FileEncoding DetectFileEncoding(const std::string& bytes);

// Whether every character of `text` has a Windows-1250 form. A malformed
// byte counts as fitting: it is written as "?" either way.
bool FitsCp1250(const std::string& text);

// File bytes as UTF-8 text (without the mark).
std::string FileBytesToUtf8(const std::string& bytes);

// The file bytes for a text (without a mark) in a given encoding, such that
// they read back as `text`: Windows-1250 bytes that would pass for UTF-8,
// or a text for a file without the mark that is no valid UTF-8, get the
// mark and the UTF-8 text instead.
std::string EncodeFileText(const std::string& text, FileEncoding encoding);

// The bytes a new file gets for `text`: Windows-1250 when every character
// has a form there, else the mark and the UTF-8 text (so that older copies
// of the program read it too).
std::string Utf8ToFileBytes(const std::string& text);

}  // namespace sp
