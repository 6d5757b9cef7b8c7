#include "scale/drawing/Shapes.h"

#include <algorithm>
#include <cmath>

#include "base/Procs.h"

namespace sp {

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;
constexpr double StepDeg = 0.25;  // a chord's sag stays below 0.01 px up to 1000 px radius

// Points of an arc in picture coordinates, y downwards.
std::vector<OutlinePoint> ArcCurve(OutlinePoint c, double r, double fromDeg, double toDeg) {
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(toDeg - fromDeg) / StepDeg)));
    std::vector<OutlinePoint> out;
    out.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const long double t = (fromDeg + (toDeg - fromDeg) * i / steps) * Pi / 180;
        out.push_back({static_cast<double>(c.x + r * std::cos(t)), static_cast<double>(c.y - r * std::sin(t))});
    }
    return out;
}

void AddPolygon(TextOutline& path, const std::vector<OutlinePoint>& points) {
    if (points.empty()) return;
    path.ops.push_back({OutlineOp::Kind::MoveTo, {points[0]}});
    for (std::size_t i = 1; i < points.size(); ++i) path.ops.push_back({OutlineOp::Kind::LineTo, {points[i]}});
    path.ops.push_back({OutlineOp::Kind::Close, {}});
}

}  // namespace

std::int32_t PenPixels(long double mm, double pixelsPerMm) {
    return RangeCheck32(RoundHalfEven(mm * static_cast<long double>(pixelsPerMm)));
}

void StrokePolyline(DrawingSurface& c, const std::vector<TPoint>& points, std::int32_t penPx, TColor color) {
    if (points.empty()) return;
    c.SetPenColor(color);
    c.SetPenWidth(penPx);
    c.MoveTo(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i) c.LineTo(points[i]);
}

std::vector<TPoint> ArcPoints(OutlinePoint centre, double radius, double fromDeg, double toDeg) {
    std::vector<TPoint> out;
    for (const OutlinePoint& p : ArcCurve(centre, radius, fromDeg, toDeg)) {
        const TPoint q{RangeCheck32(RoundHalfEven(std::floor(p.x))), RangeCheck32(RoundHalfEven(std::floor(p.y)))};
        if (out.empty() || !(out.back() == q)) out.push_back(q);
    }
    return out;
}

TextOutline PolygonPath(const std::vector<OutlinePoint>& points) {
    TextOutline path;
    AddPolygon(path, points);
    return path;
}

TextOutline CirclePath(OutlinePoint centre, double radius) {
    return PolygonPath(ArcCurve(centre, radius, 0, 360));
}

TextOutline AnnulusSectorPath(OutlinePoint centre, double r0, double r1, double fromDeg, double toDeg) {
    std::vector<OutlinePoint> points = ArcCurve(centre, r1, fromDeg, toDeg);
    const std::vector<OutlinePoint> inner = ArcCurve(centre, r0, toDeg, fromDeg);
    points.insert(points.end(), inner.begin(), inner.end());
    return PolygonPath(points);
}

TextOutline RoundedRectPath(double left, double top, double right, double bottom, double radius) {
    radius = std::clamp(radius, 0.0, std::min(right - left, bottom - top) / 2);
    if (radius <= 0) return PolygonPath({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
    std::vector<OutlinePoint> points;
    const auto corner = [&](double cx, double cy, double from) {
        const std::vector<OutlinePoint> arc = ArcCurve({cx, cy}, radius, from, from + 90);
        points.insert(points.end(), arc.begin(), arc.end());
    };
    corner(right - radius, top + radius, 0);
    corner(left + radius, top + radius, 90);
    corner(left + radius, bottom - radius, 180);
    corner(right - radius, bottom - radius, 270);
    return PolygonPath(points);
}

void AppendPath(TextOutline& path, const TextOutline& more) {
    path.ops.insert(path.ops.end(), more.ops.begin(), more.ops.end());
}

}  // namespace sp
