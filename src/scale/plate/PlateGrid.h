// The plate on the picture grid: millimetres to pixels at the plate's dpi,
// the margin around the plate, the pivot. Lengths round as the window's
// fields do (halves to even), so a plate made from the window's values lands
// on exactly the window's pixels.
#pragma once

#include <cstdint>

#include "scale/input/ScaleParameters.h"
#include "scale/plate/Plate.h"
#include "text/TextLayout.h"

namespace sp {

class PlateGrid {
public:
    explicit PlateGrid(const Plate& plate);

    double PixelsPerMm() const { return ppm_; }
    std::int32_t Width() const { return width_; }    // the picture, margin included
    std::int32_t Height() const { return height_; }
    std::int32_t Margin() const { return margin_; }
    std::int32_t PlateWidth() const { return plateWidth_; }
    std::int32_t PlateHeight() const { return plateHeight_; }

    // A length in whole pixels.
    std::int32_t Px(long double mm) const;
    // The pixel of a plate position (x from the left edge, y up from the
    // bottom edge).
    TPoint At(double x, double y) const;
    // The centre of that pixel, for paths.
    OutlinePoint CentreOf(TPoint p) const { return {p.x + 0.5, p.y + 0.5}; }
    // The values the scale drawing works from: the picture, the pivot
    // (CenterX, CenterY up from the picture's bottom) and `radius` mm.
    ScaleParameters Frame(double radius) const;

private:
    double ppm_;
    std::int32_t margin_, plateWidth_, plateHeight_, width_, height_;
    PlatePair pivot_;
};

}  // namespace sp
