#include "scale/output/PictureCommand.h"

#include <new>

#include "base/Errors.h"
#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/ScaleText.h"

namespace sp {

PictureResult RunPictureCommand(PictureSession& s, FormFields& fields, const AskFileName& askFileName) {
    PictureResult result;
    if (auto message = ReadScaleParameters(s.Params, fields)) {
        result.message = *message;
        return result;
    }
    ScaleTextSettings text;
    if (auto message = ReadScaleText(s.Params, fields, s.DefinitionActive && DefinitionHasLabels(s.DefinitionList), text)) {
        result.message = *message;
        return result;
    }
    const ScaleParameters before = s.Params;
    RasterSurface surface(/*deferMirror=*/true);
    TextCheck check;
    DrawScale(surface, s.Params, fields, s.DefinitionList, s.DefinitionActive, &check);
    result.warnings = std::move(check.warnings);
    std::unique_ptr<TBitmap> picture = surface.TakePicture();
    const std::optional<SaveTarget> target = askFileName();
    if (target) {
        if (FormatInfo(target->format).source == PictureSource::Raster) {
            WritePictureFile(target->format, picture.get(), nullptr, target->fileName,
                             {surface.MirrorPending(), s.Params.Dpi});
        } else {
            // The same sequence from the same start on the recorder: the
            // raster drawing has passed, so it raises nothing new, and the
            // parameters end as the raster drawing left them.
            picture.reset();
            ScaleParameters again = before;
            DisplayList list;
            try {
                list = RecordScale(again, fields, s.DefinitionList, s.DefinitionActive);
            } catch (const std::bad_alloc&) {
                throw EOutOfResources();
            }
            WritePictureFile(target->format, nullptr, &list, target->fileName);
        }
        result.outcome = PictureResult::Saved;
        result.fileName = target->fileName;
    } else {
        result.outcome = PictureResult::Cancelled;
    }
    picture.reset();
    s.DefinitionActive = false;
    return result;
}

}  // namespace sp
