// Windows-1250 <-> UTF-8. The settings and definition files are written in
// the Central European code page so that files of the older Windows program
// read right; inside the program every text is UTF-8.
#include <cstdint>
#include <string>

#include "base/Cp1250.h"
#include "base/Utf8.h"

namespace sp {

namespace {

// Code points of the bytes 0x80 to 0xFF. The five bytes the code page leaves
// unassigned (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same
// number, as Windows does, so no byte is lost on a round trip.
constexpr std::uint16_t kHigh[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

char ByteFor(std::uint32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    for (int i = 0; i < 128; ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Cp1250ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? b : kHigh[b - 0x80]);
    }
    return out;
}

std::string Utf8ToCp1250(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out += ByteFor(NextUtf8(text, i));
    return out;
}

bool HasUtf8Bom(const std::string& bytes) { return bytes.rfind(kUtf8Bom, 0) == 0; }

bool FitsCp1250(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const std::uint32_t cp = NextUtf8(text, i);
        const std::string one = text.substr(start, i - start);
        // A malformed byte is no character: it is written as "?", as always.
        if (cp == kMalformedUtf8 && one != "\xEF\xBF\xBD") continue;
        if (Cp1250ToUtf8(Utf8ToCp1250(one)) != one) return false;
    }
    return true;
}

std::string FileBytesToUtf8(const std::string& bytes) {
    return HasUtf8Bom(bytes) ? bytes.substr(3) : Cp1250ToUtf8(bytes);
}

std::string Utf8ToFileBytes(const std::string& text) {
    return FitsCp1250(text) ? Utf8ToCp1250(text) : kUtf8Bom + text;
}

}  // namespace sp
