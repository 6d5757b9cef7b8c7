#include "scale/drawing/TextPlacement.h"

#include <algorithm>
#include <cmath>

namespace sp {

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

}  // namespace

double TextHeightPixels(long double mm, double pixelsPerMm) { return static_cast<double>(mm * pixelsPerMm); }

long double NumberReach(double angle, double textWidth, const TextStyle& style) {
    const long double t = angle * Pi / 180.0L;
    const long double h = style.height;
    if (style.radial) return h / 2;
    return (std::fabs(std::cos(t)) * textWidth + std::fabs(std::sin(t)) * h) / 2;
}

TextPlacementBox PlaceTickNumber(const ScaleParameters& p, double angle, double textWidth, const TextStyle& style) {
    return PlaceTickNumber(p, angle, textWidth, style, 2 * p.SegmentLength);
}

long double NumberGap(const TextStyle& style) { return style.gap >= 0 ? style.gap : style.height / 4.0L; }

long double NumberDistance(long double radius, long double tickLength, double angle, double textWidth,
                           const TextStyle& style) {
    const long double h = style.height;
    const long double reach = NumberReach(angle, textWidth, style);
    const long double gap = NumberGap(style);
    if (!style.inside) {
        // The tick lies on the radial line: clearing its end along the
        // radius clears it everywhere.
        return radius + tickLength + gap + reach;
    }
    // The arc bends around the text: its farthest corner, not only its
    // edge on the radial line, stays `gap` inside the radius. A corner
    // c of the box at distance r along the radius lies at
    // sqrt(r^2 + 2 r reach + |c|^2) from the pivot.
    const long double limit = radius - gap;
    const long double corner2 = (static_cast<long double>(textWidth) * textWidth + h * h) / 4;
    const long double disc = reach * reach + limit * limit - corner2;
    return disc > 0 ? std::max(0.0L, std::sqrt(disc) - reach) : 0.0L;
}

TextPlacementBox PlaceTickNumber(const ScaleParameters& p, double angle, double textWidth, const TextStyle& style,
                                 std::int32_t tickLength) {
    const long double t = angle * Pi / 180.0L;
    const long double r = NumberDistance(p.Radius, tickLength, angle, textWidth, style);
    TextPlacementBox box;
    box.x = static_cast<double>(p.CenterX + r * std::cos(t));
    box.y = static_cast<double>(static_cast<long double>(p.Height) - p.CenterY - r * std::sin(t));
    box.capHeight = style.height;
    box.rotation = style.radial ? angle - 90.0 : 0.0;
    return box;
}

TextPlacementBox PlaceUnitText(const ScaleParameters& p, const TextStyle& style) {
    TextPlacementBox box;
    box.x = p.CenterX;
    box.y = static_cast<double>(static_cast<long double>(p.Height) - p.CenterY - 0.6L * p.Radius);
    box.capHeight = 1.5 * style.height;
    return box;
}

}  // namespace sp
