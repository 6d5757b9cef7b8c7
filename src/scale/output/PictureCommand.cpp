#include "scale/output/PictureCommand.h"

#include <new>

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
    RasterSurface surface(/*deferMirror=*/true);
    job.Draw(surface, s.Params);
    std::unique_ptr<TBitmap> picture = surface.TakePicture();
    const std::optional<SaveTarget> target = askFileName();
    if (target) {
        if (FormatInfo(target->format).source == PictureSource::Raster) {
            WritePictureFile(target->format, picture.get(), nullptr, target->fileName,
                             {surface.MirrorPending(), s.Params.Dpi});
        } else {
            // The same job on the recorder: the raster drawing has passed,
            // so it raises nothing new, and the session keeps the
            // parameters the raster drawing left.
            picture.reset();
            DisplayList list;
            try {
                list = job.Record();
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
