#include "scale/output/PicturePipeline.h"

#include "scale/drawing/ScaleDrawing.h"

namespace sp {

void PictureJob::Draw(DrawingSurface& surface, ScaleParameters& drawn, TextCheck* check) const {
    drawn = params;
    DrawScale(surface, drawn, fields, *definition, definitionActive, check);
}

DisplayList PictureJob::Record() const {
    RecordingSurface surface(params.Dpi, params.PixelsPerMm);
    ScaleParameters drawn;
    Draw(surface, drawn);
    return surface.TakeList();
}

PreparedPicture PreparePicture(ScaleParameters& params, FormFields& fields,
                               const std::vector<std::string>& definition, bool definitionActive) {
    if (auto sentence = ReadScaleParameters(params, fields)) return PictureRefusal{*sentence};
    ScaleTextSettings text;
    const bool labels = definitionActive && DefinitionHasLabels(definition);
    if (auto sentence = ReadScaleText(params, fields, labels, text)) return PictureRefusal{*sentence};
    return PictureJob{params, fields, &definition, definitionActive};
}

}  // namespace sp
