// The drawing surface: a 24-bit picture (TBitmap), its drawing context
// (TCanvas) with a pen (TPen) and a brush (TBrush).
//
// Coordinates are signed 32-bit pixels, (0, 0) the top-left pixel, x to the
// right, y downwards; pixel (x, y) is the unit square from (x, y) to
// (x + 1, y + 1). Rectangles are left, top, right, bottom with the right
// column and bottom row outside. Everything outside the picture is clipped
// without error. Which pixels a line or an ellipse covers follows the
// platform rules the older program drew with, so pictures agree pixel for
// pixel (see the comments in Canvas.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sp {

// 0x00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;

struct TPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

class TPen {
public:
    TColor Color = clBlack;
    std::int32_t Width() const { return width_; }
    // 0 and 1 both draw one-pixel lines; a negative width is ignored.
    void SetWidth(std::int32_t w) {
        if (w >= 0) width_ = w;
    }

private:
    std::int32_t width_ = 1;
};

class TBrush {
public:
    TColor Color = clWhite;
};

class TBitmap;
class EllipseRows;

// A point of a shape under construction, whose corners may lie beyond the
// 32-bit range (a wide pen near the edge of the coordinates).
struct Point64 {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Drawing costs memory and time by the picture, never by the size of what
// is drawn: every operation is clipped to the picture before it is
// rasterised, whatever the pen width, the box or the coordinates.
class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;

    TPoint PenPos() const { return pos_; }
    // Sets the pen position; paints nothing.
    void MoveToEx(std::int32_t x, std::int32_t y);
    // Draws from the pen position to (x, y), then moves the pen there.
    // One-pixel pens leave (x, y) unpainted; wider pens draw a stroke of
    // that width centred on the line with round caps.
    void LineTo(std::int32_t x, std::int32_t y);
    // Filled (brush) and outlined (pen) ellipse inscribed in the box of
    // columns x1..x2-1 and rows y1..y2-1. The pen position does not move.
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // (0, 0, Width, Height).
    TRect ClipRect() const;
    // Copies `source` of `src` onto `dest` of this canvas, plain source copy
    // (StretchBlt). A dest whose left lies right of its right mirrors left to
    // right, one whose top lies below its bottom mirrors top to bottom; sizes
    // that differ scale by the nearest pixel. The result is computed from the
    // pixels as they were before the call. Copying a whole picture onto
    // itself works in place, row by row, without a second picture.
    void CopyRect(const TRect& dest, TCanvas& src, const TRect& source);

private:
    void ThinLine(TPoint p, TPoint q);
    void WideLine(TPoint p, TPoint q, std::int32_t w);
    void Dot(TPoint c, std::int32_t w);
    void FillPolygon(const Point64* pts, int count);

    TBitmap& bitmap_;
    TPoint pos_;
    std::unique_ptr<EllipseRows> dot_;  // rows of the last dot no larger than the picture
};

// The picture: a 24-bit raster whose pixel storage is one block laid out
// exactly as the pixel array of the BMP file (bottom row first, pixels as
// blue, green, red, rows padded with zero bytes to a multiple of 4).
//
// A picture may hold only a band of its rows (rows BandTop() ..
// BandBottom() - 1, the storage laid out the same way): the canvas then
// clips to the band exactly as it clips to the picture's edges, and every
// pixel it paints in the band is the pixel it paints there in the whole
// picture. So a picture of any size is drawn and written a band at a time.
class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    // Storage exists while both sizes are above 0; a new one is white (or,
    // when a canvas already exists, the brush colour with the old pixels
    // copied in at the top-left). Throws EOutOfResources when the storage
    // cannot be made: larger than the memory available or than the file
    // format can describe, or refused by the system.
    void SetHeight(std::int32_t h);
    void SetWidth(std::int32_t w);

    // Makes a picture of `width` x `height` that holds at most `rows` rows
    // at a time, the band at the top, white. Only the band's bytes are asked
    // of the memory (EOutOfResources as for SetHeight); the file formats
    // check their own limits. Moving the band paints it white again.
    void SetBandedSize(std::int32_t width, std::int32_t height, std::int32_t rows);
    // Rows `top` .. `top` + `rows` - 1, no more rows than the storage holds.
    void MoveBand(std::int32_t top, std::int32_t rows);
    std::int32_t BandTop() const { return bandTop_; }
    std::int32_t BandBottom() const { return bandTop_ + rows_; }
    bool IsWhole() const { return bandTop_ == 0 && rows_ == height_; }

    // The drawing context, made on first use.
    TCanvas& Canvas();

    bool HasStorage() const { return bits_ != nullptr; }
    std::size_t Stride() const { return stride_; }
    // Bytes of the rows held (the whole picture, or the band).
    std::size_t ImageSize() const { return stride_ * static_cast<std::size_t>(rows_); }
    const std::uint8_t* Bits() const { return bits_; }

    // Colour of pixel (x, y); clWhite outside the picture (or the band) or
    // without storage.
    TColor Pixel(std::int32_t x, std::int32_t y) const;
    // Bytes of picture row y (top row 0); nullptr outside the rows held.
    std::uint8_t* RowBits(std::int32_t y);
    const std::uint8_t* RowBits(std::int32_t y) const;

    // Writes the BMP file (see BmpWriter) of a whole picture; a picture
    // without storage gives a 0-byte file. With `mirrored` the file holds
    // the picture mirrored left to right, which itself stays as it is.
    void SaveToFile(const std::string& fileName, bool mirrored = false) const;

    // The 54 header bytes of the BMP file of this picture.
    std::string FileHeader() const;

private:
    // Frees the old storage and takes `bits` (nullptr: none) for `rows` rows
    // from the top of a `width` x `height` picture.
    void Adopt(std::uint8_t* bits, std::size_t stride, std::size_t size, std::int32_t width, std::int32_t height,
               std::int32_t rows);
    void Resize(std::int32_t w, std::int32_t h);
    std::uint8_t* NewStorage(std::int32_t w, std::int32_t rows, std::size_t& stride, std::size_t& size);

    std::int32_t width_ = 0, height_ = 0;
    std::int32_t bandTop_ = 0, rows_ = 0;
    std::size_t stride_ = 0, size_ = 0;  // size_: the storage's bytes
    std::uint8_t* bits_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};

// Bytes of memory the system can still give without swapping (MemAvailable,
// and the cgroup's limit where one is set); SIZE_MAX when unknown.
std::size_t AvailableMemory();

// Where a new picture's storage asks how much memory is left (AvailableMemory
// unless replaced, as the tests do to stay independent of the machine).
// Returns the probe it replaces.
using MemoryProbe = std::size_t (*)();
MemoryProbe SetMemoryProbe(MemoryProbe probe);

}  // namespace sp
