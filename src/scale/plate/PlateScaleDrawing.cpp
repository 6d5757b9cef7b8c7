#include "scale/plate/PlateScaleDrawing.h"

#include <algorithm>
#include <cmath>

#include "base/Procs.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/Shapes.h"
#include "scale/drawing/TextPlacement.h"
#include "scale/generator/ValueText.h"
#include "scale/plate/PlateScaleTicks.h"

namespace sp {

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

// Where the arc lies along the pointer's ray: at the radius, or, flattened,
// on the circle of radius + flatten around a centre `flatten` below the
// pivot (through the same point straight above the pivot). Ticks keep
// pointing at the pivot and the angles stay the pointer's.
class ArcPlace {
public:
    ArcPlace(const PlateGrid& grid, const PlateScale& s)
        : radius_(grid.Px(s.radius)), r_(s.radius * grid.PixelsPerMm()), f_(s.flatten * grid.PixelsPerMm()) {}

    // Pixels from the pivot at `angle`; exactly the radius when not flattened.
    std::int32_t At(long double angle) const {
        if (f_ <= 0) return radius_;
        return RangeCheck32(std::llround(Distance(angle)));
    }
    // The band from `r0` to `r1` pixels off the arc's own centre between two
    // pointer angles, for a zone.
    TextOutline Band(OutlinePoint pivot, double offset0, double offset1, double a0, double a1) const {
        const OutlinePoint centre{pivot.x, pivot.y + f_};
        return AnnulusSectorPath(centre, r_ + f_ + offset0, r_ + f_ + offset1, CentreAngle(a0), CentreAngle(a1));
    }

private:
    long double Distance(long double angle) const {
        const long double s = std::sin(angle * Pi / 180), big = r_ + f_;
        return -f_ * s + std::sqrt(f_ * f_ * s * s - f_ * f_ + big * big);
    }
    // The angle around the arc's centre of the arc's point at a pointer angle.
    double CentreAngle(double angle) const {
        if (f_ <= 0) return angle;
        const long double d = Distance(angle), t = angle * Pi / 180;
        return static_cast<double>(std::atan2(d * std::sin(t) + f_, d * std::cos(t)) * 180 / Pi);
    }

    std::int32_t radius_;
    double r_, f_;
};

int KindIndex(char kind) { return kind == 'M' ? 0 : kind == 'N' ? 1 : 2; }

// Where a tick of `length` pixels runs: its two ends off the pivot, and
// how far it reaches beyond the arc and inside it.
struct TickSpan {
    std::int32_t from, to, outward, inward;
};

TickSpan SpanOf(const std::string& side, std::int32_t radius, std::int32_t length) {
    if (side == "in") return {radius, CheckedSub(radius, length), 0, length};
    if (side == "both") {
        const std::int32_t inward = length / 2, outward = CheckedSub(length, inward);
        return {CheckedSub(radius, inward), CheckedAdd(radius, outward), outward, inward};
    }
    return {radius, CheckedAdd(radius, length), length, 0};
}

// A row of numbers on the ticks: each tick's text, or empty.
struct NumberRow {
    std::vector<std::string> texts;
    bool inside = false;
    double gap = 0;  // pixels before this row
};

std::vector<NumberRow> RowsOf(const PlateScale& s, const std::vector<ScaleTickAt>& ticks, double ppm) {
    std::vector<NumberRow> rows;
    NumberRow own{{}, s.numbers == "in", 0};
    for (const ScaleTickAt& t : ticks) own.texts.push_back(s.numbers == "none" ? std::string() : t.label);
    rows.push_back(std::move(own));
    for (const PlateRow& r : s.rows) {
        NumberRow row{{}, r.side == "in", r.gap * ppm};
        for (const ScaleTickAt& t : ticks) {
            // Linear in the deflection: the row's `from` at the left angle.
            const long double f = (static_cast<long double>(s.left) - t.angle) / (s.left - s.right);
            long double v = r.from + (static_cast<long double>(r.to) - r.from) * f;
            bool numbered = !t.label.empty();
            if (r.major) {
                const long double steps = std::nearbyint(v / *r.major);
                numbered = std::fabs(v / *r.major - steps) < 1e-6L;
                v = steps * *r.major;
            }
            row.texts.push_back(numbered ? ValueLabel(v, s.decimal == "point", false) : std::string());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

const TextFont& PlateFonts::Get(const std::string& family) {
    auto& font = fonts_[family];
    if (!font) font = std::make_unique<TextFont>(family);
    return *font;
}

void FillPlateText(DrawingSurface& c, const TextFont& font, const std::string& text, const TextPlacementBox& box,
                   TColor color) {
    if (text.empty()) return;
    const TextOutline outline = font.Layout(text, box);
    if (color == clBlack)
        c.FillText(outline);
    else
        c.Fill(outline, color, false);
}

void DrawScaleZones(DrawingSurface& c, const PlateGrid& grid, const PlateScale& s, PlateFonts& fonts) {
    const ScaleParameters p = grid.Frame(s.radius);
    const OutlinePoint pivot = grid.CentreOf({p.CenterX, CheckedSub(p.Height, p.CenterY)});
    const ArcPlace arc(grid, s);
    for (const PlateZone& z : s.zones) {
        const double a0 = ScaleValueAngle(s, z.from), a1 = ScaleValueAngle(s, z.to);
        const double o0 = z.offset * grid.PixelsPerMm(), o1 = o0 + z.width * grid.PixelsPerMm();
        c.Fill(arc.Band(pivot, o0, o1, std::min(a0, a1), std::max(a0, a1)), z.color, false);
        if (z.text.empty()) continue;
        // Along the band's middle, its up away from the pivot.
        const double mid = (a0 + a1) / 2, rm = arc.At(mid) + (o0 + o1) / 2, t = mid * 3.14159265358979323846 / 180;
        TextPlacementBox box{pivot.x + rm * std::cos(t), pivot.y - rm * std::sin(t),
                             z.textHeight * grid.PixelsPerMm(), mid - 90};
        FillPlateText(c, fonts.Get(s.font), z.text, box, s.color);
    }
}

void DrawPlateScale(DrawingSurface& c, const PlateGrid& grid, const PlateScale& s, const std::string& folder,
                    PlateFonts& fonts) {
    const ScaleParameters p = grid.Frame(s.radius);
    const std::vector<ScaleTickAt> ticks = ScaleTicksOf(s, folder);
    const ArcPlace arc(grid, s);
    c.SetPenColor(s.color);
    c.SetBrushColor(s.color);
    if (const std::int32_t pen = PenPixels(s.arcWidth, grid.PixelsPerMm()); pen > 0) {
        c.SetPenWidth(pen);
        // A meter's law need not reach the angles of deflection 0 and full
        // (a VU meter's -20): its arc runs between its end ticks.
        double right = s.right, left = s.left;
        if (s.law != "uniform" && s.law != "ticks" && !ticks.empty()) {
            const auto [lo, hi] = std::minmax_element(ticks.begin(), ticks.end(),
                                                      [](const auto& a, const auto& b) { return a.angle < b.angle; });
            right = lo->angle;
            left = hi->angle;
        }
        if (s.flatten > 0)
            DrawArcChords(c, p, [&](long double a) { return arc.At(a); }, right, left);
        else
            DrawArcChords(c, p, p.Radius, right, left);
    }
    std::vector<TickSpan> spans;
    for (const ScaleTickAt& t : ticks) {
        const int k = KindIndex(t.kind);
        const TickSpan span = SpanOf(s.ticksSide, arc.At(t.angle), grid.Px(s.tickLength[static_cast<std::size_t>(k)]));
        c.SetPenWidth(PenPixels(s.tickWidth[static_cast<std::size_t>(k)], grid.PixelsPerMm()));
        DrawRadialLine(c, p, t.angle, span.from, span.to);
        spans.push_back(span);
    }
    TextStyle style;
    style.height = TextHeightPixels(s.numberHeight, grid.PixelsPerMm());
    style.radial = s.radial;
    if (s.numberGap) style.gap = *s.numberGap * grid.PixelsPerMm();
    const TextFont& font = fonts.Get(s.font);
    // Rows stack away from the arc on their side: each starts beyond the
    // widest reach of the rows before it.
    double extra[2] = {0, 0};
    for (const NumberRow& row : RowsOf(s, ticks, grid.PixelsPerMm())) {
        const int side = row.inside ? 1 : 0;
        style.inside = row.inside;
        double band = 0;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const std::string& text = row.texts[i];
            if (text.empty()) continue;
            const double width = font.Width(text, style.height);
            ScaleParameters q = p;
            q.Radius = arc.At(ticks[i].angle);
            std::int32_t reach = spans[i].outward;
            if (row.inside)
                q.Radius = CheckedSub(q.Radius, RangeCheck32(std::llround(spans[i].inward + extra[1] + row.gap)));
            else
                reach = CheckedAdd(reach, RangeCheck32(std::llround(extra[0] + row.gap)));
            FillPlateText(c, font, text, PlaceTickNumber(q, ticks[i].angle, width, style, reach), s.color);
            band = std::max(band, 2 * NumberReach(ticks[i].angle, width, style));
        }
        if (band > 0) extra[side] += row.gap + band + (style.gap >= 0 ? style.gap : style.height / 4);
    }
    if (!s.unit.empty()) {
        TextStyle unit = style;
        TextPlacementBox box = PlaceUnitText(p, unit);
        if (s.unitHeight) box.capHeight = TextHeightPixels(*s.unitHeight, grid.PixelsPerMm());
        if (s.unitAt) {
            const TPoint at = grid.At((*s.unitAt)[0], (*s.unitAt)[1]);
            box.x = at.x;
            box.y = at.y;
        }
        FillPlateText(c, font, s.unit, box, s.color);
    }
}

}  // namespace sp
