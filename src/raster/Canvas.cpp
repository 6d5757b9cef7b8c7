// How the drawing calls colour pixels. These are the rules of the platform's
// DIB engine for exactly the calls the scale uses, so that our pictures agree
// pixel for pixel with the older program's.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "raster/EllipseRows.h"
#include "raster/Graphics.h"

namespace sp {

namespace {

__extension__ typedef __int128 i128;

// floor(a / b) and ceil(a / b) for b > 0.
i128 FloorDiv(i128 a, i128 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
i128 CeilDiv(i128 a, i128 b) { return -FloorDiv(-a, b); }

// r(v) = floor(v + 0.5)
std::int64_t R(double v) { return static_cast<std::int64_t>(std::floor(v + 0.5)); }

}  // namespace

namespace {

// Paints columns x0 .. x1 - 1 of row y (clipped) in colour c.
void Span(TBitmap& bmp, std::int64_t y, std::int64_t x0, std::int64_t x1, TColor c) {
    std::uint8_t* row = bmp.RowBits(static_cast<std::int32_t>(std::clamp<std::int64_t>(y, -1, bmp.Height())));
    if (row == nullptr) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, bmp.Width());
    const auto b = static_cast<std::uint8_t>(c >> 16), g = static_cast<std::uint8_t>(c >> 8), r = static_cast<std::uint8_t>(c);
    for (std::int64_t x = x0; x < x1; ++x) {
        std::uint8_t* p = row + 3 * x;
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}

void Plot(TBitmap& bmp, std::int64_t x, std::int64_t y, TColor c) { Span(bmp, y, x, x + 1, c); }

// Paints the ellipse region of the box at (L, T) whose rows `rows` holds,
// as far as they lie in the picture's rows held (the whole, or the band).
void FillRegion(TBitmap& bmp, std::int64_t L, std::int64_t T, const EllipseRows& rows, TColor c) {
    const std::int64_t W = rows.Width();
    const std::int64_t first = std::max<std::int64_t>(0, bmp.BandTop() - T), last = std::min<std::int64_t>(rows.Height(), bmp.BandBottom() - T);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t in = rows.Inset(i);
        if (2 * in < W) Span(bmp, T + i, L + in, L + W - in, c);
    }
}

// The rows of a box at top row T and H rows high that lie in the picture's
// rows held, widened by `margin` rows each way.
std::pair<std::int64_t, std::int64_t> RowsInPicture(const TBitmap& bmp, std::int64_t T, std::int64_t H, std::int64_t margin) {
    return {std::max<std::int64_t>(0, bmp.BandTop() - T - margin), std::min<std::int64_t>(H, bmp.BandBottom() - T + margin) - 1};
}

// The first k in [lo, hi] for which holds(k), given that it holds on a
// suffix of the range; hi + 1 when it never does.
template <class Pred>
std::int64_t FirstHolding(std::int64_t lo, std::int64_t hi, const Pred& holds) {
    ++hi;
    while (lo < hi) {
        const std::int64_t k = lo + (hi - lo) / 2;
        if (holds(k)) hi = k; else lo = k + 1;
    }
    return lo;
}

}  // namespace

void TCanvas::MoveToEx(std::int32_t x, std::int32_t y) {
    pos_ = {x, y};
}

void TCanvas::LineTo(std::int32_t x, std::int32_t y) {
    const TPoint p = pos_, q{x, y};
    pos_ = q;
    if (!bitmap_.HasStorage()) return;
    if (Pen.Width() <= 1)
        ThinLine(p, q);
    else
        WideLine(p, q, Pen.Width());
}

// One-pixel line: one pixel per step along the longer axis, P painted, Q not.
// The other coordinate is the exact value on the ideal line rounded to
// nearest, an exact half going to the smaller coordinate whatever the
// direction. Only the steps whose major coordinate lies inside the picture
// are walked, each computed from the unclipped line, so clipping never moves
// a pixel and a line far outside the picture costs nothing.
void TCanvas::ThinLine(TPoint p, TPoint q) {
    const std::int64_t dx = static_cast<std::int64_t>(q.x) - p.x, dy = static_cast<std::int64_t>(q.y) - p.y;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) return;
    const bool xMajor = adx > ady;
    const std::int64_t n = xMajor ? adx : ady;
    const std::int64_t majStart = xMajor ? p.x : p.y, minStart = xMajor ? p.y : p.x;
    const std::int64_t dir = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t dmin = xMajor ? dy : dx;
    // Columns 0 .. Width - 1, the rows held.
    const std::int64_t majLo = xMajor ? 0 : bitmap_.BandTop(), majHi = xMajor ? bitmap_.Width() : bitmap_.BandBottom();
    const std::int64_t minLo = xMajor ? bitmap_.BandTop() : 0, minHi = xMajor ? bitmap_.BandBottom() : bitmap_.Width();
    std::int64_t kmin, kmax;
    if (dir > 0) {
        kmin = std::max<std::int64_t>(0, majLo - majStart);
        kmax = std::min<std::int64_t>(n - 1, majHi - 1 - majStart);
    } else {
        kmin = std::max<std::int64_t>(0, majStart - (majHi - 1));
        kmax = std::min<std::int64_t>(n - 1, majStart - majLo);
    }
    // minor offset = ceil((2 k dmin - n) / 2n): nearest, halves down
    const auto minorAt = [&](std::int64_t k) {
        return minStart + static_cast<std::int64_t>(CeilDiv(2 * static_cast<i128>(k) * dmin - n, 2 * static_cast<i128>(n)));
    };
    // The minor coordinate moves one way only: the steps whose minor
    // coordinate falls in the picture (or the band) are one run, found by
    // bisection, so a long line costs only the steps it paints.
    if (kmin <= kmax) {
        if (dmin >= 0) {
            kmin = FirstHolding(kmin, kmax, [&](std::int64_t k) { return minorAt(k) >= minLo; });
            kmax = FirstHolding(kmin, kmax, [&](std::int64_t k) { return minorAt(k) >= minHi; }) - 1;
        } else {
            kmin = FirstHolding(kmin, kmax, [&](std::int64_t k) { return minorAt(k) < minHi; });
            kmax = FirstHolding(kmin, kmax, [&](std::int64_t k) { return minorAt(k) < minLo; }) - 1;
        }
    }
    const TColor c = Pen.Color;
    for (std::int64_t k = kmin; k <= kmax; ++k) {
        const std::int64_t minor = minorAt(k), major = majStart + dir * k;
        if (minor < minLo || minor >= minHi) continue;
        if (xMajor)
            Plot(bitmap_, major, minor, c);
        else
            Plot(bitmap_, minor, major, c);
    }
}

// A round dot of the pen's width: the ellipse region of the w x w box whose
// left column is x - w/2 and top row y - w/2 (odd widths centred, even ones
// reaching one pixel further up and left).
// A dot whose rows take at most a quarter of the picture's bytes (4 bytes a
// row of it) keeps them for the next dot of the same pen, walked once; a
// larger dot walks only the rows that fall in the picture.
void TCanvas::Dot(TPoint c, std::int32_t w) {
    const std::int64_t L = static_cast<std::int64_t>(c.x) - w / 2, T = static_cast<std::int64_t>(c.y) - w / 2;
    const std::int64_t cached = std::max<std::int64_t>(2 * (static_cast<std::int64_t>(bitmap_.Width()) + bitmap_.Height()) + 16,
                                                       static_cast<std::int64_t>(bitmap_.ImageSize() / 16));
    if (w <= cached) {
        if (!dot_ || dot_->Width() != w) dot_ = std::make_unique<EllipseRows>(w, w, 0, w - 1);
        FillRegion(bitmap_, L, T, *dot_, Pen.Color);
        return;
    }
    const auto [first, last] = RowsInPicture(bitmap_, T, w, 0);
    FillRegion(bitmap_, L, T, EllipseRows(w, w, first, last), Pen.Color);
}

// Wide pen: the union of a dot at each end and the body between them.
void TCanvas::WideLine(TPoint p, TPoint q, std::int32_t w) {
    Dot(p, w);
    if (p == q) return;
    Dot(q, w);
    const std::int64_t half = w / 2;
    if (p.y == q.y) {
        const std::int64_t top = static_cast<std::int64_t>(p.y) - half;
        for (std::int64_t y = std::max<std::int64_t>(top, bitmap_.BandTop()); y < std::min<std::int64_t>(top + w, bitmap_.BandBottom()); ++y)
            Span(bitmap_, y, std::min(p.x, q.x), std::max(p.x, q.x), Pen.Color);
        return;
    }
    if (p.x == q.x) {
        const std::int64_t left = static_cast<std::int64_t>(p.x) - half;
        for (std::int64_t y = std::max<std::int64_t>(std::min(p.y, q.y), bitmap_.BandTop());
             y < std::min<std::int64_t>(std::max(p.y, q.y), bitmap_.BandBottom()); ++y)
            Span(bitmap_, y, left, left + w, Pen.Color);
        return;
    }
    const double dx = static_cast<double>(q.x) - p.x, dy = static_cast<double>(q.y) - p.y;
    const double len = std::hypot(dx, dy);
    const double wx = w * std::fabs(dy) / len, wy = w * std::fabs(dx) / len;
    std::int64_t nx = R(wx / 2), ny = R(wy / 2), gx = R((wx + 1) / 2), gy = R((wy + 1) / 2);
    if (dx < 0) {
        ny = -ny;
        gy = -gy;
    }
    if (dy < 0) {
        std::swap(nx, gx);
        std::swap(ny, gy);
        nx = -nx;
        gx = -gx;
    }
    const auto pt = [](TPoint b, std::int64_t ox, std::int64_t oy) { return Point64{b.x + ox, b.y + oy}; };
    const Point64 quad[4] = {pt(p, -nx, ny), pt(p, gx, -gy), pt(q, gx, -gy), pt(q, -nx, ny)};
    FillPolygon(quad, 4);
}

// Polygon fill sampling each pixel at its top-left corner: rows from the top
// vertex's row (included) to the bottom vertex's row (excluded); on a row,
// columns ceil(left edge x) .. ceil(right edge x) - 1; horizontal edges
// ignored; even-odd rule.
void TCanvas::FillPolygon(const Point64* pts, int count) {
    std::int64_t top = pts[0].y, bottom = pts[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min<std::int64_t>(top, pts[i].y);
        bottom = std::max<std::int64_t>(bottom, pts[i].y);
    }
    std::vector<std::int64_t> xs;
    for (std::int64_t y = std::max<std::int64_t>(top, bitmap_.BandTop()); y < std::min<std::int64_t>(bottom, bitmap_.BandBottom()); ++y) {
        xs.clear();
        for (int i = 0; i < count; ++i) {
            Point64 a = pts[i], b = pts[(i + 1) % count];
            if (a.y == b.y) continue;
            if (a.y > b.y) std::swap(a, b);
            if (y < a.y || y >= b.y) continue;
            xs.push_back(a.x + static_cast<std::int64_t>(CeilDiv(static_cast<i128>(y - a.y) * (b.x - a.x), b.y - a.y)));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) Span(bitmap_, y, xs[i], xs[i + 1], Pen.Color);
    }
}

// The ellipse region of the box, filled with the brush; its boundary pixels
// take the pen colour, so the one-pixel outline lies inside the box.
void TCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    if (!bitmap_.HasStorage()) return;
    const std::int64_t L = std::min(x1, x2), T = std::min(y1, y2);
    const std::int64_t W = static_cast<std::int64_t>(std::max(x1, x2)) - L, H = static_cast<std::int64_t>(std::max(y1, y2)) - T;
    if (W == 0 || H == 0) return;
    // Only the rows in the picture (and one beyond each way, which decide
    // the outline's edge pixels) are walked.
    // Plain names, not a structured binding: clang 14 (the fuzz build) cannot
    // capture one in the lambda below.
    const std::pair<std::int64_t, std::int64_t> inPicture = RowsInPicture(bitmap_, T, H, 1);
    const std::int64_t first = inPicture.first, last = inPicture.second;
    const EllipseRows rows(W, H, first, last);
    FillRegion(bitmap_, L, T, rows, Brush.Color);
    if (Pen.Color == Brush.Color) return;
    const auto spanOf = [&](std::int64_t i, std::int64_t& a, std::int64_t& b) {
        if (i < first || i > last) return false;
        const std::int64_t in = rows.Inset(i);
        a = L + in;
        b = L + W - in;
        return a < b;
    };
    const std::int64_t picFirst = std::max<std::int64_t>(0, bitmap_.BandTop() - T), picLast = std::min<std::int64_t>(H, bitmap_.BandBottom() - T);
    for (std::int64_t i = picFirst; i < picLast; ++i) {
        std::int64_t a = 0, b = 0, ua = 0, ub = 0, da = 0, db = 0;
        if (!spanOf(i, a, b)) continue;
        const bool up = spanOf(i - 1, ua, ub), down = spanOf(i + 1, da, db);
        const std::int64_t from = std::max<std::int64_t>(a, 0), to = std::min<std::int64_t>(b, bitmap_.Width());
        for (std::int64_t x = from; x < to; ++x) {
            const bool edge = x == a || x == b - 1 || !up || !down || x < ua || x >= ub || x < da || x >= db;
            if (edge) Plot(bitmap_, x, T + i, Pen.Color);
        }
    }
}

TCanvas::TCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}

TCanvas::~TCanvas() = default;

TRect TCanvas::ClipRect() const { return {0, 0, bitmap_.Width(), bitmap_.Height()}; }

void TCanvas::CopyRect(const TRect& dest, TCanvas& src, const TRect& source) {
    TBitmap& to = bitmap_;
    TBitmap& from = src.bitmap_;
    if (!to.HasStorage() || !from.HasStorage()) return;
    // Copies work on whole pictures; a band is only drawn on and written.
    if (!to.IsWhole() || !from.IsWhole()) throw std::logic_error("CopyRect on a band");
    const std::int64_t dw = static_cast<std::int64_t>(dest.Right) - dest.Left, dh = static_cast<std::int64_t>(dest.Bottom) - dest.Top;
    const std::int64_t sw = static_cast<std::int64_t>(source.Right) - source.Left, sh = static_cast<std::int64_t>(source.Bottom) - source.Top;
    if (dw == 0 || dh == 0 || sw <= 0 || sh <= 0) return;
    const bool flipX = dw < 0, flipY = dh < 0;
    const std::int64_t adw = flipX ? -dw : dw, adh = flipY ? -dh : dh;
    const std::int64_t left = flipX ? dest.Right : dest.Left, top = flipY ? dest.Bottom : dest.Top;
    const TRect whole = ClipRect();

    // The whole picture onto itself (the mirror): in place, row by row.
    if (&to == &from && adw == sw && adh == sh && source == whole && left == 0 && top == 0 && adw == whole.Right &&
        adh == whole.Bottom) {
        if (flipX) {
            for (std::int32_t y = 0; y < to.Height(); ++y) {
                std::uint8_t* row = to.RowBits(y);
                for (std::int64_t a = 0, b = adw - 1; a < b; ++a, --b) {
                    std::uint8_t tmp[3];
                    std::memcpy(tmp, row + 3 * a, 3);
                    std::memcpy(row + 3 * a, row + 3 * b, 3);
                    std::memcpy(row + 3 * b, tmp, 3);
                }
            }
        }
        if (flipY) {
            std::vector<std::uint8_t> tmp(to.Stride());
            for (std::int32_t a = 0, b = to.Height() - 1; a < b; ++a, --b) {
                std::memcpy(tmp.data(), to.RowBits(a), tmp.size());
                std::memcpy(to.RowBits(a), to.RowBits(b), tmp.size());
                std::memcpy(to.RowBits(b), tmp.data(), tmp.size());
            }
        }
        return;
    }

    // Anything else: take the source pixels that lie in the picture first,
    // then place them, so an overlapping copy reads nothing it has already
    // overwritten; source pixels outside the picture read as white.
    const std::int64_t sx0 = std::max<std::int64_t>(source.Left, 0), sy0 = std::max<std::int64_t>(source.Top, 0);
    const std::int64_t sx1 = std::min<std::int64_t>(source.Right, from.Width()), sy1 = std::min<std::int64_t>(source.Bottom, from.Height());
    const std::int64_t cw = std::max<std::int64_t>(sx1 - sx0, 0), ch = std::max<std::int64_t>(sy1 - sy0, 0);
    std::vector<TColor> pixels(static_cast<std::size_t>(cw * ch));
    for (std::int64_t y = 0; y < ch; ++y)
        for (std::int64_t x = 0; x < cw; ++x)
            pixels[static_cast<std::size_t>(y * cw + x)] = from.Pixel(static_cast<std::int32_t>(sx0 + x), static_cast<std::int32_t>(sy0 + y));
    const auto sourcePixel = [&](std::int64_t x, std::int64_t y) {
        x += source.Left - sx0;
        y += source.Top - sy0;
        return x < 0 || y < 0 || x >= cw || y >= ch ? clWhite : pixels[static_cast<std::size_t>(y * cw + x)];
    };
    for (std::int64_t j = std::max<std::int64_t>(0, -top); j < adh && top + j < to.Height(); ++j) {
        const std::int64_t sy = static_cast<std::int64_t>(static_cast<i128>(flipY ? adh - 1 - j : j) * sh / adh);
        for (std::int64_t i = std::max<std::int64_t>(0, -left); i < adw && left + i < to.Width(); ++i) {
            const std::int64_t sx = static_cast<std::int64_t>(static_cast<i128>(flipX ? adw - 1 - i : i) * sw / adw);
            Plot(to, left + i, top + j, sourcePixel(sx, sy));
        }
    }
}

}  // namespace sp
