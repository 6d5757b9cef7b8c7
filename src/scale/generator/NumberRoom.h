// The room a scale's numbers take: each number's box where the drawing will
// put it (beside its numbered tick, upright or turned, inside or outside the
// arc), its width measured in the font at the drawn height, all in
// millimetres around the pivot. The tick chooser asks it before numbering.
#pragma once

#include <map>
#include <string>

#include "scale/drawing/TextBoxes.h"
#include "scale/generator/MeterLaw.h"
#include "scale/generator/TickChooser.h"
#include "text/TextLayout.h"

namespace sp {

class NumberRoom {
public:
    NumberRoom(const MeterLaw& law, const TickRoom& room);

    // The text printed for `value` when the user gave none.
    std::string Label(long double value) const;
    // The box of `label` at the numbered tick of `value`.
    Box BoxOf(long double value, const std::string& label) const;
    // Whether two numbers keep half the text height apart.
    bool Fit(long double a, const std::string& la, long double b, const std::string& lb) const;

private:
    double Width(const std::string& label) const;

    const MeterLaw& law_;
    const TickRoom& room_;
    TextFont font_;
    mutable std::map<std::string, double> widths_;
};

}  // namespace sp
