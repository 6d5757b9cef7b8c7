// The values of the picture command in whole pixels, degrees and counts, and
// the stage that reads and tests them from the window's fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scale/input/FormFields.h"

namespace sp {

// Owned by the main window for the whole run; every field starts at 0 and
// carries over from one command to the next (a field whose text is no whole
// number keeps the previous command's value).
struct ScaleParameters {
    std::int32_t Dpi = 0;            // dots per inch, from the settings file
    double PixelsPerMm = 0;          // Dpi / 25.4, recomputed by every command
    std::int32_t Height = 0;         // picture height, pixels
    std::int32_t Width = 0;          // picture width, pixels
    std::int32_t LeftAngle = 0;      // degrees counter-clockwise from the right
    std::int32_t RightAngle = 0;     // degrees; the arc runs from Right to Left
    std::int32_t CenterX = 0;        // pivot, pixels from the left edge
    std::int32_t CenterY = 0;        // pivot, pixels up from the bottom edge
    std::int32_t SegmentCount = 0;   // intervals between uniform segments
    std::int32_t SegmentLength = 0;  // pixels
    std::int32_t SegmentWidth = 0;   // pen width, pixels
    std::int32_t Radius = 0;         // arc radius, pixels
    std::int32_t CentralRadius = 0;  // radius of the filled central circle, pixels
    std::int32_t MasterEvery = 0;    // every n-th uniform segment is a master

    friend bool operator==(const ScaleParameters&, const ScaleParameters&) = default;
};

// Dpi / 25.4 divided in extended precision, stored as a 64-bit float.
double PixelsPerMmOf(std::int32_t dpi);

// Millimetres to whole pixels: mm x PixelsPerMm in extended precision,
// rounded halves to even. ERangeError when it does not fit 32 bits.
std::int32_t LengthToPixels(std::int32_t mm, double pixelsPerMm);

// The plate side in millimetres for `pixels` at `pixelsPerMm`: the whole
// number of millimetres that gives exactly those pixels, as the fields hold
// it, or the exact quotient when none does.
double PlateMm(std::int32_t pixels, double pixelsPerMm);

// The input messages, as the message box shows them.
namespace msg {
extern const char* const NeedHeight;
extern const char* const NeedWidth;
extern const char* const AnglesEqual;
extern const char* const LeftNotGreater;
extern const char* const LeftNotWhole;
extern const char* const RightNotWhole;
extern const char* const NeedX;
extern const char* const NeedY;
extern const char* const NeedSegments;
extern const char* const NeedSegmentLength;
extern const char* const NeedSegmentWidth;
extern const char* const NeedRadius;
extern const char* const NeedCentralRadius;
}  // namespace msg

// Reads and tests the fields in order into `p`. Gives nothing when every
// test passed, or the sentence of the first failing test. An angle field
// holding a decimal number ("135.5", "44,5") is refused as it stands; one
// that is otherwise no whole number is repaired in `fields` (FilterDigits)
// first, left before right.
// Throws EConvertError for an angle that is still no integer and
// ERangeError for a length beyond 32 bits.
//
// The central radius test refuses only a negative value: the field itself
// gives 0 or more, so this catches a value left negative by an earlier
// command's fix-up (a radius under 10 pixels) that would draw an inside-out
// circle.
std::optional<std::string> ReadScaleParameters(ScaleParameters& p, FormFields& fields);

}  // namespace sp
