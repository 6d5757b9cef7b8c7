#include "scale/output/PictureCommand.h"

#include <new>
#include <optional>

#include "base/Errors.h"
#include "scale/output/PicturePipeline.h"

namespace sp {

PictureResult RunPictureCommand(PictureSession& s, FormFields& fields, const AskFileName& askFileName) {
    PictureResult result;
    const PreparedPicture prepared = PreparePicture(s.Params, fields, s.DefinitionList, s.DefinitionActive);
    if (const auto* refusal = std::get_if<PictureRefusal>(&prepared)) {
        result.message = refusal->sentence;
        return result;
    }
    const PictureJob& job = std::get<PictureJob>(prepared);
    const ScaleParameters before = s.Params;
    std::optional<DisplayList> list;
    std::unique_ptr<TBitmap> picture;
    bool mirrorPending = false;
    try {
        // The memory first, as the whole picture asked for it before anything was drawn.
        CheckBandMemory(s.Params.Width, s.Params.Height);
        RecordingSurface recorder(s.Params.Dpi, s.Params.PixelsPerMm, BandedMaxItems);
        TextCheck check;
        job.Draw(recorder, s.Params, &check);
        result.warnings = std::move(check.warnings);
        list = recorder.TakeList();
    } catch (const ListTooLong&) {
        // Too many calls to keep: the whole picture, drawn once, as before.
        s.Params = before;
        RasterSurface surface(/*deferMirror=*/true);
        TextCheck check;
        job.Draw(surface, s.Params, &check);
        result.warnings = std::move(check.warnings);
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
            // The same job on the recorder: the raster drawing has passed,
            // so it raises nothing new, and the session keeps the
            // parameters the raster drawing left.
            picture.reset();
            DisplayList all;
            try {
                all = job.Record();
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
