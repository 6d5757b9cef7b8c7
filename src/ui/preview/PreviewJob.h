// What the main window's preview computes, away from the window: the drawing
// calls of the picture the next "Uložiť obrázok" would draw, from a copy of
// everything the picture command carries, so that looking never changes what
// is saved. Runs on any thread; touches no widget.
#pragma once

#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scale/drawing/DisplayList.h"
#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"
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

// The drawing calls kept for a preview at most: an arc over millions of
// degrees records one line per degree, and the preview must not grow with it.
constexpr std::size_t PreviewMaxItems = 1'000'000;
// The exact raster picture is made for the 1:1 view up to this many pixels.
constexpr std::int64_t PreviewMaxRasterPixels = 16'000'000;

// Past this many calls (and for every plate) the worker also paints the
// fitted picture, so the window only copies it instead of stroking every
// call while the user types.
constexpr std::size_t PreviewDirectPaintItems = 20'000;

struct PreviewResult {
    enum Kind { Picture, Message, TooLarge } kind = Message;
    QString message;  // the input sentence or the error box text
    std::shared_ptr<const DisplayList> list;  // for Picture
    QImage raster;    // the exact pixels, when asked for and small enough
    QImage sheet;     // the picture painted to fit the view, for long lists
};

// The message the preview shows in place of a picture too large to keep.
QString TooLargeText();

// Reads the parameters and records the drawing, both on copies. With
// `withRaster` also draws the exact picture when it is at most
// PreviewMaxRasterPixels. A list of more than PreviewDirectPaintItems calls
// is also painted fitted into `view`. `maxItems` bounds the recorded calls.
PreviewResult ComputePreview(const PreviewInput& input, bool withRaster, QSize view,
                             std::size_t maxItems = PreviewMaxItems);

// The picture's exact pixels (mirrored as saved) as an image.
QImage RasterPreview(const PreviewInput& input);

// "80 × 40 mm · 1890 × 945 px · 600 dpi", then " · name" for a chosen definition.
QString FactsLine(const DisplayList& list, const std::string& definitionName);

}  // namespace sp
