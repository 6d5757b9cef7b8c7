// cairo from Debian writes the PDF: its page, stroke and compression code is
// well kept and far more than a small writer of our own would be worth.
#include "scale/output/PdfWriter.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <memory>
#include <new>

#include "base/Errors.h"
#include "scale/drawing/VectorPaths.h"

namespace sp {

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

struct Sink {
    std::string bytes;
    bool outOfMemory = false;
};

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    auto* sink = static_cast<Sink*>(closure);
    try {
        sink->bytes.append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        sink->outOfMemory = true;
        return CAIRO_STATUS_WRITE_ERROR;
    }
}

void SetColour(cairo_t* cr, TColor c) {
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

// Glyph outlines filled black with the non-zero rule, as the raster fills them.
void FillText(cairo_t* cr, const TextOutline& t, TColor colour = clBlack, bool evenOdd = false) {
    cairo_new_path(cr);
    AddToCairo(cr, t);
    cairo_set_fill_rule(cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void Draw(cairo_t* cr, const DisplayList& list, double pageWidth, double pageHeight) {
    SetColour(cr, clWhite);
    cairo_rectangle(cr, 0, 0, pageWidth, pageHeight);
    cairo_fill(cr);
    if (list.Width <= 0 || list.Height <= 0) return;
    // Grid pixels onto the page, as the SVG's viewBox does.
    cairo_scale(cr, pageWidth / list.Width, pageHeight / list.Height);
    if (list.Mirrored) {
        cairo_translate(cr, list.Width, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    WalkVectorPaths(
        list,
        [&](const PenRun& run) {
            cairo_new_path(cr);
            cairo_move_to(cr, run.points[0].x, run.points[0].y);
            for (std::size_t i = 1; i < run.points.size(); ++i) cairo_line_to(cr, run.points[i].x, run.points[i].y);
            cairo_set_line_width(cr, run.width);
            SetColour(cr, run.color);
            cairo_stroke(cr);
        },
        [&](const FilledEllipse& e) {
            cairo_save(cr);
            cairo_translate(cr, e.centre.x, e.centre.y);
            cairo_scale(cr, e.rx, e.ry);
            cairo_new_path(cr);
            cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
            cairo_restore(cr);
            SetColour(cr, e.color);
            cairo_fill(cr);
        },
        [&](const TextOutline& t) { FillText(cr, t); },
        [&](const FilledPath& f) { FillText(cr, *f.path, f.color, f.evenOdd); });
}

}  // namespace

std::string PdfDocument(const DisplayList& list) {
    const double pageWidth = list.WidthMm * PointsPerMm, pageHeight = list.HeightMm * PointsPerMm;
    Sink sink;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_pdf_surface_create_for_stream(Append, &sink, pageWidth, pageHeight), cairo_surface_destroy);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "scaleplate");
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
        Draw(cr.get(), list, pageWidth, pageHeight);
        cairo_show_page(cr.get());
        if (cairo_status(cr.get()) == CAIRO_STATUS_NO_MEMORY) throw EOutOfResources();
    }
    cairo_surface_finish(surface.get());
    const cairo_status_t status = cairo_surface_status(surface.get());
    if (sink.outOfMemory || status == CAIRO_STATUS_NO_MEMORY) throw EOutOfResources();
    if (status != CAIRO_STATUS_SUCCESS) throw EError(cairo_status_to_string(status));
    return std::move(sink.bytes);
}

}  // namespace sp
