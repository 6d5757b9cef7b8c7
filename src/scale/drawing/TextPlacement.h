// Where the texts of the scale go: the number of each master tick beside the
// tick, the unit text above the pivot. Gives placement boxes that TextFont
// turns into outlines.
#pragma once

#include <cstdint>
#include <string>

#include "scale/input/ScaleParameters.h"
#include "text/TextLayout.h"

namespace sp {

struct TextStyle {
    double height = 0;    // cap height of the numbers, picture pixels
    bool inside = false;  // numbers inside the arc instead of beyond the ticks
    bool radial = false;  // numbers turned along the radius instead of upright
    double gap = -1;      // from the tick's end (inside: the arc) to the text; below 0: height / 4
};

// The gap of `style`: as set, or a quarter of the text height.
long double NumberGap(const TextStyle& style);

// How far from the pivot, along the radial line at `angle` degrees, the
// centre of a number `textWidth` wide goes beside a tick `tickLength` long
// on an arc of `radius` (any one unit of length for all of them, the
// height and gap of `style` too). The rule PlaceTickNumber places by, for
// those who measure before drawing.
long double NumberDistance(long double radius, long double tickLength, double angle, double textWidth,
                           const TextStyle& style);

// How far a number's box reaches from its centre along the radius at
// `angle`: half its height when turned, else what its width and height give.
long double NumberReach(double angle, double textWidth, const TextStyle& style);

// A text height in millimetres as picture pixels (3.5 mm at 600 dpi is
// 82.68 px), unrounded: outlines need no whole pixels.
double TextHeightPixels(long double mm, double pixelsPerMm);

// The box of a number at the tick at `angle` degrees, centred on the tick's
// radial line. Outside: its nearest point the gap (a quarter of the text height
// unless set) beyond
// the end of the longest tick (a master, 2 x SegmentLength beyond Radius).
// Inside: its farthest corner the gap inside Radius
// (at the pivot when the text is too large for that).
// `textWidth` is the text's advance at that height (TextFont::Width), which
// decides how far an upright text reaches along the radius. Turned, the
// text's up points away from the pivot.
TextPlacementBox PlaceTickNumber(const ScaleParameters& p, double angle, double textWidth, const TextStyle& style);

// The same beside a tick of `tickLength` pixels (a label of a definition
// line beside its own M, N or S tick).
TextPlacementBox PlaceTickNumber(const ScaleParameters& p, double angle, double textWidth, const TextStyle& style,
                                 std::int32_t tickLength);

// The box of the unit text: centred on the vertical through the pivot, 60% of
// Radius above it, upright, 1.5 times the number height.
TextPlacementBox PlaceUnitText(const ScaleParameters& p, const TextStyle& style);

}  // namespace sp
