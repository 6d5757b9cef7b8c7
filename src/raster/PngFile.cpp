#include "raster/PngFile.h"

#include "base/SafeFile.h"
#include "raster/PngWriter.h"

namespace sp {

std::uint32_t PixelsPerMetre(std::int32_t dpi) {
    // dpi / 0.0254 = dpi * 5000 / 127, never an exact half for whole dpi.
    return dpi <= 0 ? 0 : static_cast<std::uint32_t>((static_cast<std::uint64_t>(dpi) * 10000 + 127) / 254);
}

void SavePngFile(const TBitmap& picture, const std::string& fileName, std::int32_t dpi, bool mirrored) {
    if (!picture.HasStorage()) {
        SafeFileWriter out(fileName);
        out.Commit();
        return;
    }
    PngWriter out(fileName, picture.Width(), picture.Height(), dpi, mirrored, OnlyBlackAndWhite(picture));
    out.WriteBand(picture);
    out.Commit();
}

}  // namespace sp
