#include <gtest/gtest.h>

#include <cmath>

#include "support/Ink.h"
#include "text/TextLayout.h"

using namespace sp;

namespace {

// 3.5 mm at 600 dpi.
constexpr double CapHeight = 3.5 * 600 / 25.4;

const TextFont& Font() {
    static const TextFont font;
    return font;
}

}  // namespace

TEST(TextLayout, DefaultFamilyIsDejaVuSans) { EXPECT_EQ(Font().Family(), "DejaVu Sans"); }

TEST(TextLayout, CapitalHeightIsTheTextHeight) {
    const auto b = Render(Font().Layout("H", {200, 150, CapHeight, 0}), 400, 300);
    const Ink ink = InkOf(*b);
    EXPECT_NEAR(ink.Height(), CapHeight, 1.0);
    // The cap box is centred on the anchor; "H" is symmetric.
    EXPECT_NEAR(ink.CentreY(), 150, 1.0);
    EXPECT_NEAR(ink.CentreX(), 200, 1.5);
}

TEST(TextLayout, OnlyBlackAndWhitePixels) {
    const auto b = Render(Font().Layout("0123456789 mA", {500, 100, CapHeight, 17}), 1000, 300);
    const Ink ink = InkOf(*b);
    EXPECT_GT(ink.black, 2000);
    EXPECT_EQ(ink.other, 0);
}

TEST(TextLayout, WidthIsTheAdvanceAndScalesWithHeight) {
    const double w = Font().Width("10", CapHeight);
    EXPECT_NEAR(Font().Width("10", 2 * CapHeight), 2 * w, 1e-9);
    // Digits of DejaVu Sans are 0.636 em; the cap height is 0.729 em.
    EXPECT_NEAR(w, 2 * 0.636 / 0.729 * CapHeight, 2.0);
    const Ink ink = InkOf(*Render(Font().Layout("10", {300, 100, CapHeight, 0}), 600, 200));
    EXPECT_NEAR(ink.CentreX(), 300, 6.0);
    EXPECT_LT(ink.Width(), w);
    EXPECT_GT(ink.Width(), w * 0.7);
}

TEST(TextLayout, RotationTurnsCounterClockwiseAroundTheAnchor) {
    // "L" turned a quarter counter-clockwise: its foot points up, the stem
    // lies along the bottom.
    const auto b = Render(Font().Layout("L", {200, 200, CapHeight * 2, 90}), 400, 400);
    const Ink ink = InkOf(*b);
    EXPECT_NEAR(ink.Width(), 2 * CapHeight, 1.0);
    EXPECT_NEAR(ink.CentreX(), 200, 1.0);
    // The stem is the bottom rows; the foot reaches up the right column.
    std::int32_t bottomRow = 0, topRow = 0;
    for (std::int32_t x = ink.left; x <= ink.right; ++x) {
        bottomRow += b->Pixel(x, ink.bottom - 2) == clBlack;
        topRow += b->Pixel(x, ink.top + 2) == clBlack;
    }
    EXPECT_GT(bottomRow, 0.9 * ink.Width());
    EXPECT_LT(topRow, 0.3 * ink.Width());
    EXPECT_EQ(b->Pixel(ink.right - 2, ink.top + 2), clBlack);
}

TEST(TextLayout, UnknownFamilyFallsBackToBestMatch) {
    const TextFont font("No Such Family 4711");
    EXPECT_FALSE(font.Family().empty());
    const Ink ink = InkOf(*Render(font.Layout("5", {100, 100, CapHeight, 0}), 200, 200));
    EXPECT_GT(ink.black, 500);
}

TEST(TextLayout, MissingGlyphsAndBadBytesDrawTheFallbackGlyph) {
    // CJK and a private-use character are not in DejaVu Sans; 0xFF is no UTF-8.
    for (const char* text : {"\xE4\xB8\xAD", "\xEE\x80\x80", "1\xFF" "2"}) {
        const TextOutline o = Font().Layout(text, {100, 100, CapHeight, 0});
        EXPECT_FALSE(o.empty()) << text;
        EXPECT_GT(InkOf(*Render(o, 300, 200)).black, 100) << text;
    }
    EXPECT_TRUE(Font().Layout("", {100, 100, CapHeight, 0}).empty());
}

TEST(TextLayout, TextBeyondThePictureIsClippedAway) {
    const auto edge = Render(Font().Layout("8", {0, 0, CapHeight, 0}), 100, 100);
    const Ink ink = InkOf(*edge);
    EXPECT_EQ(ink.left, 0);
    EXPECT_EQ(ink.top, 0);
    const auto far = Render(Font().Layout("88", {-1e5, 3e5, CapHeight, 0}), 100, 100);
    EXPECT_EQ(InkOf(*far).black, 0);
}

TEST(TextLayout, InstalledFamiliesSortedOnceWithDejaVu) {
    const auto families = InstalledFontFamilies();
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end()));
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
}
