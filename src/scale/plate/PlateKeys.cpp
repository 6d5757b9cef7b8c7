#include "scale/plate/PlateKeys.h"

#include "scale/marks/DialMark.h"

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
        {.name = "width", .member = &S::width, .min = 0, .max = kMaxPlateMm, .above = true, .required = true, .label = "Šírka", .unit = "mm"},
        {.name = "height", .member = &S::height, .min = 0, .max = kMaxPlateMm, .above = true, .required = true, .label = "Výška", .unit = "mm"},
        {.name = "dpi", .member = &S::dpi, .min = 1, .max = kMaxPlateDpi, .label = "Rozlíšenie", .unit = "dpi"},
        {.name = "pivot", .member = &S::pivot, .min = -kMaxLength, .max = kMaxLength, .label = "Os ručičky x; y", .unit = "mm"},
        {.name = "pivot_disc", .member = &S::pivotDisc, .min = 0, .max = kMaxLength, .label = "Polomer stredu", .unit = "mm"},
        {.name = "edge", .member = &S::edge, .min = 0, .max = kMaxLength, .label = "Obrys dosky", .unit = "mm"},
        {.name = "corner_radius", .member = &S::cornerRadius, .min = 0, .max = kMaxLength, .label = "Polomer rohov", .unit = "mm"},
        {.name = "margin", .member = &S::margin, .min = 0, .max = kMaxMarginMm, .label = "Okolie", .unit = "mm"},
        {.name = "mirror", .member = &S::mirror, .label = "Prehodiť stranovo"},
        {.name = "background", .member = &S::background, .label = "Farba dosky"},
    };
    return keys;
}

const Keys<PlateScale>& ScaleKeys() {
    using S = PlateScale;
    static const Keys<S> keys{
        {.name = "radius", .member = &S::radius, .min = 0, .max = kMaxLength, .above = true, .required = true, .label = "Polomer", .unit = "mm"},
        {.name = "left", .member = &S::left, .min = -kMaxAngle, .max = kMaxAngle, .label = "Ľavý uhol", .unit = "°"},
        {.name = "right", .member = &S::right, .min = -kMaxAngle, .max = kMaxAngle, .label = "Pravý uhol", .unit = "°"},
        {.name = "flatten", .member = &S::flatten, .min = 0, .max = kMaxLength, .label = "Sploštenie", .unit = "mm"},
        {.name = "law",
         .member = &S::law,
         .choices = {"uniform", "linear", "power", "log", "db", "ohm-series", "ohm-shunt", "points", "ticks"}, .label = "Priebeh"},
        {.name = "from", .member = &S::from, .min = -kMaxValue, .max = kMaxValue, .label = "Hodnota vľavo"},
        {.name = "to", .member = &S::to, .min = -kMaxValue, .max = kMaxValue, .label = "Hodnota vpravo"},
        {.name = "exponent", .member = &S::exponent, .min = -100, .max = 100, .label = "Exponent"},
        {.name = "center", .member = &S::center, .min = -kMaxValue, .max = kMaxValue, .label = "Stred stupnice"},
        {.name = "points", .member = &S::points, .min = -kMaxValue, .max = kMaxValue, .label = "Body: hodnota uhol; …"},
        {.name = "major", .member = &S::major, .min = 0, .max = kMaxValue, .label = "Hlavný krok"},
        {.name = "medium", .member = &S::medium, .min = 0, .max = kMaxValue, .label = "Stredný krok"},
        {.name = "minor", .member = &S::minor, .min = 0, .max = kMaxValue, .label = "Malý krok"},
        {.name = "labels", .member = &S::labels, .min = -kMaxValue, .max = kMaxValue, .label = "Očíslované hodnoty"},
        {.name = "segments", .member = &S::segments, .min = 1, .max = 255, .label = "Počet segmentov"},
        {.name = "master", .member = &S::master, .min = 1, .max = 255, .label = "Hlavný segment každý"},
        {.name = "medium_every", .member = &S::mediumEvery, .min = 1, .max = 255, .label = "Stredný segment každý"},
        {.name = "ticks", .member = &S::ticks, .min = -kMaxAngle, .max = kMaxAngle, .label = "Dielce: uhol druh text; …"},
        {.name = "definition", .member = &S::definition, .label = "Definičný súbor"},
        {.name = "ticks_side", .member = &S::ticksSide, .choices = {"out", "in", "both"}, .label = "Strana dielcov"},
        {.name = "tick_length", .member = &S::tickLength, .min = 0, .max = kMaxLength, .label = "Dĺžky dielcov H; S; M", .unit = "mm"},
        {.name = "tick_width", .member = &S::tickWidth, .min = 0, .max = kMaxLength, .label = "Hrúbky dielcov H; S; M", .unit = "mm"},
        {.name = "arc_width", .member = &S::arcWidth, .min = 0, .max = kMaxLength, .label = "Hrúbka oblúka", .unit = "mm"},
        {.name = "numbers", .member = &S::numbers, .choices = {"out", "in", "none"}, .label = "Čísla"},
        {.name = "number_height", .member = &S::numberHeight, .min = 0, .max = kMaxLength, .above = true, .label = "Výška čísel", .unit = "mm"},
        {.name = "number_gap", .member = &S::numberGap, .min = -kMaxLength, .max = kMaxLength, .label = "Odstup čísel", .unit = "mm"},
        {.name = "font", .member = &S::font, .label = "Písmo"},
        {.name = "radial", .member = &S::radial, .label = "Otočené čísla"},
        {.name = "decimal", .member = &S::decimal, .choices = {"comma", "point"}, .label = "Desatinné znamienko"},
        {.name = "unit", .member = &S::unit, .label = "Jednotka"},
        {.name = "unit_height", .member = &S::unitHeight, .min = 0, .max = kMaxLength, .above = true, .label = "Výška jednotky", .unit = "mm"},
        {.name = "unit_at", .member = &S::unitAt, .min = -kMaxLength, .max = kMaxLength, .label = "Poloha jednotky x; y", .unit = "mm"},
        {.name = "color", .member = &S::color, .label = "Farba"},
    };
    return keys;
}

const Keys<PlateRow>& RowKeys() {
    using R = PlateRow;
    static const Keys<R> keys{
        {.name = "from", .member = &R::from, .min = -kMaxValue, .max = kMaxValue, .required = true, .label = "Hodnota vľavo"},
        {.name = "to", .member = &R::to, .min = -kMaxValue, .max = kMaxValue, .required = true, .label = "Hodnota vpravo"},
        {.name = "major", .member = &R::major, .min = 0, .max = kMaxValue, .above = true, .label = "Očíslovaný krok"},
        {.name = "side", .member = &R::side, .choices = {"out", "in"}, .label = "Strana"},
        {.name = "gap", .member = &R::gap, .min = -kMaxLength, .max = kMaxLength, .label = "Odstup", .unit = "mm"},
    };
    return keys;
}

const Keys<PlateZone>& ZoneKeys() {
    using Z = PlateZone;
    static const Keys<Z> keys{
        {.name = "from", .member = &Z::from, .min = -kMaxValue, .max = kMaxValue, .required = true, .label = "Od hodnoty"},
        {.name = "to", .member = &Z::to, .min = -kMaxValue, .max = kMaxValue, .required = true, .label = "Po hodnotu"},
        {.name = "color", .member = &Z::color, .label = "Farba"},
        {.name = "offset", .member = &Z::offset, .min = -kMaxLength, .max = kMaxLength, .label = "Posun od oblúka", .unit = "mm"},
        {.name = "width", .member = &Z::width, .min = 0, .max = kMaxLength, .above = true, .label = "Šírka", .unit = "mm"},
        {.name = "text", .member = &Z::text, .label = "Text"},
        {.name = "text_height", .member = &Z::textHeight, .min = 0, .max = kMaxLength, .above = true, .label = "Výška textu", .unit = "mm"},
    };
    return keys;
}

const Keys<PlateHole>& HoleKeys() {
    using H = PlateHole;
    static const Keys<H> keys{
        {.name = "x", .member = &H::x, .min = -kMaxLength, .max = kMaxLength, .required = true, .label = "X", .unit = "mm"},
        {.name = "y", .member = &H::y, .min = -kMaxLength, .max = kMaxLength, .required = true, .label = "Y", .unit = "mm"},
        {.name = "diameter", .member = &H::diameter, .min = 0, .max = kMaxLength, .above = true, .required = true, .label = "Priemer", .unit = "mm"},
        {.name = "line", .member = &H::line, .min = 0, .max = kMaxLength, .label = "Hrúbka čiary", .unit = "mm"},
    };
    return keys;
}

const Keys<PlateCutout>& CutoutKeys() {
    using C = PlateCutout;
    static const Keys<C> keys{
        {.name = "radius", .member = &C::radius, .min = 0, .max = kMaxLength, .above = true, .required = true, .label = "Polomer", .unit = "mm"},
        {.name = "line", .member = &C::line, .min = 0, .max = kMaxLength, .label = "Hrúbka čiary", .unit = "mm"},
    };
    return keys;
}

const Keys<PlateMirrorStrip>& MirrorStripKeys() {
    using M = PlateMirrorStrip;
    static const Keys<M> keys{
        {.name = "radius", .member = &M::radius, .min = 0, .max = kMaxLength, .above = true, .required = true, .label = "Polomer", .unit = "mm"},
        {.name = "width", .member = &M::width, .min = 0, .max = kMaxLength, .above = true, .required = true, .label = "Šírka", .unit = "mm"},
        {.name = "left", .member = &M::left, .min = -kMaxAngle, .max = kMaxAngle, .label = "Ľavý uhol", .unit = "°"},
        {.name = "right", .member = &M::right, .min = -kMaxAngle, .max = kMaxAngle, .label = "Pravý uhol", .unit = "°"},
        {.name = "line", .member = &M::line, .min = 0, .max = kMaxLength, .label = "Hrúbka čiary", .unit = "mm"},
    };
    return keys;
}

const Keys<PlateCropMarks>& CropMarksKeys() {
    using C = PlateCropMarks;
    static const Keys<C> keys{
        {.name = "length", .member = &C::length, .min = 0, .max = kMaxMarginMm / 2, .above = true, .label = "Dĺžka", .unit = "mm"},
        {.name = "offset", .member = &C::offset, .min = 0, .max = kMaxMarginMm / 2, .label = "Odstup", .unit = "mm"},
        {.name = "width", .member = &C::width, .min = 0, .max = kMaxMarginMm / 2, .label = "Hrúbka", .unit = "mm"},
    };
    return keys;
}

const Keys<PlateText>& TextKeys() {
    using T = PlateText;
    static const Keys<T> keys{
        {.name = "x", .member = &T::x, .min = -kMaxLength, .max = kMaxLength, .required = true, .label = "X", .unit = "mm"},
        {.name = "y", .member = &T::y, .min = -kMaxLength, .max = kMaxLength, .required = true, .label = "Y", .unit = "mm"},
        {.name = "text", .member = &T::text, .required = true, .label = "Text"},
        {.name = "height", .member = &T::height, .min = 0, .max = kMaxLength, .above = true, .label = "Výška", .unit = "mm"},
        {.name = "font", .member = &T::font, .label = "Písmo"},
        {.name = "angle", .member = &T::angle, .min = -kMaxAngle, .max = kMaxAngle, .label = "Uhol", .unit = "°"},
        {.name = "anchor", .member = &T::anchor, .choices = {"left", "center", "right"}, .label = "Zarovnanie"},
        {.name = "color", .member = &T::color, .label = "Farba"},
    };
    return keys;
}

const Keys<PlateFrame>& FrameKeys() {
    using F = PlateFrame;
    static const Keys<F> keys{
        {.name = "inset", .member = &F::inset, .min = 0, .max = kMaxLength, .label = "Odsadenie", .unit = "mm"},
        {.name = "width", .member = &F::width, .min = 0, .max = kMaxLength, .label = "Hrúbka", .unit = "mm"},
        {.name = "color", .member = &F::color, .label = "Farba"},
    };
    return keys;
}

const Keys<PlateMark>& MarkKeys() {
    using M = PlateMark;
    static const Keys<M> keys{
        {.name = "symbol", .member = &M::symbol, .choices = MarkSymbolNames(), .required = true, .label = "Symbol"},
        {.name = "x", .member = &M::x, .min = -kMaxLength, .max = kMaxLength, .required = true, .label = "X", .unit = "mm"},
        {.name = "y", .member = &M::y, .min = -kMaxLength, .max = kMaxLength, .required = true, .label = "Y", .unit = "mm"},
        {.name = "size", .member = &M::size, .min = 1, .max = 100, .label = "Veľkosť", .unit = "mm"},
        {.name = "color", .member = &M::color, .label = "Farba"},
        {.name = "class", .member = &M::accuracyClass, .min = 0.1, .max = 5, .label = "Trieda presnosti"},
        {.name = "circled", .member = &M::circled, .label = "Trieda v krúžku"},
        {.name = "kv", .member = &M::kv, .min = 0, .max = 5, .label = "Skúšobné napätie", .unit = "kV"},
        {.name = "angle", .member = &M::angle, .min = 1, .max = 89, .label = "Uhol", .unit = "°"},
        {.name = "text", .member = &M::text, .label = "Text"},
    };
    return keys;
}

}  // namespace sp
