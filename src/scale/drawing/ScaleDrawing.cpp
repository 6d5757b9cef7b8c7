#include "scale/drawing/ScaleDrawing.h"

#include <cmath>

#include "base/Procs.h"
#include "scale/definition/DefinitionAngle.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/UniformTicks.h"
#include "scale/drawing/ScaleNumbers.h"

namespace sp {

namespace {

// pi rounded to the 64-bit mantissa of extended precision.
constexpr long double Pi = 3.141592653589793238462643383279502884L;

void DrawArc(DrawingSurface& c, const ScaleParameters& p, std::int32_t r) {
    DrawArcChords(c, p, r, p.RightAngle, p.LeftAngle);
}

OutlinePoint At(TPoint q) { return {static_cast<double>(q.x), static_cast<double>(q.y)}; }

// A tick drawn from `inner` to `outer`, kept for the text check.
void Keep(std::vector<Box>* strokes, const DrawingSurface& c, TPoint inner, TPoint outer) {
    if (strokes) strokes->push_back(BoxOfStroke(At(inner), At(outer), c.PenWidth()));
}

void DrawUniformSegments(DrawingSurface& c, ScaleParameters& p, bool halfSmall, std::vector<Box>* strokes) {
    if (halfSmall) {
        p.SegmentCount = CheckedDouble(p.SegmentCount);
        p.MasterEvery = CheckedDouble(p.MasterEvery);
    }
    for (const UniformTick& t : UniformTicks(p)) {
        std::int32_t length;
        if (t.master) {
            c.SetPenWidth(CheckedDouble(p.SegmentWidth));
            length = CheckedDouble(p.SegmentLength);
        } else {
            c.SetPenWidth(p.SegmentWidth);
            length = p.SegmentLength;
        }
        const TPoint inner = ScalePoint(p, t.angle, p.Radius);
        TPoint outer = ScalePoint(p, t.angle, CheckedAdd(p.Radius, length));
        if (halfSmall && t.index % 2 == 1 && t.index != p.SegmentCount)
            outer = ScalePoint(p, t.angle, CheckedAdd(p.Radius, p.SegmentLength / 2));
        c.MoveTo(inner);  // from the arc outwards: a thin line leaves its end unpainted
        c.LineTo(outer);
        Keep(strokes, c, inner, outer);
    }
}

}  // namespace

TPoint ScalePoint(const ScaleParameters& p, long double angle, std::int32_t r) {
    const long double t = (angle * Pi) / 180.0L;
    const std::int32_t dx = RangeCheck32(RoundHalfEven(r * std::cos(t)));
    const std::int32_t dy = RangeCheck32(RoundHalfEven(r * std::sin(t)));
    return {CheckedAdd(p.CenterX, dx), CheckedSub(CheckedSub(p.Height, p.CenterY), dy)};
}

void DrawArcChords(DrawingSurface& c, const ScaleParameters& p, std::int32_t r, long double right, long double left) {
    DrawArcChords(c, p, [r](long double) { return r; }, right, left);
}

void DrawArcChords(DrawingSurface& c, const ScaleParameters& p, const std::function<std::int32_t(long double)>& r,
                   long double right, long double left) {
    c.MoveTo(ScalePoint(p, right, r(right)));
    if (right > left) return;
    c.LineTo(ScalePoint(p, right, r(right)));
    // Counted in 64 bits, so a range of any size ends.
    for (std::int64_t a = static_cast<std::int64_t>(std::floor(right)) + 1; a < left; ++a)
        c.LineTo(ScalePoint(p, static_cast<long double>(a), r(static_cast<long double>(a))));
    if (left > right) c.LineTo(ScalePoint(p, left, r(left)));
}

void DrawRadialLine(DrawingSurface& c, const ScaleParameters& p, long double angle, std::int32_t from, std::int32_t to) {
    c.MoveTo(ScalePoint(p, angle, from));
    c.LineTo(ScalePoint(p, angle, to));
}

std::vector<LabelledTick> DrawDefinitionSegments(DrawingSurface& c, const ScaleParameters& p,
                                                 const std::vector<std::string>& definition, std::vector<Box>* strokes) {
    std::vector<LabelledTick> labelled;
    FieldArray fields;
    std::int32_t length = 0;  // before the first M, N or S line: a segment of length 0
    for (const std::string& line : definition) {
        if (line.empty()) continue;
        SplitFields(UpperAscii(line), ',', fields);
        switch (fields[2].empty() ? '\0' : fields[2][0]) {
            case 'M':
                c.SetPenWidth(CheckedDouble(p.SegmentWidth));
                length = CheckedDouble(p.SegmentLength);
                break;
            case 'N':
                c.SetPenWidth(p.SegmentWidth);
                length = p.SegmentLength;
                break;
            case 'S':
                c.SetPenWidth(p.SegmentWidth);
                length = p.SegmentLength / 2;
                break;
            default:  // any other letter keeps the previous kind
                break;
        }
        const double currentAngle = static_cast<double>(DefinitionAngle(fields[1]));
        const TPoint inner = ScalePoint(p, currentAngle, p.Radius);
        const TPoint outer = ScalePoint(p, currentAngle, CheckedAdd(p.Radius, length));
        c.MoveTo(inner);
        c.LineTo(outer);
        if (length > 0) Keep(strokes, c, inner, outer);
        if (std::string label = DefinitionLabel(line); !label.empty())
            labelled.push_back({currentAngle, length, std::move(label)});
    }
    return labelled;
}

void DrawScale(DrawingSurface& c, ScaleParameters& p, const FormFields& f,
               const std::vector<std::string>& definition, bool definitionActive, TextCheck* check) {
    c.Create(p.Width, p.Height);

    p.MasterEvery = StrToInt(f.masterEvery);
    if (p.MasterEvery == 0) p.MasterEvery = LengthToPixels(StrToInt(f.segments), p.PixelsPerMm);

    c.SetBrushColor(clBlack);
    c.SetPenColor(clBlack);
    c.SetPenWidth(1);

    const std::int32_t pivotY = CheckedSub(p.Height, p.CenterY);
    c.Ellipse({CheckedSub(p.CenterX, p.CentralRadius), CheckedSub(pivotY, p.CentralRadius),
               CheckedAdd(p.CenterX, p.CentralRadius), CheckedAdd(pivotY, p.CentralRadius)});

    c.SetPenWidth(StrToInt(f.arcWidth));
    if (c.PenWidth() > 0) DrawArc(c, p, p.Radius);
    if (f.doubledArc) {
        c.SetPenWidth(c.PenWidth() / 2);
        DrawArc(c, p, CheckedAdd(p.Radius, p.SegmentLength / 2));
    }

    // The segment length, not the width: the uniform mode replaces it before
    // every segment, a definition keeps it until its first M, N or S line.
    c.SetPenWidth(p.SegmentLength);
    std::vector<LabelledTick> labelled;
    std::vector<Box> strokes;
    std::vector<PlacedText> placed;
    if (definitionActive)
        labelled = DrawDefinitionSegments(c, p, definition, check ? &strokes : nullptr);
    else
        DrawUniformSegments(c, p, f.halfSmall, check ? &strokes : nullptr);
    DrawScaleText(c, p, f, definitionActive, labelled, check ? &placed : nullptr);
    if (check) CheckTextCollisions(placed, strokes, p.Width, p.Height, *check);

    if (f.frame) {
        c.SetPenWidth(StrToInt(f.frameWidth));
        const std::int32_t right = CheckedSub(p.Width, 10), bottom = CheckedSub(p.Height, 10);
        c.MoveTo({10, 10});
        c.LineTo({right, 10});
        c.LineTo({right, bottom});
        c.LineTo({10, bottom});
        c.LineTo({10, 10});
    }
    if (f.mirror) c.MirrorLeftRight();
}

std::unique_ptr<TBitmap> DrawScale(ScaleParameters& p, const FormFields& f, const std::vector<std::string>& definition,
                                   bool definitionActive) {
    RasterSurface surface;
    DrawScale(surface, p, f, definition, definitionActive);
    return surface.TakePicture();
}

DisplayList RecordScale(ScaleParameters& p, const FormFields& f, const std::vector<std::string>& definition,
                        bool definitionActive) {
    RecordingSurface surface(p.Dpi, p.PixelsPerMm);
    DrawScale(surface, p, f, definition, definitionActive);
    return surface.TakeList();
}

}  // namespace sp
