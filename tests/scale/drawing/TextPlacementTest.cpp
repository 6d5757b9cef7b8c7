#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/ScaleNumbers.h"
#include "scale/drawing/TextPlacement.h"
#include "support/Ink.h"
#include "support/Worked.h"

using namespace sp;

namespace {

const TextFont& Font() {
    static const TextFont font;
    return font;
}

struct Scale {
    ScaleParameters p;
    TextStyle style;
    double PivotX() const { return p.CenterX; }
    double PivotY() const { return p.Height - p.CenterY; }
};

// The worked example as drawn, on a plate 200 pixels taller: the numbers at
// 3.5 mm reach beyond the top edge of the 40 mm plate, and the test wants
// to see all of their ink.
Scale WorkedScale() {
    Scale s;
    FormFields f = WorkedFields();
    s.p = Fresh();
    EXPECT_EQ(ReadScaleParameters(s.p, f), std::nullopt);
    DrawScale(s.p, f, {}, false);
    s.p.Height += 200;
    s.style.height = TextHeightPixels(3.5L, s.p.PixelsPerMm);
    return s;
}

// The ink of one text drawn alone on a picture of the scale's size.
Ink InkOfText(const Scale& s, const std::string& text, const TextPlacementBox& box) {
    auto b = WhitePicture(s.p.Width, s.p.Height);
    FillOutline(*b, Font().Layout(text, box));
    return InkOf(*b);
}

// Nearest and farthest distance of the ink from the pivot.
std::pair<double, double> RadialExtent(const Scale& s, const std::string& text, const TextPlacementBox& box) {
    auto b = WhitePicture(s.p.Width, s.p.Height);
    FillOutline(*b, Font().Layout(text, box));
    const double px = s.PivotX() + 0.5, py = s.PivotY() + 0.5;
    double nearest = 1e9, farthest = 0;
    for (std::int32_t y = 0; y < b->Height(); ++y)
        for (std::int32_t x = 0; x < b->Width(); ++x)
            if (b->Pixel(x, y) == clBlack) {
                const double d = std::hypot(x + 0.5 - px, y + 0.5 - py);
                nearest = std::min(nearest, d), farthest = std::max(farthest, d);
            }
    return {nearest, farthest};
}

}  // namespace

TEST(TextPlacement, HeightInMillimetresAsGridPixels) {
    EXPECT_NEAR(TextHeightPixels(3.5L, PixelsPerMmOf(600)), 82.677, 0.001);
}

TEST(TextPlacement, WorkedNumbersSitOnTheirTicksBeyondTheMasters) {
    const Scale s = WorkedScale();
    const auto numbers = UniformTickNumbers(s.p, *ParseDecimalValue("0"), *ParseDecimalValue("10"));
    const double gap = s.style.height / 4, tickEnd = s.p.Radius + 2.0 * s.p.SegmentLength;  // 733 px
    for (const TickNumber& n : numbers) {
        const double w = Font().Width(n.Text, s.style.height);
        const TextPlacementBox box = PlaceTickNumber(s.p, n.Angle, w, s.style);
        const Ink ink = InkOfText(s, n.Text, box);
        // The ink's centre lies on the tick's radial line, outside the ticks.
        const double t = n.Angle * M_PI / 180, dx = ink.CentreX() - s.PivotX(), dy = s.PivotY() - ink.CentreY();
        EXPECT_NEAR(dx * std::sin(t) - dy * std::cos(t), 0, 4.0) << n.Text;
        const auto [nearest, farthest] = RadialExtent(s, n.Text, box);
        EXPECT_GE(nearest, tickEnd + gap - 3) << n.Text;
        EXPECT_LE(nearest, tickEnd + gap + 25) << n.Text;
        // Round digits overshoot the cap height by about 1.5% at each end.
        EXPECT_NEAR(ink.Height(), s.style.height, 3.0) << n.Text;
    }
    // "5" at 90 degrees: straight above the pivot, its bottom a quarter of
    // the text height above the master's end (row 94 on the 40 mm plate).
    const Ink five = InkOfText(s, "5", PlaceTickNumber(s.p, 90, Font().Width("5", s.style.height), s.style));
    EXPECT_NEAR(five.CentreX(), 945.5, 3.0);
    EXPECT_NEAR(five.bottom + 1, 200 + 94 - s.style.height / 4, 2.0);
}

TEST(TextPlacement, InsideKeepsAQuarterHeightWithinTheRadius) {
    Scale s = WorkedScale();
    s.style.inside = true;
    for (const double angle : {45.0, 90.0, 135.0}) {
        // "HH" inks its box up to the side bearings, so its farthest ink
        // lies near the box's farthest corner.
        const TextPlacementBox box = PlaceTickNumber(s.p, angle, Font().Width("HH", s.style.height), s.style);
        const auto [nearest, farthest] = RadialExtent(s, "HH", box);
        EXPECT_LE(farthest, s.p.Radius - s.style.height / 4 + 1) << angle;
        EXPECT_GE(farthest, s.p.Radius - s.style.height / 4 - 10) << angle;
    }
}

TEST(TextPlacement, TurnedTextHasItsTopAwayFromThePivot) {
    Scale s = WorkedScale();
    s.style.radial = true;
    // At 0 degrees (right of the pivot) a turned "T" lies on its side with
    // its bar farthest from the pivot, that is in its rightmost columns.
    auto b = WhitePicture(s.p.Width, s.p.Height);
    FillOutline(*b, Font().Layout("T", PlaceTickNumber(s.p, 0, Font().Width("T", s.style.height), s.style)));
    const Ink ink = InkOf(*b);
    EXPECT_NEAR(ink.Width(), s.style.height, 2.0);
    EXPECT_NEAR(ink.CentreY(), s.PivotY(), 4.0);
    EXPECT_NEAR(ink.left, 945 + 733 + s.style.height / 4, 2.0);
    std::int32_t leftColumn = 0, rightColumn = 0;
    for (std::int32_t y = ink.top; y <= ink.bottom; ++y) {
        leftColumn += b->Pixel(ink.left + 2, y) == clBlack;
        rightColumn += b->Pixel(ink.right - 2, y) == clBlack;
    }
    EXPECT_GT(rightColumn, 0.9 * ink.Height());
    EXPECT_LT(leftColumn, 0.3 * ink.Height());
}

// At every angle a turned "T" has its bar, where most of its ink lies, away
// from the pivot: upright at 90 degrees, on its side at 0 and 180.
TEST(TextPlacement, TurnedTextReadsOutwardsAtEveryAngle) {
    Scale s = WorkedScale();
    s.style.radial = true;
    for (const double angle : {0.0, 45.0, 90.0, 135.0, 180.0}) {
        auto b = WhitePicture(s.p.Width, s.p.Height);
        const TextPlacementBox box = PlaceTickNumber(s.p, angle, Font().Width("T", s.style.height), s.style);
        FillOutline(*b, Font().Layout("T", box));
        const Ink ink = InkOf(*b);
        double sx = 0, sy = 0;
        for (std::int32_t y = ink.top; y <= ink.bottom; ++y)
            for (std::int32_t x = ink.left; x <= ink.right; ++x)
                if (b->Pixel(x, y) == clBlack) sx += x + 0.5, sy += y + 0.5;
        // From the middle of the letter's box to its centre of ink, along the radius.
        const double t = angle * std::numbers::pi / 180;
        const double outwards = (sx / ink.black - box.x) * std::cos(t) - (sy / ink.black - box.y) * std::sin(t);
        EXPECT_GT(outwards, s.style.height / 10) << angle;
    }
}

TEST(TextPlacement, UnitTextAboveThePivotAtOneAndAHalfHeights) {
    const Scale s = WorkedScale();
    const TextPlacementBox box = PlaceUnitText(s.p, s.style);
    const Ink ink = InkOfText(s, "HH", box);
    // 60% of 591 px above the pivot (row 827 on the 40 mm plate).
    EXPECT_NEAR(ink.CentreY(), 200 + 827 - 0.6 * 591, 1.0);
    EXPECT_NEAR(ink.CentreX(), 945, 2.0);
    EXPECT_NEAR(ink.Height(), 1.5 * s.style.height, 1.0);
}
