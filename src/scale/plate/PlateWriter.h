// Writes a plate as its TOML file: "format = 1" first, then [plate], the
// scales with their rows and zones, and the other items, each key from the
// key tables; a key is written when it is required or differs from its
// default. Reading the text back gives an equal plate.
#pragma once

#include <string>

#include "scale/plate/Plate.h"

namespace sp {

std::string PlateFileText(const Plate& plate);

// Writes the file whole or not at all (WriteFileAtomically's errors).
void WritePlateFile(const Plate& plate, const std::string& fileName);

}  // namespace sp
