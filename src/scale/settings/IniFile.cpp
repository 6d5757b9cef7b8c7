#include "scale/settings/IniFile.h"

#include <sys/stat.h>

#include <optional>
#include <vector>

#include "base/Cp1250.h"
#include "base/Procs.h"
#include "base/SafeFile.h"

namespace sp {

namespace {

using Line = TextLine;

bool SameName(const std::string& a, const std::string& b) { return UpperAscii(a) == UpperAscii(b); }

// The section a line opens, if it is a section line.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] != '[') return std::nullopt;
    const std::size_t close = t.find(']');
    return Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key and raw value of a key line.
bool KeyLine(const std::string& line, std::string& key, std::string& value) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '[') return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(t.substr(0, eq));
    value = t.substr(eq + 1);
    return true;
}

std::string DecodeValue(const std::string& raw) {
    std::string v = Trim(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return v;
}

// Quotes decided on the file's bytes, so a character that becomes a blank in
// the code page is protected like any other.
std::string EncodeValue(std::string v) {
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    const bool quote = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                                      (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return quote ? "\"" + v + "\"" : v;
}

struct Found {
    std::size_t keyLine = std::string::npos;      // index of the key's line
    std::size_t sectionEnd = std::string::npos;   // insert point in the first matching section
};

Found Find(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
    Found f;
    bool inSection = false;
    bool firstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i].text)) {
            inSection = SameName(*name, section);
            firstSection = inSection && f.sectionEnd == std::string::npos;
            if (firstSection) f.sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        std::string k, v;
        if (KeyLine(lines[i].text, k, v) && SameName(k, key)) {
            f.keyLine = i;
            return f;
        }
        if (firstSection && !Trim(lines[i].text).empty()) f.sectionEnd = i + 1;
    }
    return f;
}

}  // namespace

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string IniFile::ReadText(const std::string& section, const std::string& key, const std::string& def) const {
    std::string bytes;
    try {
        bytes = ReadWholeFile(fileName_);
    } catch (const EError&) {
        return def;
    }
    const bool utf8 = HasUtf8Bom(bytes);
    const std::vector<Line> lines = CutLines(utf8 ? bytes.substr(3) : bytes);
    const auto encode = [&](const std::string& t) { return utf8 ? t : Utf8ToCp1250(t); };
    const Found f = Find(lines, encode(section), encode(key));
    if (f.keyLine == std::string::npos) return def;
    std::string k, v;
    KeyLine(lines[f.keyLine].text, k, v);
    const std::string value = DecodeValue(v);
    return FirstChars(utf8 ? value : Cp1250ToUtf8(value), MaxValueChars);
}

bool ParseIniNumber(std::string text, std::int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, 1, '$');
    return TryStrToInt(text, value);
}

std::int32_t IniFile::ReadNumber(const std::string& section, const std::string& key, std::int32_t def) const {
    std::int32_t v = 0;
    return ParseIniNumber(ReadText(section, key, ""), v) ? v : def;
}

bool IniFile::ReadFlag(const std::string& section, const std::string& key, bool def) const {
    return ReadNumber(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteText(const std::string& section, const std::string& key, const std::string& value) {
    const std::string full = FullPath(fileName_);
    try {
        std::string bytes;
        struct stat st {};
        if (::stat(full.c_str(), &st) == 0) bytes = ReadWholeFile(full);
        // A value beyond the code page turns the whole file into UTF-8 with
        // the mark; a file with the mark stays UTF-8.
        bool utf8 = HasUtf8Bom(bytes);
        if (utf8)
            bytes.erase(0, 3);
        else if (!FitsCp1250(section + key + value)) {
            bytes = Cp1250ToUtf8(bytes);
            utf8 = true;
        }
        const auto encode = [&](const std::string& t) { return utf8 ? t : Utf8ToCp1250(t); };
        std::vector<Line> lines = CutLines(bytes);
        std::string lineEnd = "\r\n";
        for (const Line& l : lines)
            if (!l.end.empty()) {
                lineEnd = l.end;
                break;
            }
        const std::string sec = encode(section), k = encode(key);
        const std::string keyLine = k + "=" + EncodeValue(encode(value));
        const Found f = Find(lines, sec, k);
        if (f.keyLine != std::string::npos) {
            lines[f.keyLine].text = keyLine;
        } else {
            std::size_t at = f.sectionEnd;
            if (at == std::string::npos) {
                if (!lines.empty() && lines.back().end.empty()) lines.back().end = lineEnd;
                lines.push_back({"[" + sec + "]", lineEnd});
                at = lines.size();
            }
            if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = lineEnd;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{keyLine, lineEnd});
        }
        std::string out = utf8 ? kUtf8Bom : "";
        out.reserve(bytes.size() + keyLine.size() + 16);
        for (const Line& l : lines) out += l.text + l.end;
        WriteFileAtomically(full, {out});
    } catch (const EError&) {
        throw EIniFileError(full);
    }
}

void IniFile::WriteNumber(const std::string& section, const std::string& key, std::int32_t value) {
    WriteText(section, key, IntToStr(value));
}

void IniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

}  // namespace sp
