#include "raster/PictureWriter.h"

#include <algorithm>
#include <future>

namespace sp {

std::int32_t BandRows(std::int32_t width, std::int32_t height) {
    const std::size_t stride = ((24 * static_cast<std::size_t>(std::max(width, 1)) + 31) / 32) * 4;
    const std::size_t rows = std::max<std::size_t>(1, BandBytes / stride);
    return static_cast<std::int32_t>(std::min<std::size_t>(rows, static_cast<std::size_t>(std::max(height, 1))));
}

namespace {

// Calls `each` with the band moved to every band of the picture in turn,
// bottom band first when `bottomUp`; stops when it answers false.
template <class Each>
void ForEachBand(std::int32_t width, std::int32_t height, bool bottomUp, const DrawBand& draw, const Each& each) {
    if (width <= 0 || height <= 0) return;
    TBitmap band;
    const std::int32_t rows = BandRows(width, height);
    band.SetBandedSize(width, height, rows);
    const std::int32_t count = (height - 1) / rows + 1;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t top = (bottomUp ? count - 1 - i : i) * rows;
        band.MoveBand(top, std::min(rows, height - top));
        draw(band);
        if (!each(band)) return;
    }
}

}  // namespace

// Two bands take turns: one is drawn while the rows of the other go to the
// file, so the drawing hides behind the system's copy of the bytes.
void WriteInBands(PictureWriter& out, std::int32_t width, std::int32_t height, const DrawBand& draw) {
    if (width > 0 && height > 0) {
        const std::int32_t rows = BandRows(width, height);
        TBitmap bands[2];
        for (TBitmap& band : bands) band.SetBandedSize(width, height, rows);
        const std::int32_t count = (height - 1) / rows + 1;
        std::future<void> writing;  // waits for its write when left by an exception
        for (std::int32_t i = 0; i < count; ++i) {
            TBitmap& band = bands[i % 2];
            const std::int32_t top = (out.BottomUp() ? count - 1 - i : i) * rows;
            band.MoveBand(top, std::min(rows, height - top));
            draw(band);
            if (writing.valid()) writing.get();  // the other band is written, or its error thrown here
            writing = std::async(std::launch::async, [&out, &band] { out.WriteBand(band); });
        }
        writing.get();
    }
    out.Commit();
}

bool OnlyBlackAndWhite(std::int32_t width, std::int32_t height, const DrawBand& draw) {
    bool only = true;
    ForEachBand(width, height, false, draw, [&](const TBitmap& band) { return only = OnlyBlackAndWhite(band); });
    return only;
}

bool OnlyBlackAndWhite(const TBitmap& band) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(band.Width());
    for (std::int32_t y = band.BandTop(); y < band.BandBottom(); ++y) {
        const std::uint8_t* row = band.RowBits(y);
        if (row == nullptr) continue;
        for (std::size_t i = 0; i < rowBytes; i += 3)
            if (!((row[i] == 0 && row[i + 1] == 0 && row[i + 2] == 0) || (row[i] == 0xFF && row[i + 1] == 0xFF && row[i + 2] == 0xFF)))
                return false;
    }
    return true;
}

}  // namespace sp
