// The midpoint walk that gives the insets of the filled ellipse region of a
// W x H box: row i covers columns inset .. W - inset - 1 (empty when the
// inset passes half the width). The walk starts on the middle row and goes
// down; rows above the middle mirror the rows below. Only the rows asked for
// are kept, runs of steps in one direction are skipped by the closed form of
// the walk's error terms, and rows far below the middle are reached without
// walking the curve above them (StartNear), so a pen or a box far larger
// than the picture costs memory and time by the picture's rows, not by the
// curve's length.
#include "raster/EllipseRows.h"

#include <algorithm>

namespace sp {

namespace {

__extension__ typedef __int128 i128;

// The last k in [from, to] for which holds(k), given holds(from) and that it
// holds on a prefix: galloping, so probes stay near the walk.
template <class Pred>
std::int64_t LastHolding(std::int64_t from, std::int64_t to, const Pred& holds) {
    std::int64_t lo = from, step = 1;
    while (lo < to) {
        const std::int64_t k = std::min(to, lo + step);
        if (!holds(k)) {
            to = k - 1;
            break;
        }
        lo = k;
        step *= 2;
    }
    while (lo < to) {
        const std::int64_t k = lo + (to - lo + 1) / 2;
        if (holds(k)) lo = k; else to = k - 1;
    }
    return lo;
}

}  // namespace

// The walk's terms at any position: x steps across, j rows below the middle.
// They depend on the position only, not on the way the walk came there.
struct EllipseRows::Walker {
    Walker(std::int64_t W, std::int64_t H)
        : a(W - 1), b(H - 1), dx0(4 * b * b * (1 - a)), dy0(4 * a * a * (1 + b % 2)), err0(dx0 + dy0 + a * a * (b % 2)),
          m((W - 4) / 2) {}
    i128 Dx(i128 i) const { return dx0 + 8 * b * b * i; }
    i128 Dy(i128 j) const { return dy0 + 8 * a * a * j; }
    // The terms may pass the 128-bit range for boxes of billions where the
    // sum does not; unsigned arithmetic wraps, so a sum that fits is exact.
    i128 Err(i128 i, i128 j) const {
        using u128 = unsigned __int128;
        const u128 ui = static_cast<u128>(i), uj = static_cast<u128>(j), ua = static_cast<u128>(a), ub = static_cast<u128>(b);
        return static_cast<i128>(static_cast<u128>(err0) + ui * static_cast<u128>(dx0) + 4 * ub * ub * ui * (ui + 1) +
                                 uj * static_cast<u128>(dy0) + 4 * ua * ua * uj * (uj + 1));
    }
    // One run of the walk from (x, j): steps across only, steps down only
    // (to row stop + 1 at most), or one step. Rows entered take the new x.
    void Run(std::int64_t& x, std::int64_t& j, std::int64_t stop) const {
        const i128 err = Err(x, j), dx = Dx(x), dy = Dy(j);
        if (x < m && 2 * err > dy) {  // up to column m the error falls with every step across
            x = LastHolding(x, m, [&](std::int64_t k) { return 2 * Err(k, j) > dy; }) + 1;
        } else if (dx < 0 && 2 * err < dx) {
            j = LastHolding(j, std::max(j, stop), [&](std::int64_t k) { return 2 * Err(x, k) < dx; }) + 1;
        } else {
            if (2 * err >= dx) ++x;
            if (2 * err <= dy) ++j;
        }
    }
    // The first column from which the walk steps down on row j: from there
    // on 2 err <= dy, as the error falls with every step across.
    std::int64_t Beta(std::int64_t j) const {
        std::int64_t lo = 0, hi = m + 1;
        while (lo < hi) {
            const std::int64_t k = lo + (hi - lo) / 2;
            if (2 * Err(k, j) <= Dy(j)) hi = k; else lo = k + 1;
        }
        return lo;
    }
    // Walks from (x, j) until it enters row r; false when it would first
    // reach the last columns, where the shortcut's reasoning stops holding.
    bool Advance(std::int64_t& x, std::int64_t& j, std::int64_t r) const {
        while (j < r) {
            if (x >= m - 1) return false;
            Run(x, j, r - 1);
        }
        return true;
    }

    i128 a, b, dx0, dy0, err0;
    std::int64_t m;
};

EllipseRows::EllipseRows(std::int64_t W, std::int64_t H, std::int64_t first, std::int64_t last) : w_(W), h_(H) {
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, H - 1);
    if (W < 2 || H < 2 || first > last) return;  // the plain rectangle, or nothing asked
    // Rows asked for, folded into the lower half: one range from near the middle.
    const std::int64_t mid = H / 2, b = H - 1;
    lo_ = H;
    std::int64_t hi = -1;
    if (last >= mid) {
        lo_ = std::max(first, mid);
        hi = last;
    }
    if (first < mid) {
        lo_ = std::min(lo_, b - std::min(last, mid - 1));
        hi = std::max(hi, b - first);
    }
    lower_.assign(static_cast<std::size_t>(hi - lo_ + 1), W);  // rows the walk never reaches are empty
    std::int64_t x = 0, j = 0;
    if (!StartNear(x, j)) Keep(mid, 0);
    Walk(x, j, hi);
}

void EllipseRows::Keep(std::int64_t row, std::int64_t x) {
    if (row >= lo_ && row < lo_ + static_cast<std::int64_t>(lower_.size())) lower_[static_cast<std::size_t>(row - lo_)] = x;
}

// A point of the walk on a row at or above the first row asked for, found
// without walking from the middle. Two walks are started that cannot cross
// the true one: one from the middle row in a column left of it (it stays
// above and right of the true walk), one from the row `margin` rows above in
// column 0 (it stays below and left). Where the two enter a row at the same
// column, the true walk enters it there too. They meet within a few steps
// wherever the curve is steep or flat; when they do not meet in time, a
// larger margin is tried, and in the end the walk from the middle.
bool EllipseRows::StartNear(std::int64_t& x, std::int64_t& j) const {
    const Walker w(w_, h_);
    const std::int64_t target = lo_ - h_ / 2;
    for (std::int64_t margin = 16; target - margin > 0 && target > 64; margin *= 4) {
        const std::int64_t j0 = target - margin;
        std::int64_t ux = std::max<std::int64_t>(0, std::min(w.Beta(j0 - 1), w.m) - margin), uj = 0;
        std::int64_t lx = 0, lj = j0;
        for (std::int64_t r = j0 + 1; r <= target; ++r) {
            if (!w.Advance(ux, uj, r) || !w.Advance(lx, lj, r)) return false;
            if (ux == lx) {
                x = ux;
                j = r;
                return true;
            }
        }
    }
    return false;
}

// The walk from (x, j), the point where it entered row mid + j, keeping the
// insets of the rows up to hi.
void EllipseRows::Walk(std::int64_t x, std::int64_t j, std::int64_t hi) {
    const Walker w(w_, h_);
    const std::int64_t mid = h_ / 2;
    if (j > 0) Keep(mid + j, x);
    while (x <= w_ / 2 && mid + j <= hi) {
        const std::int64_t from = j;
        w.Run(x, j, hi - mid);
        // Every row entered in the run starts at the run's last column.
        for (std::int64_t r = std::max(mid + from + 1, lo_); r <= mid + j && r <= hi && r < h_; ++r) Keep(r, x);
    }
}

std::int64_t EllipseRows::Inset(std::int64_t i) const {
    if (lower_.empty()) return 0;
    const std::int64_t r = i < h_ / 2 ? h_ - 1 - i : i;
    return lower_[static_cast<std::size_t>(r - lo_)];
}

}  // namespace sp
