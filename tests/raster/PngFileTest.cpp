// The PNG writer, checked with libpng's own reader against the BMP of the
// same picture.
#include <gtest/gtest.h>
#include <png.h>

#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/Graphics.h"
#include "raster/PngFile.h"
#include "support/TestDir.h"
#include "support/WriteChecks.h"

using namespace sp;

namespace {

std::unique_ptr<TBitmap> Drawn(std::int32_t w, std::int32_t h, TColor extra) {
    auto b = std::make_unique<TBitmap>();
    b->SetHeight(h);
    b->SetWidth(w);
    TCanvas& c = b->Canvas();
    c.Pen.Color = clBlack;
    c.Brush.Color = clBlack;
    c.Pen.SetWidth(5);
    c.MoveToEx(2, 3);
    c.LineTo(w - 4, h / 2);
    c.Pen.SetWidth(1);
    c.MoveToEx(0, h - 1);
    c.LineTo(w, 0);
    c.Ellipse(w / 3, h / 3, w / 2, h - 2);
    c.Pen.Color = extra;
    c.MoveToEx(0, 0);
    c.LineTo(1, 0);  // top-left pixel in `extra`
    return b;
}

// The picture rows of a BMP file, top row first, 3 bytes a pixel (BGR).
std::vector<std::uint8_t> BmpPixels(const std::string& file, std::int32_t w, std::int32_t h) {
    const std::size_t stride = (3 * static_cast<std::size_t>(w) + 3) / 4 * 4;
    std::vector<std::uint8_t> px;
    for (std::int32_t y = h - 1; y >= 0; --y) {
        const std::size_t at = 54 + static_cast<std::size_t>(y) * stride;
        px.insert(px.end(), file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + 3 * static_cast<std::size_t>(w)));
    }
    return px;
}

std::vector<std::uint8_t> PngPixels(const std::string& path, std::int32_t& w, std::int32_t& h) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_BGR;
    std::vector<std::uint8_t> px(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, px.data(), 0, nullptr)) return {};
    w = static_cast<std::int32_t>(image.width);
    h = static_cast<std::int32_t>(image.height);
    return px;
}

std::uint32_t Be32(const std::string& s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 | static_cast<unsigned char>(s[at + 1]) << 16 |
           static_cast<unsigned char>(s[at + 2]) << 8 | static_cast<unsigned char>(s[at + 3]);
}

void ExpectSamePixelsAsTheBmp(TBitmap& b, bool mirrored, int bitDepth) {
    TestDir dir;
    SavePngFile(b, dir.Path("p.png"), 600, mirrored);
    if (mirrored) b.Canvas().CopyRect({b.Width(), 0, 0, b.Height()}, b.Canvas(), b.Canvas().ClipRect());
    b.SaveToFile(dir.Path("p.bmp"));
    std::int32_t w = 0, h = 0;
    const auto png = PngPixels(dir.Path("p.png"), w, h);
    EXPECT_EQ(w, b.Width());
    EXPECT_EQ(h, b.Height());
    EXPECT_TRUE(png == BmpPixels(dir.Read("p.bmp"), b.Width(), b.Height()));
    const std::string f = dir.Read("p.png");
    EXPECT_EQ(f[24], bitDepth);                   // IHDR bit depth
    EXPECT_EQ(f[25], bitDepth == 1 ? 0 : 2);      // grey or RGB
    EXPECT_EQ(dir.Entries(), 2u);
}

}  // namespace

TEST(PngFile, BlackAndWhiteIsOneBitGreyWithTheBmpsPixels) {
    for (bool mirrored : {false, true}) {
        auto b = Drawn(101, 37, clBlack);  // a width that is not a whole byte
        ExpectSamePixelsAsTheBmp(*b, mirrored, 1);
    }
}

TEST(PngFile, AnyOtherColourIsRgbWithTheBmpsPixels) {
    for (bool mirrored : {false, true}) {
        auto b = Drawn(50, 21, 0x00336699);
        ExpectSamePixelsAsTheBmp(*b, mirrored, 8);
    }
}

TEST(PngFile, RecordsTheResolutionInPixelsPerMetre) {
    EXPECT_EQ(PixelsPerMetre(600), 23622u);
    EXPECT_EQ(PixelsPerMetre(300), 11811u);
    EXPECT_EQ(PixelsPerMetre(72), 2835u);
    TestDir dir;
    auto b = Drawn(20, 10, clBlack);
    SavePngFile(*b, dir.Path("p.png"), 300);
    const std::string f = dir.Read("p.png");
    const auto at = f.find("pHYs");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Be32(f, at - 4), 9u);
    EXPECT_EQ(Be32(f, at + 4), 11811u);
    EXPECT_EQ(Be32(f, at + 8), 11811u);
    EXPECT_EQ(f[at + 12], 1);  // metre
    EXPECT_LT(at, f.find("IDAT"));
}

TEST(PngFile, AFolderAsTheOutputIsRefused) {
    auto b = Drawn(20, 10, clBlack);
    ExpectFolderRefused(Throwing([&b](const std::string& path) { SavePngFile(*b, path, 600); }), "p.png");
}

TEST(PngFile, AFullDiskKeepsTheOldFileAndLeavesNothing) {
    auto b = Drawn(600, 400, 0x00336699);
    std::uint32_t seed = 12345;
    for (int y = 0; y < 400; ++y)  // noise that does not compress
        for (int x = 0; x < 1800; ++x) {
            seed = seed * 1664525u + 1013904223u;
            b->RowBits(y)[x] = static_cast<std::uint8_t>(seed >> 24);
        }
    ExpectFullDiskKeepsTheOldFile(Throwing([&b](const std::string& path) { SavePngFile(*b, path, 600); }), "p.png",
                                  "Stream write error", 20000);
}
