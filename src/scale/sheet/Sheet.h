// A sheet ready to draw: the plates, where their copies go, and the page.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scale/drawing/DisplayList.h"
#include "scale/drawing/DrawingSurface.h"
#include "scale/plate/Plate.h"
#include "scale/sheet/SheetLayout.h"

namespace sp {

struct SheetPlate {
    Plate plate;
    std::string folder;  // where its scales' definition files are
};

struct Sheet {
    std::vector<SheetPlate> plates;
    SheetOptions options;
    SheetLayout layout;
    std::int32_t dpi = 600;  // the page's grid: the first plate's
};

// The plates laid out by `options`: the refusal sentence, or nothing and
// `sheet` filled. A plate's own crop marks give the sheet's marks their
// offset, length and width; a plate without them gets 1 mm off, 4 mm long.
std::optional<std::string> MakeSheet(std::vector<SheetPlate> plates, const SheetOptions& options, Sheet& sheet);

// The page in whole pixels of the sheet's grid.
std::int32_t SheetPixels(const Sheet& sheet, double mm);

// The page: each copy drawn by the plate drawing placed on it, the crop
// marks, the check bars. Throws what the plate drawing throws.
void DrawSheet(DrawingSurface& page, const Sheet& sheet);
std::unique_ptr<TBitmap> DrawSheetRaster(const Sheet& sheet);
// With the paper's exact size in millimetres, for the PDF and the printer.
DisplayList RecordSheet(const Sheet& sheet);

}  // namespace sp
