#include "scale/plate/Plate.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/Procs.h"

namespace sp {

namespace {

struct NamedColour {
    const char* name;
    TColor colour;
};

constexpr NamedColour kNamedColours[] = {{"black", clBlack},          {"white", clWhite},
                                         {"red", clPlateRed},         {"green", clPlateGreen},
                                         {"blue", clPlateBlue},       {"yellow", clPlateYellow}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ValueTextOf(double v) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    std::string text(buf, end);
    // A long run of digits without a point would read as a TOML integer
    // beyond 64 bits.
    if (text.find_first_of(".en") == std::string::npos && text.size() > 15) {
        const auto sci = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific).ptr;
        text.assign(buf, sci);
    }
    return text;
}

PlatePair PivotOf(const PlateSheet& sheet) { return sheet.pivot ? *sheet.pivot : PlatePair{sheet.width / 2, 5}; }

double MarginOf(const Plate& plate) {
    double margin = plate.plate.margin;
    if (plate.cropMarks) margin = std::max(margin, plate.cropMarks->offset + plate.cropMarks->length);
    return margin;
}

bool HasColour(const Plate& plate) {
    const auto coloured = [](TColor c) { return c != clBlack && c != clWhite; };
    if (coloured(plate.plate.background) || (plate.frame && coloured(plate.frame->color))) return true;
    for (const PlateScale& s : plate.scales) {
        if (coloured(s.color) || !s.zones.empty()) return true;
    }
    if (std::any_of(plate.marks.begin(), plate.marks.end(), [&](const PlateMark& m) { return coloured(m.color); }))
        return true;
    return std::any_of(plate.texts.begin(), plate.texts.end(), [&](const PlateText& t) { return coloured(t.color); });
}

std::optional<TColor> ParseColour(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        TColor rgb = 0;
        for (std::size_t i = 1; i < 7; ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0) return std::nullopt;
            rgb = rgb << 4 | static_cast<TColor>(d);
        }
        return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    }
    const std::string upper = UpperAscii(text);
    for (const NamedColour& n : kNamedColours)
        if (upper == UpperAscii(n.name)) return n.colour;
    return std::nullopt;
}

std::string ColourText(TColor colour) {
    for (const NamedColour& n : kNamedColours)
        if (colour == n.colour) return n.name;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return buf;
}

}  // namespace sp
