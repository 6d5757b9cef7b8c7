#include "raster/BmpWriter.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "raster/Mirror.h"

namespace sp {

namespace {

// Little-endian writes into the header, never through struct packing.
void Put16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::size_t at, std::uint32_t v) {
    Put16(s, at, v & 0xFFFF);
    Put16(s, at + 2, v >> 16);
}

std::uint64_t Stride(std::int32_t width) { return ((24 * static_cast<std::uint64_t>(width) + 31) / 32) * 4; }

// Reverses the pixels of `count` file rows of `stride` bytes, `width`
// pixels each, from `from` into `to`; the padding stays zero.
void MirrorRows(const std::uint8_t* from, std::uint8_t* to, std::size_t count, std::size_t stride, std::size_t width) {
    for (std::size_t r = 0; r < count; ++r) {
        MirrorRow(from + r * stride, to + r * stride, width);
        std::memset(to + r * stride + 3 * width, 0, stride - 3 * width);
    }
}

bool FitsBmp(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return false;
    return Stride(width) * static_cast<std::uint64_t>(height) <= 0xFFFFFFFFULL - 54;
}

// The size is checked before the file is made: a refused picture leaves no
// file and no temporary behind.
const std::string& CheckedName(const std::string& fileName, std::int32_t width, std::int32_t height) {
    if (!FitsBmp(width, height)) throw EOutOfResources();
    return fileName;
}

}  // namespace

bool BmpWriter::Fits(std::int32_t width, std::int32_t height) { return FitsBmp(width, height); }

std::string BmpWriter::FileHeader(std::int32_t width, std::int32_t height) {
    const auto s = static_cast<std::uint32_t>(Stride(width) * static_cast<std::uint64_t>(height));
    std::string h(54, '\0');
    h[0] = 'B';
    h[1] = 'M';
    Put32(h, 2, 54 + s);
    Put32(h, 10, 54);
    Put32(h, 14, 40);
    Put32(h, 18, static_cast<std::uint32_t>(width));
    Put32(h, 22, static_cast<std::uint32_t>(height));
    Put16(h, 26, 1);
    Put16(h, 28, 24);
    Put32(h, 34, s);
    return h;
}

BmpWriter::BmpWriter(const std::string& fileName, std::int32_t width, std::int32_t height, bool mirrored)
    : out_(CheckedName(fileName, width, height)), width_(width), mirrored_(mirrored) {
    out_.Write(FileHeader(width, height));
}

void BmpWriter::WriteBand(const TBitmap& band) {
    const std::size_t stride = band.Stride(), rows = band.ImageSize() / std::max<std::size_t>(stride, 1);
    if (rows == 0) return;
    // The band's storage is laid out as the file's rows: bottom row first.
    const std::uint8_t* bits = band.RowBits(band.BandBottom() - 1);
    if (!mirrored_) {
        out_.Write(std::string_view(reinterpret_cast<const char*>(bits), rows * stride));
        return;
    }
    // Batches of about 1 MB stay in the cache for the system's copy.
    const std::size_t batch = std::max<std::size_t>(1, (std::size_t{1} << 20) / stride);
    std::vector<std::uint8_t> mirrored(std::min(batch, rows) * stride);
    for (std::size_t r = 0; r < rows; r += batch) {
        const std::size_t count = std::min(batch, rows - r);
        MirrorRows(bits + r * stride, mirrored.data(), count, stride, static_cast<std::size_t>(width_));
        out_.Write(std::string_view(reinterpret_cast<const char*>(mirrored.data()), count * stride));
    }
}

}  // namespace sp
