// What the drawn texts run into: each other, the ticks, the plate's edge.
// A collision is said as a sentence and marked, never refused: the picture
// is still drawn and saved, and the user decides.
#pragma once

#include <string>
#include <vector>

#include "scale/drawing/TextBoxes.h"

namespace sp {

struct PlacedText {
    enum Kind { Number, Unit } kind = Number;  // a tick's number or label, or the unit text
    std::string text;
    Box box;
};

// The sentences, in the order found, and the boxes of the texts they name
// (picture pixels, before any mirror). A mirrored picture names the left
// number of a pair as drawn before the mirror.
struct TextCheck {
    std::vector<std::string> warnings;
    std::vector<Box> marks;
};

// Tests every text against the texts after it, against every tick stroke and
// against the plate from (0, 0) to (width, height); appends what it finds
// to `out` ("Čísla -3 a -2 sa prekrývajú.").
void CheckTextCollisions(const std::vector<PlacedText>& texts, const std::vector<Box>& ticks, double width,
                         double height, TextCheck& out);

}  // namespace sp
