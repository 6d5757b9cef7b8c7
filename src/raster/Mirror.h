// Mirroring a picture left to right: in place on the canvas, and row by row
// on the way to a file (the BMP and PNG writers), so that a mirrored file is
// byte for byte the picture mirrored first, without copying the picture.
#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/Graphics.h"

namespace sp {

// Writes the `width` blue-green-red pixels of `from` right to left into `to`
// (pixel x of `to` is pixel width - 1 - x of `from`); the two do not overlap.
void MirrorRow(const std::uint8_t* from, std::uint8_t* to, std::size_t width);

// Mirrors the picture in place: mode 1 left to right, 2 upside down, 3 both;
// any other mode leaves it as it is.
void FlipBitmap(TBitmap& bitmap, int mode);

}  // namespace sp
