// Which values of a scale get a tick, and which kind: numbered major ticks
// (M), medium (N) and minor (S) on steps of 1, 2 and 5 times a power of ten.
// The ends are always exactly the user's values; on scales whose ticks crowd
// at one end the steps change along the scale so that ticks keep a minimum
// distance on the arc and numbers do not run into each other.
#pragma once

#include <cstddef>
#include <vector>

#include "scale/generator/MeterLaw.h"

namespace sp {

constexpr std::size_t kMaxTicks = 2000;

enum class TickKind : char { Major = 'M', Medium = 'N', Minor = 'S' };

struct Tick {
    long double value = 0;
    TickKind kind = TickKind::Minor;
    bool numbered = false;
};

// What the user set; 0 or an empty list: chosen by the program.
struct TickSteps {
    long double major = 0, medium = 0, minor = 0;
    std::vector<long double> numbered;  // the numbered values, instead of a major step
};

// The room on the picture.
struct TickRoom {
    long double radiusMm = 30;
    long double minorGapMm = 0.8;    // least arc distance between neighbouring ticks
    long double textHeightMm = 3.5;  // height of the numbers
    bool decimalPoint = false, plusSign = false;  // how the numbers are written
};

// The ticks from the lower to the higher end value. Throws EScaleInput for a
// step of 0 or less, a numbered value outside the scale, or more than
// kMaxTicks ticks.
std::vector<Tick> ChooseTicks(const MeterLaw& law, const TickSteps& steps, const TickRoom& room);

}  // namespace sp
