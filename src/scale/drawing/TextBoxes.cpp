#include "scale/drawing/TextBoxes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sp {

namespace {

constexpr double Pi = 3.14159265358979323846;

// The projection of a box on the direction (dx, dy): its smallest and largest value.
std::pair<double, double> Project(const Box& b, double dx, double dy) {
    double lo = std::numeric_limits<double>::max(), hi = std::numeric_limits<double>::lowest();
    for (const OutlinePoint& q : b.p) {
        const double v = q.x * dx + q.y * dy;
        lo = std::min(lo, v), hi = std::max(hi, v);
    }
    return {lo, hi};
}

// The distance from point q to the segment from p0 to p1.
double ToSegment(OutlinePoint q, OutlinePoint p0, OutlinePoint p1) {
    const double ex = p1.x - p0.x, ey = p1.y - p0.y, len2 = ex * ex + ey * ey;
    const double t = len2 > 0 ? std::clamp(((q.x - p0.x) * ex + (q.y - p0.y) * ey) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(q.x - p0.x - t * ex, q.y - p0.y - t * ey);
}

// How far the boxes overlap (0 or below) along the axis that parts them
// most: an edge direction of either box.
double AxisSeparation(const Box& a, const Box& b) {
    double best = std::numeric_limits<double>::lowest();
    for (const Box* box : {&a, &b})
        for (int k = 0; k < 4; ++k) {
            const OutlinePoint& p = box->p[k];
            const OutlinePoint& q = box->p[(k + 1) % 4];
            const double ex = q.x - p.x, ey = q.y - p.y, len = std::hypot(ex, ey);
            if (len == 0) continue;
            const double dx = -ey / len, dy = ex / len;
            const auto [alo, ahi] = Project(a, dx, dy);
            const auto [blo, bhi] = Project(b, dx, dy);
            best = std::max(best, std::max(blo - ahi, alo - bhi));
        }
    return best;
}

}  // namespace

Box BoxOfText(const TextPlacementBox& placement, double width) {
    // Turned counter-clockwise as the picture is seen, with y pointing down.
    const double t = placement.rotation * Pi / 180.0, c = std::cos(t), s = std::sin(t);
    const double hw = width / 2, hh = placement.capHeight / 2;
    Box b;
    const double corners[4][2] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
    for (int k = 0; k < 4; ++k) {
        const double x = corners[k][0], y = corners[k][1];
        b.p[k] = {placement.x + x * c + y * s, placement.y - x * s + y * c};
    }
    return b;
}

Box BoxOfStroke(OutlinePoint a, OutlinePoint b, double penWidth) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    const double half = std::max(penWidth, 1.0) / 2;
    // A stroke of no length is a square of the pen's width.
    const double ux = len > 0 ? dx / len : 1, uy = len > 0 ? dy / len : 0;
    const double nx = -uy * half, ny = ux * half;
    return {{{{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}}};
}

double Separation(const Box& a, const Box& b) {
    const double axis = AxisSeparation(a, b);
    if (axis <= 0) return axis;
    // Apart: the nearest two points are a corner of one box and an edge of
    // the other.
    double d = std::numeric_limits<double>::max();
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 4; ++j) {
            d = std::min(d, ToSegment(a.p[k], b.p[j], b.p[(j + 1) % 4]));
            d = std::min(d, ToSegment(b.p[k], a.p[j], a.p[(j + 1) % 4]));
        }
    return d;
}

double Overhang(const Box& box, double left, double top, double right, double bottom) {
    double out = std::numeric_limits<double>::lowest();
    for (const OutlinePoint& q : box.p)
        out = std::max({out, left - q.x, q.x - right, top - q.y, q.y - bottom});
    return out;
}

}  // namespace sp
