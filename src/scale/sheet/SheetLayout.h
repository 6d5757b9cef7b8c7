// A sheet of plates: where the copies of one or more plates, their crop
// marks and the two check bars go on a page of paper.
//
// Everything is laid out in "nominal" millimetres, the sizes the plates are
// meant to have, from the page's top-left corner, y downwards. The printer's
// correction factors then multiply the whole geometry (page = factor x
// nominal), so the layout keeps the page's printing margin after the factors
// and the check bars grow with the plates: what the printer shrinks by 0.6%
// is drawn 0.6% larger. A plate is never shrunk to fit: a sheet that does not
// hold it is refused with a sentence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sp {

struct Paper {
    const char* name;  // "A4", as --sheet takes it
    double width, height;  // portrait, mm
};

// A4, A5, A3, Letter: the table the options, the command line and the print
// dialog all use.
const std::vector<Paper>& Papers();
// The paper of a name in any letter case; nothing for any other.
std::optional<Paper> FindPaper(const std::string& name);

struct SheetOptions {
    std::string paper = "A4";
    bool landscape = false;
    std::int32_t copies = 1;  // of each plate
    double gap = 6;           // mm between the edges of neighbouring plates
    double scaleX = 1, scaleY = 1;  // the printer's correction factors
};

// The limits the options are checked against.
constexpr double kMinFactor = 0.9, kMaxFactor = 1.1, kMaxGap = 100;
constexpr std::int32_t kMaxCopies = 200;
// The page's edge that printers cannot print on, kept free after the factors.
constexpr double kPageMargin = 10;
// The check bars: 100 mm across and 50 mm up, each in a box this deep.
constexpr double kBarLong = 100, kBarShort = 50, kBarDepth = 8;

// A plate's size and the reach of its crop marks beyond its edges.
struct SheetItem {
    double width = 0, height = 0;
    double markOffset = 1, markLength = 4;
};

// One copy placed: its item and its top-left corner; the reach of each of
// its four crop-mark arms (left, top, right, bottom), shortened towards a
// neighbour so that the marks of two plates meet in the middle of the gap.
struct SheetCopy {
    std::size_t item = 0;
    double x = 0, y = 0, width = 0, height = 0;
    double reach[4] = {0, 0, 0, 0};
};

struct SheetRect {
    double x = 0, y = 0, width = 0, height = 0;
};

struct SheetLayout {
    double pageWidth = 0, pageHeight = 0;  // the paper as printed, mm
    double scaleX = 1, scaleY = 1;
    std::vector<SheetCopy> copies;
    SheetRect across, up;  // the boxes of the 100 mm and the 50 mm bar
};

// The options' own faults as a sentence (a paper no table row names, a
// factor outside 0.9 to 1.1, ...), or nothing.
std::optional<std::string> CheckSheetOptions(const SheetOptions& options);

// Lays the copies out row by row from the top-left corner and puts the bars
// into the free area. Gives the sentence when the options are wrong, a plate
// does not fit the page or the copies and bars do not fit together, and
// leaves `layout`; else fills it.
std::optional<std::string> LayOutSheet(const std::vector<SheetItem>& items, const SheetOptions& options,
                                       SheetLayout& layout);

}  // namespace sp
