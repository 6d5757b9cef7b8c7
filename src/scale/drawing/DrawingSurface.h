// What the drawing sequence draws on. The raster surface paints the exact
// picture; the recorder keeps the calls as a DisplayList for the vector
// formats. Both keep the pen's rules (a negative width is ignored, the width
// reads back as set), so the sequence behaves the same on either.
#pragma once

#include <cstdint>
#include <memory>

#include "raster/Graphics.h"
#include "scale/drawing/DisplayList.h"

namespace sp {

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // A new white picture of `width` x `height` grid pixels.
    virtual void Create(std::int32_t width, std::int32_t height) = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual void SetBrushColor(TColor color) = 0;
    virtual void SetPenWidth(std::int32_t width) = 0;
    virtual std::int32_t PenWidth() const = 0;
    virtual void MoveTo(TPoint to) = 0;
    virtual void LineTo(TPoint to) = 0;
    virtual void Ellipse(const TRect& box) = 0;
    // Fills the outline black; pen, brush and pen position stay.
    virtual void FillText(const TextOutline& outline) = 0;
    // Fills a closed path in `color`, non-zero or even-odd; pen, brush and
    // pen position stay. Shapes.h builds the usual paths.
    virtual void Fill(const TextOutline& path, TColor color, bool evenOdd) = 0;
    // Column x of everything drawn goes to column Width - 1 - x.
    virtual void MirrorLeftRight() = 0;
};

// The exact raster picture. Create throws EOutOfResources when the pixels
// cannot be stored.
class RasterSurface final : public DrawingSurface {
public:
    // With `deferMirror` the mirror is only noted (MirrorPending) and left to
    // the file writer, which writes the rows mirrored straight from the
    // picture: no pass over a picture of up to gigabytes before it is saved.
    explicit RasterSurface(bool deferMirror = false) : deferMirror_(deferMirror) {}
    void Create(std::int32_t width, std::int32_t height) override;
    void SetPenColor(TColor color) override { bitmap_->Canvas().Pen.Color = color; }
    void SetBrushColor(TColor color) override { bitmap_->Canvas().Brush.Color = color; }
    void SetPenWidth(std::int32_t width) override { bitmap_->Canvas().Pen.SetWidth(width); }
    std::int32_t PenWidth() const override { return bitmap_->Canvas().Pen.Width(); }
    void MoveTo(TPoint to) override { bitmap_->Canvas().MoveToEx(to.x, to.y); }
    void LineTo(TPoint to) override { bitmap_->Canvas().LineTo(to.x, to.y); }
    void Ellipse(const TRect& b) override { bitmap_->Canvas().Ellipse(b.Left, b.Top, b.Right, b.Bottom); }
    void FillText(const TextOutline& outline) override { FillOutline(*bitmap_, outline); }
    void Fill(const TextOutline& path, TColor color, bool evenOdd) override {
        FillOutline(*bitmap_, path, color, evenOdd);
    }
    void MirrorLeftRight() override;

    std::unique_ptr<TBitmap> TakePicture() { return std::move(bitmap_); }
    bool MirrorPending() const { return mirrorPending_; }

private:
    std::unique_ptr<TBitmap> bitmap_;
    bool deferMirror_;
    bool mirrorPending_ = false;
};

// Keeps every call; needs no pixel storage, whatever the picture's size.
class RecordingSurface final : public DrawingSurface {
public:
    // `dpi` and `pixelsPerMm` give the list its printed size.
    RecordingSurface(std::int32_t dpi, double pixelsPerMm) : pixelsPerMm_(pixelsPerMm) { list_.Dpi = dpi; }
    void Create(std::int32_t width, std::int32_t height) override;
    void SetPenColor(TColor color) override { pen_.Color = color; }
    void SetBrushColor(TColor color) override { brush_ = color; }
    void SetPenWidth(std::int32_t width) override { pen_.SetWidth(width); }
    std::int32_t PenWidth() const override { return pen_.Width(); }
    void MoveTo(TPoint to) override { list_.Items.emplace_back(DisplayMove{to, pen_.Width()}); }
    void LineTo(TPoint to) override { list_.Items.emplace_back(DisplayLine{to, pen_.Width(), pen_.Color}); }
    void Ellipse(const TRect& box) override { list_.Items.emplace_back(DisplayEllipse{box, pen_.Width(), brush_}); }
    void FillText(const TextOutline& outline) override { list_.Items.emplace_back(DisplayText{outline}); }
    void Fill(const TextOutline& path, TColor color, bool evenOdd) override {
        list_.Items.emplace_back(DisplayFill{path, color, evenOdd});
    }
    void MirrorLeftRight() override { list_.Mirrored = !list_.Mirrored; }

    DisplayList TakeList() { return std::move(list_); }

private:
    double pixelsPerMm_;
    TPen pen_;
    TColor brush_ = clWhite;
    DisplayList list_;
};

}  // namespace sp
