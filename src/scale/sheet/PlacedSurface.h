// A drawing placed on a page: forwards every call of the drawing sequence to
// the page's surface with its points moved by an offset, multiplied by the
// printer's correction factors and, for a mirrored plate, turned left to
// right within the plate's own width. So a plate is drawn onto a sheet by its
// own drawing, with no copy of it; with factors of 1 its pixels are exactly
// those of the plate's own picture, only moved.
#pragma once

#include "scale/drawing/DrawingSurface.h"

namespace sp {

struct Placement {
    std::int32_t x = 0, y = 0;      // the drawing's (0, 0) on the page before the factors, page pixels
    double scaleX = 1, scaleY = 1;  // page = factor x (offset + point)
    std::int32_t mirrorWidth = 0;   // > 0: column c of the drawing goes to mirrorWidth - 1 - c
};

class PlacedSurface final : public DrawingSurface {
public:
    PlacedSurface(DrawingSurface& page, const Placement& placement) : page_(page), at_(placement) {}
    // The page already exists: the drawing's own picture is not made.
    void Create(std::int32_t, std::int32_t) override {}
    void SetPenColor(TColor color) override { page_.SetPenColor(color); }
    void SetBrushColor(TColor color) override { page_.SetBrushColor(color); }
    void SetPenWidth(std::int32_t width) override { page_.SetPenWidth(width); }
    std::int32_t PenWidth() const override { return page_.PenWidth(); }
    void MoveTo(TPoint to) override { page_.MoveTo(Map(to)); }
    void LineTo(TPoint to) override { page_.LineTo(Map(to)); }
    void Ellipse(const TRect& box) override;
    void FillText(const TextOutline& outline) override { page_.FillText(Map(outline)); }
    void Fill(const TextOutline& path, TColor color, bool evenOdd) override {
        page_.Fill(Map(path), color, evenOdd);
    }
    // A mirrored drawing is placed with mirrorWidth and drawn unmirrored:
    // mirroring the page would turn every other plate on it too.
    void MirrorLeftRight() override {}

private:
    TPoint Map(TPoint p) const;
    TextOutline Map(const TextOutline& path) const;

    DrawingSurface& page_;
    Placement at_;
};

}  // namespace sp
