#include <sys/mman.h>

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>
#include <vector>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/BmpWriter.h"
#include "raster/Graphics.h"

namespace sp {

namespace {

std::size_t ReadKb(const char* file, const char* key) {
    std::ifstream in(file);
    std::string k;
    std::size_t v = 0;
    while (in >> k) {
        if (k == key && in >> v) return v * 1024;
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return std::numeric_limits<std::size_t>::max();
}

std::size_t ReadNumberFile(const char* file) {
    std::ifstream in(file);
    std::size_t v = 0;
    if (in >> v) return v;
    return std::numeric_limits<std::size_t>::max();  // "max" or no file
}

// Pictures of at least this many bytes are mapped directly, with huge pages
// asked for: fewer page faults when a large plate is first painted white.
constexpr std::size_t kMappedSize = std::size_t{4} << 20;

std::uint8_t* AllocateStorage(std::size_t size) {
    if (size < kMappedSize) return static_cast<std::uint8_t*>(std::malloc(size));
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    ::madvise(p, size, MADV_HUGEPAGE);  // a hint; without it the pages are merely smaller
    return static_cast<std::uint8_t*>(p);
}

void FreeStorage(std::uint8_t* bits, std::size_t size) {
    if (bits == nullptr) return;
    if (size < kMappedSize)
        std::free(bits);
    else
        ::munmap(bits, size);
}

}  // namespace

std::size_t AvailableMemory() {
    std::size_t avail = ReadKb("/proc/meminfo", "MemAvailable:");
    const std::size_t limit = ReadNumberFile("/sys/fs/cgroup/memory.max");
    const std::size_t used = ReadNumberFile("/sys/fs/cgroup/memory.current");
    if (limit != std::numeric_limits<std::size_t>::max() && used != std::numeric_limits<std::size_t>::max())
        avail = std::min(avail, limit > used ? limit - used : 0);
    return avail;
}

namespace {
MemoryProbe memoryProbe = &AvailableMemory;
}

MemoryProbe SetMemoryProbe(MemoryProbe probe) {
    const MemoryProbe old = memoryProbe;
    memoryProbe = probe;
    return old;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() { FreeStorage(bits_, size_); }

void TBitmap::SetHeight(std::int32_t h) { Resize(width_, h); }

void TBitmap::SetWidth(std::int32_t w) { Resize(w, height_); }

// Storage for `rows` rows of `w` pixels, or nullptr; the caller paints it.
// Checked size arithmetic, before anything is multiplied in 32 bits.
std::uint8_t* TBitmap::NewStorage(std::int32_t w, std::int32_t rows, std::size_t& stride, std::size_t& size) {
    stride = ((24 * static_cast<std::uint64_t>(w) + 31) / 32) * 4;
    const std::uint64_t total = static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(rows);
    if (total > std::numeric_limits<std::size_t>::max() / 2) throw EOutOfResources();
    size = static_cast<std::size_t>(total);
    // The system hands out address space freely and kills the process
    // when the pages are first touched; ask before filling it white.
    if (size > memoryProbe()) throw EOutOfResources();
    std::uint8_t* bits = AllocateStorage(size);
    if (bits == nullptr) throw EOutOfResources();
    return bits;
}

namespace {

// Paints `rows` rows of `stride` bytes in colour c, the padding zero.
void Paint(std::uint8_t* bits, std::size_t rows, std::size_t stride, std::int32_t w, TColor c) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(w);
    if (c == clWhite) {
        std::memset(bits, 0xFF, rows * stride);
        if (stride != rowBytes)
            for (std::size_t r = 0; r < rows; ++r) std::memset(bits + r * stride + rowBytes, 0, stride - rowBytes);
        return;
    }
    for (std::size_t r = 0; r < rows; ++r) {
        std::uint8_t* row = bits + r * stride;
        for (std::size_t x = 0; x < rowBytes; x += 3) {
            row[x] = static_cast<std::uint8_t>(c >> 16);
            row[x + 1] = static_cast<std::uint8_t>(c >> 8);
            row[x + 2] = static_cast<std::uint8_t>(c);
        }
        std::memset(row + rowBytes, 0, stride - rowBytes);
    }
}

}  // namespace

void TBitmap::Adopt(std::uint8_t* bits, std::size_t stride, std::size_t size, std::int32_t width,
                    std::int32_t height, std::int32_t rows) {
    FreeStorage(bits_, size_);
    bits_ = bits;
    stride_ = stride;
    size_ = size;
    width_ = width;
    height_ = height;
    bandTop_ = 0;
    rows_ = bits != nullptr ? rows : 0;
}

void TBitmap::Resize(std::int32_t w, std::int32_t h) {
    if (w == width_ && h == height_ && IsWhole()) return;
    std::uint8_t* bits = nullptr;
    std::size_t stride = 0, size = 0;
    if (w > 0 && h > 0) {
        // A whole picture must fit the 32-bit size fields of the BMP file:
        // 3 * W rounded up to 4, times H, plus the 54 header bytes.
        if (((24 * static_cast<std::uint64_t>(w) + 31) / 32) * 4 * static_cast<std::uint64_t>(h) > 0xFFFFFFFFULL - 54)
            throw EOutOfResources();
        bits = NewStorage(w, h, stride, size);
        // A new picture is white; when a canvas already exists, it takes the
        // brush colour and the old pixels at the top-left corner.
        Paint(bits, static_cast<std::size_t>(h), stride, w, canvas_ ? canvas_->Brush.Color : clWhite);
        if (canvas_ && bits_ != nullptr) {
            const std::int32_t cw = std::min(w, width_);
            for (std::int32_t y = 0; y < h; ++y)
                if (const std::uint8_t* old = RowBits(y))
                    std::memcpy(bits + static_cast<std::size_t>(h - 1 - y) * stride, old, 3 * static_cast<std::size_t>(cw));
        }
    }
    Adopt(bits, stride, size, w, h, h);
}

void TBitmap::SetBandedSize(std::int32_t width, std::int32_t height, std::int32_t rows) {
    std::uint8_t* bits = nullptr;
    std::size_t stride = 0, size = 0;
    if (width > 0 && height > 0 && rows > 0) bits = NewStorage(width, std::min(rows, height), stride, size);
    Adopt(bits, stride, size, width, height, std::min(rows, height));
    if (bits != nullptr) Paint(bits_, static_cast<std::size_t>(rows_), stride_, width_, clWhite);
}

void TBitmap::MoveBand(std::int32_t top, std::int32_t rows) {
    if (bits_ == nullptr) return;
    rows = std::clamp<std::int32_t>(rows, 0, static_cast<std::int32_t>(size_ / stride_));
    bandTop_ = top;
    rows_ = rows;
    Paint(bits_, static_cast<std::size_t>(rows_), stride_, width_, clWhite);
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this);
    return *canvas_;
}

// Rows are stored bottom first within the band, as the file holds them.
std::uint8_t* TBitmap::RowBits(std::int32_t y) {
    return const_cast<std::uint8_t*>(static_cast<const TBitmap*>(this)->RowBits(y));
}

const std::uint8_t* TBitmap::RowBits(std::int32_t y) const {
    if (bits_ == nullptr || y < bandTop_ || y >= BandBottom()) return nullptr;
    return bits_ + static_cast<std::size_t>(BandBottom() - 1 - y) * stride_;
}

TColor TBitmap::Pixel(std::int32_t x, std::int32_t y) const {
    const std::uint8_t* row = RowBits(y);
    if (row == nullptr || x < 0 || x >= width_) return clWhite;
    const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
    return static_cast<TColor>(p[0]) << 16 | static_cast<TColor>(p[1]) << 8 | p[2];
}

std::string TBitmap::FileHeader() const { return BmpWriter::FileHeader(width_, height_); }

void TBitmap::SaveToFile(const std::string& fileName, bool mirrored) const {
    if (bits_ == nullptr) {
        SafeFileWriter out(fileName);
        out.Commit();
        return;
    }
    BmpWriter out(fileName, width_, height_, mirrored);
    out.WriteBand(*this);
    out.Commit();
}

}  // namespace sp
