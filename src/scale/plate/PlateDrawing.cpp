#include "scale/plate/PlateDrawing.h"

#include <new>

#include "base/Errors.h"
#include "scale/plate/PlateItems.h"

namespace sp {

void DrawPlate(DrawingSurface& c, const Plate& plate, const std::string& folder) {
    const PlateGrid grid(plate);
    c.Create(grid.Width(), grid.Height());
    PlateFonts fonts;
    DrawBackground(c, grid, plate);
    for (const PlateScale& s : plate.scales) DrawScaleZones(c, grid, s, fonts);
    DrawPivotDisc(c, grid, plate);
    for (const PlateScale& s : plate.scales) DrawPlateScale(c, grid, s, folder, fonts);
    DrawPlateItems(c, grid, plate, fonts);
    if (plate.plate.mirror) c.MirrorLeftRight();
}

std::unique_ptr<TBitmap> DrawPlateRaster(const Plate& plate, const std::string& folder, bool* mirrorPending) {
    RasterSurface surface(mirrorPending != nullptr);
    DrawPlate(surface, plate, folder);
    if (mirrorPending) *mirrorPending = surface.MirrorPending();
    return surface.TakePicture();
}

DisplayList RecordPlate(const Plate& plate, const std::string& folder) {
    const std::int32_t dpi = plate.plate.dpi;
    RecordingSurface surface(dpi, PixelsPerMmOf(dpi));
    try {
        DrawPlate(surface, plate, folder);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
    DisplayList list = surface.TakeList();
    const double margin = MarginOf(plate);
    list.WidthMm = plate.plate.width + 2 * margin;
    list.HeightMm = plate.plate.height + 2 * margin;
    return list;
}

void WritePlatePicture(const Plate& plate, const std::string& folder, OutputFormat format,
                       const std::string& fileName) {
    if (FormatInfo(format).source == PictureSource::Raster) {
        bool mirrored = false;
        const std::unique_ptr<TBitmap> picture = DrawPlateRaster(plate, folder, &mirrored);
        WritePictureFile(format, picture.get(), nullptr, fileName, {mirrored, plate.plate.dpi});
    } else {
        const DisplayList list = RecordPlate(plate, folder);
        WritePictureFile(format, nullptr, &list, fileName);
    }
}

}  // namespace sp
