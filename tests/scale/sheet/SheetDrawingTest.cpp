// The sheet draws each copy with the plate's own drawing: at factors of 1
// the page holds the plate's own picture, pixel for pixel, at each copy's
// place (mirrored plates mirrored within themselves), and the vector page
// has the paper's exact size.
#include <gtest/gtest.h>

#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateReader.h"
#include "scale/sheet/Sheet.h"

namespace {

sp::Plate Preset(const std::string& name, std::int32_t dpi, bool mirror) {
    sp::Plate p = sp::ReadPlateFile(std::string(SCALEPLATE_PRESETS) + "/" + name);
    p.plate.dpi = dpi;
    p.plate.mirror = mirror;
    return p;
}

sp::SheetOptions Options(const char* paper, bool landscape, int copies, double gap) {
    sp::SheetOptions o;
    o.paper = paper, o.landscape = landscape, o.copies = copies, o.gap = gap;
    return o;
}

TEST(SheetDrawing, EachCopyIsThePlatesOwnPictureAndTheBarsAreOnThePage) {
    struct Case {
        const char* preset;
        bool mirror;
        sp::SheetOptions options;
    };
    const std::vector<Case> cases{
        {"vu-meter.scaleplate", false, Options("A4", true, 3, 6)},
        {"panel-meter-1ma.scaleplate", true, Options("A5", false, 2, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preset);
        const sp::Plate plate = Preset(c.preset, 150, c.mirror);
        sp::Sheet sheet;
        ASSERT_EQ(sp::MakeSheet({{plate, std::string(SCALEPLATE_PRESETS)}}, c.options, sheet), std::nullopt);
        const std::unique_ptr<sp::TBitmap> page = sp::DrawSheetRaster(sheet);
        EXPECT_EQ(page->Width(), sp::SheetPixels(sheet, sheet.layout.pageWidth));
        EXPECT_EQ(page->Height(), sp::SheetPixels(sheet, sheet.layout.pageHeight));

        // The plate alone, as the sheet wants it: no margin, no marks of its own.
        sp::Plate alone = plate;
        alone.plate.margin = 0;
        alone.cropMarks.reset();
        const std::unique_ptr<sp::TBitmap> own = sp::DrawPlateRaster(alone, SCALEPLATE_PRESETS);
        ASSERT_EQ(sheet.layout.copies.size(), static_cast<std::size_t>(c.options.copies));
        for (const sp::SheetCopy& copy : sheet.layout.copies) {
            const std::int32_t x0 = sp::SheetPixels(sheet, copy.x), y0 = sp::SheetPixels(sheet, copy.y);
            // A mirrored plate is drawn mirrored point by point, and the
            // raster's line rules settle some ties the other way than in the
            // mirrored picture: there each pixel may be one pixel off, no more.
            std::int64_t differ = 0, farOff = 0, ink = 0;
            for (std::int32_t y = 0; y < own->Height(); ++y)
                for (std::int32_t x = 0; x < own->Width(); ++x) {
                    ink += own->Pixel(x, y) != sp::clWhite;
                    const sp::TColor onPage = page->Pixel(x0 + x, y0 + y);
                    if (onPage == own->Pixel(x, y)) continue;
                    ++differ;
                    bool near = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (x + dx >= 0 && y + dy >= 0 && x + dx < own->Width() && y + dy < own->Height())
                                near = near || own->Pixel(x + dx, y + dy) == onPage;
                    farOff += !near;
                }
            EXPECT_EQ(c.mirror ? farOff : differ, 0) << "copy at " << copy.x << ", " << copy.y;
            EXPECT_LE(differ, ink / 8);  // a few ties, not the whole plate a pixel aside
        }
        // The 100 mm bar's line: black from its start to its end, one pixel
        // row below the box's top by a millimetre.
        const sp::SheetRect& bar = sheet.layout.across;
        const std::int32_t row = sp::SheetPixels(sheet, bar.y + 1);
        for (double mm : {0.0, 33.3, 50.0, 99.9})
            EXPECT_EQ(page->Pixel(sp::SheetPixels(sheet, bar.x + mm), row), sp::clBlack) << mm;

        const sp::DisplayList list = sp::RecordSheet(sheet);
        EXPECT_EQ(list.WidthMm, c.options.landscape ? 297 : 148);
        EXPECT_EQ(list.Width, page->Width());
    }
}

}  // namespace
