#include "scale/sheet/PlacedSurface.h"

#include <cmath>

#include "base/Procs.h"

namespace sp {

namespace {

std::int32_t Scaled(double factor, std::int64_t v) {
    return RangeCheck32(std::llrintl(static_cast<long double>(factor) * static_cast<long double>(v)));
}

}  // namespace

TPoint PlacedSurface::Map(TPoint p) const {
    const std::int64_t x = at_.mirrorWidth > 0 ? std::int64_t{at_.mirrorWidth} - 1 - p.x : p.x;
    return {Scaled(at_.scaleX, x + at_.x), Scaled(at_.scaleY, std::int64_t{p.y} + at_.y)};
}

// Paths lie on pixel edges (pixel c spans c to c + 1), so the mirror takes
// X to Width - X there.
TextOutline PlacedSurface::Map(const TextOutline& path) const {
    TextOutline out = path;
    for (OutlineOp& op : out.ops)
        for (OutlinePoint& p : op.p) {
            const double x = at_.mirrorWidth > 0 ? at_.mirrorWidth - p.x : p.x;
            p = {at_.scaleX * (x + at_.x), at_.scaleY * (p.y + at_.y)};
        }
    return out;
}

void PlacedSurface::Ellipse(const TRect& b) {
    // The box's right and bottom are one past its last pixel: mirrored, the
    // columns Left..Right-1 become W-Right..W-1-Left.
    TPoint a{b.Left, b.Top}, c{b.Right - 1, b.Bottom - 1};
    if (at_.mirrorWidth > 0) std::swap(a.x, c.x);
    a = Map(a), c = Map(c);
    page_.Ellipse({a.x, a.y, c.x + 1, c.y + 1});
}

}  // namespace sp
