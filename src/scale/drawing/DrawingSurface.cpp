#include "scale/drawing/DrawingSurface.h"

#include "raster/Mirror.h"
#include "scale/input/ScaleParameters.h"

namespace sp {

// The order of the older program: height, then width.
void RasterSurface::Create(std::int32_t width, std::int32_t height) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->SetHeight(height);
    bitmap_->SetWidth(width);
}

void RasterSurface::MirrorLeftRight() {
    if (deferMirror_)
        mirrorPending_ = !mirrorPending_;
    else
        FlipBitmap(*bitmap_, 1);
}

void RecordingSurface::Create(std::int32_t width, std::int32_t height) {
    list_.Width = width;
    list_.Height = height;
    list_.WidthMm = PlateMm(width, pixelsPerMm_);
    list_.HeightMm = PlateMm(height, pixelsPerMm_);
}

}  // namespace sp
