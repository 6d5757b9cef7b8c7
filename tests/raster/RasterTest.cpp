#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/Graphics.h"
#include "raster/Mirror.h"
#include "support/TestDir.h"

using namespace sp;

namespace {

std::unique_ptr<TBitmap> White(std::int32_t w, std::int32_t h) {
    auto b = std::make_unique<TBitmap>();
    b->SetHeight(h);
    b->SetWidth(w);
    return b;
}

// The picture as rows of '#' (black) and '.' (white).
std::string Art(const TBitmap& b) {
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) s += b.Pixel(x, y) == clBlack ? '#' : '.';
        s += '\n';
    }
    return s;
}

int CountBlack(const TBitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == clBlack;
    return n;
}

void Line(TBitmap& b, int width, TPoint p, TPoint q) {
    TCanvas& c = b.Canvas();
    c.Pen.SetWidth(width);
    c.MoveToEx(p.x, p.y);
    c.LineTo(q.x, q.y);
}

std::uint32_t Le32(const std::string& s, std::size_t at) {
    return static_cast<unsigned char>(s[at]) | static_cast<unsigned char>(s[at + 1]) << 8 |
           static_cast<unsigned char>(s[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

}  // namespace

TEST(Bitmap, StorageExistsOnlyOnceBothSizesAreSet) {
    TBitmap b;
    EXPECT_FALSE(b.HasStorage());
    b.SetHeight(2);
    EXPECT_FALSE(b.HasStorage());
    b.SetWidth(3);
    ASSERT_TRUE(b.HasStorage());
    EXPECT_EQ(b.Stride(), 12u);
    EXPECT_EQ(b.ImageSize(), 24u);
    for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(b.Bits()[i], (i % 12) < 9 ? 0xFF : 0x00) << i;
}

TEST(Bitmap, WhiteThreeByTwoSavesAsTheSeventyEightBytes) {
    TestDir dir;
    White(3, 2)->SaveToFile(dir.Path("w.bmp"));
    const std::string expect = std::string("\x42\x4D\x4E\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00", 14) +
                               std::string("\x28\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00", 16) +
                               std::string("\x00\x00\x00\x00\x18\x00\x00\x00", 8) + std::string(16, '\0') +
                               std::string(9, '\xFF') + std::string(3, '\0') + std::string(9, '\xFF') + std::string(3, '\0');
    ASSERT_EQ(expect.size(), 78u);
    EXPECT_EQ(dir.Read("w.bmp"), expect);
}

TEST(Bitmap, FullSizePictureFileLayout) {
    TestDir dir;
    auto b = White(1890, 945);
    Line(*b, 1, {0, 0}, {1, 0});  // black pixel at the top-left corner
    b->SaveToFile(dir.Path("big.bmp"));
    const std::string f = dir.Read("big.bmp");
    ASSERT_EQ(f.size(), 5360094u);
    EXPECT_EQ(Le32(f, 2), 5360094u);
    EXPECT_EQ(Le32(f, 34), 5360040u);
    EXPECT_EQ(Le32(f, 18), 1890u);
    EXPECT_EQ(Le32(f, 22), 945u);
    // Row 0 is the last row of the pixel array.
    const std::size_t last = 54 + 5672u * 944;
    EXPECT_EQ(f.substr(last, 6), std::string("\0\0\0\xFF\xFF\xFF", 6));
    EXPECT_EQ(f.substr(54 + 5670, 2), std::string(2, '\0'));  // padding
}

TEST(Bitmap, EmptyPictureSavesZeroBytesAndIgnoresDrawing) {
    TestDir dir;
    TBitmap b;
    b.SetHeight(5);
    Line(b, 3, {0, 0}, {4, 4});
    b.Canvas().Ellipse(0, 0, 4, 4);
    b.SaveToFile(dir.Path("e.bmp"));
    EXPECT_TRUE(FileExists(dir.Path("e.bmp")));
    EXPECT_EQ(dir.Read("e.bmp"), "");
}

TEST(Bitmap, PictureLargerThanMemoryIsRefusedBeforeItIsTouched) {
    TBitmap b;
    b.SetHeight(100000);
    EXPECT_THROW(b.SetWidth(100000), EOutOfResources);  // 30 GB
    EXPECT_FALSE(b.HasStorage());
    TBitmap c;
    c.SetHeight(2000000000);
    try {
        c.SetWidth(2000000000);
        FAIL();
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Out of system resources");
    }
}

TEST(Pen, WidthRules) {
    TPen p;
    EXPECT_EQ(p.Width(), 1);
    p.SetWidth(-1);
    EXPECT_EQ(p.Width(), 1);
    p.SetWidth(0);
    EXPECT_EQ(p.Width(), 0);
    auto b = White(30, 12);
    Line(*b, 0, {10, 10}, {20, 10});
    for (int x = 0; x < 30; ++x) EXPECT_EQ(b->Pixel(x, 10) == clBlack, x >= 10 && x <= 19) << x;
}

TEST(ThinLine, ShallowTiesGoUpAndReverseLinesPaintTheSame) {
    auto a = White(6, 3);
    Line(*a, 1, {0, 0}, {4, 1});
    EXPECT_EQ(Art(*a),
              "###...\n"
              "...#..\n"
              "......\n");
    auto r = White(6, 3);
    Line(*r, 1, {4, 1}, {0, 0});
    EXPECT_EQ(Art(*r),
              ".##...\n"
              "...##.\n"
              "......\n");
    // Steep line: a tie goes left.
    auto s = White(3, 5);
    Line(*s, 1, {0, 0}, {1, 4});
    EXPECT_EQ(Art(*s),
              "#..\n"
              "#..\n"
              "#..\n"
              ".#.\n"
              "...\n");
    auto chain = White(5, 5);
    TCanvas& c = chain->Canvas();
    c.MoveToEx(0, 0);
    c.LineTo(4, 0);
    c.LineTo(4, 4);
    c.LineTo(0, 4);
    c.LineTo(0, 0);
    EXPECT_EQ(Art(*chain),
              "#####\n"
              "#...#\n"
              "#...#\n"
              "#...#\n"
              "#####\n");
    auto none = White(4, 4);
    Line(*none, 1, {2, 2}, {2, 2});
    EXPECT_EQ(CountBlack(*none), 0);
}

// Clipping keeps every pixel of the unclipped line: the same lines drawn on a
// larger picture, shifted, give the same pixels inside the small one.
TEST(ThinLine, ClippingNeverMovesAPixel) {
    const TPoint ends[][2] = {{{-5, -3}, {10, 2}}, {{12, -7}, {-3, 9}}, {{-40, 3}, {50, 4}},
                              {{3, 30}, {4, -30}}, {{-1000000, -999999}, {1000000, 1000001}}};
    for (const auto& e : ends) {
        auto small = White(8, 8);
        auto big = White(48, 48);
        Line(*small, 1, e[0], e[1]);
        Line(*big, 1, {e[0].x + 20, e[0].y + 20}, {e[1].x + 20, e[1].y + 20});
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) EXPECT_EQ(small->Pixel(x, y), big->Pixel(x + 20, y + 20)) << x << "," << y;
    }
}

TEST(WideLine, DotSizes) {
    const int sizes[][2] = {{2, 4}, {3, 5}, {4, 12}, {5, 21}, {71, 3941}};
    for (const auto& s : sizes) {
        auto b = White(100, 100);
        Line(*b, s[0], {50, 50}, {50, 50});
        EXPECT_EQ(CountBlack(*b), s[1]) << "width " << s[0];
    }
    auto b3 = White(5, 5);
    Line(*b3, 3, {2, 2}, {2, 2});
    EXPECT_EQ(Art(*b3),
              ".....\n"
              "..#..\n"
              ".###.\n"
              "..#..\n"
              ".....\n");
    auto b4 = White(6, 6);
    Line(*b4, 4, {3, 3}, {3, 3});  // even width: box from column 1, row 1
    EXPECT_EQ(Art(*b4),
              "......\n"
              "..##..\n"
              ".####.\n"
              ".####.\n"
              "..##..\n"
              "......\n");
}

TEST(WideLine, HorizontalVerticalAndSlantedStrokes) {
    auto h = White(12, 5);
    Line(*h, 3, {2, 2}, {8, 2});
    EXPECT_EQ(Art(*h),
              "............\n"
              "..#######...\n"
              ".#########..\n"
              "..#######...\n"
              "............\n");
    auto v = White(5, 8);
    Line(*v, 2, {2, 1}, {2, 5});
    EXPECT_EQ(Art(*v),
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".....\n"
              ".....\n");
    auto d = White(10, 10);
    Line(*d, 2, {1, 1}, {7, 7});
    EXPECT_EQ(Art(*d),
              "##........\n"
              "###.......\n"
              "####......\n"
              ".####.....\n"
              "..####....\n"
              "...####...\n"
              "....####..\n"
              ".....###..\n"
              "..........\n"
              "..........\n");
    // Clipped at every border without error.
    auto c = White(4, 4);
    Line(*c, 9, {-3, -3}, {8, 8});
    EXPECT_EQ(CountBlack(*c), 16);
}

TEST(Ellipse, BoxRuleAndTheWorkedCircle) {
    auto b = White(1100, 950);
    TCanvas& c = b->Canvas();
    c.Brush.Color = clBlack;
    c.Pen.Color = clBlack;
    c.MoveToEx(5, 6);
    c.Ellipse(874, 756, 1016, 898);
    EXPECT_EQ(c.PenPos(), (TPoint{5, 6}));
    EXPECT_EQ(CountBlack(*b), 15824);
    int first = -1, last = -1;
    for (int x = 0; x < 1100; ++x)
        if (b->Pixel(x, 756) == clBlack) {
            if (first < 0) first = x;
            last = x;
        }
    EXPECT_EQ(first, 937);
    EXPECT_EQ(last, 952);
    EXPECT_EQ(b->Pixel(874, 827), clBlack);
    EXPECT_EQ(b->Pixel(1015, 827), clBlack);
    EXPECT_EQ(b->Pixel(1016, 827), clWhite);
    EXPECT_EQ(b->Pixel(873, 827), clWhite);
    EXPECT_EQ(b->Pixel(945, 897), clBlack);
    EXPECT_EQ(b->Pixel(945, 898), clWhite);

    auto s = White(6, 6);
    s->Canvas().Brush.Color = clBlack;
    s->Canvas().Ellipse(0, 0, 6, 6);
    EXPECT_EQ(Art(*s),
              "..##..\n"
              ".####.\n"
              "######\n"
              "######\n"
              ".####.\n"
              "..##..\n");
}

TEST(CopyRect, MirrorsInPlace) {
    auto b = White(1890, 4);
    Line(*b, 1, {10, 1}, {11, 1});
    Line(*b, 1, {0, 2}, {1, 2});
    TCanvas& c = b->Canvas();
    c.CopyRect({1890, 0, 0, 4}, c, c.ClipRect());
    EXPECT_EQ(b->Pixel(1879, 1), clBlack);
    EXPECT_EQ(b->Pixel(10, 1), clWhite);
    EXPECT_EQ(b->Pixel(1889, 2), clBlack);
    EXPECT_EQ(CountBlack(*b), 2);

    auto s = White(3, 2);
    Line(*s, 1, {0, 0}, {1, 0});
    TCanvas& sc = s->Canvas();
    sc.CopyRect({0, 2, 3, 0}, sc, sc.ClipRect());
    EXPECT_EQ(Art(*s), "...\n#..\n");
    sc.CopyRect({3, 2, 0, 0}, sc, sc.ClipRect());
    EXPECT_EQ(Art(*s), "..#\n...\n");
    sc.CopyRect({0, 0, 3, 2}, sc, sc.ClipRect());
    EXPECT_EQ(Art(*s), "..#\n...\n");
}

// LineTo moves the pen, Ellipse leaves it; both draw with the pen width set
// before them.
TEST(Canvas, PenPositionAndWidthCarryFromCallToCall) {
    auto b = White(10, 10);
    TCanvas& c = b->Canvas();
    c.Pen.SetWidth(3);
    c.MoveToEx(1, 2);
    c.LineTo(3, 4);
    EXPECT_EQ(c.PenPos(), (TPoint{3, 4}));
    c.Ellipse(6, 6, 9, 9);
    EXPECT_EQ(c.PenPos(), (TPoint{3, 4}));
    auto thin = White(10, 10);
    Line(*thin, 1, {1, 2}, {3, 4});
    EXPECT_GT(CountBlack(*b), CountBlack(*thin) + 9);  // the wide stroke and the ring
}

// A pen far wider than the picture covers it; memory and time go by the
// picture (an ASan build would fail to allocate by the pen's size).
TEST(Clipping, AHugePenOnASmallPictureFillsIt) {
    auto b = White(60, 40);
    Line(*b, 2147483647, {30, 20}, {31, 21});
    EXPECT_EQ(CountBlack(*b), 60 * 40);
    auto h = White(60, 40);
    Line(*h, 2147483647, {30, 20}, {30, 20});  // a single dot
    EXPECT_EQ(CountBlack(*h), 60 * 40);
    auto e = White(60, 40);
    e->Canvas().Brush.Color = clBlack;
    e->Canvas().Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(CountBlack(*e), 60 * 40);
}

// What falls in a small window of a figure is what the same figure paints
// there on a picture large enough to hold it whole.
TEST(Clipping, AWindowShowsTheSamePixelsAsTheWholePicture) {
    for (int w = 3; w <= 41; w += 2) {
        for (int h : {4, 9, 30}) {
            auto whole = White(60, 60);
            TCanvas& c = whole->Canvas();
            c.Brush.Color = clBlack;
            c.Pen.Color = 0x0000FF;  // a red outline, so the outline counts too
            c.Ellipse(5, 5, 5 + w, 5 + h);
            Line(*whole, w, {30, 50}, {45, 10});
            for (TPoint at : {TPoint{0, 0}, TPoint{5 + w / 2, 5 + h / 2}, TPoint{28, 30}}) {
                auto win = White(7, 5);
                TCanvas& d = win->Canvas();
                d.Brush.Color = clBlack;
                d.Pen.Color = 0x0000FF;
                d.Ellipse(5 - at.x, 5 - at.y, 5 + w - at.x, 5 + h - at.y);
                Line(*win, w, {30 - at.x, 50 - at.y}, {45 - at.x, 10 - at.y});
                for (int y = 0; y < 5; ++y)
                    for (int x = 0; x < 7; ++x)
                        ASSERT_EQ(win->Pixel(x, y), whole->Pixel(at.x + x, at.y + y)) << w << "x" << h << " at " << x << "," << y;
            }
        }
    }
}

// The figure fills its box: every side of the box is touched, and each row
// is symmetric about the box's middle (a tall box loses no right column).
TEST(Ellipse, FillsItsBoxSymmetrically) {
    for (TPoint size : {TPoint{5, 12}, TPoint{12, 5}, TPoint{6, 6}, TPoint{3, 3}, TPoint{7, 30}}) {
        auto b = White(size.x + 4, size.y + 4);
        b->Canvas().Brush.Color = clBlack;
        b->Canvas().Ellipse(2, 2, 2 + size.x, 2 + size.y);
        std::string art = Art(*b);
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x) {
                const bool inBox = x >= 2 && x < 2 + size.x && y >= 2 && y < 2 + size.y;
                const TColor expect = inBox ? b->Pixel(2 + size.x - 1 - (x - 2), y) : clWhite;
                EXPECT_EQ(b->Pixel(x, y), expect) << art;
            }
        bool left = false, right = false, top = false, bottom = false;
        for (int y = 2; y < 2 + size.y; ++y) {
            left |= b->Pixel(2, y) == clBlack;
            right |= b->Pixel(1 + size.x, y) == clBlack;
        }
        for (int x = 2; x < 2 + size.x; ++x) {
            top |= b->Pixel(x, 2) == clBlack;
            bottom |= b->Pixel(x, 1 + size.y) == clBlack;
        }
        EXPECT_TRUE(left && right && top && bottom) << art;
    }
}

// Resizing a picture that already has a canvas: the new pixels take the
// brush colour, the old ones stay at the top-left.
TEST(Bitmap, AWidenedPictureFillsTheNewPixelsWithTheBrush) {
    auto b = White(3, 2);
    Line(*b, 1, {0, 0}, {1, 0});
    b->Canvas().Brush.Color = 0x000000FF;  // red
    b->SetWidth(5);
    b->SetHeight(3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const TColor expect = x == 0 && y == 0 ? clBlack : (x < 3 && y < 2 ? clWhite : 0x000000FF);
            EXPECT_EQ(b->Pixel(x, y), expect) << x << "," << y;
        }
    EXPECT_EQ(b->RowBits(2)[15], 0);  // padding stays zero
}

TEST(Bitmap, TheMemoryCheckComesBeforeTheStorage) {
    const MemoryProbe old = SetMemoryProbe([]() -> std::size_t { return 1000; });
    TBitmap small;
    small.SetHeight(10);
    small.SetWidth(10);  // 320 bytes
    EXPECT_TRUE(small.HasStorage());
    TBitmap large;
    large.SetHeight(20);
    EXPECT_THROW(large.SetWidth(20), EOutOfResources);  // 1,200 bytes
    EXPECT_FALSE(large.HasStorage());
    SetMemoryProbe(old);
}

TEST(Bitmap, ASavedPictureKeepsTheOldFilesPermissions) {
    TestDir dir;
    const std::string path = dir.Path("p.bmp");
    White(3, 2)->SaveToFile(path);
    ::chmod(path.c_str(), 0604);
    White(4, 2)->SaveToFile(path);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(dir.Read("p.bmp").size(), 54u + 2 * 12);
}

// The mirrored save writes what mirroring first and saving would, byte for
// byte, and leaves the picture as it was (3001 x 1000 spans several batches).
TEST(Bitmap, AMirroredSaveIsTheMirroredPictureByteForByte) {
    for (TPoint size : {TPoint{101, 37}, TPoint{3001, 1000}}) {
        TestDir dir;
        auto b = White(size.x, size.y);
        Line(*b, 7, {3, 2}, {size.x / 2, size.y - 5});
        Line(*b, 1, {0, size.y - 1}, {size.x, size.y / 3});
        b->Canvas().Brush.Color = 0x00123456;
        b->Canvas().Ellipse(size.x - 20, 0, size.x + 10, 15);
        const std::string before(reinterpret_cast<const char*>(b->Bits()), b->ImageSize());
        b->SaveToFile(dir.Path("m.bmp"), true);
        EXPECT_TRUE(std::string(reinterpret_cast<const char*>(b->Bits()), b->ImageSize()) == before);
        b->Canvas().CopyRect({size.x, 0, 0, size.y}, b->Canvas(), b->Canvas().ClipRect());
        b->SaveToFile(dir.Path("f.bmp"));
        EXPECT_TRUE(dir.Read("m.bmp") == dir.Read("f.bmp")) << size.x;
        EXPECT_EQ(dir.Entries(), 2u);
    }
}

TEST(FlipBitmap, ModesMirrorInPlace) {
    const auto picture = [] {
        auto b = std::make_unique<TBitmap>();
        b->SetHeight(3);
        b->SetWidth(5);
        b->Canvas().MoveToEx(0, 0);
        b->Canvas().LineTo(2, 0);  // pixels (0, 0) and (1, 0)
        return b;
    };
    const struct {
        int mode;
        TPoint a, b;
    } rows[] = {{1, {4, 0}, {3, 0}}, {2, {0, 2}, {1, 2}}, {3, {4, 2}, {3, 2}}, {0, {0, 0}, {1, 0}}, {7, {0, 0}, {1, 0}}};
    for (const auto& r : rows) {
        auto b = picture();
        FlipBitmap(*b, r.mode);
        int black = 0;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) black += b->Pixel(x, y) == clBlack;
        EXPECT_EQ(black, 2) << r.mode;
        EXPECT_EQ(b->Pixel(r.a.x, r.a.y), clBlack) << r.mode;
        EXPECT_EQ(b->Pixel(r.b.x, r.b.y), clBlack) << r.mode;
    }
}
