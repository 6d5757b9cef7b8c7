// libpng (Debian's libpng-dev) does the encoding: a well-kept, widely checked
// codec is worth more than a deflate writer of our own.
#include "raster/PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/Mirror.h"
#include "raster/PngFile.h"

namespace sp {

struct PngWriter::Impl {
    explicit Impl(const std::string& fileName) : out(fileName) {}
    ~Impl() { png_destroy_write_struct(&png, &info); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    SafeFileWriter out;
    std::string pending;  // bytes gathered into writes of about 1 MB
    bool writeFailed = false;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<png_byte> row;
    std::int32_t width = 0;
    bool mirrored = false, bilevel = false;
};

namespace {

constexpr std::size_t kWriteBytes = std::size_t{1} << 20;

void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* impl = static_cast<PngWriter::Impl*>(png_get_io_ptr(png));
    bool ok = true;
    try {
        impl->pending.append(reinterpret_cast<const char*>(data), length);
        if (impl->pending.size() >= kWriteBytes) {
            impl->out.Write(impl->pending);
            impl->pending.clear();
        }
    } catch (const EError&) {
        ok = false;
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        impl->writeFailed = true;
        png_error(png, "write failed");
    }
}

void FlushData(png_structp) {}  // Commit writes what is gathered and flushes the file

// Errors end the encoding through the jump set in each call; nothing is printed.
[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// One row for the file: bits of 1 for white, most significant first, or
// blue-green-red bytes (libpng swaps them to RGB); right to left when mirrored.
const png_byte* FileRow(const std::uint8_t* bgr, std::int32_t w, bool mirrored, bool bilevel, png_byte* row) {
    if (bilevel) {
        // Eight pixels to a byte, without a branch per pixel: the largest
        // plate has half a billion of them.
        const std::ptrdiff_t step = mirrored ? -3 : 3;
        const std::uint8_t* p = mirrored ? bgr + 3 * (static_cast<std::size_t>(w) - 1) : bgr;
        const std::int32_t full = w / 8;
        for (std::int32_t i = 0; i < full; ++i, p += 8 * step) {
            unsigned v = 0;
            for (int b = 0; b < 8; ++b) v = v << 1 | (p[b * step] != 0);
            row[i] = static_cast<png_byte>(v);
        }
        if (const int rest = w % 8) {
            unsigned v = 0;
            for (int b = 0; b < rest; ++b) v = v << 1 | (p[b * step] != 0);
            row[full] = static_cast<png_byte>(v << (8 - rest));
        }
        return row;
    }
    if (!mirrored) return bgr;
    MirrorRow(bgr, row, static_cast<std::size_t>(w));
    return row;
}

// The encoder's steps, each under its own jump target: false when libpng
// gave up. Nothing with a destructor lives in these frames.
bool Start(PngWriter::Impl& m, std::int32_t height, std::int32_t dpi) {
    if (setjmp(png_jmpbuf(m.png))) return false;
    // PNG's own limit is 2^31 - 1 pixels each way; libpng's default stops at a million.
    png_set_user_limits(m.png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_set_write_fn(m.png, &m, WriteData, FlushData);
    png_set_IHDR(m.png, m.info, static_cast<png_uint_32>(m.width), static_cast<png_uint_32>(height), m.bilevel ? 1 : 8,
                 m.bilevel ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (dpi > 0) png_set_pHYs(m.png, m.info, PixelsPerMetre(dpi), PixelsPerMetre(dpi), PNG_RESOLUTION_METER);
    png_write_info(m.png, m.info);
    if (!m.bilevel) png_set_bgr(m.png);
    return true;
}

bool Rows(PngWriter::Impl& m, const TBitmap& band) {
    if (setjmp(png_jmpbuf(m.png))) return false;
    for (std::int32_t y = band.BandTop(); y < band.BandBottom(); ++y)
        png_write_row(m.png, FileRow(band.RowBits(y), m.width, m.mirrored, m.bilevel, m.row.data()));
    return true;
}

bool End(PngWriter::Impl& m) {
    if (setjmp(png_jmpbuf(m.png))) return false;
    png_write_end(m.png, m.info);
    return true;
}

}  // namespace

PngWriter::PngWriter(const std::string& fileName, std::int32_t width, std::int32_t height, std::int32_t dpi, bool mirrored,
                     bool blackAndWhite)
    : impl_(std::make_unique<Impl>(fileName)) {
    Impl& m = *impl_;
    m.width = width;
    m.mirrored = mirrored;
    m.bilevel = blackAndWhite;
    m.row.resize(3 * static_cast<std::size_t>(width));
    m.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (m.png != nullptr) m.info = png_create_info_struct(m.png);
    if (m.info == nullptr || !Start(m, height, dpi)) throw EOutOfResources();
}

PngWriter::~PngWriter() = default;

void PngWriter::WriteBand(const TBitmap& band) {
    if (!Rows(*impl_, band)) {
        if (impl_->writeFailed) throw EWriteError();
        throw EOutOfResources();
    }
}

void PngWriter::Commit() {
    if (!End(*impl_)) {
        if (impl_->writeFailed) throw EWriteError();
        throw EOutOfResources();
    }
    impl_->out.Write(impl_->pending);
    impl_->pending.clear();
    impl_->out.Commit();
}

}  // namespace sp
