#include "scale/settings/IniText.h"

#include <optional>
#include <string_view>

namespace sp {

namespace {

// Views, not copies: a settings read looks up every key, each over every
// line, so the scan allocates nothing.
std::string_view TrimView(std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

char UpperOf(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperOf(a[i]) != UpperOf(b[i])) return false;
    return true;
}

// The section a line opens, if it is a section line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view t = TrimView(line);
    if (t.empty() || t[0] != '[') return std::nullopt;
    const std::size_t close = t.find(']');
    return TrimView(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key and raw value of a key line.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view t = TrimView(line);
    if (t.empty() || t[0] == ';' || t[0] == '[') return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = TrimView(t.substr(0, eq));
    value = t.substr(eq + 1);
    return true;
}

std::string DecodeValue(std::string_view raw) {
    std::string_view v = TrimView(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Every byte the code page makes a blank is a blank in UTF-8 too, so the
// quotes decided here protect the value in either encoding.
std::string EncodeValue(std::string v) {
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    const bool quote = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                                      (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return quote ? "\"" + v + "\"" : v;
}

struct Found {
    std::size_t keyLine = std::string::npos;     // index of the key's line
    std::size_t sectionEnd = std::string::npos;  // insert point in the first matching section
};

Found Find(const std::vector<TextLine>& lines, const std::string& section, const std::string& key) {
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
        std::string_view k, v;
        if (KeyLine(lines[i].text, k, v) && SameName(k, key)) {
            f.keyLine = i;
            return f;
        }
        if (firstSection && !TrimView(lines[i].text).empty()) f.sectionEnd = i + 1;
    }
    return f;
}

}  // namespace

bool ParseIniNumber(std::string text, std::int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, 1, '$');
    return TryStrToInt(text, value);
}

IniText::IniText(const std::string& bytes)
    : encoding_(DetectFileEncoding(bytes)), lines_(CutLines(FileBytesToUtf8(bytes))) {}

std::string IniText::ReadText(const std::string& section, const std::string& key, const std::string& def) const {
    const Found f = Find(lines_, section, key);
    if (f.keyLine == std::string::npos) return def;
    std::string_view k, v;
    KeyLine(lines_[f.keyLine].text, k, v);
    return FirstChars(DecodeValue(v), MaxValueChars);
}

std::int32_t IniText::ReadNumber(const std::string& section, const std::string& key, std::int32_t def) const {
    std::int32_t v = 0;
    return ParseIniNumber(ReadText(section, key, ""), v) ? v : def;
}

bool IniText::ReadFlag(const std::string& section, const std::string& key, bool def) const {
    return ReadNumber(section, key, def ? 1 : 0) != 0;
}

void IniText::WriteText(const std::string& section, const std::string& key, const std::string& value) {
    // A value beyond the code page turns the whole file into UTF-8 with the
    // mark; a UTF-8 file stays UTF-8.
    if (encoding_ == FileEncoding::Cp1250 && !FitsCp1250(section + key + value))
        encoding_ = FileEncoding::Utf8WithMark;
    std::string lineEnd = "\r\n";
    for (const TextLine& l : lines_)
        if (!l.end.empty()) {
            lineEnd = l.end;
            break;
        }
    const std::string keyLine = key + "=" + EncodeValue(value);
    const Found f = Find(lines_, section, key);
    if (f.keyLine != std::string::npos) {
        lines_[f.keyLine].text = keyLine;
        return;
    }
    std::size_t at = f.sectionEnd;
    if (at == std::string::npos) {
        if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = lineEnd;
        lines_.push_back({"[" + section + "]", lineEnd});
        at = lines_.size();
    }
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = lineEnd;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), TextLine{keyLine, lineEnd});
}

void IniText::WriteNumber(const std::string& section, const std::string& key, std::int32_t value) {
    WriteText(section, key, IntToStr(value));
}

void IniText::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

std::string IniText::Bytes() const {
    std::string text;
    for (const TextLine& l : lines_) text += l.text + l.end;
    return EncodeFileText(text, encoding_);
}

}  // namespace sp
