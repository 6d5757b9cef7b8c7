// A dial mark as plain vector geometry, ready for any surface: strokes
// (polylines with a width) and filled outlines, nothing else. Texts of a
// mark (the class number, the kV digit, the angle, a free text) are already
// glyph outlines, so every surface draws a mark the same way and no surface
// needs a font.
//
// Units: millimetres, relative to the centre of the mark's square, x to the
// right and y UP (a surface with y down flips the sign of y). Arcs are
// flattened into polylines whose chords stay within 0.002 mm of the arc.
#pragma once

#include <cstdint>
#include <vector>

#include "scale/marks/DialMark.h"
#include "text/TextLayout.h"

namespace sp {

struct MarkPoint {
    double x = 0, y = 0;
    friend bool operator==(const MarkPoint&, const MarkPoint&) = default;
};

enum class MarkCap : std::uint8_t { Round, Butt };

// One stroke: the pen's centre line, its full width and its caps; corners
// are always round joins (a mitre at the star's sharp points would reach
// far beyond the square). A closed stroke joins its last point to its first.
struct MarkStroke {
    std::vector<MarkPoint> points;
    double width = 0;
    bool closed = false;
    MarkCap cap = MarkCap::Round;
    friend bool operator==(const MarkStroke&, const MarkStroke&) = default;
};

struct MarkGeometry {
    // The box the ink stays in, centred on the origin: the square of the
    // mark's size, wider only for a free text longer than the square.
    double width = 0, height = 0;
    std::vector<MarkStroke> strokes;
    // Each outline filled on its own with the non-zero rule (millimetres, y
    // up, in the OutlineOp form the text layer uses for glyphs).
    std::vector<TextOutline> fills;
    friend bool operator==(const MarkGeometry&, const MarkGeometry&) = default;
};

// The stroke width of every mark: a twelfth of its size.
inline double MarkStrokeWidth(double size) { return size / 12; }

// The mark drawn in its square. `mark` must have passed CheckMark; `font`
// gives the digits and texts their glyphs.
MarkGeometry DrawMark(const DialMark& mark, const TextFont& font);

// The whole mark as closed outlines to fill, each with the non-zero rule and
// on its own (millimetres, y up, as the geometry): first every stroke turned
// into its outline (a band along each segment and a disc at each round join
// and round cap, all turning the same way), then the fills. What a surface
// that only fills paths draws.
std::vector<TextOutline> MarkOutlines(const MarkGeometry& mark);

// Centres of marks laid left to right in one row: `widths` are the marks'
// box widths, `gap` the free space between neighbouring boxes (mm). The row
// is centred on x = 0.
std::vector<double> RowCentres(const std::vector<double>& widths, double gap);

}  // namespace sp
