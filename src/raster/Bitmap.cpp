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
#include "raster/Mirror.h"
#include "raster/Graphics.h"

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

// Reverses the pixels of `count` file rows of `stride` bytes, `width`
// pixels each, from `from` into `to`; the padding stays zero.
void MirrorRows(const std::uint8_t* from, std::uint8_t* to, std::size_t count, std::size_t stride, std::size_t width) {
    for (std::size_t r = 0; r < count; ++r) {
        MirrorRow(from + r * stride, to + r * stride, width);
        std::memset(to + r * stride + 3 * width, 0, stride - 3 * width);
    }
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

void TBitmap::Resize(std::int32_t w, std::int32_t h) {
    if (w == width_ && h == height_) return;
    std::uint8_t* bits = nullptr;
    std::size_t stride = 0, size = 0;
    if (w > 0 && h > 0) {
        // Checked size arithmetic, before anything is multiplied in 32 bits:
        // 3 * W rounded up to 4, times H, plus the 54 header bytes, must fit
        // the 32-bit size fields of the file.
        stride = ((24 * static_cast<std::uint64_t>(w) + 31) / 32) * 4;
        const std::uint64_t total = static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(h);
        if (total > 0xFFFFFFFFULL - 54) throw EOutOfResources();
        size = static_cast<std::size_t>(total);
        // The system hands out address space freely and kills the process
        // when the pages are first touched; ask before filling it white.
        if (size > memoryProbe()) throw EOutOfResources();
        bits = AllocateStorage(size);
        if (bits == nullptr) throw EOutOfResources();
        const std::size_t rowBytes = 3 * static_cast<std::size_t>(w);
        if (canvas_) {
            // A canvas already exists: the new storage takes the brush colour
            // and the old pixels at the top-left corner.
            const TColor c = canvas_->Brush.Color;
            for (std::size_t r = 0; r < static_cast<std::size_t>(h); ++r) {
                std::uint8_t* row = bits + r * stride;
                for (std::size_t x = 0; x < rowBytes; x += 3) {
                    row[x] = static_cast<std::uint8_t>(c >> 16);
                    row[x + 1] = static_cast<std::uint8_t>(c >> 8);
                    row[x + 2] = static_cast<std::uint8_t>(c);
                }
                std::memset(row + rowBytes, 0, stride - rowBytes);
            }
            if (bits_ != nullptr) {
                const std::int32_t cw = std::min(w, width_), ch = std::min(h, height_);
                for (std::int32_t y = 0; y < ch; ++y)
                    std::memcpy(bits + static_cast<std::size_t>(h - 1 - y) * stride,
                                bits_ + static_cast<std::size_t>(height_ - 1 - y) * stride_,
                                3 * static_cast<std::size_t>(cw));
            }
        } else {
            std::memset(bits, 0xFF, size);
            if (stride != rowBytes)
                for (std::size_t r = 0; r < static_cast<std::size_t>(h); ++r)
                    std::memset(bits + r * stride + rowBytes, 0, stride - rowBytes);
        }
    }
    FreeStorage(bits_, size_);
    bits_ = bits;
    stride_ = stride;
    size_ = size;
    width_ = w;
    height_ = h;
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this);
    return *canvas_;
}

std::uint8_t* TBitmap::RowBits(std::int32_t y) {
    if (bits_ == nullptr || y < 0 || y >= height_) return nullptr;
    return bits_ + static_cast<std::size_t>(height_ - 1 - y) * stride_;
}

const std::uint8_t* TBitmap::RowBits(std::int32_t y) const {
    if (bits_ == nullptr || y < 0 || y >= height_) return nullptr;
    return bits_ + static_cast<std::size_t>(height_ - 1 - y) * stride_;
}

TColor TBitmap::Pixel(std::int32_t x, std::int32_t y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return clWhite;
    const std::uint8_t* p = bits_ + static_cast<std::size_t>(height_ - 1 - y) * stride_ + 3 * static_cast<std::size_t>(x);
    return static_cast<TColor>(p[0]) << 16 | static_cast<TColor>(p[1]) << 8 | p[2];
}

std::string TBitmap::FileHeader() const {
    std::string h(54, '\0');
    h[0] = 'B';
    h[1] = 'M';
    const auto s = static_cast<std::uint32_t>(size_);
    Put32(h, 2, 54 + s);
    Put32(h, 10, 54);
    Put32(h, 14, 40);
    Put32(h, 18, static_cast<std::uint32_t>(width_));
    Put32(h, 22, static_cast<std::uint32_t>(height_));
    Put16(h, 26, 1);
    Put16(h, 28, 24);
    Put32(h, 34, s);
    return h;
}

void TBitmap::SaveToFile(const std::string& fileName, bool mirrored) const {
    SafeFileWriter out(fileName);
    if (bits_ != nullptr) {
        out.Write(FileHeader());
        if (!mirrored) {
            out.Write(std::string_view(reinterpret_cast<const char*>(bits_), size_));
        } else {
            // Mirrored rows go out in batches of about 1 MB (they stay in the cache): the picture is
            // neither changed nor copied whole.
            const std::size_t batch = std::max<std::size_t>(1, (std::size_t{1} << 20) / stride_);
            std::vector<std::uint8_t> rows(std::min<std::size_t>(batch, static_cast<std::size_t>(height_)) * stride_);
            for (std::size_t r = 0; r < static_cast<std::size_t>(height_); r += batch) {
                const std::size_t count = std::min(batch, static_cast<std::size_t>(height_) - r);
                MirrorRows(bits_ + r * stride_, rows.data(), count, stride_, static_cast<std::size_t>(width_));
                out.Write(std::string_view(reinterpret_cast<const char*>(rows.data()), count * stride_));
            }
        }
    }
    out.Commit();
}

}  // namespace sp
