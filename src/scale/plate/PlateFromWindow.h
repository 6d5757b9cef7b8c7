// The window's scale as a plate with one scale (and a second, arc-only
// scale for the dual arc): what scaleplate-render --save-plate writes.
// Pixel values become millimetres that round back to the same pixels at the
// same Dpi, so drawing the plate gives the window's picture pixel for pixel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"
#include "scale/plate/Plate.h"

namespace sp {

// `drawn` are the parameters as the window's drawing left them (MasterEvery
// filled, SegmentCount and MasterEvery doubled by the half-small option);
// `fields` passed ReadScaleParameters and ReadScaleText.
Plate PlateFromWindow(const ScaleParameters& drawn, const FormFields& fields, const std::vector<std::string>& definition,
                      bool definitionActive);

// The picture command's checks and drawing up to the picture, then the
// plate: gives the input sentence when a test fails (and leaves `plate`),
// else fills `plate`. Errors propagate as the picture command's do.
std::optional<std::string> WindowPlate(ScaleParameters& params, FormFields& fields,
                                       const std::vector<std::string>& definition, bool definitionActive, Plate& plate);

}  // namespace sp
