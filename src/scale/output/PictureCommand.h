// The picture command ("&Uložiť obrázok") as one function, so that the window
// and scaleplate-render run exactly the same sequence.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "raster/Graphics.h"
#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"
#include "scale/output/OutputFormat.h"

namespace sp {

// What the main window owns for the whole run besides its fields.
struct PictureSession {
    ScaleParameters Params;
    std::vector<std::string> DefinitionList;  // lines as read, in file order
    bool DefinitionActive = false;            // the next picture draws DefinitionList
};

struct PictureResult {
    enum Outcome { Message, Cancelled, Saved } outcome = Message;
    std::string message;   // the input sentence, for Message
    std::string fileName;  // the file written, for Saved
    // Texts of the drawn picture that overlap each other, a tick or the
    // plate's edge, one sentence each: said, never a reason not to save.
    std::vector<std::string> warnings;
};

// Where and as what the picture goes. A bare name gives the BMP whatever its
// extension, as the window's "Bitmaps (*.bmp)" type always did; the window's
// other types and scaleplate-render name the format.
struct SaveTarget {
    SaveTarget(std::string name, OutputFormat f = OutputFormat::Bmp) : fileName(std::move(name)), format(f) {}
    std::string fileName;
    OutputFormat format;
};

// Asked for the file name once the picture is drawn; nothing means the user
// cancelled. Raster pictures are written mirrored on the way out when the
// mirror option is on, so the picture itself is never handed out.
using AskFileName = std::function<std::optional<SaveTarget>()>;

// Drawing calls kept at most for a raster picture drawn in bands (about
// 16 MB of them); a drawing of more calls (an arc over half a million
// degrees) is drawn whole once, as a picture that fits the memory.
constexpr std::size_t BandedMaxItems = 500'000;

// Reads the fields (repairing the angle texts in `fields`), draws, asks for
// the file name, saves in the chosen format (every format from the drawing
// calls: BMP and PNG drawn from them band by band), and clears
// DefinitionActive after a confirmed or a cancelled dialog. A failing input test gives Message and changes nothing
// else. Errors (conversion, range, overflow, division, memory, file) are
// thrown before DefinitionActive is touched, so the definition stays chosen.
PictureResult RunPictureCommand(PictureSession& session, FormFields& fields, const AskFileName& askFileName);

}  // namespace sp
