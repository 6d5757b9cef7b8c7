// Texts through the built scaleplate-render, read back with OCR as a person
// reads the print: the numbers must read as written, and the mirrored print
// must not (it is read from the back of the film).
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include "support/Program.h"
#include "support/TestDir.h"

namespace {

int Render(const std::string& args) { return RunProgram(SCALEPLATE_RENDER, args).status; }

std::string Shell(const std::string& cmd) { return RunCommand(cmd).out; }

// The words tesseract finds anywhere on the picture.
std::set<std::string> Words(const std::string& picture) {
    std::istringstream in(Shell("tesseract '" + picture + "' stdout --psm 11 2>/dev/null"));
    std::set<std::string> words;
    for (std::string w; in >> w;) words.insert(w);
    return words;
}

// Large numbers on a 120 x 60 mm plate: 0, 50 and 100 at three master
// ticks, 6 mm high, and the unit.
const std::string Scale =
    "--set Width=120 --set Height=60 --set X=60 --set Y=5 --set Radius=30 --set CentralRadius=1 "
    "--set Segments=2 --set Master=1 --set ValueLeft=0 --set ValueRight=100 --set Unit=mA --set TextHeight=6 ";

// The PDF's creation time (to the second) is the only part that may differ
// between two runs.
std::string Undated(std::string bytes) {
    const std::size_t at = bytes.find("/CreationDate (");
    if (at != std::string::npos) bytes.erase(at, bytes.find(')', at) - at);
    return bytes;
}

}  // namespace

TEST(RenderText, NumbersReadBackAndTheMirroredPrintDoesNot) {
    if (!Have("tesseract")) GTEST_SKIP() << "tesseract is not installed (tools/install-deps installs it)";
    TestDir dir;
    ASSERT_EQ(Render(Scale + "--output '" + dir.Path("s.png") + "'"), 0);
    const std::set<std::string> straight = Words(dir.Path("s.png"));
    for (const char* n : {"0", "50", "100"}) EXPECT_EQ(straight.count(n), 1u) << n;

    ASSERT_EQ(Render(Scale + "--set Mirror=1 --output '" + dir.Path("m.png") + "'"), 0);
    const std::set<std::string> mirrored = Words(dir.Path("m.png"));
    EXPECT_EQ(mirrored.count("50"), 0u);
    EXPECT_EQ(mirrored.count("100"), 0u);

    // The vector formats carry the same text.
    if (Have("rsvg-convert")) {
        ASSERT_EQ(Render(Scale + "--output '" + dir.Path("s.svg") + "'"), 0);
        Shell("rsvg-convert -w 2835 '" + dir.Path("s.svg") + "' -o '" + dir.Path("svg.png") + "'");
        const std::set<std::string> svg = Words(dir.Path("svg.png"));
        for (const char* n : {"0", "50", "100"}) EXPECT_EQ(svg.count(n), 1u) << n;
    }
    if (Have("pdftoppm")) {
        ASSERT_EQ(Render(Scale + "--output '" + dir.Path("s.pdf") + "'"), 0);
        Shell("pdftoppm -r 300 -png -singlefile '" + dir.Path("s.pdf") + "' '" + dir.Path("pdf") + "'");
        const std::set<std::string> pdf = Words(dir.Path("pdf.png"));
        for (const char* n : {"0", "50", "100"}) EXPECT_EQ(pdf.count(n), 1u) << n;
        EXPECT_EQ(pdf.count("mA"), 1u);
    }
}

TEST(RenderText, NewKeysThroughSetAndTheirRefusals) {
    TestDir dir;
    // Every key of the section is accepted; an unknown one still is not.
    EXPECT_EQ(Render("--set ValueLeft=-1,5 --set ValueRight=1.5 --set Unit=Ω --set TextHeight=2.5 "
                     "--set Font='DejaVu Serif' --set Inside=1 --set Radial=1 --set DecimalPoint=1 --output '" +
                     dir.Path("a.svg") + "'"),
              0);
    EXPECT_NE(dir.Read("a.svg").find("fill-rule=\"nonzero\""), std::string::npos);
    EXPECT_EQ(Render("--set Units=V --output '" + dir.Path("b.bmp") + "'"), 64);
    // A value that is no number: refused by --set itself, by the picture
    // when a settings file holds it.
    EXPECT_EQ(Render("--set ValueRight=ten --output '" + dir.Path("c.bmp") + "'"), 64);
    dir.Write("s.ini", "[Numbers]\r\nValueRight=ten\r\n");
    EXPECT_EQ(RunProgram(SCALEPLATE_RENDER, "--settings '" + dir.Path("s.ini") + "' --output '" + dir.Path("c.bmp") + "'").err,
              "Hodnota vpravo musí byť číslo.\n");
    EXPECT_EQ(Render("--set ValueRight=10 --set ValueLeft=0 --set TextHeight=0 --output '" + dir.Path("c.bmp") + "'"),
              1);
    EXPECT_EQ(dir.Entries(), 2u);  // nothing written for the refusals (a.svg and s.ini only)
}

TEST(RenderText, NoTextSettingGivesTheSameBytesInEveryFormat) {
    // Text fields that draw nothing (one value, no unit) leave every format
    // byte for byte as a picture of a settings file without them.
    TestDir dir;
    dir.Write("old.ini", "[Scale]\r\nMirror=1\r\n");
    dir.Write("new.ini",
              "[Scale]\r\nMirror=1\r\n[Numbers]\r\nValueLeft=5\r\nTextHeight=x\r\nFont=Nothing\r\nRadial=1\r\n");
    for (const char* ext : {"bmp", "png", "svg", "pdf"}) {
        const std::string a = dir.Path(std::string("old.") + ext), b = dir.Path(std::string("new.") + ext);
        ASSERT_EQ(Render("--settings '" + dir.Path("old.ini") + "' --output '" + a + "'"), 0) << ext;
        ASSERT_EQ(Render("--settings '" + dir.Path("new.ini") + "' --output '" + b + "'"), 0) << ext;
        EXPECT_EQ(Undated(dir.Read(std::string("old.") + ext)), Undated(dir.Read(std::string("new.") + ext))) << ext;
    }
}
