// The outlines of placed texts and of tick strokes as convex boxes, and how
// far apart two of them are: what the tick chooser measures before it
// numbers a value and what the picture checks once it is drawn.
#pragma once

#include <array>

#include "text/TextLayout.h"

namespace sp {

// Four corners in order around the box.
struct Box {
    std::array<OutlinePoint, 4> p{};
};

// The box a text `width` wide takes when placed by `placement` (from its
// baseline to its cap height, turned with it).
Box BoxOfText(const TextPlacementBox& placement, double width);

// The box of a straight stroke from `a` to `b` drawn `penWidth` wide.
Box BoxOfStroke(OutlinePoint a, OutlinePoint b, double penWidth);

// How far apart two boxes are: above 0 the shortest distance between them,
// 0 or below they touch or overlap (by that much along the axis that parts
// them most).
double Separation(const Box& a, const Box& b);

// How far `box` reaches beyond the rectangle from (left, top) to (right, bottom):
// 0 or less when it lies inside.
double Overhang(const Box& box, double left, double top, double right, double bottom);

}  // namespace sp
