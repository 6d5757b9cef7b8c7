// The worked example: 80 x 40 mm at 600 dpi, angles 135/45, pivot 40/5 mm,
// radius 25 mm, central radius 3, segment length 3, width 1, arc width 2,
// 10 segments, a master every 5, all options off.
#pragma once

#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"
#include "scale/settings/Settings.h"

// The first-run values but for the pivot height and the radius.
inline sp::FormFields WorkedFields() {
    sp::FormFields f = sp::FirstRunFields();
    f.centerY = "5";
    f.radius = "25";
    return f;
}

inline sp::ScaleParameters Fresh(int dpi = 600) {
    sp::ScaleParameters p;
    p.Dpi = dpi;
    return p;
}
