// The display list drawn back onto the exact raster: a whole picture, or one
// band of its rows at a time, so that a picture of any size is drawn and
// written in a few megabytes.
#pragma once

#include <memory>

#include "raster/Graphics.h"
#include "scale/drawing/DisplayList.h"

namespace sp {

// Draws every item of `list` on `picture` through its canvas, clipped to the
// rows the picture holds: the pixels the drawing sequence paints on the
// raster surface, row for row (the list keeps every call with its pen).
// The mirror is left to the caller (the file writers mirror rows on the way
// out). Returns true when every colour drawn in is black or white; a picture
// without storage paints nothing and answers just that.
//
// Every kind of item is handled here, in one visit: a new kind does not
// compile until it is drawn.
bool PaintList(const DisplayList& list, TBitmap& picture);

// The whole picture of `list`, mirrored as the list says. EOutOfResources
// when it cannot be stored.
std::unique_ptr<TBitmap> PaintWholeList(const DisplayList& list);

}  // namespace sp
