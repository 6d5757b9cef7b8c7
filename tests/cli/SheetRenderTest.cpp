// scaleplate-render --sheet read back as a person with a ruler would: the
// page size from pdfinfo, and from the page rasterised at 600 dpi by
// pdftoppm the plate's size between its crop marks and the check bars'
// length between their end ticks, at factors of 1 and with a printer's
// correction; the PNG at the Dpi; the refusal of a plate too large.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestDir.h"

namespace {

constexpr double kDpi = 600, kPixelMm = 25.4 / kDpi;

int Shell(const std::string& cmd) {
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

int Render(const std::string& args, const TestDir& dir) {
    return Shell("'" SCALEPLATE_RENDER "' " + args + " 2>'" + dir.Path("err") + "'");
}

// A grey page from pdftoppm: dark where a pixel is below half.
struct Page {
    int width = 0, height = 0;
    std::vector<unsigned char> grey;
    bool Dark(int x, int y) const { return grey[static_cast<std::size_t>(y) * width + x] < 128; }
};

Page Rasterise(const std::string& pdf, const TestDir& dir) {
    EXPECT_EQ(Shell("pdftoppm -r 600 -gray -singlefile '" + pdf + "' '" + dir.Path("page") + "'"), 0);
    std::ifstream in(dir.Path("page.pgm"), std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Page p;
    in >> magic >> p.width >> p.height >> maxValue;
    in.get();
    p.grey.resize(static_cast<std::size_t>(p.width) * p.height);
    in.read(reinterpret_cast<char*>(p.grey.data()), static_cast<std::streamsize>(p.grey.size()));
    return p;
}

// The centres of the runs of `on` positions 0..n-1.
template <typename On>
std::vector<double> Runs(int n, On on) {
    std::vector<double> centres;
    for (int i = 0; i < n;) {
        if (!on(i)) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < n && on(i)) ++i;
        centres.push_back((start + i - 1) / 2.0);
    }
    return centres;
}

// Lines and columns holding at least `least` dark pixels inside rows y0..y1.
std::vector<double> DarkColumns(const Page& p, int y0, int y1, int least) {
    return Runs(p.width, [&](int x) {
        int n = 0;
        for (int y = y0; y < y1; ++y) n += p.Dark(x, y);
        return n >= least;
    });
}
std::vector<double> DarkRows(const Page& p, int x0, int x1, int least, int rows = 0) {
    return Runs(rows ? rows : p.height, [&](int y) {
        int n = 0;
        for (int x = x0; x < x1; ++x) n += p.Dark(x, y);
        return n >= least;
    });
}

double Pdfinfo(const std::string& pdf, const TestDir& dir, int field) {
    Shell("pdfinfo '" + pdf + "' > '" + dir.Path("info") + "'");
    std::istringstream info(dir.Read("info"));
    for (std::string line; std::getline(info, line);)
        if (line.rfind("Page size:", 0) == 0) {
            double w = 0, h = 0;
            std::sscanf(line.c_str(), "Page size: %lf x %lf", &w, &h);
            return (field == 0 ? w : h) * 25.4 / 72;
        }
    return 0;
}

TEST(SheetRender, ThePageThePlateBetweenItsMarksAndTheBarsMeasureTrue) {
    struct Case {
        std::string options;
        double pageW, pageH, factorX, factorY;
    };
    const std::vector<Case> cases{
        {"--sheet A4", 210, 297, 1, 1},
        {"--sheet a4 --scale-x 1.006 --scale-y 0,994", 210, 297, 1.006, 0.994},
        {"--sheet Letter --landscape --scale-y 1.02", 279.4, 215.9, 1, 1.02},
    };
    TestDir dir;
    // A blank 60 x 40 mm plate: the only ink at its place is its crop marks.
    dir.Write("p.scaleplate", "format = 1\n[plate]\nwidth = 60\nheight = 40\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        const std::string pdf = dir.Path("sheet.pdf");
        ASSERT_EQ(Render("--plate '" + dir.Path("p.scaleplate") + "' " + c.options + " --output '" + pdf + "'", dir), 0)
            << dir.Read("err");
        EXPECT_NEAR(Pdfinfo(pdf, dir, 0), c.pageW, 0.01);
        EXPECT_NEAR(Pdfinfo(pdf, dir, 1), c.pageH, 0.01);
        const Page page = Rasterise(pdf, dir);
        ASSERT_EQ(page.width, std::lround(c.pageW / kPixelMm));

        // The plate is the first copy at the top left; down to 70 mm there is
        // nothing but its marks: their arms are the lines with long runs.
        const int below = static_cast<int>(70 / kPixelMm);
        const std::vector<double> xs = DarkColumns(page, 0, below, static_cast<int>(5 / kPixelMm));
        const std::vector<double> ys = DarkRows(page, 0, page.width, static_cast<int>(5 / kPixelMm), below);
        ASSERT_EQ(xs.size(), 2u);
        ASSERT_EQ(ys.size(), 2u);
        EXPECT_NEAR((xs[1] - xs[0]) * kPixelMm, 60 * c.factorX, kPixelMm);
        EXPECT_NEAR((ys[1] - ys[0]) * kPixelMm, 40 * c.factorY, kPixelMm);

        // The 100 mm bar: the row with the longest line; its 10 mm ticks
        // cross the row 3 mm below it (times the factor).
        int barRow = 0, most = 0;
        for (int y = 0; y < page.height; ++y) {
            int n = 0;
            for (int x = 0; x < page.width; ++x) n += page.Dark(x, y);
            if (n > most) most = n, barRow = y;
        }
        const int tickRow = barRow + static_cast<int>(3 * c.factorY / kPixelMm);
        // Only under the bar's own line: the 50 mm bar may stand beside it.
        int start = 0, end = 0;
        for (int x = 0; x < page.width;) {
            int run = x;
            while (run < page.width && page.Dark(run, barRow)) ++run;
            if (run - x > end - start) start = x, end = run;
            x = run + 1;
        }
        std::vector<double> ticks;
        for (double x : DarkColumns(page, tickRow, tickRow + 1, 1))
            if (x >= start && x <= end) ticks.push_back(x);
        ASSERT_EQ(ticks.size(), 11u);
        EXPECT_NEAR((ticks.back() - ticks.front()) * kPixelMm, 100 * c.factorX, kPixelMm);

        // The 50 mm bar: the column with the longest line.
        int barColumn = 0;
        most = 0;
        for (int x = 0; x < page.width; ++x) {
            int n = 0;
            for (int y = 0; y < page.height; ++y) n += page.Dark(x, y);
            if (n > most) most = n, barColumn = x;
        }
        const int tickColumn = barColumn + static_cast<int>(3 * c.factorX / kPixelMm);
        const std::vector<double> upTicks = DarkRows(page, tickColumn, tickColumn + 1, 1);
        ASSERT_EQ(upTicks.size(), 6u);
        EXPECT_NEAR((upTicks.back() - upTicks.front()) * kPixelMm, 50 * c.factorY, kPixelMm);
    }
}

TEST(SheetRender, ThePngIsThePageAtTheDpiAndATooLargePlateIsRefused) {
    TestDir dir;
    dir.Write("p.scaleplate", "format = 1\n[plate]\nwidth = 60\nheight = 40\ndpi = 300\n");
    ASSERT_EQ(Render("--plate '" + dir.Path("p.scaleplate") + "' --sheet A5 --output '" + dir.Path("s.png") + "'", dir), 0);
    ASSERT_EQ(Shell("file '" + dir.Path("s.png") + "' > '" + dir.Path("info") + "'"), 0);
    EXPECT_NE(dir.Read("info").find("1748 x 2480"), std::string::npos) << dir.Read("info");  // 148 x 210 mm at 300 dpi

    dir.Write("big.scaleplate", "format = 1\n[plate]\nwidth = 250\nheight = 40\n");
    EXPECT_EQ(Render("--plate '" + dir.Path("big.scaleplate") + "' --sheet A4 --output '" + dir.Path("big.pdf") + "'", dir), 1);
    EXPECT_EQ(dir.Read("err"), "Doska 250 × 40 mm sa s orezovými značkami na papier A4 na výšku nezmestí. Tlačí sa vždy "
                               "v skutočnej veľkosti, nikdy zmenšená: zvoľte väčší papier alebo inú orientáciu.\n");
    EXPECT_FALSE(FileExistsAt(dir.Path("big.pdf")));
    // The window's scale goes onto a sheet too; a factor out of range is a usage error.
    EXPECT_EQ(Render("--set Radius=25 --sheet A4 --copies 2 --output '" + dir.Path("w.pdf") + "'", dir), 0);
    EXPECT_EQ(Render("--sheet A4 --scale-x 1.2 --output '" + dir.Path("x.pdf") + "'", dir), 64);
    EXPECT_EQ(Render("--copies 2 --output '" + dir.Path("x.pdf") + "'", dir), 64);
}

}  // namespace
