#include "DrawingSurface.h"

#include <cmath>

#include "Errors.h"
#include "ScaleDrawing.h"

namespace sp {

double PlateMm(std::int32_t pixels, double pixelsPerMm) {
    if (!(pixelsPerMm > 0)) return 0;
    const double exact = pixels / pixelsPerMm;
    const double whole = std::nearbyint(exact);
    if (std::fabs(whole) < 2147483647.0) {
        try {
            if (LengthToPixels(static_cast<std::int32_t>(whole), pixelsPerMm) == pixels) return whole;
        } catch (const ERangeError&) {
        }
    }
    return exact;
}

// The order of the older program: format, then height, then width.
void RasterSurface::Create(std::int32_t width, std::int32_t height) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->SetPixelFormat(TPixelFormat::pf24bit);
    bitmap_->SetHeight(height);
    bitmap_->SetWidth(width);
}

void RasterSurface::MirrorLeftRight() { FlipBitmap(*bitmap_, 1); }

void RecordingSurface::Create(std::int32_t width, std::int32_t height) {
    list_.Width = width;
    list_.Height = height;
    list_.WidthMm = PlateMm(width, pixelsPerMm_);
    list_.HeightMm = PlateMm(height, pixelsPerMm_);
}

}  // namespace sp
