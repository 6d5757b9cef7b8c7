// scaleplate-render --plate and --save-plate as a user runs them: the
// default picture name, the round trip through a plate file, and a bad
// plate that writes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/TestDir.h"

namespace {

struct Outcome {
    int status;
    std::string err;
};

Outcome Render(const std::string& args, const TestDir& dir) {
    const std::string cmd = "'" SCALEPLATE_RENDER "' " + args + " 2>'" + dir.Path("err") + "'";
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.Read("err")};
}

TEST(PlateRender, TheSavedPlateDrawsTheWindowsPictureIntoThePlatesNameAsPdf) {
    TestDir dir;
    const std::string set = "--set Radius=25 --set ValueLeft=0 --set ValueRight=10 --set TextHeight=3,5 --set Unit=V ";
    ASSERT_EQ(Render(set + "--save-plate '" + dir.Path("w.scaleplate") + "'", dir).status, 0);
    ASSERT_EQ(Render(set + "--output '" + dir.Path("window.bmp") + "'", dir).status, 0);
    ASSERT_EQ(Render("--plate '" + dir.Path("w.scaleplate") + "' --output '" + dir.Path("plate.bmp") + "'", dir).status, 0);
    EXPECT_TRUE(dir.Read("window.bmp") == dir.Read("plate.bmp"));
    ASSERT_EQ(Render("--plate '" + dir.Path("w.scaleplate") + "'", dir).status, 0);
    EXPECT_EQ(dir.Read("w.pdf").substr(0, 5), "%PDF-");
}

TEST(PlateRender, ABadPlateGivesItsSentenceStatusOneAndWritesNothing) {
    TestDir dir;
    dir.Write("bad.scaleplate", "format = 1\n[plate]\nwidth = 60\nheight = 40\n[[scale]]\nradus = 20\n");
    const Outcome r = Render("--plate '" + dir.Path("bad.scaleplate") + "' --output '" + dir.Path("p.png") + "'", dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Súbor \"" + dir.Path("bad.scaleplate") + "\", riadok 6, kľúč \"scale.radus\": taký kľúč nepoznám.\n");
    EXPECT_FALSE(FileExistsAt(dir.Path("p.png")));
    // A plate draws alone: the window's options do not mix with it.
    EXPECT_EQ(Render("--plate '" + dir.Path("bad.scaleplate") + "' --set Radius=3", dir).status, 64);
}

// Every dial mark, 8 mm, in two rows; the text one wider than its square.
std::string AllMarksPlate() {
    const char* symbols[] = {"moving-coil", "moving-coil-rectifier", "moving-iron", "electrodynamic", "thermal",
                             "dc", "ac", "ac-dc", "class", "test-voltage", "vertical", "horizontal", "inclined",
                             "warning", "text"};
    std::string text = "format = 1\n[plate]\nwidth = 100\nheight = 30\n";
    for (int i = 0; i < 15; ++i) {
        text += "[[mark]]\nsymbol = \"" + std::string(symbols[i]) + "\"\nx = " + std::to_string(8 + 11 * (i % 8)) +
                "\ny = " + std::to_string(i < 8 ? 22 : 8) + "\n";
        if (i == 8) text += "class = 2.5\ncircled = true\n";
        if (i == 9) text += "kv = 3\n";
        if (i == 14) text += "text = \"20 kΩ/V\"\n";
    }
    return text;
}

}  // namespace

// The marks drawn as SVG and PDF, rasterised at 600 dpi, lie over the BMP's
// pixels: filled outlines agree but for the antialiased edges.
TEST(PlateRender, MarksInSvgAndPdfLieOverTheBmp) {
    if (std::system("command -v rsvg-convert >/dev/null && command -v pdftoppm >/dev/null") != 0) GTEST_SKIP();
    TestDir dir;
    dir.Write("marks.scaleplate", AllMarksPlate());
    for (const char* ext : {"bmp", "svg", "pdf"})
        ASSERT_EQ(Render("--plate '" + dir.Path("marks.scaleplate") + "' --output '" + dir.Path(std::string("p.") + ext) + "'", dir).status, 0) << ext;
    ASSERT_EQ(std::system(("rsvg-convert -d 600 -p 600 -b white '" + dir.Path("p.svg") + "' -o '" + dir.Path("svg.png") + "'").c_str()), 0);
    ASSERT_EQ(std::system(("pdftoppm -r 600 -gray -singlefile '" + dir.Path("p.pdf") + "' '" + dir.Path("pdf") + "'").c_str()), 0);
    for (const char* raster : {"svg.png", "pdf.pgm"}) {
        const std::string cmd = "python3 '" SCALEPLATE_COMPARE "' '" + dir.Path("p.bmp") + "' '" + dir.Path(raster) + "' >'" + dir.Path("cmp") + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << raster;
        long black = 0, differ = 0, far = 0;
        const std::string out = dir.Read("cmp");
        ASSERT_EQ(std::sscanf(out.c_str(), "size=%*dx%*d other=%*dx%*d black=%ld differ=%ld far=%ld", &black, &differ, &far), 3) << out;
        EXPECT_GT(black, 40000) << raster;
        // Inside the star's sharp points the white between the two lines
        // narrows below a pixel: there the smoothed picture may keep a pixel
        // white that the BMP fills. One in ten thousand at most.
        EXPECT_LE(far * 10000, black) << raster << ": " << far;
        EXPECT_LE(differ * 100, black * 3) << raster << ": " << differ << " of " << black;
    }
}
