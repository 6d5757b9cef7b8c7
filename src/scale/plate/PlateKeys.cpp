#include "scale/plate/PlateKeys.h"

#include "scale/marks/MarkSpec.h"

// The rows name only what differs from a key's defaults; GCC counts the
// members left to their default initialisers as missing.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace sp {

namespace {

constexpr double kMaxLength = kMaxPlateMm;  // any length on the plate
constexpr double kMaxAngle = 3600;          // ten turns: ample for any dial

template <class Item>
using Keys = std::vector<PlateKey<Item>>;

}  // namespace

const Keys<PlateSheet>& SheetKeys() {
    using S = PlateSheet;
    static const Keys<S> keys{
        {.name = "width", .member = &S::width, .min = 0, .max = kMaxPlateMm, .above = true, .required = true},
        {.name = "height", .member = &S::height, .min = 0, .max = kMaxPlateMm, .above = true, .required = true},
        {.name = "dpi", .member = &S::dpi, .min = 1, .max = kMaxPlateDpi},
        {.name = "pivot", .member = &S::pivot, .min = -kMaxLength, .max = kMaxLength},
        {.name = "pivot_disc", .member = &S::pivotDisc, .min = 0, .max = kMaxLength},
        {.name = "edge", .member = &S::edge, .min = 0, .max = kMaxLength},
        {.name = "corner_radius", .member = &S::cornerRadius, .min = 0, .max = kMaxLength},
        {.name = "margin", .member = &S::margin, .min = 0, .max = kMaxMarginMm},
        {.name = "mirror", .member = &S::mirror},
        {.name = "background", .member = &S::background},
    };
    return keys;
}

const Keys<PlateScale>& ScaleKeys() {
    using S = PlateScale;
    static const Keys<S> keys{
        {.name = "radius", .member = &S::radius, .min = 0, .max = kMaxLength, .above = true, .required = true},
        {.name = "left", .member = &S::left, .min = -kMaxAngle, .max = kMaxAngle},
        {.name = "right", .member = &S::right, .min = -kMaxAngle, .max = kMaxAngle},
        {.name = "flatten", .member = &S::flatten, .min = 0, .max = kMaxLength},
        {.name = "law",
         .member = &S::law,
         .choices = {"uniform", "linear", "power", "log", "db", "ohm-series", "ohm-shunt", "points", "ticks"}},
        {.name = "from", .member = &S::from, .min = -kMaxValue, .max = kMaxValue},
        {.name = "to", .member = &S::to, .min = -kMaxValue, .max = kMaxValue},
        {.name = "exponent", .member = &S::exponent, .min = -100, .max = 100},
        {.name = "center", .member = &S::center, .min = -kMaxValue, .max = kMaxValue},
        {.name = "points", .member = &S::points, .min = -kMaxValue, .max = kMaxValue},
        {.name = "major", .member = &S::major, .min = 0, .max = kMaxValue},
        {.name = "medium", .member = &S::medium, .min = 0, .max = kMaxValue},
        {.name = "minor", .member = &S::minor, .min = 0, .max = kMaxValue},
        {.name = "labels", .member = &S::labels, .min = -kMaxValue, .max = kMaxValue},
        {.name = "segments", .member = &S::segments, .min = 1, .max = 255},
        {.name = "master", .member = &S::master, .min = 1, .max = 255},
        {.name = "medium_every", .member = &S::mediumEvery, .min = 1, .max = 255},
        {.name = "ticks", .member = &S::ticks, .min = -kMaxAngle, .max = kMaxAngle},
        {.name = "definition", .member = &S::definition},
        {.name = "ticks_side", .member = &S::ticksSide, .choices = {"out", "in", "both"}},
        {.name = "tick_length", .member = &S::tickLength, .min = 0, .max = kMaxLength},
        {.name = "tick_width", .member = &S::tickWidth, .min = 0, .max = kMaxLength},
        {.name = "arc_width", .member = &S::arcWidth, .min = 0, .max = kMaxLength},
        {.name = "numbers", .member = &S::numbers, .choices = {"out", "in", "none"}},
        {.name = "number_height", .member = &S::numberHeight, .min = 0, .max = kMaxLength, .above = true},
        {.name = "number_gap", .member = &S::numberGap, .min = -kMaxLength, .max = kMaxLength},
        {.name = "font", .member = &S::font},
        {.name = "radial", .member = &S::radial},
        {.name = "decimal", .member = &S::decimal, .choices = {"comma", "point"}},
        {.name = "unit", .member = &S::unit},
        {.name = "unit_height", .member = &S::unitHeight, .min = 0, .max = kMaxLength, .above = true},
        {.name = "unit_at", .member = &S::unitAt, .min = -kMaxLength, .max = kMaxLength},
        {.name = "color", .member = &S::color},
    };
    return keys;
}

const Keys<PlateRow>& RowKeys() {
    using R = PlateRow;
    static const Keys<R> keys{
        {.name = "from", .member = &R::from, .min = -kMaxValue, .max = kMaxValue, .required = true},
        {.name = "to", .member = &R::to, .min = -kMaxValue, .max = kMaxValue, .required = true},
        {.name = "major", .member = &R::major, .min = 0, .max = kMaxValue, .above = true},
        {.name = "side", .member = &R::side, .choices = {"out", "in"}},
        {.name = "gap", .member = &R::gap, .min = -kMaxLength, .max = kMaxLength},
    };
    return keys;
}

const Keys<PlateZone>& ZoneKeys() {
    using Z = PlateZone;
    static const Keys<Z> keys{
        {.name = "from", .member = &Z::from, .min = -kMaxValue, .max = kMaxValue, .required = true},
        {.name = "to", .member = &Z::to, .min = -kMaxValue, .max = kMaxValue, .required = true},
        {.name = "color", .member = &Z::color},
        {.name = "offset", .member = &Z::offset, .min = -kMaxLength, .max = kMaxLength},
        {.name = "width", .member = &Z::width, .min = 0, .max = kMaxLength, .above = true},
        {.name = "text", .member = &Z::text},
        {.name = "text_height", .member = &Z::textHeight, .min = 0, .max = kMaxLength, .above = true},
    };
    return keys;
}

const Keys<PlateHole>& HoleKeys() {
    using H = PlateHole;
    static const Keys<H> keys{
        {.name = "x", .member = &H::x, .min = -kMaxLength, .max = kMaxLength, .required = true},
        {.name = "y", .member = &H::y, .min = -kMaxLength, .max = kMaxLength, .required = true},
        {.name = "diameter", .member = &H::diameter, .min = 0, .max = kMaxLength, .above = true, .required = true},
        {.name = "line", .member = &H::line, .min = 0, .max = kMaxLength},
    };
    return keys;
}

const Keys<PlateCutout>& CutoutKeys() {
    using C = PlateCutout;
    static const Keys<C> keys{
        {.name = "radius", .member = &C::radius, .min = 0, .max = kMaxLength, .above = true, .required = true},
        {.name = "line", .member = &C::line, .min = 0, .max = kMaxLength},
    };
    return keys;
}

const Keys<PlateMirrorStrip>& MirrorStripKeys() {
    using M = PlateMirrorStrip;
    static const Keys<M> keys{
        {.name = "radius", .member = &M::radius, .min = 0, .max = kMaxLength, .above = true, .required = true},
        {.name = "width", .member = &M::width, .min = 0, .max = kMaxLength, .above = true, .required = true},
        {.name = "left", .member = &M::left, .min = -kMaxAngle, .max = kMaxAngle},
        {.name = "right", .member = &M::right, .min = -kMaxAngle, .max = kMaxAngle},
        {.name = "line", .member = &M::line, .min = 0, .max = kMaxLength},
    };
    return keys;
}

const Keys<PlateCropMarks>& CropMarksKeys() {
    using C = PlateCropMarks;
    static const Keys<C> keys{
        {.name = "length", .member = &C::length, .min = 0, .max = kMaxMarginMm / 2, .above = true},
        {.name = "offset", .member = &C::offset, .min = 0, .max = kMaxMarginMm / 2},
        {.name = "width", .member = &C::width, .min = 0, .max = kMaxMarginMm / 2},
    };
    return keys;
}

const Keys<PlateText>& TextKeys() {
    using T = PlateText;
    static const Keys<T> keys{
        {.name = "x", .member = &T::x, .min = -kMaxLength, .max = kMaxLength, .required = true},
        {.name = "y", .member = &T::y, .min = -kMaxLength, .max = kMaxLength, .required = true},
        {.name = "text", .member = &T::text, .required = true},
        {.name = "height", .member = &T::height, .min = 0, .max = kMaxLength, .above = true},
        {.name = "font", .member = &T::font},
        {.name = "angle", .member = &T::angle, .min = -kMaxAngle, .max = kMaxAngle},
        {.name = "anchor", .member = &T::anchor, .choices = {"left", "center", "right"}},
        {.name = "color", .member = &T::color},
    };
    return keys;
}

const Keys<PlateFrame>& FrameKeys() {
    using F = PlateFrame;
    static const Keys<F> keys{
        {.name = "inset", .member = &F::inset, .min = 0, .max = kMaxLength},
        {.name = "width", .member = &F::width, .min = 0, .max = kMaxLength},
        {.name = "color", .member = &F::color},
    };
    return keys;
}

const Keys<PlateMark>& MarkKeys() {
    using M = PlateMark;
    static const Keys<M> keys{
        {.name = "symbol", .member = &M::symbol, .choices = MarkSymbolNames(), .required = true},
        {.name = "x", .member = &M::x, .min = -kMaxLength, .max = kMaxLength, .required = true},
        {.name = "y", .member = &M::y, .min = -kMaxLength, .max = kMaxLength, .required = true},
        {.name = "size", .member = &M::size, .min = 1, .max = 100},
        {.name = "color", .member = &M::color},
        {.name = "class", .member = &M::accuracyClass, .min = 0.1, .max = 5},
        {.name = "circled", .member = &M::circled},
        {.name = "kv", .member = &M::kv, .min = 0, .max = 5},
        {.name = "angle", .member = &M::angle, .min = 1, .max = 89},
        {.name = "text", .member = &M::text},
    };
    return keys;
}

}  // namespace sp
