#include "scale/drawing/UniformTicks.h"

#include "base/Errors.h"
#include "base/Procs.h"

namespace sp {

std::vector<UniformTick> UniformTicks(std::int32_t n, std::int32_t masterEvery, long double rightAngle,
                                      long double leftAngle) {
    if (n > 255 || n < 1) throw ERangeError();
    const double angleStep = static_cast<double>((leftAngle - rightAngle) / n);
    std::vector<UniformTick> ticks;
    ticks.reserve(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 0; i <= n; ++i) {
        const std::int32_t rem = CheckedMod(i, masterEvery);  // every i, ends included
        const double angle = static_cast<double>(i * static_cast<long double>(angleStep) + rightAngle);
        ticks.push_back({i, angle, i == 0 || i == n || rem == 0});
    }
    return ticks;
}

std::vector<UniformTick> UniformTicks(const ScaleParameters& p) {
    CheckedSub(p.LeftAngle, p.RightAngle);  // overflows before the count is checked, as it always did
    return UniformTicks(p.SegmentCount, p.MasterEvery, p.RightAngle, p.LeftAngle);
}

}  // namespace sp
