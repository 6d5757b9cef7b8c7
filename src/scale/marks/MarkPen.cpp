#include "scale/marks/MarkPen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sp {

namespace {

constexpr double Pi = 3.14159265358979323846;
// The farthest a chord may stray from its arc, millimetres: a twentieth of
// a pixel at 600 dpi, so no printer sees the corners.
constexpr double ArcTolerance = 0.002;
// Glyphs are laid out this many units high and scaled down afterwards, so
// no rounding inside the font engine shows at the size of a mark.
constexpr double LayoutCap = 1000;

struct Box {
    double left = std::numeric_limits<double>::infinity(), bottom = left, right = -left, top = -left;
};

// The box of the outline's points; the control points of a curve bound it.
Box BoxOf(const TextOutline& outline) {
    Box b;
    for (const OutlineOp& op : outline.ops) {
        const int n = op.kind == OutlineOp::Kind::CurveTo ? 3 : op.kind == OutlineOp::Kind::Close ? 0 : 1;
        for (int k = 0; k < n; ++k) {
            b.left = std::min(b.left, op.p[k].x), b.right = std::max(b.right, op.p[k].x);
            b.bottom = std::min(b.bottom, op.p[k].y), b.top = std::max(b.top, op.p[k].y);
        }
    }
    return b;
}

}  // namespace

void MarkPen::Line(const std::vector<MarkPoint>& points, MarkCap cap) {
    MarkStroke s{{}, MarkStrokeWidth(size_), false, cap};
    for (const MarkPoint& p : points) s.points.push_back(Mm(p));
    geometry_.strokes.push_back(std::move(s));
}

void MarkPen::Closed(const std::vector<MarkPoint>& points) {
    Line(points);
    geometry_.strokes.back().closed = true;
}

void MarkPen::Circle(MarkPoint centre, double radius) {
    std::vector<MarkPoint> points = Arc(centre, radius, 0, 360);
    points.pop_back();  // the same point as the first
    Closed(points);
}

void MarkPen::Fill(const std::vector<MarkPoint>& contour) {
    TextOutline o;
    for (const MarkPoint& p : contour) {
        OutlineOp op;
        op.kind = o.ops.empty() ? OutlineOp::Kind::MoveTo : OutlineOp::Kind::LineTo;
        op.p[0] = {Mm(p).x, Mm(p).y};
        o.ops.push_back(op);
    }
    o.ops.push_back({OutlineOp::Kind::Close, {}});
    geometry_.fills.push_back(std::move(o));
}

void MarkPen::FillCircle(MarkPoint centre, double radius) { Fill(Arc(centre, radius, 0, 360)); }

double MarkPen::Text(const std::string& utf8, MarkPoint centre, double capHeight, double maxWidth) {
    TextOutline o = font_.Layout(utf8, {0, 0, LayoutCap, 0});
    const Box b = BoxOf(o);
    if (!(b.left <= b.right)) return 0;
    // Scale into the square's units; y of the layout grows downwards.
    double k = capHeight / LayoutCap;
    k = std::min(k, maxWidth / (b.right - b.left));
    const double cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    for (OutlineOp& op : o.ops)
        for (OutlinePoint& p : op.p) {
            const MarkPoint mm = Mm({centre.x + (p.x - cx) * k, centre.y - (p.y - cy) * k});
            p = {mm.x, mm.y};
        }
    geometry_.fills.push_back(std::move(o));
    return (b.right - b.left) * k;
}

std::vector<MarkPoint> MarkPen::Arc(MarkPoint centre, double radius, double from, double to) const {
    const double r = radius * size_;
    const double step = 2 * std::acos(std::max(0.0, 1 - ArcTolerance / r));
    const double sweep = (to - from) * Pi / 180;
    const int n = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / step)));
    std::vector<MarkPoint> points;
    for (int i = 0; i <= n; ++i) {
        const double a = from * Pi / 180 + sweep * i / n;
        points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    return points;
}

MarkGeometry MarkPen::Take(double width) {
    MarkGeometry g = std::move(geometry_);
    geometry_ = {};
    g.width = width * size_;
    g.height = size_;
    return g;
}

}  // namespace sp
