#include "scale/plate/PlateGrid.h"

#include "base/Procs.h"

namespace sp {

PlateGrid::PlateGrid(const Plate& plate)
    : ppm_(PixelsPerMmOf(plate.plate.dpi)),
      margin_(Px(MarginOf(plate))),
      plateWidth_(Px(plate.plate.width)),
      plateHeight_(Px(plate.plate.height)),
      width_(CheckedAdd(plateWidth_, CheckedDouble(margin_))),
      height_(CheckedAdd(plateHeight_, CheckedDouble(margin_))),
      pivot_(PivotOf(plate.plate)) {}

std::int32_t PlateGrid::Px(long double mm) const {
    return RangeCheck32(RoundHalfEven(mm * static_cast<long double>(ppm_)));
}

TPoint PlateGrid::At(double x, double y) const {
    return {CheckedAdd(margin_, Px(x)), CheckedSub(height_, CheckedAdd(margin_, Px(y)))};
}

ScaleParameters PlateGrid::Frame(double radius) const {
    ScaleParameters p;
    p.PixelsPerMm = ppm_;
    p.Width = width_;
    p.Height = height_;
    p.CenterX = CheckedAdd(margin_, Px(pivot_[0]));
    p.CenterY = CheckedAdd(margin_, Px(pivot_[1]));
    p.Radius = Px(radius);
    return p;
}

}  // namespace sp
