// The worked example: 80 x 40 mm at 600 dpi, angles 135/45, pivot 40/5 mm,
// radius 25 mm, central radius 3, segment length 3, width 1, arc width 2,
// 10 segments, a master every 5, all options off.
#pragma once

#include "FormFields.h"
#include "ScaleParameters.h"

inline sp::FormFields WorkedFields() {
    sp::FormFields f;
    f.medtWidth = "80";
    f.medtHeight = "40";
    f.edtLAngle = "135";
    f.edtRAngle = "45";
    f.medtX = "40";
    f.medtY = "5";
    f.medtRadius = "25";
    f.medtCentralRadius = "3";
    f.medtSegmentLength = "3";
    f.medtSegmentWidth = "1";
    f.medtArchLine = "2";
    f.medtNumSegments = "10";
    f.medtMasterSegment = "5";
    f.medtFrameLine = "1";
    return f;
}

inline sp::ScaleParameters Fresh(int dpi = 600) {
    sp::ScaleParameters p;
    p.Dpi = dpi;
    return p;
}
