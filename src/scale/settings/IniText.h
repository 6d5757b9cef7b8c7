// A private-profile (INI) text held in memory: read from a file's bytes once,
// changed key by key, and turned back into the file's bytes once.
//
// Layout: "[Section]" lines open sections; "Key=Value" lines inside them hold
// values. Section and key names match without regard to case (a to z); the
// first matching key of the first matching section that has it counts.
// Blanks around names and values are ignored on reading; a value with blanks
// at either end (or one that is itself quoted) is written inside double
// quotes, and one pair of enclosing quotes is removed on reading, so every
// written value reads back unchanged. Lines ending in CR, LF or CR LF are
// read; lines the program adds use the file's first line end (CR LF in a new
// file). Every line that is not written stays byte for byte.
// The file's encoding follows base/FileText.h: a Windows-1250 file stays one
// until a value beyond the code page turns it into UTF-8 with the mark; a
// UTF-8 file stays UTF-8, with or without its mark. Names and values here
// are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/FileText.h"
#include "base/Procs.h"

namespace sp {

// The integer rules of ReadNumber applied to a text ("0x"/"0X" at the start
// of a text longer than two characters read as "$"). False when it is none.
bool ParseIniNumber(std::string text, std::int32_t& value);

class IniText {
public:
    // An empty text: a file that does not exist yet.
    IniText() = default;
    // A file's whole content.
    explicit IniText(const std::string& bytes);

    // The stored value, cut at 2047 characters; `def` when the section or
    // the key is missing. A present empty value gives "".
    std::string ReadText(const std::string& section, const std::string& key, const std::string& def) const;
    // The value by the integer rules (leading spaces, sign, decimal, or hex
    // after "$", "x", "X", "0x", "0X" as a 32-bit pattern); `def` when it is
    // missing or no integer.
    std::int32_t ReadNumber(const std::string& section, const std::string& key, std::int32_t def) const;
    // ReadNumber with 1 or 0 as default; yes when the number is not 0.
    bool ReadFlag(const std::string& section, const std::string& key, bool def) const;

    // Stores the value: replaced where the key stands, a missing key added at
    // the end of its section, a missing section at the end. CR and LF inside
    // a value cannot be stored in this form and are written as spaces.
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    void WriteNumber(const std::string& section, const std::string& key, std::int32_t value);
    void WriteFlag(const std::string& section, const std::string& key, bool value);

    // The file's new bytes.
    std::string Bytes() const;

    // Maximum characters of a value read.
    static constexpr std::size_t MaxValueChars = 2047;

private:
    FileEncoding encoding_ = FileEncoding::Cp1250;
    std::vector<TextLine> lines_;  // UTF-8
};

}  // namespace sp
