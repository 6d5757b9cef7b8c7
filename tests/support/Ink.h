// Looking at rendered text as a person would: where the black pixels are.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "raster/Graphics.h"
#include "text/TextLayout.h"

struct Ink {
    std::int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;  // inclusive
    std::int64_t black = 0, other = 0;  // pixels neither black nor white counted in `other`
    double CentreX() const { return (left + right + 1) / 2.0; }
    double CentreY() const { return (top + bottom + 1) / 2.0; }
    std::int32_t Height() const { return bottom - top + 1; }
    std::int32_t Width() const { return right - left + 1; }
};

inline std::unique_ptr<sp::TBitmap> WhitePicture(std::int32_t w, std::int32_t h) {
    auto b = std::make_unique<sp::TBitmap>();
    b->SetHeight(h);
    b->SetWidth(w);
    return b;
}

inline Ink InkOf(const sp::TBitmap& b) {
    Ink ink;
    for (std::int32_t y = 0; y < b.Height(); ++y)
        for (std::int32_t x = 0; x < b.Width(); ++x) {
            const sp::TColor c = b.Pixel(x, y);
            if (c == sp::clWhite) continue;
            if (c != sp::clBlack) {
                ++ink.other;
                continue;
            }
            ++ink.black;
            ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

inline std::unique_ptr<sp::TBitmap> Render(const sp::TextOutline& o, std::int32_t w, std::int32_t h) {
    auto b = WhitePicture(w, h);
    sp::FillOutline(*b, o);
    return b;
}
