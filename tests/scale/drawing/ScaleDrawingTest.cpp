#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "base/Errors.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/output/PictureCommand.h"
#include "support/TestDir.h"
#include "support/Worked.h"

using namespace sp;

namespace {

struct Drawn {
    ScaleParameters p;
    std::unique_ptr<TBitmap> bitmap;
    DisplayList list;
};

// Draws on the raster and on the recorder from the same start; both must
// leave the parameters alike.
Drawn Draw(FormFields f, const std::vector<std::string>& definition = {}, bool active = false) {
    Drawn d;
    d.p = Fresh();
    EXPECT_EQ(ReadScaleParameters(d.p, f), std::nullopt);
    ScaleParameters recorded = d.p;
    d.bitmap = DrawScale(d.p, f, definition, active);
    d.list = RecordScale(recorded, f, definition, active);
    EXPECT_EQ(recorded, d.p);
    return d;
}

// A tick: one line (from, to, pen width).
struct Seg {
    TPoint from, to;
    int width;
    friend bool operator==(const Seg&, const Seg&) = default;
};

// What a picture is made of, whatever order it was drawn in: the filled
// discs, the lines drawn without lifting the pen (arcs, the frame) and the
// single lines (ticks), each in drawing order.
struct Shapes {
    std::vector<TRect> discs;
    std::vector<std::vector<TPoint>> paths;
    std::vector<int> pathWidths;
    std::vector<Seg> ticks;
};

Shapes ShapesOf(const DisplayList& list) {
    Shapes s;
    std::vector<TPoint> run;
    int width = 0;
    const auto end = [&] {
        if (run.size() == 2) s.ticks.push_back({run[0], run[1], width});
        if (run.size() > 2) s.paths.push_back(run), s.pathWidths.push_back(width);
        run.clear();
    };
    for (const DisplayItem& item : list.Items) {
        if (auto m = std::get_if<DisplayMove>(&item)) {
            end();
            run = {m->to};
        } else if (auto l = std::get_if<DisplayLine>(&item)) {
            run.push_back(l->to);
            width = l->penWidth;
        } else if (auto e = std::get_if<DisplayEllipse>(&item)) {
            s.discs.push_back(e->box);
        }
    }
    end();
    return s;
}

bool Passes(const std::vector<TPoint>& path, TPoint p) { return std::find(path.begin(), path.end(), p) != path.end(); }

}  // namespace

TEST(ScalePoint, ExtendedPrecisionDecidesTheHalves) {
    ScaleParameters p = Fresh();
    p.Height = 945;
    p.CenterX = 945;
    p.CenterY = 118;
    EXPECT_EQ(ScalePoint(p, 90, 591), (TPoint{945, 236}));
    EXPECT_EQ(ScalePoint(p, 45, 591), (TPoint{1363, 409}));
    // With pi to 64 bits the cosine terms at 60 and 120 degrees lie a hair
    // below +295.5 and -295.5 (plain double rounds both the other way).
    EXPECT_EQ(ScalePoint(p, 60, 591).x, 945 + 295);
    EXPECT_EQ(ScalePoint(p, 120, 591).x, 945 - 296);
    EXPECT_EQ(ScalePoint(p, 400, 591), ScalePoint(p, 40, 591));
    p.CenterX = 2147483000;
    EXPECT_THROW(ScalePoint(p, 0, 1000), EIntOverflow);
}

TEST(ScaleDrawing, WorkedExampleCallsAndPixels) {
    Drawn d = Draw(WorkedFields());
    EXPECT_EQ(d.bitmap->Width(), 1890);
    EXPECT_EQ(d.bitmap->Height(), 945);
    const Shapes s = ShapesOf(d.list);
    EXPECT_EQ(s.discs, (std::vector<TRect>{{874, 756, 1016, 898}}));
    ASSERT_EQ(s.paths.size(), 1u);  // one arc, a chord per degree
    EXPECT_EQ(s.paths[0].size(), 92u);
    EXPECT_EQ(s.paths[0].front(), (TPoint{1363, 409}));
    EXPECT_EQ(s.paths[0][1], (TPoint{1363, 409}));
    EXPECT_EQ(s.paths[0][46], (TPoint{945, 236}));
    EXPECT_EQ(s.paths[0].back(), (TPoint{527, 409}));
    EXPECT_EQ(s.pathWidths[0], 2);
    const auto& segs = s.ticks;
    ASSERT_EQ(segs.size(), 11u);
    EXPECT_EQ(segs[0], (Seg{{1363, 409}, {1463, 309}, 2}));
    EXPECT_EQ(segs[1], (Seg{{1292, 349}, {1334, 291}, 1}));
    EXPECT_EQ(segs[5], (Seg{{945, 236}, {945, 94}, 2}));
    EXPECT_EQ(segs[10], (Seg{{527, 409}, {427, 309}, 2}));
    EXPECT_EQ(d.p.MasterEvery, 5);
    // Pixels: the pivot is inside the disc, the master at 90 degrees is black
    // up to row 95 (its round cap), the picture has no frame.
    EXPECT_EQ(d.bitmap->Pixel(945, 827), clBlack);
    EXPECT_EQ(d.bitmap->Pixel(945, 100), clBlack);
    EXPECT_EQ(d.bitmap->Pixel(945, 80), clWhite);
    EXPECT_EQ(d.bitmap->Pixel(10, 10), clWhite);
    EXPECT_EQ(d.bitmap->Pixel(1240, 0), clWhite);
}

TEST(ScaleDrawing, HalfSmallDoublesCountAndMasterInPlace) {
    FormFields f = WorkedFields();
    f.halfSmall = true;
    Drawn d = Draw(f);
    EXPECT_EQ(d.p.SegmentCount, 20);
    EXPECT_EQ(d.p.MasterEvery, 10);
    const auto segs = ShapesOf(d.list).ticks;
    ASSERT_EQ(segs.size(), 21u);
    EXPECT_EQ(segs[1], (Seg{{1329, 378}, {1352, 351}, 1}));
    EXPECT_EQ(segs[2], (Seg{{1292, 349}, {1334, 291}, 1}));
    EXPECT_EQ(segs[10], (Seg{{945, 236}, {945, 94}, 2}));
    EXPECT_EQ(segs[20].width, 2);
}

TEST(ScaleDrawing, DoubledArcWithHalvedPen) {
    FormFields f = WorkedFields();
    f.doubledArc = true;
    f.arcWidth = "3";
    const Shapes s = ShapesOf(Draw(f).list);
    // The arc as drawn alone, and a second one half a segment further out.
    f.doubledArc = false;
    const Shapes single = ShapesOf(Draw(f).list);
    ASSERT_EQ(s.paths.size(), 2u);
    EXPECT_EQ(s.paths[0], single.paths[0]);
    EXPECT_EQ(s.pathWidths, (std::vector<int>{3, 1}));
    EXPECT_EQ(s.paths[1].front(), (TPoint{1388, 384}));
    EXPECT_TRUE(Passes(s.paths[1], {945, 201}));
    EXPECT_EQ(s.paths[1].back(), (TPoint{502, 384}));
    EXPECT_EQ(s.ticks, single.ticks);

    f.doubledArc = true;
    f.arcWidth = "0";  // no arc, the doubled one with the thinnest pen
    const Shapes z = ShapesOf(Draw(f).list);
    ASSERT_EQ(z.paths.size(), 1u);
    EXPECT_EQ(z.paths[0], s.paths[1]);
    EXPECT_EQ(z.pathWidths[0], 0);
}

TEST(ScaleDrawing, FrameAndMirror) {
    FormFields f = WorkedFields();
    f.frame = true;
    Drawn d = Draw(f);
    // The plain picture's list, then the frame 10 pixels in from the edges.
    DisplayList framed = Draw(WorkedFields()).list;
    framed.Items.push_back(DisplayMove{{10, 10}, 1});
    for (const TPoint corner : {TPoint{1880, 10}, TPoint{1880, 935}, TPoint{10, 935}, TPoint{10, 10}})
        framed.Items.push_back(DisplayLine{corner, 1});
    EXPECT_EQ(d.list, framed);
    EXPECT_EQ(d.bitmap->Pixel(10, 500), clBlack);
    EXPECT_EQ(d.bitmap->Pixel(1880, 935), clBlack);

    f.mirror = true;
    Drawn m = Draw(f);
    EXPECT_TRUE(m.list.Mirrored);
    EXPECT_FALSE(d.list.Mirrored);
    EXPECT_EQ(m.bitmap->Pixel(1879, 500), clBlack);
    EXPECT_EQ(m.bitmap->Pixel(10, 500), clWhite);
    for (int y = 0; y < 945; y += 7)
        for (int x = 0; x < 1890; x += 3) ASSERT_EQ(m.bitmap->Pixel(x, y), d.bitmap->Pixel(1889 - x, y));
}

TEST(ScaleDrawing, SegmentCountLimitAndMasterFallback) {
    FormFields f = WorkedFields();
    f.segments = "255";
    EXPECT_EQ(ShapesOf(Draw(f).list).ticks.size(), 256u);
    f.segments = "127";
    f.halfSmall = true;
    EXPECT_EQ(ShapesOf(Draw(f).list).ticks.size(), 255u);
    for (const char* count : {"256", "128"}) {
        ScaleParameters p = Fresh();
        FormFields g = WorkedFields();
        g.segments = count;
        g.halfSmall = std::string(count) == "128";
        ASSERT_EQ(ReadScaleParameters(p, g), std::nullopt);
        ScaleParameters q = p;
        EXPECT_THROW(DrawScale(p, g, {}, false), ERangeError) << count;
        EXPECT_THROW(RecordScale(q, g, {}, false), ERangeError) << count;
    }

    FormFields m = WorkedFields();
    m.masterEvery = "0";  // fallback: 10 mm in pixels, masters only at the ends
    Drawn d = Draw(m);
    EXPECT_EQ(d.p.MasterEvery, 236);
    const auto segs = ShapesOf(d.list).ticks;
    for (std::size_t i = 0; i < segs.size(); ++i) EXPECT_EQ(segs[i].width, (i == 0 || i == 10) ? 2 : 1) << i;

    m.masterEvery = "";
    ScaleParameters p = Fresh();
    ASSERT_EQ(ReadScaleParameters(p, m), std::nullopt);
    EXPECT_THROW(DrawScale(p, m, {}, false), EConvertError);

    ScaleParameters low = Fresh(12);  // the fallback, 1 mm at 12 dpi, rounds to 0
    FormFields l = WorkedFields();
    l.masterEvery = "0";
    l.segments = "1";
    ASSERT_EQ(ReadScaleParameters(low, l), std::nullopt);
    EXPECT_THROW(DrawScale(low, l, {}, false), EDivByZero);
}

TEST(ScaleDrawing, SevenSegmentsStepInFractions) {
    FormFields f = WorkedFields();
    f.segments = "7";
    Drawn d = Draw(f);
    const auto segs = ShapesOf(d.list).ticks;
    ASSERT_EQ(segs.size(), 8u);
    ScaleParameters p = d.p;
    EXPECT_EQ(segs[1].from, ScalePoint(p, 45 + 12.857142857142858, p.Radius));
}

TEST(DefinitionSegments, LinesOfTheWorkedExample) {
    struct Row {
        std::vector<std::string> lines;
        Seg last;
    };
    const Row rows[] = {
        {{"90,M"}, {{945, 236}, {945, 94}, 2}},
        {{"54,N"}, {{1292, 349}, {1334, 291}, 1}},
        {{"54,n"}, {{1292, 349}, {1334, 291}, 1}},
        {{" 54 , N "}, {{1292, 349}, {1334, 291}, 1}},
        {{"54,NORMAL"}, {{1292, 349}, {1334, 291}, 1}},
        {{"54,S"}, {{1292, 349}, {1313, 321}, 1}},
        {{"$5A,N"}, {{945, 236}, {945, 165}, 1}},
        {{"90"}, {{945, 236}, {945, 236}, 71}},
        {{"90,X"}, {{945, 236}, {945, 236}, 71}},
        {{"54,M", "", "90,X"}, {{945, 236}, {945, 94}, 2}},
    };
    for (const Row& r : rows) {
        Drawn d = Draw(WorkedFields(), r.lines, true);
        const auto segs = ShapesOf(d.list).ticks;
        ASSERT_FALSE(segs.empty());
        EXPECT_EQ(segs.back(), r.last) << r.lines.back();
    }
    Drawn below = Draw(WorkedFields(), {"-10,N"}, true);
    EXPECT_EQ(ShapesOf(below.list).ticks.back().from, (TPoint{1527, 930}));
    Drawn wrap = Draw(WorkedFields(), {"400,S", "40,S"}, true);
    const auto w = ShapesOf(wrap.list).ticks;
    EXPECT_EQ(w[0], w[1]);
    Drawn empty = Draw(WorkedFields(), {}, true);
    EXPECT_TRUE(ShapesOf(empty.list).ticks.empty());
    EXPECT_EQ(empty.p.MasterEvery, 5);  // the master field is still read
}

TEST(DefinitionSegments, BadLinesEndTheCommand) {
    struct Row {
        std::vector<std::string> lines;
        const char* message;
    };
    const Row rows[] = {
        {{"M,45"}, "'M' is not a valid integer value"},
        {{"90,M", "   "}, "'' is not a valid integer value"},
        {{"4 5,N"}, "'4 5' is not a valid integer value"},
        {{"1" + std::string(64, ',') + "X"}, "Range check error"},
    };
    for (const Row& r : rows) {
        ScaleParameters p = Fresh();
        FormFields f = WorkedFields();
        ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
        try {
            DrawScale(p, f, r.lines, true);
            ADD_FAILURE() << r.message;
        } catch (const EError& e) {
            EXPECT_STREQ(e.what(), r.message);
        }
    }
}

TEST(PictureCommand, DefinitionServesOnePictureAndErrorsKeepIt) {
    TestDir dir;
    PictureSession s;
    s.Params.Dpi = 600;
    s.DefinitionList = {"90,M", "45,N"};
    s.DefinitionActive = true;
    FormFields f = WorkedFields();

    // An input message and an error leave the definition chosen.
    f.radius = "";
    EXPECT_EQ(RunPictureCommand(s, f, []() { return std::optional<std::string>(); }).outcome,
              PictureResult::Message);
    EXPECT_TRUE(s.DefinitionActive);
    f = WorkedFields();
    f.masterEvery = "";
    EXPECT_THROW(RunPictureCommand(s, f, []() { return std::optional<std::string>("x"); }), EConvertError);
    EXPECT_TRUE(s.DefinitionActive);
    f = WorkedFields();
    EXPECT_THROW(RunPictureCommand(s, f, [&]() { return std::optional<std::string>(dir.Path("no/a.bmp")); }),
                 EFCreateError);
    EXPECT_TRUE(s.DefinitionActive);

    // Saved: the file holds the definition's two segments; the flag clears.
    const PictureResult r =
        RunPictureCommand(s, f, [&]() { return std::optional<std::string>(dir.Path("a.bmp")); });
    EXPECT_EQ(r.outcome, PictureResult::Saved);
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(dir.Read("a.bmp").size(), 5360094u);

    // Cancelled: nothing written, the flag still clears.
    s.DefinitionActive = true;
    EXPECT_EQ(RunPictureCommand(s, f, []() { return std::optional<std::string>(); }).outcome,
              PictureResult::Cancelled);
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(dir.Entries(), 1u);
}

namespace {

// One picture command of `s` saved as `name` in `dir`; gives the file.
std::string Picture(PictureSession& s, FormFields f, TestDir& dir, const std::string& name) {
    const PictureResult r = RunPictureCommand(s, f, [&]() { return std::optional<std::string>(dir.Path(name)); });
    EXPECT_EQ(r.outcome, PictureResult::Saved) << r.message;
    return dir.Read(name);
}

PictureSession Session600() {
    PictureSession s;
    s.Params.Dpi = 600;
    return s;
}

}  // namespace

TEST(PictureCommand, HalfSmallDoublingCarriesOverAndMasterIsReadAfresh) {
    TestDir dir;
    PictureSession s = Session600();
    FormFields half = WorkedFields();
    half.halfSmall = true;
    Picture(s, half, dir, "1.bmp");  // leaves SegmentCount 20, MasterEvery 10
    // '1 5' is no integer: the doubled 20 stays and is doubled again, while
    // the master interval is read afresh (5, doubled once to 10).
    half.segments = "1 5";
    const std::string again = Picture(s, half, dir, "2.bmp");
    EXPECT_EQ(s.Params.SegmentCount, 40);
    EXPECT_EQ(s.Params.MasterEvery, 10);
    PictureSession fresh = Session600();
    FormFields twenty = WorkedFields();
    twenty.segments = "20";
    twenty.halfSmall = true;
    EXPECT_TRUE(Picture(fresh, twenty, dir, "3.bmp") == again);

    // Without the option the next picture is the worked example's again:
    // the count field is read, and MasterEvery is 5, not the doubled 10.
    const std::string worked = Picture(s, WorkedFields(), dir, "4.bmp");
    EXPECT_EQ(s.Params.MasterEvery, 5);
    PictureSession plain = Session600();
    EXPECT_TRUE(Picture(plain, WorkedFields(), dir, "5.bmp") == worked);
}

TEST(PictureCommand, CentralRadiusFixUpCarriesIntoAnEmptyField) {
    TestDir dir;
    PictureSession s = Session600();
    FormFields f = WorkedFields();
    f.radius = "30";
    f.centralRadius = "30";  // 709 pixels, as large as the radius: 699
    Picture(s, f, dir, "1.bmp");
    EXPECT_EQ(s.Params.CentralRadius, 699);
    f.radius = "35";  // 827 pixels: the carried 699 needs no fix-up
    f.centralRadius = "";
    Picture(s, f, dir, "2.bmp");
    EXPECT_EQ(s.Params.CentralRadius, 699);
}

TEST(PictureCommand, FailingDefinitionLineKeepsItChosenAndAnEmptyListClearsIt) {
    TestDir dir;
    PictureSession s = Session600();
    s.DefinitionList = {"M,45"};
    s.DefinitionActive = true;
    FormFields f = WorkedFields();
    EXPECT_THROW(RunPictureCommand(s, f, [&]() { return std::optional<std::string>(dir.Path("x.bmp")); }),
                 EConvertError);
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(dir.Entries(), 0u);

    // An empty list still serves one picture: no segments at all.
    s.DefinitionList.clear();
    const std::string empty = Picture(s, f, dir, "1.bmp");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_FALSE(Picture(s, f, dir, "2.bmp") == empty);  // uniform segments again
}

