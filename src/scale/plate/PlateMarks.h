// The plate's dial marks: a [[mark]] item turned into the marks' own
// description, and drawn through the surfaces as filled outlines in the
// mark's colour, so every format and the mirror treat it as any other fill.
#pragma once

#include <string>

#include "scale/drawing/DrawingSurface.h"
#include "scale/marks/DialMark.h"
#include "scale/plate/PlateGrid.h"
#include "scale/plate/PlateScaleDrawing.h"

namespace sp {

// The mark as scale/marks draws it. Throws EError with the sentence for a
// value the mark cannot have and sets `key` to the key at fault ("class",
// "kv", "angle", "text").
DialMark DialMarkOf(const PlateMark& mark, std::string& key);
// (CheckPlateMark, the reader's check, is DialMarkOf; see PlateKeys.h.)

void DrawPlateMark(DrawingSurface& c, const PlateGrid& grid, const PlateMark& mark, PlateFonts& fonts);

}  // namespace sp
