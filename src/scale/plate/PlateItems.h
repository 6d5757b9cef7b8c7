// The plate's own items, each drawn by one function on any surface.
#pragma once

#include "scale/drawing/DrawingSurface.h"
#include "scale/plate/PlateGrid.h"
#include "scale/plate/PlateScaleDrawing.h"

namespace sp {

// The plate's area filled in its background colour (nothing when white).
void DrawBackground(DrawingSurface& c, const PlateGrid& grid, const Plate& plate);
// The filled disc over the pivot, as the window's central circle.
void DrawPivotDisc(DrawingSurface& c, const PlateGrid& grid, const Plate& plate);
// Mirror strip, cut-out, holes, texts, dial marks, frame, edge and crop marks.
void DrawPlateItems(DrawingSurface& c, const PlateGrid& grid, const Plate& plate, PlateFonts& fonts);

}  // namespace sp
