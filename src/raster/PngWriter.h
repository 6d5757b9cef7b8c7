// The PNG file, written as rows arrive; libpng does the encoding.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "raster/PictureWriter.h"

namespace sp {

// 1-bit grey when the picture holds only black and white pixels (the caller
// knows, as the header comes first), else 24-bit RGB; a pHYs chunk of
// round(dpi / 0.0254) pixels per metre (none when dpi is not above 0).
// Mirrored rows are written right to left without changing the band.
class PngWriter final : public PictureWriter {
public:
    // Throws EFCreateError (the file cannot be made) or EOutOfResources
    // (the encoder ran out of memory, or the picture is too large for PNG).
    PngWriter(const std::string& fileName, std::int32_t width, std::int32_t height, std::int32_t dpi, bool mirrored,
              bool blackAndWhite);
    ~PngWriter() override;
    bool BottomUp() const override { return false; }
    // Throws EWriteError (a write failed part way) or EOutOfResources.
    void WriteBand(const TBitmap& band) override;
    void Commit() override;

    struct Impl;  // the encoder's state

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace sp
