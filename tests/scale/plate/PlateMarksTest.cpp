// Dial marks on a plate, checked from the program's own pixels: they lie in
// their squares in their colour, the mirror turns them over, and the class
// and the test voltage read back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateGrid.h"
#include "scale/plate/PlateReader.h"
#include "support/TestDir.h"

namespace {

constexpr sp::TColor Red = 0x000000FF;

// Five marks of 8 mm in a row at y = 10, the class in red.
const char* const kPlate = R"(format = 1
[plate]
width = 60
height = 20
dpi = 600

[[mark]]
symbol = "moving-coil"
x = 8
y = 10

[[mark]]
symbol = "ac"
x = 19
y = 10

[[mark]]
symbol = "class"
class = 1.5
color = "red"
x = 30
y = 10

[[mark]]
symbol = "class"
class = 0.5
circled = true
x = 41
y = 10

[[mark]]
symbol = "test-voltage"
kv = 2
x = 52
y = 10
)";

// What tesseract reads in the box of `w` x `h` mm centred on (x, y) mm of
// the plate, set on white paper twice its size.
std::string ReadBox(const sp::TBitmap& picture, const sp::PlateGrid& grid, double x, double y, double w, double h) {
    const sp::TPoint at = grid.At(x, y);
    const std::int32_t bw = grid.Px(w), bh = grid.Px(h);
    sp::TBitmap crop;
    crop.SetHeight(2 * bh);
    crop.SetWidth(2 * bw);
    for (std::int32_t row = 0; row < bh; ++row) {
        const std::uint8_t* from = picture.RowBits(at.y - bh / 2 + row) + 3 * (at.x - bw / 2);
        std::copy(from, from + 3 * bw, crop.RowBits(bh / 2 + row) + 3 * (bw / 2));
    }
    TestDir dir;
    crop.SaveToFile(dir.Path("box.bmp"));
    const std::string cmd = "OMP_THREAD_LIMIT=1 tesseract '" + dir.Path("box.bmp") + "' stdout --psm 7 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(cmd.c_str(), "r")) {
        char buf[256];
        while (fgets(buf, sizeof buf, pipe)) out += buf;
        pclose(pipe);
    }
    return out.substr(0, out.find_first_of("\n\f"));
}

}  // namespace

TEST(PlateMarks, EachMarkLiesInItsSquareInItsColourAndTheMirrorTurnsThemOver) {
    sp::Plate plate = sp::ParsePlate(kPlate, "marks.scaleplate");
    const sp::PlateGrid grid(plate);
    const auto picture = sp::DrawPlateRaster(plate, "");
    const double ppm = grid.PixelsPerMm();
    std::vector<long> ink(plate.marks.size());
    long outside = 0;
    for (std::int32_t y = 0; y < picture->Height(); ++y)
        for (std::int32_t x = 0; x < picture->Width(); ++x) {
            const sp::TColor c = picture->Pixel(x, y);
            if (c == sp::clWhite) continue;
            const double mx = (x + 0.5) / ppm, my = plate.plate.height - (y + 0.5) / ppm;
            bool in = false;
            for (std::size_t i = 0; i < plate.marks.size(); ++i) {
                const sp::PlateMark& m = plate.marks[i];
                if (std::fabs(mx - m.x) < 4 + 1 / ppm && std::fabs(my - m.y) < 4 + 1 / ppm) {
                    in = true;
                    ink[i] += 1;
                    EXPECT_EQ(c, m.color) << x << "," << y;
                }
            }
            outside += !in;
        }
    EXPECT_EQ(outside, 0);
    for (std::size_t i = 0; i < ink.size(); ++i) EXPECT_GT(ink[i], 0.04 * 64 * ppm * ppm) << plate.marks[i].symbol;

    plate.plate.mirror = true;
    const auto mirrored = sp::DrawPlateRaster(plate, "");
    for (std::int32_t y = 0; y < picture->Height(); ++y)
        for (std::int32_t x = 0; x < picture->Width(); ++x)
            ASSERT_EQ(mirrored->Pixel(picture->Width() - 1 - x, y), picture->Pixel(x, y)) << x << "," << y;
}

TEST(PlateMarks, TheClassAndTheTestVoltageReadBack) {
    if (std::system("command -v tesseract >/dev/null 2>&1") != 0) GTEST_SKIP() << "no tesseract";
    sp::Plate plate = sp::ParsePlate(kPlate, "marks.scaleplate");
    for (sp::PlateMark& m : plate.marks) m.color = sp::clBlack;
    const sp::PlateGrid grid(plate);
    const auto picture = sp::DrawPlateRaster(plate, "");
    EXPECT_EQ(ReadBox(*picture, grid, 30, 10, 8, 8), "1.5");
    // Inside the circle and inside the star, clear of their lines.
    EXPECT_EQ(ReadBox(*picture, grid, 41, 10, 5.2, 3.2), "0.5");
    EXPECT_EQ(ReadBox(*picture, grid, 52, 10 - 0.34, 1.76, 1.84), "2");
}
