// Reads the plate file (.scaleplate): TOML, UTF-8, "format = 1" at the top.
// Every fault is one Slovak sentence naming the file, the line and the key:
// TOML syntax, an unknown table or key (a typo must not draw a default), a
// value of the wrong kind or out of range, a law the scale's values refuse,
// a missing definition file. Nothing is drawn from a plate that fails.
#pragma once

#include <string>
#include <string_view>

#include "scale/input/ScaleInputError.h"
#include "scale/plate/Plate.h"

namespace sp {

// A fault in a plate file; the command-line program ends with status 1.
class EPlateInput : public EScaleInput {
public:
    using EScaleInput::EScaleInput;
};

// The sentence for a fault at `line` of `fileName` in `key` (empty: the
// line as a whole): Súbor "F", riadok N, kľúč "K": reason.
std::string PlateMessage(const std::string& fileName, long line, const std::string& key, const std::string& reason);

// Reads and checks a whole plate file. Definition files named by a scale
// are found relative to the plate file's folder. Throws EPlateInput, and
// the file errors of ReadWholeFile.
Plate ReadPlateFile(const std::string& fileName);

// The same for a text already read; `fileName` names it in messages and
// places relative definition files.
Plate ParsePlate(std::string_view text, const std::string& fileName);

}  // namespace sp
