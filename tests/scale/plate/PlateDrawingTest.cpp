// A plate of two scales with a zone, a hole and a text, checked from its
// pictures as a meter maker would check the print.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "scale/drawing/ScaleDrawing.h"
#include "scale/output/OutputFormat.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateGrid.h"
#include "scale/plate/PlateReader.h"
#include "support/TestDir.h"

namespace {

constexpr sp::TColor Red = 0x000000FF, Blue = 0x00FF0000;

const char* const kPlate = R"(format = 1
[plate]
width = 80
height = 50
dpi = 200
pivot = [40, 5]

[[scale]]
radius = 35
arc_width = 0.3
numbers = "none"
[[scale.zone]]
from = 60
to = 90
color = "red"
offset = -5
width = 2

[[scale]]
radius = 20
law = "linear"
from = 0
to = 10
numbers = "none"
color = "blue"

[[hole]]
x = 10
y = 40
diameter = 4

[[text]]
x = 62
y = 6
text = "PLATE 42"
height = 4
)";

struct Drawn {
    sp::Plate plate = sp::ParsePlate(kPlate, "test.scaleplate");
    sp::PlateGrid grid{plate};
    std::unique_ptr<sp::TBitmap> picture = sp::DrawPlateRaster(plate, "");
    double ppm = grid.PixelsPerMm();
    sp::ScaleParameters frame = grid.Frame(0);
    double cx = frame.CenterX + 0.5, cy = frame.Height - frame.CenterY + 0.5;  // the pivot pixel's centre
};

TEST(PlateDrawing, TheZonesColourLiesInItsBandAndNowhereElse) {
    const Drawn d;
    const sp::TBitmap& b = *d.picture;
    long red = 0;
    for (std::int32_t y = 0; y < b.Height(); ++y) {
        for (std::int32_t x = 0; x < b.Width(); ++x) {
            if (b.Pixel(x, y) != Red) continue;
            ++red;
            const double dx = x + 0.5 - d.cx, dy = d.cy - (y + 0.5);
            const double r = std::hypot(dx, dy) / d.ppm, angle = std::atan2(dy, dx) * 180 / M_PI;
            ASSERT_TRUE(r > 30 - 0.15 && r < 32 + 0.15 && angle > 60 - 0.3 && angle < 90 + 0.3)
                << "red pixel at " << x << "," << y << ": " << r << " mm, " << angle << " degrees";
        }
    }
    const double band = M_PI * (32 * 32 - 30 * 30) / 12 * d.ppm * d.ppm;  // a twelfth of the annulus
    EXPECT_GT(red, 0.97 * band);
    EXPECT_LT(red, 1.03 * band);
}

TEST(PlateDrawing, EachArcLiesAtItsRadiusInItsColour) {
    const Drawn d;
    const sp::TBitmap& b = *d.picture;
    // Along the ray at 100 degrees, between ticks: the blue arc at 20 mm, the
    // black one at 35 mm, white everywhere else beyond the pivot.
    for (std::int32_t r = d.grid.Px(3); r < d.grid.Px(45); ++r) {
        const sp::TPoint at = sp::ScalePoint(d.frame, 100, r);
        const double mm = r / d.ppm;
        const sp::TColor ink = b.Pixel(at.x, at.y);
        if (ink == Blue)
            EXPECT_LT(std::fabs(mm - 20), 0.3) << "blue at " << mm << " mm";
        else if (ink == sp::clBlack)
            EXPECT_LT(std::fabs(mm - 35), 0.3) << "black at " << mm << " mm";
        else
            EXPECT_EQ(ink, sp::clWhite) << mm << " mm";
    }
    const sp::TPoint blue = sp::ScalePoint(d.frame, 100, d.grid.Px(20));
    const sp::TPoint black = sp::ScalePoint(d.frame, 100, d.grid.Px(35));
    EXPECT_EQ(b.Pixel(blue.x, blue.y), Blue);
    EXPECT_EQ(b.Pixel(black.x, black.y), sp::clBlack);
}

TEST(PlateDrawing, TheHoleIsACircleWithACentreCross) {
    const Drawn d;
    const sp::TBitmap& b = *d.picture;
    const sp::TPoint c = d.grid.At(10, 40);
    const double r = 2 * d.ppm;
    const auto inkNear = [&](double x, double y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (b.Pixel(static_cast<std::int32_t>(std::floor(x)) + dx, static_cast<std::int32_t>(std::floor(y)) + dy) ==
                    sp::clBlack)
                    return true;
        return false;
    };
    for (int k = 0; k < 16; ++k) {
        const double a = k * M_PI / 8;
        EXPECT_TRUE(inkNear(c.x + 0.5 + r * std::cos(a), c.y + 0.5 - r * std::sin(a))) << "circle at " << k;
        EXPECT_EQ(b.Pixel(c.x + static_cast<int>(r * 0.6 * std::cos(a + 0.3)),
                          c.y - static_cast<int>(r * 0.6 * std::sin(a + 0.3))),
                  sp::clWhite)
            << "inside at " << k;
    }
    EXPECT_EQ(b.Pixel(c.x, c.y), sp::clBlack);
    EXPECT_EQ(b.Pixel(c.x + d.grid.Px(0.8), c.y), sp::clBlack);
    EXPECT_EQ(b.Pixel(c.x, c.y - d.grid.Px(0.8)), sp::clBlack);
}

TEST(PlateDrawing, TheTextReadsBack) {
    if (std::system("command -v tesseract >/dev/null 2>&1") != 0) GTEST_SKIP() << "no tesseract";
    const Drawn d;
    // The text's neighbourhood as a picture of its own.
    const sp::TPoint at = d.grid.At(62, 6);
    const std::int32_t w = d.grid.Px(34), h = d.grid.Px(10);
    sp::TBitmap crop;
    crop.SetHeight(h);
    crop.SetWidth(w);
    for (std::int32_t y = 0; y < h; ++y) {
        const std::uint8_t* from = d.picture->RowBits(at.y - h / 2 + y);
        std::copy(from + 3 * (at.x - w / 2), from + 3 * (at.x + w / 2), crop.RowBits(y));
    }
    TestDir dir;
    crop.SaveToFile(dir.Path("text.bmp"));
    const std::string cmd = "tesseract '" + dir.Path("text.bmp") + "' stdout --psm 7 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(cmd.c_str(), "r")) {
        char buf[256];
        while (fgets(buf, sizeof buf, pipe)) out += buf;
        pclose(pipe);
    }
    EXPECT_EQ(out.substr(0, out.find_first_of("\n\f")), "PLATE 42");
}

TEST(PlateDrawing, FilesAreInColourAtTheTrueSizeOfPlateAndMargin) {
    TestDir dir;
    sp::Plate plate = sp::ParsePlate(kPlate, "test.scaleplate");
    plate.cropMarks = sp::PlateCropMarks{};  // a margin of 1 + 2 mm on each side
    const auto picture = sp::DrawPlateRaster(plate, "");
    const sp::DisplayList list = sp::RecordPlate(plate, "");
    sp::WritePictureFile(sp::OutputFormat::Png, picture.get(), nullptr, dir.Path("p.png"), {false, 200});
    sp::WritePictureFile(sp::OutputFormat::Svg, nullptr, &list, dir.Path("p.svg"));
    sp::WritePictureFile(sp::OutputFormat::Pdf, nullptr, &list, dir.Path("p.pdf"));
    EXPECT_EQ(dir.Read("p.png")[25], 2) << "PNG colour type: RGB";
    const std::string svg = dir.Read("p.svg");
    EXPECT_NE(svg.find("width=\"86mm\" height=\"56mm\""), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#ff0000\""), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#0000ff\""), std::string::npos);
    EXPECT_NE(dir.Read("p.pdf").find("/MediaBox [ 0 0 243.779528 158.740157 ]"), std::string::npos);

    // The same plate in black alone stays a 1-bit PNG.
    plate.scales[0].zones.clear();
    plate.scales[1].color = sp::clBlack;
    sp::WritePictureFile(sp::OutputFormat::Png, sp::DrawPlateRaster(plate, "").get(), nullptr, dir.Path("b.png"),
                         {false, 200});
    EXPECT_EQ(dir.Read("b.png")[24], 1) << "PNG bit depth";
}

}  // namespace
