#include "scale/drawing/ScaleText.h"

#include <algorithm>

#include "scale/definition/DefinitionFile.h"
#include "scale/input/ScaleInputError.h"
#include "text/DefaultFont.h"

namespace sp {

namespace msg {
const char* const ValueLeftNotNumber = "Hodnota vľavo musí byť číslo.";
const char* const ValueRightNotNumber = "Hodnota vpravo musí byť číslo.";
const char* const NeedTextHeight = "Treba zadať výšku písma.";
const char* const TextTooHigh = "Výška písma musí byť menšia, ako šírka a výška stupnice.";
const char* const NumberGapNotNumber = "Odstup čísel musí byť číslo 0 alebo väčšie.";
}  // namespace msg

namespace {

// An empty text gives no value; any other text must be a decimal number.
bool ReadValue(const std::string& text, std::optional<DecimalValue>& value) {
    value.reset();
    if (text.find_first_not_of(' ') == std::string::npos) return true;
    value = ParseDecimalValue(text);
    return value.has_value();
}

void DrawCentred(DrawingSurface& c, const TextFont& font, const std::string& text, TextPlacementBox box,
                 PlacedText::Kind kind, std::vector<PlacedText>* placed) {
    if (text.empty()) return;
    c.FillText(font.Layout(text, box));
    if (placed) placed->push_back({kind, text, BoxOfText(box, font.Width(text, box.capHeight))});
}

}  // namespace

bool DefinitionHasLabels(const std::vector<std::string>& definition) {
    return std::any_of(definition.begin(), definition.end(),
                       [](const std::string& line) { return !DefinitionLabel(line).empty(); });
}

std::optional<std::string> ReadScaleText(const ScaleParameters& p, const FormFields& f, bool labels,
                                         ScaleTextSettings& t) {
    t = {};
    if (!ReadValue(f.valueLeft, t.left)) return msg::ValueLeftNotNumber;
    if (!ReadValue(f.valueRight, t.right)) return msg::ValueRightNotNumber;
    t.unit = f.unit;
    while (!t.unit.empty() && t.unit.back() == ' ') t.unit.pop_back();
    while (!t.unit.empty() && t.unit.front() == ' ') t.unit.erase(0, 1);
    t.font = f.font.empty() ? DefaultFontFamily : f.font;
    t.mark = f.decimalPoint ? DecimalMark::Point : DecimalMark::Comma;
    t.style.inside = f.numbersInside;
    t.style.radial = f.radialNumbers;
    if (!t.numbers() && t.unit.empty() && !labels) return std::nullopt;
    const std::optional<DecimalValue> height = ParseDecimalValue(f.textHeight);
    if (!height || height->Units <= 0) return msg::NeedTextHeight;
    t.style.height = TextHeightPixels(ValueOf(*height), p.PixelsPerMm);
    if (f.numberGap.find_first_not_of(' ') != std::string::npos) {
        const std::optional<DecimalValue> gap = ParseDecimalValue(f.numberGap);
        if (!gap || gap->Units < 0) return msg::NumberGapNotNumber;
        t.style.gap = TextHeightPixels(ValueOf(*gap), p.PixelsPerMm);
    }
    // Numbers that only run past an edge are cut off there like any line;
    // a text higher than the whole plate is surely a typing error.
    if (t.style.height > std::min(p.Width, p.Height)) return msg::TextTooHigh;
    return std::nullopt;
}

void DrawScaleText(DrawingSurface& c, const ScaleParameters& p, const FormFields& f, bool definitionActive,
                   const std::vector<LabelledTick>& labelled, std::vector<PlacedText>* placed) {
    ScaleTextSettings t;
    if (auto message = ReadScaleText(p, f, !labelled.empty(), t)) throw EScaleInput(*message);
    const bool numbers = t.numbers() && !definitionActive;
    if (!numbers && t.unit.empty() && labelled.empty()) return;
    const TextFont font(t.font);
    const double h = t.style.height;
    if (numbers) {
        for (const TickNumber& n : UniformTickNumbers(p, *t.left, *t.right, t.mark))
            DrawCentred(c, font, n.Text, PlaceTickNumber(p, n.Angle, font.Width(n.Text, h), t.style),
                        PlacedText::Number, placed);
    }
    for (const LabelledTick& l : labelled)
        DrawCentred(c, font, l.label, PlaceTickNumber(p, l.angle, font.Width(l.label, h), t.style, l.length),
                    PlacedText::Number, placed);
    DrawCentred(c, font, t.unit, PlaceUnitText(p, t.style), PlacedText::Unit, placed);
}

}  // namespace sp
