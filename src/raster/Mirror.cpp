#include "raster/Mirror.h"

#include <cstring>

namespace sp {

void MirrorRow(const std::uint8_t* from, std::uint8_t* to, std::size_t width) {
    for (std::size_t x = 0; x < width; ++x) std::memcpy(to + 3 * x, from + 3 * (width - 1 - x), 3);
}

// The platform's way: a copy of the whole canvas onto itself with the
// destination's sides swapped.
void FlipBitmap(TBitmap& bitmap, int mode) {
    TCanvas& c = bitmap.Canvas();
    const TRect source = c.ClipRect();
    TRect dest = source;
    if (mode == 1 || mode == 3) {
        dest.Left = source.Right;
        dest.Right = 0;
    }
    if (mode == 2 || mode == 3) {
        dest.Top = source.Bottom;
        dest.Bottom = 0;
    }
    c.CopyRect(dest, c, source);
}

}  // namespace sp
