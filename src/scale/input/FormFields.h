// The plain value the window hands to the core: the texts of its input fields
// and the states of its check boxes, one member per setting, named after
// what it means (FieldTable names the control and the settings key of each).
// Masked fields give their content less trailing blanks; the angle fields
// their text as typed. scaleplate-render fills the same value from a
// settings file.
#pragma once

#include <string>

namespace sp {

struct FormFields {
    std::string width, height;              // plate, mm
    std::string leftAngle, rightAngle;      // degrees, free text
    std::string centerX, centerY;           // pivot, mm
    std::string segments;                   // intervals between uniform segments
    std::string segmentLength;              // mm
    std::string radius, centralRadius;      // mm
    std::string frameWidth, arcWidth;       // pen widths, pixels
    std::string segmentWidth;               // pen width, pixels
    std::string masterEvery;                // every n-th segment is a master
    bool doubledArc = false;                // a second, thinner arc outside the first
    bool halfSmall = false;                 // every other segment half as long
    bool frame = false, mirror = false;     // a frame round the plate; printed from the back
    // The texts of the scale; both values empty, the unit empty and no label
    // in the definition draw no text at all.
    std::string valueLeft, valueRight;      // the numbers at LeftAngle and RightAngle
    std::string unit;                       // free text above the pivot
    std::string textHeight;                 // cap height of the numbers, mm, decimal
    std::string font;                       // font family, looked up by name
    std::string numberGap;                  // mm from a tick's end to its number; empty: height / 4
    bool numbersInside = false;             // numbers inside the arc
    bool radialNumbers = false;             // numbers turned along the radius
    bool decimalPoint = false;              // "2.5" instead of "2,5"

    friend bool operator==(const FormFields&, const FormFields&) = default;
};

}  // namespace sp
