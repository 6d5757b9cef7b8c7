// scaleplate-render --sheet: the options of a sheet of plates read from the
// command line, and the sheet written.
#pragma once

#include <optional>
#include <string>

#include "scale/plate/Plate.h"
#include "scale/sheet/SheetLayout.h"

namespace sp {

// Reads one sheet option at argv[i] into `options` (moving i past its
// value) and gives true; false when argv[i] is no sheet option. `problem`
// gets the usage error of a missing or wrong value.
bool ParseSheetArgument(int argc, char** argv, int& i, SheetOptions& options, std::optional<std::string>& problem);

// The sheet of `plate` written to `output` in `format` (default: by the
// output's extension). Gives the exit status; prints a refusal to standard
// error (status 1). Throws as RenderPlateFile does.
int RenderSheet(const Plate& plate, const std::string& folder, const SheetOptions& options,
                const std::string& output, const std::optional<std::string>& format);

}  // namespace sp
