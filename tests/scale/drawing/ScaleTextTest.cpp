// The texts on the whole picture: numbers, labels and the unit text where
// the placement puts them, black only, mirrored with the rest, and refused
// with a sentence when the fields make no sense.
#include <gtest/gtest.h>

#include <variant>

#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/ScaleText.h"
#include "scale/output/PictureCommand.h"
#include "scale/output/SvgWriter.h"
#include "support/Ink.h"
#include "support/TestDir.h"
#include "support/Worked.h"

using namespace sp;

namespace {

struct Picture {
    ScaleParameters p;
    std::unique_ptr<TBitmap> bitmap;
};

Picture Draw(FormFields f, const std::vector<std::string>& definition = {}, bool active = false) {
    Picture d{Fresh(), nullptr};
    EXPECT_EQ(ReadScaleParameters(d.p, f), std::nullopt);
    d.bitmap = DrawScale(d.p, f, definition, active);
    return d;
}

// The pixels black in `with` and white in `without`, within columns
// [x0, x1) and rows [y0, y1): the text's ink. Any pixel neither black nor
// white in `with` counts as `other`.
Ink TextInk(const TBitmap& with, const TBitmap& without, std::int32_t x0, std::int32_t x1, std::int32_t y0 = 0,
            std::int32_t y1 = INT32_MAX) {
    Ink ink;
    x0 = std::max(x0, 0), y0 = std::max(y0, 0);
    x1 = std::min(x1, with.Width()), y1 = std::min(y1, with.Height());
    for (std::int32_t y = y0; y < y1; ++y)
        for (std::int32_t x = x0; x < x1; ++x) {
            const TColor c = with.Pixel(x, y);
            if (c != clBlack && c != clWhite) ++ink.other;
            if (c != clBlack || without.Pixel(x, y) == clBlack) continue;
            ++ink.black;
            ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (std::int32_t y = 0; y < a.Height(); ++y)
        for (std::int32_t x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

// Numbers 2.5 mm high: the top number of the worked example then stays
// inside the plate (at 3.5 mm it runs past the top edge and is cut off).
constexpr long double NumberMm = 2.5L;

FormFields Numbered(const std::string& left = "0", const std::string& right = "10") {
    FormFields f = WorkedFields();
    f.textHeight = "2,5";
    f.valueLeft = left;
    f.valueRight = right;
    return f;
}

// Where the text of `text` at `angle` goes, as the placement computes it.
TextPlacementBox Expected(const ScaleParameters& p, double angle, const std::string& text, TextStyle style,
                          std::int32_t tick, long double mm = NumberMm) {
    const TextFont font;
    style.height = TextHeightPixels(mm, p.PixelsPerMm);
    return PlaceTickNumber(p, angle, font.Width(text, style.height), style, tick);
}

// The ink of a text without descenders fills its box from the baseline to
// the cap height (round digits overshoot by a pixel or two); a descender
// (`descends`) moves only the bottom.
void ExpectInkAt(const Ink& ink, const TextPlacementBox& box, bool descends = false) {
    EXPECT_EQ(ink.other, 0);
    ASSERT_GT(ink.black, 0);
    EXPECT_NEAR(ink.CentreX(), box.x, 3.0);
    EXPECT_NEAR(ink.top, box.y - box.capHeight / 2, 3.0);
    if (!descends) {
        EXPECT_NEAR(ink.bottom + 1, box.y + box.capHeight / 2, 3.0);
    }
}

// The ink within two text heights around `box`.
Ink InkAround(const Picture& with, const Picture& without, const TextPlacementBox& box) {
    const auto r = static_cast<std::int32_t>(2 * box.capHeight);
    const auto x = static_cast<std::int32_t>(box.x), y = static_cast<std::int32_t>(box.y);
    return TextInk(*with.bitmap, *without.bitmap, x - r, x + r, y - r, y + r);
}

}  // namespace

TEST(ScaleText, WorkedExampleNumbersSitBesideTheirMasterTicks) {
    const Picture plain = Draw(WorkedFields());
    const Picture numbered = Draw(Numbered());
    const ScaleParameters& p = numbered.p;
    const std::int32_t third = p.Width / 3;
    // 0 at the left end (135 degrees), 5 at the top, 10 at the right end.
    const Ink zero = TextInk(*numbered.bitmap, *plain.bitmap, 0, third);
    const Ink five = TextInk(*numbered.bitmap, *plain.bitmap, third, 2 * third);
    const Ink ten = TextInk(*numbered.bitmap, *plain.bitmap, 2 * third, p.Width);
    ExpectInkAt(zero, Expected(p, 135, "0", {}, 2 * p.SegmentLength));
    ExpectInkAt(five, Expected(p, 90, "5", {}, 2 * p.SegmentLength));
    ExpectInkAt(ten, Expected(p, 45, "10", {}, 2 * p.SegmentLength));
    // Two digits are about twice as wide as one: the values are not swapped.
    EXPECT_GT(ten.Width(), 1.6 * zero.Width());
    // Nothing else changed: the ink above is all there is.
    EXPECT_EQ(zero.black + five.black + ten.black, TextInk(*numbered.bitmap, *plain.bitmap, 0, p.Width).black);
}

TEST(ScaleText, NoTextSettingLeavesThePictureAsItWas) {
    const Picture plain = Draw(WorkedFields());
    FormFields f = WorkedFields();
    f.valueLeft = "0";           // one value alone gives no numbers
    f.textHeight = "nonsense";   // tested only when text is drawn
    f.font = "No Such Family";
    f.numbersInside = f.radialNumbers = f.decimalPoint = true;
    EXPECT_TRUE(SamePixels(*Draw(f).bitmap, *plain.bitmap));
    ScaleParameters p = Fresh();
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    const DisplayList list = RecordScale(p, f, {}, false);
    for (const DisplayItem& item : list.Items) EXPECT_FALSE(std::holds_alternative<DisplayText>(item));
    EXPECT_EQ(SvgDocument(list).find("fill-rule"), std::string::npos);
    // A definition without labels draws no text either, values or not.
    const std::vector<std::string> def = {"45,M", "90,N", "135,S"};
    EXPECT_TRUE(SamePixels(*Draw(Numbered(), def, true).bitmap, *Draw(WorkedFields(), def, true).bitmap));
}

TEST(ScaleText, DefinitionLabelsBesideTheirOwnTicks) {
    const std::vector<std::string> bare = {"45,M", "90,N", "135,S"};
    const std::vector<std::string> labelled = {"45,M,10", "90,n,0,5", "135,S, Ω "};
    const Picture plain = Draw(WorkedFields(), bare, true);
    const Picture with = Draw(WorkedFields(), labelled, true);
    const ScaleParameters& p = with.p;
    const std::int32_t third = p.Width / 3;
    // The default 3.5 mm; each label a quarter of it beyond its own tick.
    ExpectInkAt(TextInk(*with.bitmap, *plain.bitmap, 0, third), Expected(p, 135, "Ω", {}, p.SegmentLength / 2, 3.5L));
    ExpectInkAt(TextInk(*with.bitmap, *plain.bitmap, third, 2 * third),
                Expected(p, 90, "0,5", {}, p.SegmentLength, 3.5L), /*descends=*/true);
    ExpectInkAt(TextInk(*with.bitmap, *plain.bitmap, 2 * third, p.Width),
                Expected(p, 45, "10", {}, 2 * p.SegmentLength, 3.5L));
}

TEST(ScaleText, UnitCentredAboveThePivot) {
    FormFields f = WorkedFields();
    f.unit = "  mA ";
    const Picture plain = Draw(WorkedFields());
    const Picture with = Draw(f);
    const ScaleParameters& p = with.p;
    const Ink ink = TextInk(*with.bitmap, *plain.bitmap, 0, p.Width);
    const double h = TextHeightPixels(3.5L, p.PixelsPerMm);
    EXPECT_EQ(ink.other, 0);
    EXPECT_NEAR(ink.CentreX(), p.CenterX, 0.1 * h);  // centred by its advance, not its ink
    EXPECT_NEAR(ink.CentreY(), p.Height - p.CenterY - 0.6 * p.Radius, 3.0);
    EXPECT_NEAR(ink.Height(), 1.5 * h, 4.0);
}

TEST(ScaleText, InsideAndTurned) {
    const Picture plain = Draw(WorkedFields());
    FormFields inside = Numbered("0", "100");
    inside.numbersInside = true;
    const Picture in = Draw(inside);
    const ScaleParameters& p = in.p;
    const std::int32_t third = p.Width / 3;
    // Inside: the middle number lies below the arc's top, above the pivot.
    TextStyle style;
    style.inside = true;
    const TextPlacementBox box = Expected(p, 90, "50", style, 2 * p.SegmentLength);
    const Ink mid = InkAround(in, plain, box);
    EXPECT_GT(mid.top, p.Height - p.CenterY - p.Radius);
    EXPECT_LT(mid.bottom, p.Height - p.CenterY);
    ExpectInkAt(mid, box);

    // Upright, "100" at the right end is wide; turned by 45 degrees along
    // its radius its ink is about as high as wide.
    const Ink upright = TextInk(*Draw(Numbered("0", "100")).bitmap, *plain.bitmap, 2 * third, p.Width);
    FormFields radial = Numbered("0", "100");
    radial.radialNumbers = true;
    const Ink turned = TextInk(*Draw(radial).bitmap, *plain.bitmap, 2 * third, p.Width);
    EXPECT_GT(upright.Width(), 1.8 * upright.Height());
    EXPECT_NEAR(static_cast<double>(turned.Width()) / turned.Height(), 1.0, 0.3);
    EXPECT_EQ(turned.other, 0);
}

TEST(ScaleText, MirrorTurnsTheTextWithThePicture) {
    FormFields f = Numbered();
    f.unit = "mA";
    const Picture straight = Draw(f);
    f.mirror = true;
    const Picture mirrored = Draw(f);
    const TBitmap& a = *straight.bitmap;
    const TBitmap& b = *mirrored.bitmap;
    bool same = true;
    for (std::int32_t y = 0; y < a.Height() && same; ++y)
        for (std::int32_t x = 0; x < a.Width() && same; ++x) same = a.Pixel(x, y) == b.Pixel(a.Width() - 1 - x, y);
    EXPECT_TRUE(same);
    // The vector list keeps the texts unmirrored and mirrors them all at once.
    ScaleParameters p1 = Fresh(), p2 = Fresh();
    FormFields g = f;
    g.mirror = false;
    ASSERT_EQ(ReadScaleParameters(p1, f), std::nullopt);
    ASSERT_EQ(ReadScaleParameters(p2, g), std::nullopt);
    DisplayList m = RecordScale(p1, f, {}, false);
    const DisplayList s = RecordScale(p2, g, {}, false);
    EXPECT_TRUE(m.Mirrored);
    m.Mirrored = false;
    EXPECT_EQ(m, s);
    EXPECT_EQ(std::count_if(s.Items.begin(), s.Items.end(),
                            [](const DisplayItem& i) { return std::holds_alternative<DisplayText>(i); }),
              4);
}

TEST(ScaleText, DecimalPointKey) {
    FormFields f = Numbered("0", "1");
    ScaleTextSettings t;
    const ScaleParameters p = Draw(f).p;
    ASSERT_EQ(ReadScaleText(p, f, false, t), std::nullopt);
    EXPECT_EQ(UniformTickNumbers(p, *t.left, *t.right, t.mark)[1].Text, "0,5");
    f.decimalPoint = true;
    ASSERT_EQ(ReadScaleText(p, f, false, t), std::nullopt);
    EXPECT_EQ(UniformTickNumbers(p, *t.left, *t.right, t.mark)[1].Text, "0.5");
}

TEST(ScaleText, BadInputStopsThePictureWithItsSentence) {
    const auto run = [](FormFields f, const std::vector<std::string>& def = {}) {
        PictureSession s;
        s.Params = Fresh();
        s.DefinitionList = def;
        s.DefinitionActive = !def.empty();
        bool asked = false;
        const PictureResult r = RunPictureCommand(s, f, [&]() -> std::optional<SaveTarget> {
            asked = true;
            return std::nullopt;
        });
        if (r.outcome == PictureResult::Message) {
            EXPECT_FALSE(asked);
        }
        return r.outcome == PictureResult::Message ? r.message : std::string("drawn");
    };
    EXPECT_EQ(run(Numbered("1,2,3", "10")), "Hodnota vľavo musí byť číslo.");
    EXPECT_EQ(run(Numbered("0", "10 V")), "Hodnota vpravo musí byť číslo.");
    EXPECT_EQ(run(Numbered("x", "")), "Hodnota vľavo musí byť číslo.");
    FormFields f = Numbered();
    for (const char* bad : {"0", "0,0", "-1", "", "abc"}) {
        f.textHeight = bad;
        EXPECT_EQ(run(f), "Treba zadať výšku písma.") << bad;
    }
    f.textHeight = "40";  // the plate's smaller side: 40 mm fits
    EXPECT_EQ(run(f), "drawn");
    f.textHeight = "40,1";
    EXPECT_EQ(run(f), "Výška písma musí byť menšia, ako šírka a výška stupnice.");
    // A label asks for a text height too; without text the field is not read.
    FormFields g = WorkedFields();
    g.textHeight = "0";
    EXPECT_EQ(run(g, {"90,M,5"}), "Treba zadať výšku písma.");
    EXPECT_EQ(run(g, {"90,M"}), "drawn");
    EXPECT_EQ(run(g), "drawn");
}

TEST(ScaleText, MissingGlyphDrawsTheFallbackNeverFails) {
    FormFields f = WorkedFields();
    f.unit = "日\xC0";  // no glyph in the font, and a byte that is no UTF-8
    f.font = "No Such Family";
    const Picture plain = Draw(WorkedFields());
    const Picture with = Draw(f);
    EXPECT_GT(TextInk(*with.bitmap, *plain.bitmap, 0, with.p.Width).black, 0);
}

TEST(TextFiles, DefinitionsRoundTripInEitherEncoding) {
    TestDir dir;
    const std::vector<DefinitionRow> slovak = {{"45", "M", "Ľ 10"}, {"90", "N", ""}};
    WriteDefinition(slovak, dir.Path("s.txt"));
    EXPECT_EQ(dir.Read("s.txt"), "45,M,\xBC 10\r\n90,N\r\n");  // Windows-1250, no mark
    std::vector<std::string> lines;
    ReadDefinition(dir.Path("s.txt"), lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"45,M,Ľ 10", "90,N"}));

    const std::vector<DefinitionRow> greek = {{"45", "M", "1 kΩ"}, {"90", "N", "Ľ"}};
    WriteDefinition(greek, dir.Path("g.txt"));
    EXPECT_EQ(dir.Read("g.txt"), "\xEF\xBB\xBF" "45,M,1 kΩ\r\n90,N,Ľ\r\n");
    ReadDefinition(dir.Path("g.txt"), lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"45,M,1 kΩ", "90,N,Ľ"}));
    // Without the mark, bytes that are valid UTF-8 with a multi-byte
    // sequence are UTF-8 (a Linux editor's file), no longer "Î©".
    dir.Write("n.txt", "45,M,\xCE\xA9\r\n");
    ReadDefinition(dir.Path("n.txt"), lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"45,M,Ω"}));
}

TEST(TextFiles, SettingsTurnUtf8OnlyForACharacterBeyondTheCodePage) {
    TestDir dir;
    const std::string path = dir.Path("s.ini");
    CreateSettings(path);
    FormFields f = FirstRunFields();
    f.unit = "µA";  // in the code page
    SaveSettings(path, f);
    EXPECT_NE(dir.Read("s.ini").find("Unit=\xB5" "A\r\n"), std::string::npos);
    f.unit = "MΩ";
    f.valueRight = "∞";
    SaveSettings(path, f);
    const std::string bytes = dir.Read("s.ini");
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF[Dimensions]\r\nWidth=80\r\n", 0), 0u);
    EXPECT_NE(bytes.find("Unit=MΩ\r\n"), std::string::npos);
    FormFields back;
    std::int32_t dpi = 0;
    LoadSettings(path, back, dpi);
    EXPECT_EQ(back, f);
    EXPECT_EQ(dpi, 600);
}
