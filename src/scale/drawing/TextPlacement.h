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
    double gap = -1;      // pixels between tick end (or arc) and number; < 0: a quarter of the height
};

// How far a number's box reaches from its centre along the radius at
// `angle`: half its height when turned, else what its width and height give.
double NumberReach(double angle, double textWidth, const TextStyle& style);

// A text height in millimetres as picture pixels (3.5 mm at 600 dpi is
// 82.68 px), unrounded: outlines need no whole pixels.
double TextHeightPixels(long double mm, double pixelsPerMm);

// The box of a number at the tick at `angle` degrees, centred on the tick's
// radial line. Outside: its nearest point a quarter of the text height beyond
// the end of the longest tick (a master, 2 x SegmentLength beyond Radius).
// Inside: its farthest corner a quarter of the text height inside Radius
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
