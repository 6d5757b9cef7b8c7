#include "scale/definition/DefinitionFile.h"

#include <algorithm>

#include "base/Errors.h"
#include "base/FileText.h"
#include "base/Procs.h"
#include "base/SafeFile.h"
#include "base/Utf8.h"
#include "scale/definition/DefinitionAngle.h"

namespace sp {

namespace {

// Simple lower-case folding for ASCII, Latin-1 and Latin Extended-A, which
// hold every letter of the Windows-1250 code page.
std::uint32_t Fold(std::uint32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1 ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    return c;
}

// A whole number as typed angles always were, or a decimal with a point as
// the generator writes them ("90.0000"); the drawing reads both. Blanks
// around a decimal are allowed because the drawing trims the field first.
// Other texts the drawing would take ("+45", "$2D") stay skipped, as they
// always were.
bool WritableAngle(const std::string& angle) {
    if (IsIntegerStr(angle)) return true;
    if (angle.find('.') == std::string::npos) return false;
    try {
        DefinitionAngle(Trim(angle));
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

}  // namespace

int CompareDefinitionLines(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::uint32_t ca = Fold(NextUtf8(a, i)), cb = Fold(NextUtf8(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

std::vector<std::string> DefinitionLines(const std::vector<DefinitionRow>& rows) {
    std::vector<std::string> lines;
    for (const DefinitionRow& row : rows) {
        if (row.angle.empty() || row.type.empty()) continue;
        const char letter = UpperAscii(row.type)[0];
        if (letter != 'M' && letter != 'N' && letter != 'S') continue;
        if (!WritableAngle(row.angle)) continue;
        std::string line = row.angle + "," + letter;
        if (!row.label.empty()) line += "," + row.label;
        const auto at = std::lower_bound(lines.begin(), lines.end(), line, [](const std::string& x, const std::string& y) {
            return CompareDefinitionLines(x, y) < 0;
        });
        if (at != lines.end() && CompareDefinitionLines(*at, line) == 0) continue;
        lines.insert(at, std::move(line));
    }
    return lines;
}

std::string DefinitionLabel(const std::string& line) {
    const std::size_t first = line.find(',');
    if (first == std::string::npos) return {};
    const std::size_t second = line.find(',', first + 1);
    if (second == std::string::npos) return {};
    return Trim(line.substr(second + 1));
}

void WriteDefinition(const std::vector<DefinitionRow>& rows, const std::string& fileName) {
    WriteDefinitionLines(DefinitionLines(rows), fileName);
}

void WriteDefinitionLines(const std::vector<std::string>& lines, const std::string& fileName) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const std::string bytes = Utf8ToFileBytes(text);
    WriteFileAtomically(fileName, {bytes});
}

std::vector<std::string> SplitDefinitionText(const std::string& bytes) {
    // The encoding is decided for the whole file (base/FileText.h).
    std::string text = FileBytesToUtf8(bytes);
    text.resize(std::min(text.size(), text.find('\0')));
    std::vector<std::string> lines;
    for (TextLine& line : CutLines(text)) lines.push_back(std::move(line.text));
    return lines;
}

void ReadDefinition(const std::string& fileName, std::vector<std::string>& list) {
    list = SplitDefinitionText(ReadWholeFile(fileName));
}

}  // namespace sp
