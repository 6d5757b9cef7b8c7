// Where the preset plates are: share/scaleplate/plates beside the installed
// program's bin folder, else (a program run from the build tree) the source
// tree's data/plates.
#pragma once

#include <string>

namespace sp {

// The folder, or empty when neither exists.
std::string PresetFolder(const std::string& exePath);

}  // namespace sp
