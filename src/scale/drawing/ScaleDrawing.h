// The drawing of the scale: central circle, arc(s), segments (uniform or from
// a definition), frame and mirror, on any DrawingSurface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "raster/Graphics.h"
#include "scale/drawing/DisplayList.h"
#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ScaleText.h"
#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"

namespace sp {

// The picture point `angle` degrees (counter-clockwise from the right) and
// `r` pixels from the pivot (CenterX, Height - CenterY). Worked in extended
// precision with pi to 64 bits of mantissa, rounded halves to even.
// ERangeError when a rounded term does not fit 32 bits, EIntOverflow when the
// sum with the pivot does not.
TPoint ScalePoint(const ScaleParameters& p, long double angle, std::int32_t r);

// A chain of chords at radius r: from `right` through every whole degree
// between to `left`, one degree apart, the pen's width and colour as set.
// With whole-degree ends it is the window's arc, chord for chord.
void DrawArcChords(DrawingSurface& surface, const ScaleParameters& p, std::int32_t r, long double right,
                   long double left);
// The same with the radius at each angle (an arc flatter than a circle
// around the pivot).
void DrawArcChords(DrawingSurface& surface, const ScaleParameters& p,
                   const std::function<std::int32_t(long double)>& radiusAt, long double right, long double left);

// A line along the radius at `angle` from `from` to `to` pixels off the
// pivot: a tick. A one-pixel line leaves its last point unpainted, so a
// tick is drawn from the arc away from it.
void DrawRadialLine(DrawingSurface& surface, const ScaleParameters& p, long double angle, std::int32_t from,
                    std::int32_t to);

// Draws the segments of `definition` (lines such as "45,M") on `surface`,
// whose pen is as the drawing left it. Throws EConvertError for a line
// whose angle is no integer and ERangeError for a field beyond the 64th.
// Gives the ticks of the lines that carry a label, in line order; with
// `strokes`, appends the box of every tick drawn.
std::vector<LabelledTick> DrawDefinitionSegments(DrawingSurface& surface, const ScaleParameters& p,
                                                 const std::vector<std::string>& definition,
                                                 std::vector<Box>* strokes = nullptr);

// The drawing sequence: creates the picture on `surface` and draws
// everything up to and including the mirror, after ReadScaleParameters said
// yes. Fills MasterEvery and, with the half-small option, doubles
// SegmentCount and MasterEvery in `p`. When `definitionActive` the segments
// come from `definition`. Errors propagate (conversion, range, overflow,
// division, out of resources) at the same call whatever the surface. With
// `check`, the texts drawn are tested against each other, the ticks and the
// plate's edge (CheckTextCollisions) and what collides is added to it.
void DrawScale(DrawingSurface& surface, ScaleParameters& p, const FormFields& fields,
               const std::vector<std::string>& definition, bool definitionActive, TextCheck* check = nullptr);

// The sequence on the raster surface: the exact picture.
std::unique_ptr<TBitmap> DrawScale(ScaleParameters& p, const FormFields& fields,
                                   const std::vector<std::string>& definition, bool definitionActive);

// The sequence on the recorder: the calls as a display list.
DisplayList RecordScale(ScaleParameters& p, const FormFields& fields, const std::vector<std::string>& definition,
                        bool definitionActive);

}  // namespace sp
