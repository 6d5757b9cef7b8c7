// scaleplate-render's plate commands: draw a plate file, and write the plate
// of the window's picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"
#include "scale/sheet/SheetLayout.h"

namespace sp {

// Draws `plateFile` into `output` (default: the plate's name with ".pdf")
// in `format` (default: by the output's extension), or with `sheet` a sheet
// of its copies into `output` (then given). Gives the exit status;
// prints a refusal to standard error (status 1). Throws EError and
// std::bad_alloc for the caller's error report (status 2).
int RenderPlateFile(const std::string& plateFile, const std::optional<std::string>& output,
                    const std::optional<std::string>& format, const SheetOptions* sheet = nullptr);

// Writes the plate of the window's picture to `plateFile`. Gives the exit
// status as RenderPlateFile.
int SaveWindowPlate(ScaleParameters& params, FormFields& fields, const std::vector<std::string>& definition,
                    bool definitionActive, const std::string& plateFile);

// The default picture name of a plate file: its extension replaced by ".pdf".
std::string PlatePictureName(const std::string& plateFile);

}  // namespace sp
