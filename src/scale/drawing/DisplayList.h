// The drawing calls of one scale kept as a plain value: what the vector
// writers (SVG, PDF) and a painter on screen work from, so that every output
// shows exactly what the raster picture shows.
//
// Coordinates are the raster's: whole pixels of the Dpi grid, (0, 0) the
// top-left pixel, y downwards; each item carries the pen width it was drawn
// with (0 and 1 both mean one grid pixel). A new kind of item is one more
// struct in the variant; std::visit then names every reader that must learn it.
#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "raster/Graphics.h"
#include "text/TextLayout.h"

namespace sp {

// Puts the pen at `to` without drawing.
struct DisplayMove {
    TPoint to;
    std::int32_t penWidth = 1;
    friend bool operator==(const DisplayMove&, const DisplayMove&) = default;
};

// A line from the pen position to `to`; the pen then stays at `to`.
struct DisplayLine {
    TPoint to;
    std::int32_t penWidth = 1;
    TColor color = clBlack;
    friend bool operator==(const DisplayLine&, const DisplayLine&) = default;
};

// A filled ellipse inscribed in the box of columns Left..Right-1 and rows
// Top..Bottom-1.
struct DisplayEllipse {
    TRect box;
    std::int32_t penWidth = 1;
    TColor brush = clBlack;
    friend bool operator==(const DisplayEllipse&, const DisplayEllipse&) = default;
};

// A text as its glyph outlines, filled black (non-zero winding); the pen
// and its position stay as they were.
struct DisplayText {
    TextOutline outline;
    friend bool operator==(const DisplayText&, const DisplayText&) = default;
};

// A closed path (zones, holes, marks, coloured text) filled in `color` by
// the non-zero winding rule or, with `evenOdd`, the even-odd rule; the pen
// and its position stay as they were. The raster fills a pixel whose centre
// lies inside, like a text.
struct DisplayFill {
    TextOutline path;
    TColor color = clBlack;
    bool evenOdd = false;
    friend bool operator==(const DisplayFill&, const DisplayFill&) = default;
};

using DisplayItem = std::variant<DisplayMove, DisplayLine, DisplayEllipse, DisplayText, DisplayFill>;

struct DisplayList {
    std::int32_t Width = 0, Height = 0;  // the picture, grid pixels
    double WidthMm = 0, HeightMm = 0;    // the plate it prints as
    std::int32_t Dpi = 0;
    bool Mirrored = false;  // shown left to right: column x at Width - 1 - x
    std::vector<DisplayItem> Items;
    friend bool operator==(const DisplayList&, const DisplayList&) = default;
};

// The plate side in millimetres for `pixels` at `pixelsPerMm`: the whole
// number of millimetres that gives exactly those pixels, as the fields hold
// it, or the exact quotient when none does.
double PlateMm(std::int32_t pixels, double pixelsPerMm);

}  // namespace sp
