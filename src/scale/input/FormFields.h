// The plain value the window hands to the core: the texts of its input fields
// and the states of its check boxes, named after the controls that hold them.
// Masked fields give their content less trailing blanks; the angle fields
// their text as typed. scaleplate-render fills the same value from a
// settings file.
#pragma once

#include <string>

namespace sp {

struct FormFields {
    std::string medtWidth, medtHeight;            // plate, mm
    std::string edtLAngle, edtRAngle;             // degrees, free text
    std::string medtX, medtY;                     // pivot, mm
    std::string medtNumSegments;                  // intervals between uniform segments
    std::string medtSegmentLength;                // mm
    std::string medtRadius, medtCentralRadius;    // mm
    std::string medtFrameLine, medtArchLine;      // pen widths, pixels
    std::string medtSegmentWidth;                 // pen width, pixels
    std::string medtMasterSegment;                // every n-th segment is a master
    bool cboxDual = false, cboxHalfSmall = false, cboxFrame = false, cboxMirror = false;
    // The texts of the scale; both values empty, the unit empty and no label
    // in the definition draw no text at all.
    std::string edtValueLeft, edtValueRight;  // the numbers at LeftAngle and RightAngle
    std::string edtUnit;                      // free text above the pivot
    std::string edtTextHeight;                // cap height of the numbers, mm, decimal
    std::string edtFont;                      // font family, looked up by name
    std::string edtNumberGap;                 // mm from a tick's end to its number; empty: a quarter of the height
    bool cboxInside = false;                  // numbers inside the arc
    bool cboxRadial = false;                  // numbers turned along the radius
    bool cboxDecimalPoint = false;            // "2.5" instead of "2,5"

    friend bool operator==(const FormFields&, const FormFields&) = default;
};

}  // namespace sp
