// Shapes for plate items and dial marks, drawn on any DrawingSurface: what
// a zone, a hole, a cut line or a symbol is made of.
//
// Strokes are lines of the surface's pen: whole-pixel points, a pen width
// in pixels (PenPixels turns millimetres into one; 0 and 1 both draw the
// thinnest line) and a colour; the raster draws them by its pen rules and
// the vector formats as round-capped strokes over the same pixels. Fills are
// closed paths in picture coordinates (pixel (x, y) is the square from
// (x, y) to (x + 1, y + 1), so the centre of pixel (x, y) is x + 0.5,
// y + 0.5), filled in a colour by the non-zero or the even-odd rule; the
// raster paints each pixel whose centre lies inside. Every stroke and fill
// is one display-list item (DisplayMove/DisplayLine, DisplayFill), so a
// recorder and a raster drawn band by band see the same shapes.
#pragma once

#include <cstdint>
#include <vector>

#include "scale/drawing/DrawingSurface.h"
#include "text/TextLayout.h"

namespace sp {

// A width in millimetres as a pen width in whole pixels, rounded halves to
// even; ERangeError beyond 32 bits.
std::int32_t PenPixels(long double mm, double pixelsPerMm);

// A chain of lines through `points` with a pen of `penPx` pixels in
// `color`; the pen keeps that width and colour afterwards.
void StrokePolyline(DrawingSurface& surface, const std::vector<TPoint>& points, std::int32_t penPx, TColor color);

// The points of a circle's arc around `centre` (picture coordinates) from
// `fromDeg` to `toDeg` counter-clockwise as the picture is seen, at most a
// quarter degree apart, both ends included; rounded to whole pixels.
std::vector<TPoint> ArcPoints(OutlinePoint centre, double radius, double fromDeg, double toDeg);

// Closed paths to fill.
TextOutline PolygonPath(const std::vector<OutlinePoint>& points);
TextOutline CirclePath(OutlinePoint centre, double radius);
// The band between radii r0 and r1 from `fromDeg` to `toDeg`.
TextOutline AnnulusSectorPath(OutlinePoint centre, double r0, double r1, double fromDeg, double toDeg);
// A rectangle with corners rounded by `radius` (0: square).
TextOutline RoundedRectPath(double left, double top, double right, double bottom, double radius);

// Appends the contours of `more` to `path` (an outline and a hole, filled
// even-odd, make a ring).
void AppendPath(TextOutline& path, const TextOutline& more);

}  // namespace sp
