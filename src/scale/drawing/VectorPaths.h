// The display list as the vector formats draw it: runs of lines of one pen
// width, in coordinates where the strokes lie over the raster's pixels.
//
// The raster's pixel (x, y) is the square from (x, y) to (x + 1, y + 1). A
// one-pixel line, an odd pen and a slanted line of any pen are centred on the
// pixel, at (x + 0.5, y + 0.5); an even pen along an axis reaches one pixel
// further up and left, so its centre is the pixel's corner (x, y). A run
// holds one centring: the corner when an even pen draws only along axes. An ellipse fills its box
// from (Left, Top) to (Right, Bottom). The mirror puts column x at
// Width - 1 - x, which in these coordinates is X -> Width - X.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "scale/drawing/DisplayList.h"

namespace sp {

struct VectorPoint {
    double x = 0, y = 0;
};

// One stroked polyline: its points and its width in grid pixels (at least 1).
struct PenRun {
    std::vector<VectorPoint> points;
    double width = 1;
    TColor color = clBlack;
};

// A filled ellipse by its centre and radii.
struct FilledEllipse {
    VectorPoint centre;
    double rx = 0, ry = 0;
    TColor color = clBlack;
};

// A filled closed path.
struct FilledPath {
    const TextOutline* path = nullptr;
    TColor color = clBlack;
    bool evenOdd = false;
};

// Calls `run` and `ellipse` in the order of the list. A move starts a new
// run, so does a change of pen width or colour; a zero-length line of a
// one-pixel pen paints nothing in the raster and is left out here too.
// A text's outline goes to `text` in its place in that order (a text ends
// the pen run before it); a filled path goes to `fill` the same way.
void WalkVectorPaths(const DisplayList& list, const std::function<void(const PenRun&)>& run,
                     const std::function<void(const FilledEllipse&)>& ellipse,
                     const std::function<void(const TextOutline&)>& text,
                     const std::function<void(const FilledPath&)>& fill = {});

}  // namespace sp
