// scaleplate-render's formats: chosen by extension or --format, SVG and PDF
// at the plate's size, rasterised at the Dpi by other programs they lie over
// the BMP, and every format is written whole or not at all.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>

#include "support/Program.h"
#include "support/TestDir.h"
#include "support/WriteChecks.h"

namespace {

Outcome Render(const std::string& args, const std::string& prefix = "") {
    return RunProgram(SCALEPLATE_RENDER, args, prefix);
}

const std::string kWorked =
    "--set Width=80 --set Height=40 --set Left=135 --set Right=45 --set X=40 --set Y=5 --set Radius=25 "
    "--set CentralRadius=3 --set SegmentLength=3 --set SegmentWidth=1 --set ArchWidth=2 --set Segments=10 "
    "--set Master=5 --set Doubled=0 --set HalfSmall=0 --set Frame=0 --set Mirror=0 ";

struct Comparison {
    int width = 0, height = 0, otherWidth = 0, otherHeight = 0;
    long black = 0, differ = 0, far = 0;
};

Comparison Compare(const std::string& bmp, const std::string& other) {
    const Outcome r = RunCommand(std::string("python3 '" SCALEPLATE_COMPARE "' '") + bmp + "' '" + other + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    Comparison c;
    std::sscanf(r.out.c_str(), "size=%dx%d other=%dx%d black=%ld differ=%ld far=%ld", &c.width, &c.height,
                &c.otherWidth, &c.otherHeight, &c.black, &c.differ, &c.far);
    return c;
}

// Draws `settings` as BMP, SVG and PDF, rasterises the vector files at
// 600 dpi with librsvg and poppler and compares each with the BMP.
void ExpectVectorsOverRaster(const std::string& settings) {
    TestDir dir;
    for (const char* ext : {"bmp", "png", "svg", "pdf"}) {
        const Outcome r = Render(settings + "--output '" + dir.Path(std::string("p.") + ext) + "'");
        ASSERT_EQ(r.status, 0) << r.err;
    }
    EXPECT_NE(dir.Read("p.svg").find("width=\"80mm\" height=\"40mm\" viewBox=\"0 0 1890 945\""), std::string::npos);
    const Outcome info = RunCommand("pdfinfo '" + dir.Path("p.pdf") + "'");
    EXPECT_TRUE(std::regex_search(info.out, std::regex("\nPage size: +226.772 x 113.386 pts\n"))) << info.out;
    EXPECT_TRUE(std::regex_search(info.out, std::regex("\nPages: +1\n"))) << info.out;
    ASSERT_EQ(RunCommand("rsvg-convert -d 600 -p 600 -b white '" + dir.Path("p.svg") + "' -o '" + dir.Path("svg.png") + "'")
                  .status,
              0);
    ASSERT_EQ(RunCommand("pdftoppm -r 600 -gray -singlefile '" + dir.Path("p.pdf") + "' '" + dir.Path("pdf") + "'").status, 0);
    // The PNG holds exactly the BMP's pixels, mirror included.
    const Comparison png = Compare(dir.Path("p.bmp"), dir.Path("p.png"));
    EXPECT_EQ(png.otherWidth, 1890);
    EXPECT_GT(png.black, 15000);
    EXPECT_EQ(png.differ, 0);
    for (const char* raster : {"svg.png", "pdf.pgm"}) {
        const Comparison c = Compare(dir.Path("p.bmp"), dir.Path(raster));
        EXPECT_EQ(c.otherWidth, 1890) << raster;
        EXPECT_EQ(c.otherHeight, 945) << raster;
        ASSERT_GT(c.black, 15000) << raster;
        // Anti-aliased strokes of the true width against the platform's
        // pixel rules differ only along the edges of the lines.
        EXPECT_EQ(c.far, 0) << raster;
        EXPECT_LE(c.differ * 100, c.black * 5) << raster << ": " << c.differ << " of " << c.black;
    }
}

}  // namespace

TEST(Formats, ByExtensionAnyCaseOrByOption) {
    TestDir dir;
    const auto make = [&](const std::string& name, const std::string& extra = "") {
        const Outcome r = Render(extra + "--output '" + dir.Path(name) + "'");
        EXPECT_EQ(r.status, 0) << name << r.err;
        return dir.Read(name);
    };
    EXPECT_EQ(make("a.SVG").rfind("<?xml", 0), 0u);
    EXPECT_EQ(make("a.Pdf").rfind("%PDF-", 0), 0u);
    EXPECT_EQ(make("a.txt").size(), 5360094u);  // any other extension: the BMP
    EXPECT_EQ(make("a").rfind("BM", 0), 0u);
    EXPECT_EQ(make("b.bmp", "--format pdf ").rfind("%PDF-", 0), 0u);
    EXPECT_EQ(make("b.svg", "--format BMP ").rfind("BM", 0), 0u);
    EXPECT_EQ(make("b.pdf", "--format svg ").rfind("<?xml", 0), 0u);
    const std::size_t files = dir.Entries();
    EXPECT_EQ(Render("--format gif --output '" + dir.Path("c.gif") + "'").status, 64);
    EXPECT_EQ(Render("--output '" + dir.Path("c.bmp") + "' --format").status, 64);
    EXPECT_EQ(dir.Entries(), files);
    EXPECT_EQ(make("a.PNG").rfind("\x89PNG\r\n", 0), 0u);
    EXPECT_EQ(make("b.bmp", "--format png ").rfind("\x89PNG\r\n", 0), 0u);
}

TEST(Formats, WorkedExampleVectorsLieOverTheBmp) {
    if (!Have("rsvg-convert") || !Have("pdftoppm") || !Have("python3")) GTEST_SKIP() << "tools/install-deps";
    ExpectVectorsOverRaster(kWorked);
}

TEST(Formats, FrameAndMirrorVectorsLieOverTheBmp) {
    if (!Have("rsvg-convert") || !Have("pdftoppm") || !Have("python3")) GTEST_SKIP() << "tools/install-deps";
    ExpectVectorsOverRaster(kWorked + "--set Frame=1 --set FrameWidth=4 --set Mirror=1 --set Doubled=1 ");
}

TEST(Formats, EveryFormatWrittenWholeOrNotAtAll) {
    // The program's answer: its message, once it ended with status 2.
    const FileWrite write = [](const std::string& path) {
        const Outcome r = Render("--output '" + path + "'");
        EXPECT_EQ(r.status, r.err.empty() ? 0 : 2) << r.err;
        return r.err;
    };
    for (const char* ext : {"bmp", "png", "svg", "pdf"}) {
        const std::string name = std::string("x.") + ext;
        ExpectFolderRefused(write, name, ".\n");
        ExpectFullDiskKeepsTheOldFile(write, name, "Stream write error.\n");
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's shadow memory cannot live under ulimit -v
        // A raster band of one row larger than the memory the process may
        // have: every format is refused before the drawing, as before.
        TestDir dir;
        const Outcome r = Render("--set Dpi=9000000 --set Width=999 --set Height=999 --output '" + dir.Path(std::string("big.") + ext) + "'",
                   "ulimit -v 1000000;");
        EXPECT_EQ(r.status, 2) << ext;
        EXPECT_EQ(r.err, "Out of system resources.\n") << ext;
        EXPECT_EQ(dir.Entries(), 0u) << ext;
#endif
    }
}
