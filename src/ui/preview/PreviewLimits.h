// How far the preview goes before it stops drawing or painting in detail;
// shared by the job that draws and the canvas that shows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sp {

// The drawing calls kept for a preview at most: an arc over millions of
// degrees records one line per degree, and the preview must not grow with it.
constexpr std::size_t PreviewMaxItems = 1'000'000;
// The exact raster picture is made for the 1:1 view up to this many pixels.
constexpr std::int64_t PreviewMaxRasterPixels = 16'000'000;

// Past this many calls the worker also paints the fitted picture, so the
// window only copies it instead of stroking every call while the user types.
constexpr std::size_t PreviewDirectPaintItems = 20'000;

}  // namespace sp
