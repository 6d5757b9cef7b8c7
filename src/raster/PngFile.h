// The picture as a PNG file: the same pixels as the BMP, lossless, with the
// drawing resolution recorded so that it prints at true size.
#pragma once

#include <cstdint>
#include <string>

#include "raster/Graphics.h"

namespace sp {

// Writes `picture` to `fileName` as PNG: a picture holding only black and
// white pixels as 1-bit grey, any other as 24-bit RGB; a pHYs chunk of
// round(dpi / 0.0254) pixels per metre (none when dpi is not above 0).
// With `mirrored` the rows are written right to left, as the picture
// mirrored left to right would be, without changing or copying the picture.
// Rows go straight from the picture to the file through a SafeFileWriter:
// the old file is replaced only when every byte is written, and nothing is
// left behind on failure. A picture without storage gives a 0-byte file.
// Throws EFCreateError (the file cannot be created), EWriteError (a write
// failed part way) or EOutOfResources (the encoder ran out of memory).
void SavePngFile(const TBitmap& picture, const std::string& fileName, std::int32_t dpi, bool mirrored = false);

// Pixels per metre for `dpi` dots per inch, rounded to the nearest.
std::uint32_t PixelsPerMetre(std::int32_t dpi);

}  // namespace sp
