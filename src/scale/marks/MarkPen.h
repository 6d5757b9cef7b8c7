// The drawing kit the marks are made with: every coordinate is given in
// units of the mark's square (side 1, centre at the origin, y up) and the
// pen turns it into millimetres, with the stroke width of the set.
#pragma once

#include <string>
#include <vector>

#include "scale/marks/MarkGeometry.h"

namespace sp {

class MarkPen {
public:
    MarkPen(double size, const TextFont& font) : size_(size), font_(font) {}

    // The stroke width in units of the square (a twelfth).
    static constexpr double W = 1.0 / 12;

    void Line(const std::vector<MarkPoint>& points, MarkCap cap = MarkCap::Round);
    void Closed(const std::vector<MarkPoint>& points);
    void Circle(MarkPoint centre, double radius);
    // A polygon or a circle filled; the stroke width does not enter.
    void Fill(const std::vector<MarkPoint>& contour);
    void FillCircle(MarkPoint centre, double radius);
    // `utf8` as glyph outlines whose ink is centred on `centre`, `capHeight`
    // high, made smaller where its ink would be wider than `maxWidth`.
    // Gives the ink width in units of the square.
    double Text(const std::string& utf8, MarkPoint centre, double capHeight, double maxWidth);

    // The points of an arc from `from` to `to` degrees, counter-clockwise
    // when `to` > `from`, both ends included.
    std::vector<MarkPoint> Arc(MarkPoint centre, double radius, double from, double to) const;

    // The geometry drawn so far, in a box `width` x 1 squares.
    MarkGeometry Take(double width = 1);

private:
    MarkPoint Mm(MarkPoint p) const { return {p.x * size_, p.y * size_}; }

    double size_;
    const TextFont& font_;
    MarkGeometry geometry_;
};

}  // namespace sp
