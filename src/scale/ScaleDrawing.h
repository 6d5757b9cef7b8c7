// The drawing of the scale: central circle, arc(s), segments (uniform or from
// a definition), frame and mirror, on a TBitmap.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FormFields.h"
#include "Graphics.h"
#include "ScaleParameters.h"

namespace sp {

// The picture point `angle` degrees (counter-clockwise from the right) and
// `r` pixels from the pivot (CenterX, Height - CenterY). Worked in extended
// precision with pi to 64 bits of mantissa, rounded halves to even.
// ERangeError when a rounded term does not fit 32 bits, EIntOverflow when the
// sum with the pivot does not.
TPoint ScalePoint(const ScaleParameters& p, long double angle, std::int32_t r);

// Mirrors the picture in place: mode 1 left to right, 2 upside down, 3 both;
// any other mode leaves it as it is.
void FlipBitmap(TBitmap& bitmap, int mode);

// Draws the segments of `definition` (lines such as "45,M") on `canvas`,
// whose pen is as the drawing left it. Throws EConvertError for a line
// whose angle is no integer and ERangeError for a field beyond the 64th.
void DrawDefinitionSegments(TCanvas& canvas, const ScaleParameters& p, const std::vector<std::string>& definition);

// Creates the picture and draws everything up to and including the mirror,
// after ReadScaleParameters said yes. Fills MasterEvery and, with the
// half-small option, doubles SegmentCount and MasterEvery in `p`. When
// `definitionActive` the segments come from `definition`. Errors propagate
// (conversion, range, overflow, division, out of resources); `log`, when
// given, records every drawing call.
std::unique_ptr<TBitmap> DrawScale(ScaleParameters& p, const FormFields& fields,
                                   const std::vector<std::string>& definition, bool definitionActive,
                                   std::vector<CanvasCall>* log = nullptr);

}  // namespace sp
