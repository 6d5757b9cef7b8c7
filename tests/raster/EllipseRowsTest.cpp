// The rows of an ellipse asked for far from its middle are those of the walk
// from the middle, whatever the box's shape; a huge dot whose curve crosses a
// small picture paints it as the walk says.
#include <gtest/gtest.h>

#include <random>

#include "raster/EllipseRows.h"
#include "raster/Graphics.h"

using namespace sp;

TEST(EllipseRows, WindowsFarFromTheMiddleKeepTheWalksInsets) {
    std::mt19937_64 random(25);
    struct Box {
        std::int64_t w, h;
    };
    std::vector<Box> boxes = {{2, 300}, {3, 1000}, {300, 300}, {1000, 131}, {131, 1000}, {5000, 140}, {999, 998},
                              {2'000'000, 2'000'001}, {3'000'000, 700}, {150, 3'000'000}};
    for (int i = 0; i < 60; ++i) boxes.push_back({2 + static_cast<std::int64_t>(random() % 900), 130 + static_cast<std::int64_t>(random() % 900)});
    for (const Box& box : boxes) {
        const EllipseRows whole(box.w, box.h, 0, box.h - 1);  // every row: the walk from the middle
        for (int k = 0; k < 12; ++k) {
            const std::int64_t first = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(box.h));
            const std::int64_t last = first + static_cast<std::int64_t>(random() % 40);
            const EllipseRows window(box.w, box.h, first, last);
            for (std::int64_t i = first; i <= std::min(last, box.h - 1); ++i)
                ASSERT_EQ(window.Inset(i), whole.Inset(i)) << box.w << " x " << box.h << ", rows " << first << ".." << last << ", row " << i;
        }
    }
}

// The dot of the widest pen, its top 10 rows into the picture: its top row
// alone is wider than the picture, so every row from there on is black.
TEST(EllipseRows, AHugeDotsTopRowsFillASmallPicture) {
    TBitmap b;
    b.SetHeight(100);
    b.SetWidth(100);
    TCanvas& c = b.Canvas();
    const std::int32_t w = 2147483647;
    c.Pen.SetWidth(w);
    c.MoveToEx(50, 10 + w / 2);
    c.LineTo(50, 10 + w / 2);
    for (std::int32_t y = 0; y < 100; ++y)
        for (std::int32_t x = 0; x < 100; ++x) ASSERT_EQ(b.Pixel(x, y), y < 10 ? clWhite : clBlack) << x << "," << y;
}
