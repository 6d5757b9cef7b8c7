// The ticks of one scale of a plate, from its law: evenly spaced (uniform),
// chosen by the scale generator for a meter's law, given by hand, or read
// from a definition file. The drawing and the reader's checks both take
// them from here, so a plate that reads without a fault draws without one.
#pragma once

#include <string>
#include <vector>

#include "scale/plate/Plate.h"

namespace sp {

struct ScaleTickAt {
    double angle = 0;  // degrees, exactly as the tick is drawn
    char kind = 'N';   // 'M', 'N' or 'S'
    std::string label;  // the number printed beside it; empty: none
    friend bool operator==(const ScaleTickAt&, const ScaleTickAt&) = default;
};

// The ticks of `scale`. A definition file is found relative to `folder`.
// Throws EScaleInput with the generator's sentence for values the law
// refuses, EFOpenError for a definition that cannot be read, EConvertError
// for a definition line that is no angle.
std::vector<ScaleTickAt> ScaleTicksOf(const PlateScale& scale, const std::string& folder);

// The ticks of definition lines by the window's rules: a letter other than
// M, N and S keeps the kind before it; lines before the first kind (which
// the window draws as ticks of length 0) are left out.
std::vector<ScaleTickAt> DefinitionTicksOf(const std::vector<std::string>& lines);

// The angle of a scale value (zones): the value itself for the uniform and
// ticks laws, else the law's angle. Throws EScaleInput for a value the law
// refuses.
double ScaleValueAngle(const PlateScale& scale, double value);

// The path of a definition file named in a plate file of `folder`.
std::string DefinitionPath(const PlateScale& scale, const std::string& folder);

}  // namespace sp
