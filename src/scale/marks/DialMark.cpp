#include "scale/marks/DialMark.h"

#include <array>
#include <cmath>
#include <utility>

#include "base/Errors.h"

namespace sp {

namespace {

constexpr std::array<std::pair<MarkSymbol, std::string_view>, 15> Names{{
    {MarkSymbol::MovingCoil, "moving-coil"},
    {MarkSymbol::MovingCoilRectifier, "moving-coil-rectifier"},
    {MarkSymbol::MovingIron, "moving-iron"},
    {MarkSymbol::Electrodynamic, "electrodynamic"},
    {MarkSymbol::Thermal, "thermal"},
    {MarkSymbol::Dc, "dc"},
    {MarkSymbol::Ac, "ac"},
    {MarkSymbol::AcDc, "ac-dc"},
    {MarkSymbol::Class, "class"},
    {MarkSymbol::TestVoltage, "test-voltage"},
    {MarkSymbol::Vertical, "vertical"},
    {MarkSymbol::Horizontal, "horizontal"},
    {MarkSymbol::Inclined, "inclined"},
    {MarkSymbol::Warning, "warning"},
    {MarkSymbol::Text, "text"},
}};

// The accuracy classes of analogue instruments, in tenths of a per cent.
constexpr std::array<int, 7> Classes{1, 2, 5, 10, 15, 25, 50};

}  // namespace

std::string_view MarkSymbolName(MarkSymbol symbol) {
    for (const auto& [s, name] : Names)
        if (s == symbol) return name;
    return {};
}

std::vector<const char*> MarkSymbolNames() {
    std::vector<const char*> names;
    for (const auto& entry : Names) names.push_back(entry.second.data());  // literals: NUL-terminated
    return names;
}

MarkSymbol ParseMarkSymbol(const std::string& name) {
    for (const auto& [s, n] : Names)
        if (n == name) return s;
    throw EError("Neznámy symbol značky '" + name + "'.");
}

int ClassTenthsOf(double accuracyClass) {
    const double tenths = accuracyClass * 10;
    for (int c : Classes)
        if (std::fabs(tenths - c) < 1e-6) return c;
    throw EError("Trieda presnosti musí byť 0.1, 0.2, 0.5, 1, 1.5, 2.5 alebo 5.");
}

std::string ClassText(int classTenths) {
    const std::string whole = std::to_string(classTenths / 10);
    return classTenths % 10 == 0 ? whole : whole + "." + std::to_string(classTenths % 10);
}

void CheckMark(const DialMark& mark) {
    if (!(mark.size >= 1 && mark.size <= 100)) throw EError("Veľkosť značky musí byť od 1 do 100 mm.");
    switch (mark.symbol) {
        case MarkSymbol::Class: ClassTenthsOf(mark.classTenths / 10.0); break;
        case MarkSymbol::TestVoltage:
            if (mark.kv && *mark.kv != 0 && *mark.kv != 2 && *mark.kv != 3 && *mark.kv != 5)
                throw EError("Skúšobné napätie značky musí byť 0, 2, 3 alebo 5 kV.");
            break;
        case MarkSymbol::Inclined:
            if (mark.angle < 1 || mark.angle > 89) throw EError("Uhol značky musí byť celé číslo od 1 do 89 stupňov.");
            break;
        case MarkSymbol::Text:
            if (mark.text.empty()) throw EError("Text značky je prázdny.");
            break;
        default: break;
    }
}

}  // namespace sp
