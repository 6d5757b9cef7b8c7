#include "scale/generator/Pchip.h"

#include <algorithm>
#include <cmath>

namespace sp {

namespace {

bool SameSign(long double a, long double b) { return (a > 0 && b > 0) || (a < 0 && b < 0); }

// Slope at an end: the three-point formula, held to the shape of the data.
long double EndSlope(long double h0, long double h1, long double m0, long double m1) {
    const long double d = ((2 * h0 + h1) * m0 - h0 * m1) / (h0 + h1);
    if (!SameSign(d, m0)) return 0;
    if (!SameSign(m0, m1) && std::fabs(d) > std::fabs(3 * m0)) return 3 * m0;
    return d;
}

}  // namespace

Pchip::Pchip(std::vector<long double> xs, std::vector<long double> ys)
    : x_(std::move(xs)), y_(std::move(ys)), d_(x_.size(), 0) {
    const std::size_t n = x_.size();
    std::vector<long double> h(n - 1), m(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        h[k] = x_[k + 1] - x_[k];
        m[k] = (y_[k + 1] - y_[k]) / h[k];
    }
    if (n == 2) {
        d_[0] = d_[1] = m[0];
        return;
    }
    // Inner points: the weighted harmonic mean of the neighbouring secants,
    // 0 where the data turns or is flat.
    for (std::size_t k = 1; k + 1 < n; ++k) {
        if (!SameSign(m[k - 1], m[k])) continue;
        const long double w1 = 2 * h[k] + h[k - 1], w2 = h[k] + 2 * h[k - 1];
        d_[k] = (w1 + w2) / (w1 / m[k - 1] + w2 / m[k]);
    }
    d_[0] = EndSlope(h[0], h[1], m[0], m[1]);
    d_[n - 1] = EndSlope(h[n - 2], h[n - 3], m[n - 2], m[n - 3]);
}

long double Pchip::operator()(long double x) const {
    const auto it = std::upper_bound(x_.begin(), x_.end(), x);
    std::size_t k = it == x_.begin() ? 0 : static_cast<std::size_t>(it - x_.begin()) - 1;
    if (k + 1 >= x_.size()) k = x_.size() - 2;
    const long double h = x_[k + 1] - x_[k], t = (x - x_[k]) / h;
    const long double t2 = t * t, t3 = t2 * t;
    // Written from y_[k] so that a flat piece gives exactly its value.
    return y_[k] + (y_[k + 1] - y_[k]) * (3 * t2 - 2 * t3) + h * (d_[k] * (t3 - 2 * t2 + t) + d_[k + 1] * (t3 - t2));
}

}  // namespace sp
