// The sheet drawn on any surface: the copies through the plate drawing, the
// crop marks and the check bars through the same strokes and texts, all of
// it through one placement so that the printer's factors reach everything.
#include <new>

#include "base/Errors.h"
#include "base/Procs.h"
#include "scale/drawing/Shapes.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateGrid.h"
#include "scale/plate/PlateScaleDrawing.h"
#include "scale/sheet/PlacedSurface.h"
#include "scale/sheet/Sheet.h"
#include "text/DefaultFont.h"

namespace sp {

namespace {

constexpr double kMarkWidth = 0.1, kBarLine = 1, kBarText = 2.5;

// The plate as the sheet draws it: at the sheet's grid, with no margin and
// no marks of its own (the sheet draws them, shortened between
// neighbours), unmirrored (the placement mirrors it).
Plate PlacedPlate(const Sheet& sheet, std::size_t item) {
    Plate p = sheet.plates[item].plate;
    p.plate.dpi = sheet.dpi;
    p.plate.margin = 0;
    p.plate.mirror = false;
    p.cropMarks.reset();
    return p;
}

PlateCropMarks MarksOf(const Plate& plate) {
    return plate.cropMarks ? *plate.cropMarks : PlateCropMarks{4, 1, kMarkWidth};
}

// Arms along the plate's edge lines, from `offset` out to `reach`: left and
// right at the top and bottom edges, up and down at the left and right edges.
void DrawMarks(DrawingSurface& c, const Sheet& sheet, const SheetCopy& copy, const PlateGrid& grid) {
    const PlateCropMarks k = MarksOf(sheet.plates[copy.item].plate);
    const std::int32_t pen = PenPixels(k.width, grid.PixelsPerMm());
    const std::int32_t xs[2] = {SheetPixels(sheet, copy.x), SheetPixels(sheet, copy.x) + grid.PlateWidth()};
    const std::int32_t ys[2] = {SheetPixels(sheet, copy.y), SheetPixels(sheet, copy.y) + grid.PlateHeight()};
    const std::int32_t off = SheetPixels(sheet, k.offset);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const std::int32_t x = xs[i], y = ys[j], dx = i ? 1 : -1, dy = j ? 1 : -1;
            const std::int32_t across = SheetPixels(sheet, copy.reach[i ? 2 : 0]);
            const std::int32_t along = SheetPixels(sheet, copy.reach[j ? 3 : 1]);
            if (across > off) StrokePolyline(c, {{x + dx * off, y}, {x + dx * across, y}}, pen, clBlack);
            if (along > off) StrokePolyline(c, {{x, y + dy * off}, {x, y + dy * along}}, pen, clBlack);
        }
}

// A check bar: its line, a tick every millimetre (longer at 5 and 10) on
// one side, and its length written beyond the ticks. `across` draws the
// 100 mm bar left to right, else the 50 mm bar bottom to top.
void DrawBar(DrawingSurface& c, const Sheet& sheet, const SheetRect& box, bool across, PlateFonts& fonts) {
    const double ppm = PixelsPerMmOf(sheet.dpi);
    const std::int32_t pen = PenPixels(kMarkWidth, ppm);
    const double length = across ? kBarLong : kBarShort;
    // (u, v): u along the bar from its start, v away from the line towards the ticks.
    auto at = [&](double u, double v) -> TPoint {
        return across ? TPoint{SheetPixels(sheet, box.x + u), SheetPixels(sheet, box.y + kBarLine + v)}
                      : TPoint{SheetPixels(sheet, box.x + kBarLine + v), SheetPixels(sheet, box.y + length - u)};
    };
    StrokePolyline(c, {at(0, 0), at(length, 0)}, pen, clBlack);
    for (int mm = 0; mm <= static_cast<int>(length); ++mm) {
        const double tick = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
        StrokePolyline(c, {at(mm, 0), at(mm, tick)}, pen, clBlack);
    }
    const std::string text = across ? "100 mm" : "50 mm";
    const TPoint centre = at(length / 2, 4 + 0.75 + kBarText / 2);
    FillPlateText(c, fonts.Get(DefaultFontFamily), text,
                  {static_cast<double>(centre.x), static_cast<double>(centre.y), kBarText * ppm, across ? 0.0 : 90.0},
                  clBlack);
}

}  // namespace

std::optional<std::string> MakeSheet(std::vector<SheetPlate> plates, const SheetOptions& options, Sheet& sheet) {
    if (plates.empty()) return "Na hárku nie je žiadna doska.";
    std::vector<SheetItem> items;
    for (const SheetPlate& p : plates) {
        const PlateCropMarks k = MarksOf(p.plate);
        items.push_back({p.plate.plate.width, p.plate.plate.height, k.offset, k.length});
    }
    SheetLayout layout;
    if (auto refusal = LayOutSheet(items, options, layout)) return refusal;
    sheet.dpi = plates.front().plate.plate.dpi;
    sheet.plates = std::move(plates);
    sheet.options = options;
    sheet.layout = std::move(layout);
    return std::nullopt;
}

std::int32_t SheetPixels(const Sheet& sheet, double mm) {
    return RangeCheck32(RoundHalfEven(mm * static_cast<long double>(PixelsPerMmOf(sheet.dpi))));
}

void DrawSheet(DrawingSurface& page, const Sheet& sheet) {
    const SheetLayout& l = sheet.layout;
    page.Create(SheetPixels(sheet, l.pageWidth), SheetPixels(sheet, l.pageHeight));
    PlacedSurface nominal(page, {0, 0, l.scaleX, l.scaleY, 0});
    for (const SheetCopy& copy : l.copies) {
        const Plate plate = PlacedPlate(sheet, copy.item);
        const PlateGrid grid(plate);
        const Placement at{SheetPixels(sheet, copy.x), SheetPixels(sheet, copy.y), l.scaleX, l.scaleY,
                           sheet.plates[copy.item].plate.plate.mirror ? grid.Width() : 0};
        PlacedSurface placed(page, at);
        DrawPlate(placed, plate, sheet.plates[copy.item].folder);
        DrawMarks(nominal, sheet, copy, grid);
    }
    PlateFonts fonts;
    DrawBar(nominal, sheet, l.across, true, fonts);
    DrawBar(nominal, sheet, l.up, false, fonts);
}

std::unique_ptr<TBitmap> DrawSheetRaster(const Sheet& sheet) {
    RasterSurface surface;
    DrawSheet(surface, sheet);
    return surface.TakePicture();
}

DisplayList RecordSheet(const Sheet& sheet) {
    RecordingSurface surface(sheet.dpi, PixelsPerMmOf(sheet.dpi));
    try {
        DrawSheet(surface, sheet);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
    DisplayList list = surface.TakeList();
    list.WidthMm = sheet.layout.pageWidth;
    list.HeightMm = sheet.layout.pageHeight;
    return list;
}

}  // namespace sp
