// The ticks of the uniform scale: where each of the SegmentCount intervals
// ends and which ticks are masters. The segments and the numbers both walk
// this one list, so a number always sits on the line of its tick.
#pragma once

#include <cstdint>
#include <vector>

#include "scale/input/ScaleParameters.h"

namespace sp {

struct UniformTick {
    std::int32_t index = 0;  // i of 0..SegmentCount, 0 at RightAngle
    double angle = 0;        // degrees, counter-clockwise from the right
    bool master = false;     // the two ends and every MasterEvery-th tick
};

// The ticks for `p` as the drawing uses it (after the half-small doubling).
// Throws EIntOverflow when the angle range does not fit 32 bits, ERangeError
// for more than 255 intervals or fewer than 1, EDivByZero for a MasterEvery
// of 0: in this order, before any tick is drawn.
std::vector<UniformTick> UniformTicks(const ScaleParameters& p);

// The same for `count` intervals between any two angles, a master every
// `masterEvery` ticks (plates, whose angles may have decimals). The step is
// stored as a 64-bit float, as the uniform segments have always been drawn.
// Throws ERangeError, then EDivByZero, as above.
std::vector<UniformTick> UniformTicks(std::int32_t count, std::int32_t masterEvery, long double rightAngle,
                                      long double leftAngle);

}  // namespace sp
