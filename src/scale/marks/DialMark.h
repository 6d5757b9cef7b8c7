// A dial mark as the plate describes it: which standard symbol, how big its
// square is, and the symbol's own value (the accuracy class, the test
// voltage, the angle of an inclined dial, a free text).
//
// The checks here give the Slovak sentence the user sees; the plate reader
// calls them with the values it read, so a mark that cannot be drawn is
// refused before anything is drawn.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sp {

enum class MarkSymbol {
    MovingCoil,           // permanent-magnet moving coil
    MovingCoilRectifier,  // moving coil with a rectifier
    MovingIron,
    Electrodynamic,
    Thermal,  // moving coil with a thermal converter
    Dc,
    Ac,
    AcDc,
    Class,        // accuracy class, plain or circled
    TestVoltage,  // insulation test voltage: the star
    Vertical,
    Horizontal,
    Inclined,
    Warning,
    Text,
};

struct DialMark {
    MarkSymbol symbol = MarkSymbol::MovingCoil;
    double size = 8;  // the side of the mark's square, millimetres
    // Class: in tenths of a per cent (15 is class 1.5), so that the number
    // prints exactly as the dial shows it.
    int classTenths = 15;
    bool circled = false;   // class of the reading rather than of the full scale
    std::optional<int> kv;  // test voltage in kV; none for 500 V
    int angle = 60;         // inclined dial, degrees from the horizontal
    std::string text;       // free text such as "20 kΩ/V"
};

// The name in the plate file ("moving-coil", "ac-dc", ...) and back.
std::string_view MarkSymbolName(MarkSymbol symbol);
// Every name, in the order of the enum (for a table of choices).
std::vector<const char*> MarkSymbolNames();
// Throws EError "Neznámy symbol značky 'xyz'." for a name not in the table.
MarkSymbol ParseMarkSymbol(const std::string& name);

// The accuracy class as written in the file (1.5) in tenths; throws EError
// for a class the standard does not have.
int ClassTenthsOf(double accuracyClass);
// The class as the dial prints it: "0.5", "1", "2.5".
std::string ClassText(int classTenths);

// Throws EError with the sentence for the first value that cannot be drawn:
// a size outside 1 to 100 mm, a class or test voltage the standard does not
// have, an angle outside 1 to 89 degrees, an empty free text.
void CheckMark(const DialMark& mark);

}  // namespace sp
