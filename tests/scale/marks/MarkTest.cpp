// The dial marks looked at as pixels: each stays in its square, no two look
// alike, names and values are checked with the user's sentences, and the
// digits read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "scale/marks/MarkGeometry.h"
#include "support/MarkRaster.h"
#include "support/TestDir.h"

using namespace sp;

namespace {

constexpr double Dpi = 600;

const TextFont& Font() {
    static const TextFont font;
    return font;
}

struct Named {
    std::string name;
    DialMark dial;
};

// A mark of `symbol` with one value set by `set`.
template <typename Set>
DialMark Mark(MarkSymbol symbol, Set set) {
    DialMark m;
    m.symbol = symbol;
    set(m);
    return m;
}
DialMark Mark(MarkSymbol symbol) {
    return Mark(symbol, [](DialMark&) {});
}

// Every symbol, and every value a symbol draws differently.
std::vector<Named> AllMarks(double size) {
    std::vector<Named> marks;
    auto add = [&](const std::string& name, DialMark m) {
        m.size = size;
        CheckMark(m);
        marks.push_back({name, m});
    };
    for (const char* name : {"moving-coil", "moving-coil-rectifier", "moving-iron", "electrodynamic", "thermal", "dc",
                             "ac", "ac-dc", "vertical", "horizontal", "warning"})
        add(name, Mark(ParseMarkSymbol(name)));
    for (int angle : {30, 60, 89}) add("inclined " + std::to_string(angle), Mark(MarkSymbol::Inclined, [&](DialMark& m) { m.angle = angle; }));
    for (int c : {1, 5, 15, 25, 50}) {
        add("class " + ClassText(c), Mark(MarkSymbol::Class, [&](DialMark& m) { m.classTenths = c; }));
        add("class (" + ClassText(c) + ")", Mark(MarkSymbol::Class, [&](DialMark& m) { m.classTenths = c, m.circled = true; }));
    }
    add("test-voltage 500 V", Mark(MarkSymbol::TestVoltage));
    for (int kv : {0, 2, 3, 5}) add("test-voltage " + std::to_string(kv), Mark(MarkSymbol::TestVoltage, [&](DialMark& m) { m.kv = kv; }));
    add("text", Mark(MarkSymbol::Text, [](DialMark& m) { m.text = "20 kΩ/V"; }));
    return marks;
}

struct Placed {
    MarkGeometry geometry;
    double x = 0, y = 0;  // centre on the paper, mm
};

// The marks in rows of at most eight, laid by the row helper with a gap of
// half a mark; the paper fits them with a mark's margin all round.
std::vector<Placed> LayOut(const std::vector<Named>& marks, double size, double& paperW, double& paperH) {
    std::vector<Placed> placed;
    std::vector<std::vector<Placed>> rows(1);
    for (const Named& m : marks) {
        if (rows.back().size() == 8 || m.dial.symbol == MarkSymbol::Text) rows.emplace_back();
        rows.back().push_back({DrawMark(m.dial, Font())});
    }
    double widest = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<double> widths;
        for (const Placed& p : rows[r]) widths.push_back(p.geometry.width);
        const std::vector<double> xs = RowCentres(widths, size / 2);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            rows[r][i].x = xs[i], rows[r][i].y = size * (1.5 * static_cast<double>(r) + 1.5);
            widest = std::max(widest, 2 * std::fabs(xs[i]) + widths[i]);
        }
    }
    paperW = widest + 2 * size, paperH = size * (1.5 * static_cast<double>(rows.size()) + 1.5);
    for (auto& row : rows)
        for (Placed& p : row) {
            p.x += paperW / 2;
            placed.push_back(std::move(p));
        }
    return placed;
}

// The ink of the mark drawn alone in the middle of a square paper.
std::vector<std::uint64_t> InkAlone(const MarkGeometry& g, double paperMm) {
    MarkRaster r(paperMm, paperMm, Dpi);
    r.Draw(g, paperMm / 2, paperMm / 2);
    return r.InkBits();
}

// Pixels with ink in one picture and not in the other; and the ink of `a`.
std::size_t Differ(const std::vector<std::uint64_t>& a, const std::vector<std::uint64_t>& b) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) n += static_cast<std::size_t>(std::popcount(a[i] ^ b[i]));
    return n;
}
std::size_t InkOf(const std::vector<std::uint64_t>& a) { return Differ(a, std::vector<std::uint64_t>(a.size())); }

bool HaveTesseract() { return std::system("command -v tesseract >/dev/null 2>&1") == 0; }

// What tesseract reads as one line of text in the mark drawn alone.
std::string Read(const MarkGeometry& mark, double size) {
    TestDir dir;
    MarkRaster r(size * 2, size * 2, Dpi);
    r.Draw(mark, size, size);
    r.SavePng(dir.Path("mark.png"));
    std::string out;
    const std::string cmd = "OMP_THREAD_LIMIT=1 tesseract '" + dir.Path("mark.png") + "' stdout --psm 7 2>/dev/null";
    if (FILE* f = ::popen(cmd.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, f)) out += buf;
        ::pclose(f);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ' || out.back() == '\f')) out.pop_back();
    return out;
}

}  // namespace

TEST(Marks, NamesReadBackAndAnUnknownNameIsRefused) {
    for (const Named& m : AllMarks(8)) EXPECT_EQ(ParseMarkSymbol(std::string(MarkSymbolName(m.dial.symbol))), m.dial.symbol);
    struct Row {
        const char* name;
        const char* sentence;
    };
    for (const Row& row : {Row{"moving-coils", "Neznámy symbol značky 'moving-coils'."},
                           Row{"Dc", "Neznámy symbol značky 'Dc'."}, Row{"", "Neznámy symbol značky ''."}}) {
        try {
            ParseMarkSymbol(row.name);
            ADD_FAILURE() << row.name << " was taken";
        } catch (const EError& e) {
            EXPECT_STREQ(e.what(), row.sentence);
        }
    }
}

TEST(Marks, ValuesOutsideTheStandardAreRefusedWithTheirSentence) {
    const char* cls = "Trieda presnosti musí byť 0.1, 0.2, 0.5, 1, 1.5, 2.5 alebo 5.";
    const char* kv = "Skúšobné napätie značky musí byť 0, 2, 3 alebo 5 kV.";
    const char* angle = "Uhol značky musí byť celé číslo od 1 do 89 stupňov.";
    const char* size = "Veľkosť značky musí byť od 1 do 100 mm.";
    struct Row {
        DialMark mark;
        const char* sentence;  // nullptr: taken
    };
    const std::vector<Row> rows{
        {Mark(MarkSymbol::Class, [](DialMark& m) { m.classTenths = 15; }), nullptr},
        {Mark(MarkSymbol::Class, [](DialMark& m) { m.classTenths = 14; }), cls},
        {Mark(MarkSymbol::Class, [](DialMark& m) { m.classTenths = 0; }), cls},
        {Mark(MarkSymbol::TestVoltage, [](DialMark& m) { m.kv = 0; }), nullptr},
        {Mark(MarkSymbol::TestVoltage, [](DialMark& m) { m.kv = 4; }), kv},
        {Mark(MarkSymbol::TestVoltage, [](DialMark& m) { m.kv = -1; }), kv},
        {Mark(MarkSymbol::Inclined, [](DialMark& m) { m.angle = 89; }), nullptr},
        {Mark(MarkSymbol::Inclined, [](DialMark& m) { m.angle = 0; }), angle},
        {Mark(MarkSymbol::Inclined, [](DialMark& m) { m.angle = 90; }), angle},
        {Mark(MarkSymbol::Text, [](DialMark& m) { m.text = ""; }), "Text značky je prázdny."},
        {Mark(MarkSymbol::Dc, [](DialMark& m) { m.size = 1; }), nullptr},
        {Mark(MarkSymbol::Dc, [](DialMark& m) { m.size = 0.99; }), size},
        {Mark(MarkSymbol::Dc, [](DialMark& m) { m.size = 100.5; }), size},
    };
    for (const Row& row : rows) {
        std::string got;
        try {
            CheckMark(row.mark);
        } catch (const EError& e) {
            got = e.what();
        }
        EXPECT_EQ(got, row.sentence ? row.sentence : "") << MarkSymbolName(row.mark.symbol);
    }
    EXPECT_EQ(ClassTenthsOf(0.1), 1);
    EXPECT_EQ(ClassTenthsOf(2.5), 25);
    EXPECT_THROW(ClassTenthsOf(0.15), EError);
}

// Every mark on one sheet per size, each in its own box: no ink outside the
// boxes, ink in every box. With SCALEPLATE_MARK_SHEET=folder the sheets are
// kept there to be looked at.
TEST(Marks, EachMarkDrawsOnlyInsideItsSquare) {
    for (double size : {3.0, 8.0}) {
        double w = 0, h = 0;
        const std::vector<Placed> placed = LayOut(AllMarks(size), size, w, h);
        MarkRaster sheet(w, h, Dpi);
        for (const Placed& p : placed) sheet.Frame(p.x, p.y, p.geometry.width, p.geometry.height);
        for (const Placed& p : placed) sheet.Draw(p.geometry, p.x, p.y);
        if (const char* folder = std::getenv("SCALEPLATE_MARK_SHEET"))
            sheet.SavePng(std::string(folder) + "/marks-" + std::to_string(static_cast<int>(size)) + "mm.png");
        const double k = Dpi / 25.4;
        std::vector<int> inkIn(placed.size());
        int outside = 0;
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x) {
                if (!sheet.Ink(x, y)) continue;
                // The pixel's centre, allowed half a pixel of antialiasing.
                const double mx = (x + 0.5) / k, my = (y + 0.5) / k, slack = 0.5 / k;
                bool in = false;
                for (std::size_t i = 0; i < placed.size() && !in; ++i) {
                    const Placed& p = placed[i];
                    in = std::fabs(mx - p.x) <= p.geometry.width / 2 + slack &&
                         std::fabs(my - p.y) <= p.geometry.height / 2 + slack;
                    inkIn[i] += in;
                }
                outside += !in;
            }
        EXPECT_EQ(outside, 0) << size << " mm";
        const std::vector<Named> names = AllMarks(size);
        const double square = size * size * k * k;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_GT(inkIn[i], 0.04 * square) << names[i].name << " at " << size << " mm";
            // The straight line of direct current shows the pen: 0.8 of the
            // square long, a twelfth of it wide, with round ends.
            const double pen = size / 12, pi = 3.14159265358979;
            if (names[i].dial.symbol == MarkSymbol::Dc) {
                EXPECT_NEAR(inkIn[i], (0.8 * size * pen + pi * pen * pen / 4) * k * k, 0.08 * inkIn[i]) << size << " mm";
            }
        }
    }
}

// Each pair at 8 mm differs in at least 0.6% of the square's pixels, about
// the ink of the smallest digit (the kV in the star), so no mark is another
// one in disguise and no value is left out.
TEST(Marks, EveryMarkDiffersFromEveryOther) {
    constexpr double Size = 8;
    const std::vector<Named> marks = AllMarks(Size);
    std::vector<MarkGeometry> drawn;
    double paper = 0;
    for (const Named& m : marks) {
        drawn.push_back(DrawMark(m.dial, Font()));
        paper = std::max(paper, drawn.back().width + 2);
    }
    std::vector<std::vector<std::uint64_t>> ink;
    for (const MarkGeometry& g : drawn) ink.push_back(InkAlone(g, paper));
    const double least = 0.006 * std::pow(Size * Dpi / 25.4, 2);
    for (std::size_t i = 0; i < marks.size(); ++i)
        for (std::size_t j = i + 1; j < marks.size(); ++j)
            EXPECT_GT(Differ(ink[i], ink[j]), least) << marks[i].name << " / " << marks[j].name;
}

// Filled as outlines, a mark covers what cairo's pen covers: the same
// pixels but for a few on the edges, for every cap and round join.
TEST(Marks, OutlinesCoverWhatThePenDraws) {
    for (const Named& m : AllMarks(8)) {
        const MarkGeometry g = DrawMark(m.dial, Font());
        MarkGeometry filled;
        filled.fills = MarkOutlines(g);
        const double paper = g.width + 2;
        const auto pen = InkAlone(g, paper), fill = InkAlone(filled, paper);
        EXPECT_LT(Differ(pen, fill), 0.002 * InkOf(pen)) << m.name;
    }
}

TEST(Marks, RowLaysBoxesLeftToRightWithTheGapCentredOnZero) {
    const std::vector<double> xs = RowCentres({8, 20, 4}, 2);
    ASSERT_EQ(xs.size(), 3u);
    // 8 + 2 + 20 + 2 + 4 = 36 wide, from -18 to 18.
    EXPECT_DOUBLE_EQ(xs[0], -14);
    EXPECT_DOUBLE_EQ(xs[1], 2);
    EXPECT_DOUBLE_EQ(xs[2], 16);
    EXPECT_TRUE(RowCentres({}, 2).empty());
}

// The class, the test voltage and the angle read back as digits: the plain
// class as the whole mark, the others without their circle, star or angle
// sign, which a reader of text takes for letters.
TEST(Marks, ClassVoltageAndAngleDigitsReadBack) {
    if (!HaveTesseract()) GTEST_SKIP() << "tesseract is not installed (tools/install-deps installs it)";
    int read = 0;
    for (const Named& m : AllMarks(8)) {
        const DialMark& dial = m.dial;
        std::string want;
        if (dial.symbol == MarkSymbol::Class) want = ClassText(dial.classTenths);
        if (dial.symbol == MarkSymbol::TestVoltage && dial.kv) want = std::to_string(*dial.kv);
        if (dial.symbol == MarkSymbol::Inclined) want = std::to_string(dial.angle) + "°";
        if (want.empty()) continue;
        MarkGeometry g = DrawMark(dial, Font());
        if (dial.symbol != MarkSymbol::Class || dial.circled) g.strokes.clear();
        EXPECT_EQ(Read(g, dial.size), want) << m.name;
        ++read;
    }
    EXPECT_EQ(read, 17);
}
