#include "PictureCommand.h"

#include "ScaleDrawing.h"

namespace sp {

PictureResult RunPictureCommand(PictureSession& s, FormFields& fields, const AskFileName& askFileName) {
    PictureResult result;
    if (auto message = ReadScaleParameters(s.Params, fields)) {
        result.message = *message;
        return result;
    }
    std::unique_ptr<TBitmap> picture = DrawScale(s.Params, fields, s.DefinitionList, s.DefinitionActive);
    const std::optional<std::string> name = askFileName(*picture);
    if (name) {
        picture->SaveToFile(*name);
        result.outcome = PictureResult::Saved;
        result.fileName = *name;
    } else {
        result.outcome = PictureResult::Cancelled;
    }
    picture.reset();
    s.DefinitionActive = false;
    return result;
}

}  // namespace sp
