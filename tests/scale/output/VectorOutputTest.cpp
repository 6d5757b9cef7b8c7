// The SVG and PDF files and the choice of format: true size, the geometry
// over the raster's pixels, and the window's rule that its bitmap type writes
// a BMP whatever the name.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "base/Errors.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/output/OutputFormat.h"
#include "scale/output/PdfWriter.h"
#include "scale/output/PictureCommand.h"
#include "scale/output/SvgWriter.h"
#include "support/TestDir.h"
#include "support/WriteChecks.h"
#include "support/Worked.h"

using namespace sp;

namespace {

DisplayList Recorded(FormFields f) {
    ScaleParameters p = Fresh();
    EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
    return RecordScale(p, f, {}, false);
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// True when python3's XML parser reads the file without error.
bool ParsesAsXml(const std::string& path) {
    const std::string cmd = "python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' '" + path + "'";
    return std::system(cmd.c_str()) == 0;
}

}  // namespace

TEST(SvgFile, WorkedExampleAtTrueSizeOverTheRasterPixels) {
    const std::string svg = SvgDocument(Recorded(WorkedFields()));
    EXPECT_NE(svg.find("width=\"80mm\" height=\"40mm\" viewBox=\"0 0 1890 945\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"1890\" height=\"945\" fill=\"#ffffff\"/>"), std::string::npos);
    // The disc of the box (874, 756)-(1016, 898).
    EXPECT_NE(svg.find("<ellipse cx=\"945\" cy=\"827\" rx=\"71\" ry=\"71\" fill=\"#000000\"/>"), std::string::npos);
    // The arc (pen 2) starts with the zero-length chord at 45 degrees and
    // is one run until its chords turn level at the top.
    EXPECT_NE(svg.find("stroke-width=\"2\" d=\"M1363.5 409.5L1363.5 409.5 "), std::string::npos) << svg;
    // The slanted normal segment at 54 degrees, one pixel, on pixel centres;
    // the vertical master at 90 degrees, pen 2, on the pixel corners.
    EXPECT_NE(svg.find("stroke-width=\"1\" d=\"M1292.5 349.5L1334.5 291.5\""), std::string::npos);
    EXPECT_NE(svg.find("stroke-width=\"2\" d=\"M945 236L945 94\""), std::string::npos);
    EXPECT_NE(svg.find("stroke-width=\"2\" d=\"M527.5 409.5L427.5 309.5\""), std::string::npos);
    EXPECT_EQ(Count(svg, "stroke-linecap=\"round\" stroke-linejoin=\"round\""), 1u);
    EXPECT_EQ(Count(svg, "<ellipse"), 1u);
    EXPECT_EQ(svg.find("transform"), std::string::npos);

    TestDir dir;
    dir.Write("w.svg", svg);
    EXPECT_TRUE(ParsesAsXml(dir.Path("w.svg")));
}

TEST(SvgFile, FrameMirrorAndThinPens) {
    FormFields f = WorkedFields();
    f.frame = true;
    f.mirror = true;
    f.frameWidth = "0";  // the thinnest pen: one grid pixel
    const std::string svg = SvgDocument(Recorded(f));
    EXPECT_NE(svg.find("transform=\"matrix(-1 0 0 1 1890 0)\""), std::string::npos);
    EXPECT_NE(svg.find("stroke-width=\"1\" d=\"M10.5 10.5L1880.5 10.5 1880.5 935.5 10.5 935.5 10.5 10.5\""),
              std::string::npos)
        << svg;

    // A one-pixel chord of length 0 paints nothing and is left out; the same
    // with a wide pen is a dot and stays.
    f.frame = false;
    f.mirror = false;
    f.arcWidth = "1";
    const std::string thin = SvgDocument(Recorded(f));
    EXPECT_NE(thin.find("stroke-width=\"1\" d=\"M1363.5 409.5L1356.5 402.5 "), std::string::npos) << thin;
    EXPECT_EQ(thin.find("M1363.5 409.5L1363.5 409.5"), std::string::npos);

    TestDir dir;
    dir.Write("m.svg", svg);
    EXPECT_TRUE(ParsesAsXml(dir.Path("m.svg")));
}

TEST(PdfFile, OnePageOfThePlatesSizeWithoutImages) {
    const std::string pdf = PdfDocument(Recorded(WorkedFields()));
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    std::smatch box;
    ASSERT_TRUE(std::regex_search(pdf, box, std::regex(R"(/MediaBox \[ *0 0 ([0-9.]+) ([0-9.]+) *\])")));
    EXPECT_NEAR(std::stod(box[1]), 226.7717, 0.001);
    EXPECT_NEAR(std::stod(box[2]), 113.3858, 0.001);
    EXPECT_EQ(Count(pdf, "/Type /Page\n") + Count(pdf, "/Type /Page "), 1u) << pdf.substr(0, 2000);
    EXPECT_EQ(pdf.find("/Image"), std::string::npos);
}

TEST(OutputFormats, ByExtensionOrByName) {
    EXPECT_EQ(FormatOfFileName("/a/scale.svg"), OutputFormat::Svg);
    EXPECT_EQ(FormatOfFileName("scale.PdF"), OutputFormat::Pdf);
    EXPECT_EQ(FormatOfFileName("scale.Png"), OutputFormat::Png);
    EXPECT_EQ(FormatOfFileName("scale.BMP"), OutputFormat::Bmp);
    EXPECT_EQ(FormatOfFileName("scale.txt"), OutputFormat::Bmp);
    EXPECT_EQ(FormatOfFileName("scale"), OutputFormat::Bmp);
    EXPECT_EQ(FormatOfFileName("dir.svg/scale"), OutputFormat::Bmp);
    EXPECT_EQ(FormatOfFileName("scale.svg.bak"), OutputFormat::Bmp);
    EXPECT_EQ(ParseOutputFormat("SVG"), OutputFormat::Svg);
    EXPECT_EQ(ParseOutputFormat("pdf"), OutputFormat::Pdf);
    EXPECT_EQ(ParseOutputFormat("bmp"), OutputFormat::Bmp);
    EXPECT_EQ(ParseOutputFormat("jpg"), std::nullopt);
    EXPECT_EQ(ParseOutputFormat(".svg"), std::nullopt);
    EXPECT_TRUE(CanWrite(OutputFormat::Bmp));
    EXPECT_TRUE(CanWrite(OutputFormat::Svg));
    EXPECT_TRUE(CanWrite(OutputFormat::Pdf));
}

TEST(OutputFormats, PictureCommandWritesTheChosenFormatAndCarriesStateOnce) {
    TestDir dir;
    PictureSession s;
    s.Params.Dpi = 600;
    FormFields f = WorkedFields();
    f.halfSmall = true;
    // A bare name, as the window's bitmap type gives it: a BMP whatever the
    // extension.
    PictureResult r = RunPictureCommand(s, f, [&]() { return std::optional<std::string>(dir.Path("a.svg")); });
    ASSERT_EQ(r.outcome, PictureResult::Saved);
    EXPECT_EQ(dir.Read("a.svg").substr(0, 2), "BM");
    EXPECT_EQ(s.Params.SegmentCount, 20);

    // SVG: the recorder starts from the same parameters, so the half-small
    // doubling happens once, as with the BMP, and the definition is cleared.
    s.Params = {};
    s.Params.Dpi = 600;
    s.DefinitionList = {"90,M"};
    s.DefinitionActive = true;
    r = RunPictureCommand(s, f, [&]() { return std::optional<SaveTarget>({dir.Path("b.x"), OutputFormat::Svg}); });
    ASSERT_EQ(r.outcome, PictureResult::Saved);
    const std::string svg = dir.Read("b.x");
    EXPECT_NE(svg.find("stroke-width=\"2\" d=\"M945 236L945 94\""), std::string::npos);
    EXPECT_EQ(Count(svg, "<path"), Count(SvgDocument(Recorded(WorkedFields())), "<path") - 10);  // one segment
    EXPECT_FALSE(s.DefinitionActive);

    s.Params = {};
    s.Params.Dpi = 600;
    r = RunPictureCommand(s, f, [&]() { return std::optional<SaveTarget>({dir.Path("c.pdf"), OutputFormat::Pdf}); });
    EXPECT_EQ(s.Params.SegmentCount, 20);
    EXPECT_EQ(s.Params.MasterEvery, 10);
    EXPECT_EQ(dir.Read("c.pdf").rfind("%PDF-", 0), 0u);
}

TEST(OutputFormats, EveryFormatWholeOrNotAtAll) {
    TestDir dir;
    const DisplayList list = Recorded(WorkedFields());
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    const auto picture = DrawScale(p, f, {}, false);
    for (OutputFormat format : {OutputFormat::Bmp, OutputFormat::Svg, OutputFormat::Pdf}) {
        const auto write = Throwing([&](const std::string& path) { WritePictureFile(format, picture.get(), &list, path); });
        const std::string name = std::string("x") + FormatInfo(format).extension;
        ExpectFolderRefused(write, name);
        ExpectFullDiskKeepsTheOldFile(write, name, "Stream write error");
    }
}

TEST(SvgFile, PlateSizeInTheFieldsMillimetresAtAnyDpi) {
    FormFields f = WorkedFields();
    ScaleParameters p = Fresh(300);
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    const std::string svg = SvgDocument(RecordScale(p, f, {}, false));
    EXPECT_NE(svg.find("width=\"80mm\" height=\"40mm\" viewBox=\"0 0 945 472\""), std::string::npos) << svg;
    // A picture size no whole number of millimetres gives (a width kept
    // from an earlier command): the exact size, not a rounded one.
    EXPECT_DOUBLE_EQ(PlateMm(1000, PixelsPerMmOf(600)), 1000 / PixelsPerMmOf(600));
    EXPECT_EQ(PlateMm(1890, PixelsPerMmOf(600)), 80.0);
}
