#include "scale/plate/PlateItems.h"

#include <cmath>

#include "base/Procs.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/Shapes.h"
#include "scale/plate/PlateMarks.h"

namespace sp {

namespace {

constexpr double Pi = 3.14159265358979323846;

// The plate's area in picture coordinates: left, top, right, bottom.
struct Area {
    double left, top, right, bottom;
};

Area PlateArea(const PlateGrid& g) {
    const double m = g.Margin();
    return {m, m, m + g.PlateWidth(), m + g.PlateHeight()};
}

void StrokeCircle(DrawingSurface& c, OutlinePoint centre, double radius, std::int32_t pen) {
    StrokePolyline(c, ArcPoints(centre, radius, 0, 360), pen, clBlack);
}

void DrawHole(DrawingSurface& c, const PlateGrid& g, const PlateHole& h) {
    const TPoint at = g.At(h.x, h.y);
    const std::int32_t pen = PenPixels(h.line, g.PixelsPerMm());
    StrokeCircle(c, g.CentreOf(at), h.diameter / 2 * g.PixelsPerMm(), pen);
    // The cross for the drill's point: a quarter of the diameter each way.
    const std::int32_t arm = g.Px(h.diameter / 4);
    StrokePolyline(c, {{at.x - arm, at.y}, {at.x + arm + 1, at.y}}, pen, clBlack);
    StrokePolyline(c, {{at.x, at.y - arm}, {at.x, at.y + arm + 1}}, pen, clBlack);
}

void DrawMirrorStrip(DrawingSurface& c, const PlateGrid& g, const PlateMirrorStrip& m) {
    ScaleParameters p = g.Frame(m.radius);
    const std::int32_t inner = p.Radius, outer = g.Px(m.radius + m.width);
    c.SetPenColor(clBlack);
    c.SetPenWidth(PenPixels(m.line, g.PixelsPerMm()));
    DrawArcChords(c, p, inner, m.right, m.left);
    DrawArcChords(c, p, outer, m.right, m.left);
    DrawRadialLine(c, p, m.right, inner, outer);
    DrawRadialLine(c, p, m.left, inner, outer);
}

void DrawText(DrawingSurface& c, const PlateGrid& g, const PlateText& t, PlateFonts& fonts) {
    const TextFont& font = fonts.Get(t.font);
    const double h = t.height * g.PixelsPerMm(), w = font.Width(t.text, h);
    const TPoint at = g.At(t.x, t.y);
    const double shift = t.anchor == "left" ? w / 2 : t.anchor == "right" ? -w / 2 : 0;
    const double a = t.angle * Pi / 180;
    TextPlacementBox box{at.x + shift * std::cos(a), at.y - shift * std::sin(a), h, t.angle};
    FillPlateText(c, font, t.text, box, t.color);
}

void DrawFrame(DrawingSurface& c, const PlateGrid& g, const PlateFrame& f) {
    const std::int32_t inset = g.Px(f.inset), m = g.Margin();
    const std::int32_t left = CheckedAdd(m, inset), top = left;
    const std::int32_t right = CheckedSub(CheckedAdd(m, g.PlateWidth()), inset);
    const std::int32_t bottom = CheckedSub(CheckedAdd(m, g.PlateHeight()), inset);
    StrokePolyline(c, {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}},
                   PenPixels(f.width, g.PixelsPerMm()), f.color);
}

// The plate's outline as a ring inside its edges, rounded at the corners.
void DrawEdge(DrawingSurface& c, const PlateGrid& g, const PlateSheet& s) {
    const Area a = PlateArea(g);
    const double e = s.edge * g.PixelsPerMm(), r = s.cornerRadius * g.PixelsPerMm();
    TextOutline ring = RoundedRectPath(a.left, a.top, a.right, a.bottom, r);
    AppendPath(ring, RoundedRectPath(a.left + e, a.top + e, a.right - e, a.bottom - e, std::max(0.0, r - e)));
    c.Fill(ring, clBlack, true);
}

// Two marks at each corner, on the lines of the plate's edges, `offset`
// away from the corner and `length` long.
void DrawCropMarks(DrawingSurface& c, const PlateGrid& g, const PlateCropMarks& k) {
    const std::int32_t pen = PenPixels(k.width, g.PixelsPerMm());
    const std::int32_t off = g.Px(k.offset), len = g.Px(k.length), m = g.Margin();
    const std::int32_t xs[2] = {m, m + g.PlateWidth()}, ys[2] = {m, m + g.PlateHeight()};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            const std::int32_t x = xs[i], y = ys[j], dx = i ? 1 : -1, dy = j ? 1 : -1;
            StrokePolyline(c, {{x + dx * off, y}, {x + dx * (off + len), y}}, pen, clBlack);
            StrokePolyline(c, {{x, y + dy * off}, {x, y + dy * (off + len)}}, pen, clBlack);
        }
    }
}

}  // namespace

void DrawBackground(DrawingSurface& c, const PlateGrid& g, const Plate& plate) {
    if (plate.plate.background == clWhite) return;
    const Area a = PlateArea(g);
    c.Fill(RoundedRectPath(a.left, a.top, a.right, a.bottom, plate.plate.cornerRadius * g.PixelsPerMm()),
           plate.plate.background, false);
}

void DrawPivotDisc(DrawingSurface& c, const PlateGrid& g, const Plate& plate) {
    if (plate.plate.pivotDisc <= 0) return;
    const ScaleParameters p = g.Frame(0);
    const std::int32_t r = g.Px(plate.plate.pivotDisc), y = CheckedSub(p.Height, p.CenterY);
    c.SetBrushColor(clBlack);
    c.SetPenColor(clBlack);
    c.SetPenWidth(1);
    c.Ellipse({CheckedSub(p.CenterX, r), CheckedSub(y, r), CheckedAdd(p.CenterX, r), CheckedAdd(y, r)});
}

void DrawPlateItems(DrawingSurface& c, const PlateGrid& g, const Plate& plate, PlateFonts& fonts) {
    if (plate.mirrorStrip) DrawMirrorStrip(c, g, *plate.mirrorStrip);
    if (plate.cutout) {
        const ScaleParameters p = g.Frame(0);
        StrokeCircle(c, g.CentreOf({p.CenterX, p.Height - p.CenterY}), plate.cutout->radius * g.PixelsPerMm(),
                     PenPixels(plate.cutout->line, g.PixelsPerMm()));
    }
    for (const PlateHole& h : plate.holes) DrawHole(c, g, h);
    for (const PlateText& t : plate.texts) DrawText(c, g, t, fonts);
    for (const PlateMark& m : plate.marks) DrawPlateMark(c, g, m, fonts);
    if (plate.frame) DrawFrame(c, g, *plate.frame);
    if (plate.plate.edge > 0) DrawEdge(c, g, plate.plate);
    if (plate.cropMarks) DrawCropMarks(c, g, *plate.cropMarks);
}

}  // namespace sp
