#include "scale/drawing/ListRaster.h"

#include <type_traits>
#include <variant>

#include "raster/Mirror.h"
#include "text/TextLayout.h"

namespace sp {

namespace {

bool BlackOrWhite(TColor c) { return c == clBlack || c == clWhite; }

}  // namespace

bool PaintList(const DisplayList& list, TBitmap& picture) {
    TCanvas& canvas = picture.Canvas();
    canvas.MoveToEx(0, 0);  // as a new picture's canvas starts
    bool blackAndWhite = true;
    for (const DisplayItem& item : list.Items) {
        std::visit(
            [&](const auto& it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, DisplayMove>) {
                    canvas.MoveToEx(it.to.x, it.to.y);
                } else if constexpr (std::is_same_v<T, DisplayLine>) {
                    canvas.Pen.SetWidth(it.penWidth);
                    canvas.Pen.Color = it.color;
                    blackAndWhite = blackAndWhite && BlackOrWhite(it.color);
                    canvas.LineTo(it.to.x, it.to.y);
                } else if constexpr (std::is_same_v<T, DisplayEllipse>) {
                    // The sequence draws its ellipse with pen and brush of one
                    // colour: the region, filled.
                    canvas.Pen.SetWidth(it.penWidth);
                    canvas.Pen.Color = it.brush;
                    canvas.Brush.Color = it.brush;
                    blackAndWhite = blackAndWhite && BlackOrWhite(it.brush);
                    canvas.Ellipse(it.box.Left, it.box.Top, it.box.Right, it.box.Bottom);
                } else if constexpr (std::is_same_v<T, DisplayText>) {
                    FillOutline(picture, it.outline);
                } else if constexpr (std::is_same_v<T, DisplayFill>) {
                    blackAndWhite = blackAndWhite && BlackOrWhite(it.color);
                    FillOutline(picture, it.path, it.color, it.evenOdd);
                } else {
                    static_assert(!sizeof(T), "a display item the raster does not draw");
                }
            },
            item);
    }
    return blackAndWhite;
}

std::unique_ptr<TBitmap> PaintWholeList(const DisplayList& list) {
    auto picture = std::make_unique<TBitmap>();
    picture->SetHeight(list.Height);
    picture->SetWidth(list.Width);
    PaintList(list, *picture);
    if (list.Mirrored) FlipBitmap(*picture, 1);
    return picture;
}

}  // namespace sp
