// Monotone cubic interpolation (Fritsch-Carlson): through points that rise
// or fall it never overshoots, so ticks placed by it never come out of order.
#pragma once

#include <vector>

namespace sp {

class Pchip {
public:
    // xs strictly increasing, at least two points, ys the same count.
    Pchip(std::vector<long double> xs, std::vector<long double> ys);

    // The curve at x, which must lie in [xs.front(), xs.back()].
    long double operator()(long double x) const;

private:
    std::vector<long double> x_, y_, d_;  // points and slopes there
};

}  // namespace sp
