#include "scale/generator/NumberRoom.h"

#include <cmath>
#include <numbers>

#include "scale/drawing/TextPlacement.h"
#include "scale/generator/ValueText.h"

namespace sp {

NumberRoom::NumberRoom(const MeterLaw& law, const TickRoom& room) : law_(law), room_(room), font_(room.font) {}

std::string NumberRoom::Label(long double value) const {
    if (room_.prefixes || std::isinf(value)) return PrefixedLabel(value, room_.decimalPoint);
    return ValueLabel(value, room_.decimalPoint, room_.plusSign);
}

double NumberRoom::Width(const std::string& label) const {
    const auto at = widths_.find(label);
    if (at != widths_.end()) return at->second;
    const double w = font_.Width(label, static_cast<double>(room_.textHeightMm));
    widths_.emplace(label, w);
    return w;
}

// The drawing's own placement rule, in millimetres with y pointing down
// from the pivot.
Box NumberRoom::BoxOf(long double value, const std::string& label) const {
    const double angle = static_cast<double>(law_.Angle(value));
    const double width = Width(label);
    TextStyle style;
    style.height = static_cast<double>(room_.textHeightMm);
    style.inside = room_.inside;
    style.radial = room_.radial;
    style.gap = static_cast<double>(room_.numberGapMm);
    const long double r = NumberDistance(room_.radiusMm, room_.tickLengthMm, angle, width, style);
    const long double t = angle * std::numbers::pi_v<long double> / 180;
    TextPlacementBox box;
    box.x = static_cast<double>(r * std::cos(t));
    box.y = static_cast<double>(-r * std::sin(t));
    box.capHeight = style.height;
    box.rotation = room_.radial ? angle - 90.0 : 0.0;
    return BoxOfText(box, width);
}

bool NumberRoom::Fit(long double a, const std::string& la, long double b, const std::string& lb) const {
    return Separation(BoxOf(a, la), BoxOf(b, lb)) >= static_cast<double>(room_.textHeightMm) / 2;
}

}  // namespace sp
