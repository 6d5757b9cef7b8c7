#include "scale/output/PictureCommand.h"

#include <new>
#include <optional>

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
    std::optional<DisplayList> list;
    std::unique_ptr<TBitmap> picture;
    bool mirrorPending = false;
    try {
        // The memory first, as the whole picture asked for it before anything was drawn.
        CheckBandMemory(s.Params.Width, s.Params.Height);
        RecordingSurface recorder(s.Params.Dpi, s.Params.PixelsPerMm, BandedMaxItems);
        DrawScale(recorder, s.Params, fields, s.DefinitionList, s.DefinitionActive);
        list = recorder.TakeList();
    } catch (const ListTooLong&) {
        // Too many calls to keep: the whole picture, drawn once, as before.
        s.Params = before;
        RasterSurface surface(/*deferMirror=*/true);
        DrawScale(surface, s.Params, fields, s.DefinitionList, s.DefinitionActive);
        picture = surface.TakePicture();
        mirrorPending = surface.MirrorPending();
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
    const std::optional<SaveTarget> target = askFileName();
    if (target) {
        if (list || FormatInfo(target->format).source == PictureSource::Raster) {
            WritePictureFile(target->format, picture.get(), list ? &*list : nullptr, target->fileName,
                             {mirrorPending, s.Params.Dpi});
        } else {
            // The same sequence from the same start on the recorder: the
            // raster drawing has passed, so it raises nothing new, and the
            // parameters end as the raster drawing left them.
            picture.reset();
            ScaleParameters again = before;
            DisplayList all;
            try {
                all = RecordScale(again, fields, s.DefinitionList, s.DefinitionActive);
            } catch (const std::bad_alloc&) {
                throw EOutOfResources();
            }
            WritePictureFile(target->format, nullptr, &all, target->fileName);
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
