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

// The reason for a number out of its key's range: "hodnota musí byť od 0
// do 999" (or "väčšia ako 0 a najviac 999" with `above`), decimal comma.
std::string PlateRangeText(double min, double max, bool above);

// Reads and checks a whole plate file. Definition files named by a scale
// are found relative to the plate file's folder. Throws EPlateInput, and
// the file errors of ReadWholeFile.
Plate ReadPlateFile(const std::string& fileName);

// The checks of ReadPlateFile on a plate made elsewhere (the designer):
// those of the text its file would hold, so that what passes here opens
// again. `fileName` names it in the sentences. Throws EPlateInput.
void CheckPlate(const Plate& plate, const std::string& fileName);

// The same for a text already read; `fileName` names it in messages and
// places relative definition files.
Plate ParsePlate(std::string_view text, const std::string& fileName);

}  // namespace sp
