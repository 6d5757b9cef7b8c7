#include "scale/drawing/UniformTicks.h"

#include "base/Errors.h"
#include "base/Procs.h"

namespace sp {

std::vector<UniformTick> UniformTicks(const ScaleParameters& p) {
    const std::int32_t n = p.SegmentCount;
    const double angleStep = static_cast<double>(static_cast<long double>(CheckedSub(p.LeftAngle, p.RightAngle)) / n);
    if (n > 255 || n < 1) throw ERangeError();
    std::vector<UniformTick> ticks;
    ticks.reserve(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 0; i <= n; ++i) {
        const std::int32_t rem = CheckedMod(i, p.MasterEvery);  // every i, ends included
        const double angle = static_cast<double>(i * static_cast<long double>(angleStep) + p.RightAngle);
        ticks.push_back({i, angle, i == 0 || i == n || rem == 0});
    }
    return ticks;
}

}  // namespace sp
