// Which values of a scale get a tick, and which kind: numbered major ticks
// (M), medium (N) and minor (S) on steps of 1, 2 and 5 times a power of ten.
// The ends are always exactly the user's values and always numbered; on
// scales whose ticks crowd at one end the steps change along the scale so
// that ticks keep a minimum distance on the arc and numbers, measured in the
// font at the size and place they are drawn, keep half their height apart.
// Logarithmic and ohmmeter scales are numbered decade by decade on 1, 2 and
// 5 (an ohmmeter's centre value always), decibel scales on the customary
// VU values; ticks fill the whole arc, up to an infinite end.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scale/generator/MeterLaw.h"
#include "text/DefaultFont.h"

namespace sp {

constexpr std::size_t kMaxTicks = 2000;

enum class TickKind : char { Major = 'M', Medium = 'N', Minor = 'S' };

struct Tick {
    long double value = 0;
    TickKind kind = TickKind::Minor;
    bool numbered = false;
    std::string label;  // the number printed at a numbered tick
};

// What the user set; 0 or an empty list: chosen by the program.
struct TickSteps {
    long double major = 0, medium = 0, minor = 0;
    std::vector<long double> numbered;  // the numbered values, instead of a major step
    // The text printed for each numbered value (same order); an empty text:
    // the value written as the scale writes numbers.
    std::vector<std::string> numberedText;
};

// The room on the picture and the numbers as they will be drawn there.
struct TickRoom {
    long double radiusMm = 30;
    long double minorGapMm = 0.8;    // least arc distance between neighbouring ticks
    long double textHeightMm = 3.5;  // cap height of the numbers
    long double tickLengthMm = 6;    // a numbered tick: twice the segment length
    long double numberGapMm = -1;    // from a tick's end to its number; below 0: a quarter of the height
    std::string font = DefaultFontFamily;
    bool inside = false, radial = false;          // numbers inside the arc, turned along the radius
    bool decimalPoint = false, plusSign = false;  // how the numbers are written
    bool prefixes = false;                        // 1k, 2k, 1M (ohmmeters)
};

// The ticks from the lower to the higher end value, numbered ones with their
// label. A plain function of its inputs: the window's generator, the
// command line and the plate's scales call it alike. Throws EScaleInput for
// a step of 0 or less, a numbered value outside the scale, or more than
// kMaxTicks ticks.
std::vector<Tick> ChooseTicks(const MeterLaw& law, const TickSteps& steps, const TickRoom& room);

}  // namespace sp
