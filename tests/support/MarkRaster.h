// Marks rasterised through cairo, so their geometry can be looked at and
// counted before any surface of the program draws them: a grey picture,
// white paper, black ink, antialiased as a printer's driver would.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "scale/marks/MarkGeometry.h"

class MarkRaster {
public:
    // `widthMm` x `heightMm` of white paper at `dpi`.
    MarkRaster(double widthMm, double heightMm, double dpi)
        : k_(dpi / 25.4),
          surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, Px(widthMm), Px(heightMm)), cairo_surface_destroy),
          cr_(cairo_create(surface_.get()), cairo_destroy) {
        cairo_set_source_rgb(cr_.get(), 1, 1, 1);
        cairo_paint(cr_.get());
    }

    int Width() const { return cairo_image_surface_get_width(surface_.get()); }
    int Height() const { return cairo_image_surface_get_height(surface_.get()); }
    int Px(double mm) const { return static_cast<int>(std::lround(mm * k_)); }

    // The mark with its square's centre at (`xMm`, `yMm`) from the top left
    // of the paper (y down, as the paper is read).
    void Draw(const sp::MarkGeometry& g, double xMm, double yMm, double grey = 0) {
        cairo_t* cr = cr_.get();
        flushed_ = false;
        cairo_save(cr);
        cairo_set_source_rgb(cr, grey, grey, grey);
        cairo_translate(cr, xMm * k_, yMm * k_);
        cairo_scale(cr, k_, -k_);  // the mark's y grows upwards
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (const sp::MarkStroke& s : g.strokes) {
            cairo_new_path(cr);
            for (const sp::MarkPoint& p : s.points) cairo_line_to(cr, p.x, p.y);
            if (s.closed) cairo_close_path(cr);
            cairo_set_line_width(cr, s.width);
            cairo_set_line_cap(cr, s.cap == sp::MarkCap::Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
            cairo_stroke(cr);
        }
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        for (const sp::TextOutline& o : g.fills) {
            cairo_new_path(cr);
            sp::AddToCairo(cr, o);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }

    // A thin grey frame of the box `w` x `h` mm centred at (x, y): where
    // the ink may go, for the eye; light enough not to count as ink.
    void Frame(double xMm, double yMm, double wMm, double hMm) {
        cairo_t* cr = cr_.get();
        flushed_ = false;
        cairo_set_source_rgb(cr, 0.8, 0.8, 1);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, (xMm - wMm / 2) * k_ - 0.5, (yMm - hMm / 2) * k_ - 0.5, wMm * k_ + 1, hMm * k_ + 1);
        cairo_stroke(cr);
    }

    // Ink: a pixel darker than half grey.
    bool Ink(int x, int y) const {
        if (!flushed_) cairo_surface_flush(surface_.get()), flushed_ = true;
        const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                                   static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
        std::uint32_t px;
        std::memcpy(&px, row + 4 * x, sizeof px);
        return ((px >> 8) & 0xff) < 128;
    }

    // Ink() of every pixel, row by row, 64 pixels to a word.
    std::vector<std::uint64_t> InkBits() const {
        std::vector<std::uint64_t> bits((static_cast<std::size_t>(Width()) * Height() + 63) / 64);
        std::size_t i = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x, ++i)
                if (Ink(x, y)) bits[i / 64] |= std::uint64_t{1} << (i % 64);
        return bits;
    }

    void SavePng(const std::string& path) const { cairo_surface_write_to_png(surface_.get(), path.c_str()); }

private:
    double k_;
    mutable bool flushed_ = false;
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr_;
};
