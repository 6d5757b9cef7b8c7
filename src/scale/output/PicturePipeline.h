// The one way from input to picture: the window's save command, its preview
// and scaleplate-render all read and test the values here, in the same
// order, so that what one refuses the others refuse with the same sentence,
// and all draw the same job on their own surface.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ScaleText.h"
#include "scale/drawing/TextCollisions.h"
#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"

namespace sp {

// A picture whose input passed every test: ready to be drawn on any surface,
// as often as needed, always from the same start.
struct PictureJob {
    ScaleParameters params;  // as read, before the drawing fills MasterEvery
    FormFields fields;       // with the angle texts repaired
    const std::vector<std::string>* definition = nullptr;  // drawn when definitionActive
    bool definitionActive = false;

    // Runs the drawing sequence on `surface`. `drawn` starts as `params` and
    // ends as the drawing left it (MasterEvery filled, counts doubled for
    // half-small segments), also when the drawing throws part way: the
    // command carries that over to the next one. Throws what the drawing
    // throws (conversion, range, overflow, division, out of resources).
    // With `check`, the texts' collisions are added to it (DrawScale).
    void Draw(DrawingSurface& surface, ScaleParameters& drawn, TextCheck* check = nullptr) const;
    // The calls on the recorder, as the vector writers and the preview take them.
    DisplayList Record() const;
};

// The refusal: the sentence the message box (or standard error) shows.
struct PictureRefusal {
    std::string sentence;
};

using PreparedPicture = std::variant<PictureJob, PictureRefusal>;

// Reads and tests the parameters into `params` (which keeps what was read up
// to a refusal, as the command always did), repairing the angle texts in
// `fields`, then the text fields. Throws EConvertError and ERangeError as
// ReadScaleParameters does. The job refers to `definition`, which must
// outlive it.
PreparedPicture PreparePicture(ScaleParameters& params, FormFields& fields,
                               const std::vector<std::string>& definition, bool definitionActive);

}  // namespace sp
