// Reads rendered text back with OCR, as a person would read the print: a
// garbled, misplaced or mirrored-by-mistake text does not read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "raster/Mirror.h"
#include "scale/drawing/ScaleDrawing.h"
#include "support/Ink.h"
#include "support/TestDir.h"
#include "text/TextLayout.h"

using namespace sp;

namespace {

bool HaveTesseract() { return std::system("command -v tesseract >/dev/null 2>&1") == 0; }

std::string Ocr(const std::string& bmp) {
    const std::string cmd = "tesseract '" + bmp + "' stdout --psm 7 2>/dev/null";
    std::string out;
    if (FILE* f = ::popen(cmd.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, f)) out += buf;
        ::pclose(f);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ' || out.back() == '\f')) out.pop_back();
    return out;
}

std::string RenderAndRead(const std::string& text, bool mirror) {
    const TextFont font;
    const std::int32_t w = 1600, h = 300;
    const auto b = Render(font.Layout(text, {w / 2.0, h / 2.0, 100, 0}), w, h);
    if (mirror) FlipBitmap(*b, 1);  // as the picture is mirrored for printing on the back
    TestDir dir;
    b->SaveToFile(dir.Path("text.bmp"));
    return Ocr(dir.Path("text.bmp"));
}

}  // namespace

TEST(TextOcr, DigitsAndUnitReadBackAndTheMirrorDoesNot) {
    if (!HaveTesseract()) GTEST_SKIP() << "tesseract is not installed (tools/install-deps installs it)";
    EXPECT_EQ(RenderAndRead("0123456789", false), "0123456789");
    EXPECT_EQ(RenderAndRead("mA", false), "mA");
    EXPECT_EQ(RenderAndRead("0,25", false), "0,25");
    EXPECT_NE(RenderAndRead("0123456789", true), "0123456789");
    EXPECT_NE(RenderAndRead("mA", true), "mA");
}
