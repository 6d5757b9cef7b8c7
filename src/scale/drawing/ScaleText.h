// The texts of the scale: the numbers at the master ticks of the uniform
// scale, the labels of definition lines and the unit text, read from the
// window's fields, tested, and drawn as filled outlines on any surface.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ScaleNumbers.h"
#include "scale/drawing/TextCollisions.h"
#include "scale/drawing/TextPlacement.h"
#include "scale/input/FormFields.h"
#include "scale/input/ScaleParameters.h"

namespace sp {

// A tick of a definition line that carries a label, as the segments drew it.
struct LabelledTick {
    double angle = 0;          // degrees
    std::int32_t length = 0;   // the tick's length, pixels
    std::string label;
};

// The text settings of one picture, tested.
struct ScaleTextSettings {
    std::optional<DecimalValue> left, right;  // both given: numbers
    std::string unit;
    std::string font;
    DecimalMark mark = DecimalMark::Comma;
    TextStyle style;  // height in picture pixels
    // Whether anything at all is drawn; without it the picture stays as it
    // was before there was text.
    bool numbers() const { return left && right; }
};

namespace msg {
extern const char* const ValueLeftNotNumber;
extern const char* const ValueRightNotNumber;
extern const char* const NeedTextHeight;
extern const char* const TextTooHigh;
extern const char* const NumberGapNotNumber;
}  // namespace msg

// Whether any line of `definition` carries a label.
bool DefinitionHasLabels(const std::vector<std::string>& definition);

// Reads and tests the text fields for the picture `p` (after
// ReadScaleParameters said yes) into `t`. Gives the sentence of the first
// failing test: a value that is no decimal number; a text height that is no
// decimal number, 0 or less, or above the plate's smaller side, a number
// gap that is given but no decimal number of 0 or more, tested only
// when some text is drawn (`labels`: the definition drawn has labels).
std::optional<std::string> ReadScaleText(const ScaleParameters& p, const FormFields& f, bool labels,
                                         ScaleTextSettings& t);

// Draws the numbers (uniform mode with both values), the labels of
// `labelled` and the unit text; with `placed`, appends where each went. Draws nothing, and looks up no font, when
// there is no text. Throws EScaleInput with the sentence when the fields
// fail ReadScaleText.
void DrawScaleText(DrawingSurface& c, const ScaleParameters& p, const FormFields& f, bool definitionActive,
                   const std::vector<LabelledTick>& labelled, std::vector<PlacedText>* placed = nullptr);

}  // namespace sp
