#include "scale/plate/PlateMarks.h"

#include <cmath>

#include "base/Errors.h"
#include "scale/marks/MarkGeometry.h"
#include "scale/plate/PlateKeys.h"
#include "text/DefaultFont.h"

namespace sp {

namespace {

// The digits and texts of marks: the plate's default face, plain and clear.
constexpr const char* MarkFont = DefaultFontFamily;

// A whole number read from the file, else the sentence.
int Whole(double v, const char* sentence) {
    if (v != std::round(v)) throw EError(sentence);
    return static_cast<int>(v);
}

}  // namespace

DialMark DialMarkOf(const PlateMark& mark, std::string& key) {
    DialMark dial;
    key = "symbol";
    dial.symbol = ParseMarkSymbol(mark.symbol);
    dial.size = mark.size;
    switch (dial.symbol) {
        case MarkSymbol::Class:
            key = "class";
            if (!mark.accuracyClass) throw EError("treba ho zadať");
            dial.classTenths = ClassTenthsOf(*mark.accuracyClass);
            dial.circled = mark.circled;
            break;
        case MarkSymbol::TestVoltage:
            key = "kv";
            if (mark.kv) dial.kv = Whole(*mark.kv, "Skúšobné napätie značky musí byť 0, 2, 3 alebo 5 kV.");
            break;
        case MarkSymbol::Inclined:
            key = "angle";
            dial.angle = Whole(mark.angle, "Uhol značky musí byť celé číslo od 1 do 89 stupňov.");
            break;
        case MarkSymbol::Text:
            key = "text";
            dial.text = mark.text;
            break;
        default: key = "size"; break;
    }
    CheckMark(dial);
    return dial;
}

void CheckPlateMark(const PlateMark& mark, std::string& key) { DialMarkOf(mark, key); }

void DrawPlateMark(DrawingSurface& c, const PlateGrid& grid, const PlateMark& mark, PlateFonts& fonts) {
    std::string key;
    const MarkGeometry geometry = DrawMark(DialMarkOf(mark, key), fonts.Get(MarkFont));
    // Millimetres with y up around the square's centre, to picture pixels.
    const OutlinePoint centre = grid.CentreOf(grid.At(mark.x, mark.y));
    const double k = grid.PixelsPerMm();
    for (TextOutline path : MarkOutlines(geometry)) {
        for (OutlineOp& op : path.ops)
            for (OutlinePoint& p : op.p) p = {centre.x + p.x * k, centre.y - p.y * k};
        c.Fill(path, mark.color, false);
    }
}

}  // namespace sp
