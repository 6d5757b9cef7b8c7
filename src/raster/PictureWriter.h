// Picture files written a band of rows at a time: the rows go to the file as
// soon as they are drawn, so a picture of any size needs the memory of one
// band. The same writers save a whole picture (one band of every row).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "raster/Graphics.h"

namespace sp {

class PictureWriter {
public:
    virtual ~PictureWriter() = default;
    // True when the file holds its bottom row first (BMP), so the bands are
    // drawn from the bottom up; false for top row first (PNG).
    virtual bool BottomUp() const = 0;
    // Writes every row `band` holds, mirrored left to right when the writer
    // was made so; the bands come in the file's order, each row once.
    virtual void WriteBand(const TBitmap& band) = 0;
    // Ends the file; the old file of that name is replaced only now, when
    // every byte is written. Without Commit nothing is left behind.
    virtual void Commit() = 0;
};

// Bytes of picture rows a band holds at most: a few megabytes, so that the
// band stays in the processor's cache between drawing and writing.
constexpr std::size_t BandBytes = std::size_t{4} << 20;

// Rows of a band of a picture `width` pixels wide (at least one).
std::int32_t BandRows(std::int32_t width, std::int32_t height);

// Called with the band moved to its rows, painted white: draws the picture's
// rows that fall in it.
using DrawBand = std::function<void(TBitmap& band)>;

// Makes two bands of BandRows, then for every band in the writer's order
// draws it and writes it (while the next one is drawn, on a second thread;
// the writer is called for one band at a time, in order), and commits the
// file. EOutOfResources when the bands cannot be stored.
void WriteInBands(PictureWriter& out, std::int32_t width, std::int32_t height, const DrawBand& draw);

// True when every pixel of the rows `band` holds is black or white.
bool OnlyBlackAndWhite(const TBitmap& band);

// True when every pixel of the picture `draw` paints band by band is black
// or white; stops at the first band that is not.
bool OnlyBlackAndWhite(std::int32_t width, std::int32_t height, const DrawBand& draw);

}  // namespace sp
