// Strokes as outlines: a surface that fills paths pixel by pixel draws a
// mark's thin lines exactly where a pen would, without a pen of whole
// pixels rounding the width or the points.
#include <algorithm>
#include <cmath>

#include "scale/marks/MarkGeometry.h"

namespace sp {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Tolerance = 0.002;  // mm, as the arcs of the marks

// Bands and discs are both laid counter-clockwise (y up), so overlapping
// pieces add up under the non-zero rule instead of cancelling.
void Contour(TextOutline& out, const std::vector<MarkPoint>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        OutlineOp op;
        op.kind = i == 0 ? OutlineOp::Kind::MoveTo : OutlineOp::Kind::LineTo;
        op.p[0] = {points[i].x, points[i].y};
        out.ops.push_back(op);
    }
    out.ops.push_back({OutlineOp::Kind::Close, {}});
}

void Disc(TextOutline& out, MarkPoint c, double r) {
    const int n = std::max(8, static_cast<int>(std::ceil(Pi / std::acos(std::max(0.0, 1 - Tolerance / r)))));
    std::vector<MarkPoint> points;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * Pi * i / n;
        points.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
    }
    Contour(out, points);
}

void Band(TextOutline& out, MarkPoint a, MarkPoint b, double h) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (!(len > 0)) return;
    const double nx = -(b.y - a.y) / len * h, ny = (b.x - a.x) / len * h;  // to the left of a -> b
    Contour(out, {{a.x + nx, a.y + ny}, {a.x - nx, a.y - ny}, {b.x - nx, b.y - ny}, {b.x + nx, b.y + ny}});
}

void StrokeOutline(TextOutline& out, const MarkStroke& s) {
    const std::size_t n = s.points.size();
    const double h = s.width / 2;
    if (n == 0 || !(h > 0)) return;
    const std::size_t segments = s.closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) Band(out, s.points[i], s.points[(i + 1) % n], h);
    for (std::size_t i = 0; i < n; ++i) {
        const bool end = !s.closed && (i == 0 || i == n - 1);
        if (!end || s.cap == MarkCap::Round) Disc(out, s.points[i], h);
    }
}

}  // namespace

std::vector<TextOutline> MarkOutlines(const MarkGeometry& mark) {
    std::vector<TextOutline> outlines(1);
    for (const MarkStroke& s : mark.strokes) StrokeOutline(outlines[0], s);
    if (outlines[0].empty()) outlines.clear();
    outlines.insert(outlines.end(), mark.fills.begin(), mark.fills.end());
    return outlines;
}

}  // namespace sp
