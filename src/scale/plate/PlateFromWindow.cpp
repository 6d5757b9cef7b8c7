#include "scale/plate/PlateFromWindow.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "base/Errors.h"
#include "base/Procs.h"
#include "scale/drawing/DisplayList.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/ScaleText.h"
#include "scale/drawing/ScaleNumbers.h"
#include "scale/plate/PlateScaleTicks.h"

namespace sp {

namespace {

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

void TakeText(PlateScale& s, const FormFields& f) {
    const auto left = ParseDecimalValue(f.valueLeft), right = ParseDecimalValue(f.valueRight);
    if (left && right) {
        s.from = static_cast<double>(ValueOf(*left));
        s.to = static_cast<double>(ValueOf(*right));
    }
    s.unit = Trimmed(f.unit);
    if (const auto h = ParseDecimalValue(f.textHeight); h && h->Units > 0) s.numberHeight = static_cast<double>(ValueOf(*h));
    if (!f.font.empty()) s.font = f.font;
    s.numbers = f.numbersInside ? "in" : "out";
    s.radial = f.radialNumbers;
    s.decimal = f.decimalPoint ? "point" : "comma";
}

}  // namespace

Plate PlateFromWindow(const ScaleParameters& p, const FormFields& f, const std::vector<std::string>& definition,
                      bool definitionActive) {
    const auto mm = [&](std::int64_t px) { return PlateMm(RangeCheck32(px), p.PixelsPerMm); };
    Plate plate;
    plate.plate.width = mm(p.Width);
    plate.plate.height = mm(p.Height);
    plate.plate.dpi = p.Dpi;
    plate.plate.pivot = PlatePair{mm(p.CenterX), mm(p.CenterY)};
    plate.plate.pivotDisc = mm(p.CentralRadius);
    plate.plate.mirror = f.mirror;

    PlateScale s;
    s.radius = mm(p.Radius);
    s.left = p.LeftAngle;
    s.right = p.RightAngle;
    const std::int64_t length = p.SegmentLength, width = p.SegmentWidth;
    s.tickLength = {mm(2 * length), mm(length), mm(length / 2)};
    s.tickWidth = {mm(2 * width), mm(width), mm(width)};
    const std::int32_t arc = StrToInt(f.arcWidth);
    s.arcWidth = mm(std::max(arc, 0));
    if (definitionActive) {
        s.law = "ticks";
        for (const ScaleTickAt& t : DefinitionTicksOf(definition)) s.ticks.push_back({t.angle, t.kind, t.label});
    } else {
        s.segments = p.SegmentCount;
        // A master step beyond the count marks the two ends only, as the count does.
        s.master = static_cast<std::int32_t>(std::min<std::int64_t>(std::llabs(p.MasterEvery), p.SegmentCount));
        s.mediumEvery = f.halfSmall ? 2 : 1;
    }
    TakeText(s, f);
    plate.scales.push_back(s);

    if (f.doubledArc) {
        // The second arc: half the arc's pen (the thinnest line at least), as
        // far out as a minor tick reaches.
        PlateScale dual;
        dual.law = "ticks";
        dual.radius = mm(static_cast<std::int64_t>(p.Radius) + length / 2);
        dual.left = p.LeftAngle;
        dual.right = p.RightAngle;
        dual.arcWidth = mm(std::max(std::max(arc, 0) / 2, 1));
        dual.numbers = "none";
        plate.scales.push_back(dual);
    }
    if (f.frame) plate.frame = PlateFrame{mm(10), mm(std::max(StrToInt(f.frameWidth), 0)), clBlack};
    return plate;
}

std::optional<std::string> WindowPlate(ScaleParameters& p, FormFields& f, const std::vector<std::string>& definition,
                                       bool definitionActive, Plate& plate) {
    if (auto message = ReadScaleParameters(p, f)) return message;
    ScaleTextSettings text;
    if (auto message = ReadScaleText(p, f, definitionActive && DefinitionHasLabels(definition), text)) return message;
    // The drawing fills MasterEvery and doubles for the half-small option;
    // the recorder runs it without pixels, raising what the picture would.
    try {
        RecordScale(p, f, definition, definitionActive);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
    plate = PlateFromWindow(p, f, definition, definitionActive);
    return std::nullopt;
}

}  // namespace sp
