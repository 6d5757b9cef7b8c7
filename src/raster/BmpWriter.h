// The 24-bit BMP file, written as rows arrive.
#pragma once

#include <cstdint>
#include <string>

#include "base/SafeFile.h"
#include "raster/PictureWriter.h"

namespace sp {

// The 14- and 40-byte headers of a `width` x `height` picture (resolution
// fields 0), then the rows bottom first, blue-green-red, padded with zero
// bytes to a multiple of 4. Mirrored rows are reversed a batch at a time on
// their way out, so the band itself is neither changed nor copied whole.
class BmpWriter final : public PictureWriter {
public:
    // Throws EOutOfResources when the file cannot describe the picture
    // (stride times height plus the header past the 32-bit size fields),
    // before the file is made; EFCreateError when it cannot be made.
    BmpWriter(const std::string& fileName, std::int32_t width, std::int32_t height, bool mirrored);
    bool BottomUp() const override { return true; }
    void WriteBand(const TBitmap& band) override;
    void Commit() override { out_.Commit(); }

    // The headers; both sizes above 0 and within the format's limit.
    static std::string FileHeader(std::int32_t width, std::int32_t height);
    // True when a BMP file can hold a `width` x `height` picture.
    static bool Fits(std::int32_t width, std::int32_t height);

private:
    SafeFileWriter out_;
    std::int32_t width_;
    bool mirrored_;
};

}  // namespace sp
