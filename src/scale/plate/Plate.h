// The plate: a meter's whole dial as one document. Any number of scales,
// each with its number rows and coloured zones, and the plate's own items
// (mounting holes, the cut-out around the pivot, the slot of a mirror strip,
// crop marks, free texts, a frame).
//
// A plain value with equality: the plate file reader fills it, the writer
// writes it back (write then read gives an equal plate), the drawing draws
// it. Lengths are millimetres, angles degrees counter-clockwise from the
// right; positions count from the plate's left and bottom edges. Colours
// are TColor (0x00BBGGRR). A value left empty (std::optional) is worked out
// when the plate is drawn, as the README says for each key.
//
// Adding an item kind: its struct here and a vector (or an optional) of it
// in Plate; its key table in PlateKeys.cpp and its entry in PlateItemKinds
// (PlateKeys.h), with a check where the item needs more than its single
// keys, from which the reader and the writer take it; its drawing
// in PlateItems.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "raster/Graphics.h"
#include "text/DefaultFont.h"

namespace sp {

using PlatePair = std::array<double, 2>;
using PlateTriple = std::array<double, 3>;  // major (M), medium (N), minor (S)

constexpr TColor clPlateRed = 0x000000FF, clPlateGreen = 0x00008000, clPlateBlue = 0x00FF0000,
                 clPlateYellow = 0x0000FFFF;

// One tick of a scale given by hand: its angle, its kind ('M', 'N' or 'S')
// and the number printed beside it (empty: none).
struct PlateTick {
    double angle = 0;
    char kind = 'N';
    std::string label;
    friend bool operator==(const PlateTick&, const PlateTick&) = default;
};

// A further row of numbers on the same ticks, for another range: the value
// `from` stands where the scale has its own `from`, `to` where it has `to`.
struct PlateRow {
    double from = 0, to = 0;
    std::optional<double> major;  // the numbered step; empty: at the scale's numbered ticks
    std::string side = "out";     // out, in
    double gap = 1;               // mm between this row and the one before it
    friend bool operator==(const PlateRow&, const PlateRow&) = default;
};

// A filled band of the annulus between the angles of two values.
struct PlateZone {
    double from = 0, to = 0;
    TColor color = clPlateRed;
    double offset = 0;  // inner edge from the arc, outward positive, mm
    double width = 1.5;
    std::string text;   // along the band's middle
    double textHeight = 2.5;
    friend bool operator==(const PlateZone&, const PlateZone&) = default;
};

struct PlateScale {
    double radius = 0;
    double left = 135, right = 45;
    double flatten = 0;  // the arc's centre this many mm below the pivot
    std::string law = "uniform";
    std::optional<double> from, to;
    double exponent = 1, center = 0;
    std::vector<PlatePair> points;  // [value, angle]
    double major = 0, medium = 0, minor = 0;  // 0: chosen
    std::vector<double> labels;
    std::int32_t segments = 10, master = 5, mediumEvery = 1;  // uniform
    std::vector<PlateTick> ticks;  // ticks law
    std::string definition;        // ticks law: a definition file instead
    std::string ticksSide = "out";  // out, in, both
    PlateTriple tickLength{6, 3, 1.5};
    PlateTriple tickWidth{0.3, 0.15, 0.15};
    double arcWidth = 0.15;          // 0: no arc
    std::string numbers = "out";     // out, in, none
    double numberHeight = 3.5;
    std::optional<double> numberGap;  // a quarter of the number height
    std::string font = DefaultFontFamily;
    bool radial = false;
    std::string decimal = "comma";  // comma, point
    std::string unit;
    std::optional<double> unitHeight;   // 1.5 x the number height
    std::optional<PlatePair> unitAt;    // above the pivot, 60% of the radius
    TColor color = clBlack;
    std::vector<PlateRow> rows;
    std::vector<PlateZone> zones;
    friend bool operator==(const PlateScale&, const PlateScale&) = default;
};

// A mounting hole: its circle and a centre cross for the drill.
struct PlateHole {
    double x = 0, y = 0, diameter = 0;
    double line = 0.1;
    friend bool operator==(const PlateHole&, const PlateHole&) = default;
};

// The circle around the pivot that is cut away.
struct PlateCutout {
    double radius = 0;
    double line = 0.1;
    friend bool operator==(const PlateCutout&, const PlateCutout&) = default;
};

// The outline of the slot for an anti-parallax mirror: the band from
// `radius` outwards `width` mm between the two angles.
struct PlateMirrorStrip {
    double radius = 0, width = 0;
    double left = 135, right = 45;
    double line = 0.1;
    friend bool operator==(const PlateMirrorStrip&, const PlateMirrorStrip&) = default;
};

// Marks at the four corners, outside the plate.
struct PlateCropMarks {
    double length = 2, offset = 1, width = 0.1;
    friend bool operator==(const PlateCropMarks&, const PlateCropMarks&) = default;
};

struct PlateText {
    double x = 0, y = 0;  // the anchor, at the middle of the capitals' height
    std::string text;
    double height = 3.5;  // cap height
    std::string font = DefaultFontFamily;
    double angle = 0;
    std::string anchor = "center";  // left, center, right
    TColor color = clBlack;
    friend bool operator==(const PlateText&, const PlateText&) = default;
};

// A standard dial mark (the kind of movement and current, the class, the
// test voltage, the position of use, a warning, a free text) drawn from
// lines and fills in a square of `size` mm centred on (x, y). The values
// count only for the symbol that has them; scale/marks draws them.
struct PlateMark {
    std::string symbol;
    double x = 0, y = 0;
    double size = 8;
    TColor color = clBlack;
    std::optional<double> accuracyClass;  // "class": 0.1 ... 5
    bool circled = false;                 // the class in a circle: of the reading
    std::optional<double> kv;             // "test-voltage": 0, 2, 3, 5; none for 500 V
    double angle = 60;                    // "inclined"
    std::string text;                     // "text"
    friend bool operator==(const PlateMark&, const PlateMark&) = default;
};

// A rectangle `inset` mm inside the plate's edges.
struct PlateFrame {
    double inset = 1, width = 0.2;
    TColor color = clBlack;
    friend bool operator==(const PlateFrame&, const PlateFrame&) = default;
};

struct PlateSheet {
    double width = 0, height = 0;
    std::int32_t dpi = 600;
    std::optional<PlatePair> pivot;  // [width / 2, 5]
    double pivotDisc = 0;            // radius of the filled disc over the pivot
    double edge = 0;                 // the plate's outline line; 0: none
    double cornerRadius = 0;
    double margin = 0;
    bool mirror = false;
    TColor background = clWhite;
    friend bool operator==(const PlateSheet&, const PlateSheet&) = default;
};

struct Plate {
    std::int32_t format = 1;
    PlateSheet plate;
    std::vector<PlateScale> scales;
    std::vector<PlateHole> holes;
    std::optional<PlateCutout> cutout;
    std::optional<PlateMirrorStrip> mirrorStrip;
    std::optional<PlateCropMarks> cropMarks;
    std::optional<PlateFrame> frame;
    std::vector<PlateText> texts;
    std::vector<PlateMark> marks;
    friend bool operator==(const Plate&, const Plate&) = default;
};

// The pivot, worked out: [width / 2, 5] when the file gives none.
PlatePair PivotOf(const PlateSheet& sheet);

// The margin around the plate: as given, grown to hold the crop marks.
double MarginOf(const Plate& plate);

// Whether anything is drawn in a colour other than black on white.
bool HasColour(const Plate& plate);

// The shortest text that reads back as exactly `v`, with a decimal point
// ("2.5", "40", "1e+20"): how the writer and the messages show numbers.
std::string ValueTextOf(double v);

// "#RRGGBB" or black, white, red, green, blue, yellow (any letter case).
std::optional<TColor> ParseColour(const std::string& text);
// The name when the colour has one, else "#RRGGBB".
std::string ColourText(TColor colour);

}  // namespace sp
