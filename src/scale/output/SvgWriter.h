// The picture as an SVG document that opens at the plate's true size: width
// and height in millimetres, a viewBox in pixels of the Dpi grid.
#pragma once

#include <string>

#include "scale/drawing/DisplayList.h"

namespace sp {

// The whole document, black on a white background: one path per pen run
// with round caps and joins, the central circle as an ellipse element, the
// mirror as a transform of the drawing.
std::string SvgDocument(const DisplayList& list);

}  // namespace sp
