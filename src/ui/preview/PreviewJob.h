// What the main window's preview computes, away from the window: the drawing
// calls of the picture the next "Uložiť obrázok" would draw, from a copy of
// everything the picture command carries, so that looking never changes what
// is saved. Runs on any thread; touches no widget.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scale/drawing/DisplayList.h"
#include "scale/drawing/TextBoxes.h"
#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"
#include "ui/preview/PreviewLimits.h"
#include "scale/plate/Plate.h"

namespace sp {

// A copy of the command's inputs: the session's parameters as the last
// command left them, the fields, and the definition chosen for the next picture.
struct PreviewInput {
    ScaleParameters params;
    FormFields fields;
    std::vector<std::string> definition;
    bool definitionActive = false;
    std::string definitionName;  // shown in the facts line while active
    // A whole plate instead of the window's scale (the plate designer): it
    // is checked as its file would be read (`plateName` names it in the
    // sentences), and its definition files lie in `plateFolder`.
    std::optional<Plate> plate;
    std::string plateName, plateFolder;
};

struct PreviewResult {
    enum Kind { Picture, Message, TooLarge } kind = Message;
    QString message;  // the input sentence or the error box text
    std::shared_ptr<const DisplayList> list;  // for Picture
    QImage raster;    // the exact pixels, when asked for and small enough
    QImage sheet;     // the picture painted to fit the view, for long lists
    // Texts that overlap each other, a tick or the plate's edge: the
    // sentences, and the boxes to mark (grid pixels, before the mirror).
    QStringList warnings;
    std::vector<Box> marks;
};

// The message the preview shows in place of a picture too large to keep.
QString TooLargeText();

// Prepares the picture as saving does (PreparePicture: the same tests, the
// same sentences) and records the drawing, on copies. With
// `withRaster` also draws the exact picture when it is at most
// PreviewMaxRasterPixels. A list of more than PreviewDirectPaintItems calls
// is also painted fitted into `view`. `maxItems` bounds the recorded calls.
PreviewResult ComputePreview(const PreviewInput& input, bool withRaster, QSize view,
                             std::size_t maxItems = PreviewMaxItems);

// The picture's exact pixels (mirrored as saved) as an image, drawn from
// the list a band of rows at a time as the saved file is, so only the image
// itself is held whole.
QImage RasterPreview(const DisplayList& list);

// "80 × 40 mm · 1890 × 945 px · 600 dpi", then " · name" for a chosen definition.
QString FactsLine(const DisplayList& list, const std::string& definitionName);

}  // namespace sp
