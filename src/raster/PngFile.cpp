// libpng (Debian's libpng-dev) does the encoding: a well-kept, widely checked
// codec is worth more than a deflate writer of our own.
#include "raster/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/Mirror.h"

namespace sp {

namespace {

struct PngSink {
    SafeFileWriter* out = nullptr;
    bool writeFailed = false;
};

void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    bool ok = true;
    try {
        sink->out->Write(std::string_view(reinterpret_cast<const char*>(data), length));
    } catch (const EError&) {
        ok = false;
    }
    if (!ok) {
        sink->writeFailed = true;
        png_error(png, "write failed");
    }
}

void FlushData(png_structp) {}  // Commit flushes the whole file at the end

// Errors end the encoding through the jump set in Encode; nothing is printed.
[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

bool OnlyBlackAndWhite(const TBitmap& b) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(b.Width());
    for (std::int32_t y = 0; y < b.Height(); ++y) {
        const std::uint8_t* row = b.RowBits(y);
        for (std::size_t i = 0; i < rowBytes; i += 3)
            if (!((row[i] == 0 && row[i + 1] == 0 && row[i + 2] == 0) || (row[i] == 0xFF && row[i + 1] == 0xFF && row[i + 2] == 0xFF)))
                return false;
    }
    return true;
}

// One row for the file: bits of 1 for white, most significant first, or
// blue-green-red bytes (libpng swaps them to RGB); right to left when mirrored.
const png_byte* FileRow(const std::uint8_t* bgr, std::int32_t w, bool mirrored, bool bilevel, png_byte* row) {
    if (bilevel) {
        std::memset(row, 0, (static_cast<std::size_t>(w) + 7) / 8);
        for (std::int32_t x = 0; x < w; ++x) {
            const std::int32_t from = mirrored ? w - 1 - x : x;
            if (bgr[3 * static_cast<std::size_t>(from)] != 0) row[x / 8] = static_cast<png_byte>(row[x / 8] | (0x80 >> (x % 8)));
        }
        return row;
    }
    if (!mirrored) return bgr;
    MirrorRow(bgr, row, static_cast<std::size_t>(w));
    return row;
}

// Encodes the picture into `sink`; false when libpng gave up (everything it
// allocated is freed). `row` holds one file row and is not resized here.
bool Encode(const TBitmap& b, std::int32_t dpi, bool mirrored, PngSink& sink, std::vector<png_byte>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    const bool bilevel = OnlyBlackAndWhite(b);
    png_set_write_fn(png, &sink, WriteData, FlushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(b.Width()), static_cast<png_uint_32>(b.Height()), bilevel ? 1 : 8,
                 bilevel ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (dpi > 0) png_set_pHYs(png, info, PixelsPerMetre(dpi), PixelsPerMetre(dpi), PNG_RESOLUTION_METER);
    png_write_info(png, info);
    if (!bilevel) png_set_bgr(png);
    for (std::int32_t y = 0; y < b.Height(); ++y) png_write_row(png, FileRow(b.RowBits(y), b.Width(), mirrored, bilevel, row.data()));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::uint32_t PixelsPerMetre(std::int32_t dpi) {
    // dpi / 0.0254 = dpi * 5000 / 127, never an exact half for whole dpi.
    return dpi <= 0 ? 0 : static_cast<std::uint32_t>((static_cast<std::uint64_t>(dpi) * 10000 + 127) / 254);
}

void SavePngFile(const TBitmap& picture, const std::string& fileName, std::int32_t dpi, bool mirrored) {
    SafeFileWriter out(fileName);
    if (picture.HasStorage()) {
        PngSink sink{&out};
        std::vector<png_byte> row(3 * static_cast<std::size_t>(picture.Width()));
        if (!Encode(picture, dpi, mirrored, sink, row)) {
            if (sink.writeFailed) throw EWriteError();
            throw EOutOfResources();
        }
    }
    out.Commit();
}

}  // namespace sp
