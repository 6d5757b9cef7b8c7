#include "text/TextLayout.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>

#include "base/Errors.h"

namespace sp {

namespace {

constexpr double Pi = 3.14159265358979323846;

template <typename T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* p) const {
        if (p) Free(p);
    }
};
using PatternPtr = std::unique_ptr<FcPattern, Deleter<FcPattern, FcPatternDestroy>>;
using CairoPtr = std::unique_ptr<cairo_t, Deleter<cairo_t, cairo_destroy>>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, Deleter<cairo_surface_t, cairo_surface_destroy>>;
using PathPtr = std::unique_ptr<cairo_path_t, Deleter<cairo_path_t, cairo_path_destroy>>;
using BufferPtr = std::unique_ptr<hb_buffer_t, Deleter<hb_buffer_t, hb_buffer_destroy>>;

// fontconfig's best match for the family name, with the file it lives in.
PatternPtr MatchFamily(const std::string& family) {
    PatternPtr want(FcPatternCreate());
    FcPatternAddString(want.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddBool(want.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, want.get(), FcMatchPattern);
    FcDefaultSubstitute(want.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, want.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
        throw EError("No font is installed");
    return match;
}

std::string PatternString(FcPattern* p, const char* object) {
    FcChar8* s = nullptr;
    return FcPatternGetString(p, object, 0, &s) == FcResultMatch ? reinterpret_cast<const char*>(s) : "";
}

int PatternInt(FcPattern* p, const char* object) {
    int v = 0;
    return FcPatternGetInteger(p, object, 0, &v) == FcResultMatch ? v : 0;
}

void AppendPath(TextOutline& out, const cairo_path_t& path) {
    for (int i = 0; i < path.num_data; i += path.data[i].header.length) {
        const cairo_path_data_t* d = &path.data[i];
        OutlineOp op;
        switch (d->header.type) {
            case CAIRO_PATH_MOVE_TO: op.kind = OutlineOp::Kind::MoveTo; break;
            case CAIRO_PATH_LINE_TO: op.kind = OutlineOp::Kind::LineTo; break;
            case CAIRO_PATH_CURVE_TO: op.kind = OutlineOp::Kind::CurveTo; break;
            case CAIRO_PATH_CLOSE_PATH: op.kind = OutlineOp::Kind::Close; break;
        }
        for (int k = 1; k < d->header.length && k <= 3; ++k) op.p[k - 1] = {d[k].point.x, d[k].point.y};
        out.ops.push_back(op);
    }
}


}  // namespace

struct TextFont::Impl {
    std::string family;
    hb_blob_t* blob = nullptr;
    hb_face_t* face = nullptr;
    hb_font_t* font = nullptr;
    cairo_font_face_t* cairoFace = nullptr;
    double unitsPerEm = 1000;
    double capUnits = 700;  // cap height in font units

    ~Impl() {
        if (cairoFace) cairo_font_face_destroy(cairoFace);
        if (font) hb_font_destroy(font);
        if (face) hb_face_destroy(face);
        if (blob) hb_blob_destroy(blob);
    }

    // The ink height of "H"; the font's own cap height where it has no "H";
    // 0.7 em where it has neither.
    void MeasureCapHeight() {
        hb_codepoint_t glyph = 0;
        hb_glyph_extents_t ext{};
        if (hb_font_get_nominal_glyph(font, 'H', &glyph) && hb_font_get_glyph_extents(font, glyph, &ext) &&
            ext.y_bearing > 0) {
            capUnits = ext.y_bearing;
            return;
        }
        hb_position_t cap = 0;
        capUnits = hb_ot_metrics_get_position(font, HB_OT_METRICS_TAG_CAP_HEIGHT, &cap) && cap > 0
                       ? cap
                       : 0.7 * unitsPerEm;
    }

    // Glyphs of `utf8` in pixels at em size `em`, baseline at y = 0 from
    // x = 0; gives the advance width.
    double Shape(const std::string& utf8, double em, std::vector<cairo_glyph_t>& glyphs) const {
        BufferPtr buf(hb_buffer_create());
        hb_buffer_add_utf8(buf.get(), utf8.data(), static_cast<int>(utf8.size()), 0, -1);
        hb_buffer_guess_segment_properties(buf.get());
        hb_shape(font, buf.get(), nullptr, 0);
        unsigned int count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf.get(), &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf.get(), &count);
        const double k = em / unitsPerEm;
        double x = 0;
        glyphs.clear();
        for (unsigned int i = 0; i < count; ++i) {
            glyphs.push_back({info[i].codepoint, x + pos[i].x_offset * k, -pos[i].y_offset * k});
            x += pos[i].x_advance * k;
        }
        return x;
    }

    double EmFor(double capHeight) const { return capHeight * unitsPerEm / capUnits; }
};

TextFont::TextFont(const std::string& family) : impl_(std::make_unique<Impl>()) {
    const PatternPtr match = MatchFamily(family);
    impl_->family = PatternString(match.get(), FC_FAMILY);
    const std::string file = PatternString(match.get(), FC_FILE);
    const int index = PatternInt(match.get(), FC_INDEX);
    impl_->blob = hb_blob_create_from_file(file.c_str());
    impl_->face = hb_face_create(impl_->blob, static_cast<unsigned int>(index));
    impl_->font = hb_font_create(impl_->face);
    impl_->unitsPerEm = std::max(1u, hb_face_get_upem(impl_->face));
    impl_->MeasureCapHeight();
    // The same file and face for cairo, so the glyph numbers agree; no
    // hinting, so outlines scale exactly with the size.
    PatternPtr own(FcPatternCreate());
    FcPatternAddString(own.get(), FC_FILE, reinterpret_cast<const FcChar8*>(file.c_str()));
    FcPatternAddInteger(own.get(), FC_INDEX, index);
    FcPatternAddBool(own.get(), FC_HINTING, FcFalse);
    impl_->cairoFace = cairo_ft_font_face_create_for_pattern(own.get());
    if (cairo_font_face_status(impl_->cairoFace) != CAIRO_STATUS_SUCCESS) throw EError("Cannot load font " + file);
}

TextFont::~TextFont() = default;

const std::string& TextFont::Family() const { return impl_->family; }

double TextFont::Width(const std::string& utf8, double capHeight) const {
    std::vector<cairo_glyph_t> glyphs;
    return impl_->Shape(utf8, impl_->EmFor(capHeight), glyphs);
}

TextOutline TextFont::Layout(const std::string& utf8, const TextPlacementBox& box) const {
    TextOutline out;
    if (utf8.empty() || !(box.capHeight > 0)) return out;
    const double em = impl_->EmFor(box.capHeight);
    std::vector<cairo_glyph_t> glyphs;
    const double width = impl_->Shape(utf8, em, glyphs);

    // An unbounded surface: cairo drops glyphs outside a bounded one even
    // from a path.
    const SurfacePtr surface(cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr));
    const CairoPtr cr(cairo_create(surface.get()));
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr.get(), options);
    cairo_font_options_destroy(options);
    cairo_set_font_face(cr.get(), impl_->cairoFace);
    cairo_set_font_size(cr.get(), em);
    // y grows downwards, so a counter-clockwise turn is a negative angle.
    cairo_translate(cr.get(), box.x, box.y);
    cairo_rotate(cr.get(), -box.rotation * Pi / 180.0);
    cairo_translate(cr.get(), -width / 2, box.capHeight / 2);
    cairo_glyph_path(cr.get(), glyphs.data(), static_cast<int>(glyphs.size()));
    cairo_identity_matrix(cr.get());  // read the path back in picture pixels
    const PathPtr path(cairo_copy_path(cr.get()));
    if (path && path->status == CAIRO_STATUS_SUCCESS) AppendPath(out, *path);
    return out;
}

void FillOutline(TBitmap& bitmap, const TextOutline& outline, TColor color, bool evenOdd) {
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
    for (const OutlineOp& op : outline.ops) {
        const int n = op.kind == OutlineOp::Kind::CurveTo ? 3 : op.kind == OutlineOp::Kind::Close ? 0 : 1;
        for (int k = 0; k < n; ++k) {  // the control points bound the curve
            x0 = std::min(x0, op.p[k].x), x1 = std::max(x1, op.p[k].x);
            y0 = std::min(y0, op.p[k].y), y1 = std::max(y1, op.p[k].y);
        }
    }
    if (!(x0 <= x1 && y0 <= y1)) return;  // nothing drawn, or not a number
    // cairo computes in 24.8 fixed point; an outline reaching beyond that
    // (thousands of times any plate) would wrap around, so it is not drawn.
    constexpr double Reach = 4.0e6;
    if (x0 < -Reach || y0 < -Reach || x1 > Reach || y1 > Reach) return;
    // Only the rows the picture holds (the whole, or a band of it). The
    // outline's points are whole 256ths of a pixel (cairo's own grid, read
    // back from its path), so moving the mask by whole pixels moves every
    // point exactly and a band paints the pixels the whole picture does.
    const double left = std::max(0.0, std::floor(x0)), top = std::max<double>(bitmap.BandTop(), std::floor(y0));
    const double right = std::min<double>(bitmap.Width(), std::ceil(x1) + 1);
    const double bottom = std::min<double>(bitmap.BandBottom(), std::ceil(y1) + 1);
    if (left >= right || top >= bottom || !bitmap.HasStorage()) return;
    const int ox = static_cast<int>(left), oy = static_cast<int>(top);
    const int w = static_cast<int>(right) - ox, h = static_cast<int>(bottom) - oy;

    const SurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A1, w, h));
    if (cairo_surface_status(mask.get()) != CAIRO_STATUS_SUCCESS) throw EOutOfResources();
    const CairoPtr cr(cairo_create(mask.get()));
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr.get(), evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_translate(cr.get(), -left, -top);
    AddToCairo(cr.get(), outline);
    cairo_fill(cr.get());
    cairo_surface_flush(mask.get());

    const unsigned char* data = cairo_image_surface_get_data(mask.get());
    const int stride = cairo_image_surface_get_stride(mask.get());
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint8_t* dest = bitmap.RowBits(oy + y);
        for (int x = 0; x < w; ++x) {
            // A1 pixels fill each 32-bit word from its lowest bit on a
            // little-endian machine, from its highest on a big-endian one.
            std::uint32_t word;
            std::memcpy(&word, row + 4 * (x / 32), sizeof word);
            const int bit = std::endian::native == std::endian::little ? x % 32 : 31 - x % 32;
            if ((word >> bit) & 1u) {
                std::uint8_t* px = dest + 3 * static_cast<std::size_t>(ox + x);
                px[0] = static_cast<std::uint8_t>(color >> 16);  // blue, green, red
                px[1] = static_cast<std::uint8_t>(color >> 8);
                px[2] = static_cast<std::uint8_t>(color);
            }
        }
    }
}

std::vector<std::string> InstalledFontFamilies() {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern.get(), objects);
    FcObjectSetDestroy(objects);
    std::set<std::string> families;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        const std::string name = PatternString(fonts->fonts[i], FC_FAMILY);
        if (!name.empty()) families.insert(name);
    }
    if (fonts) FcFontSetDestroy(fonts);
    return {families.begin(), families.end()};
}

void AddToCairo(cairo_t* cr, const TextOutline& outline) {
    for (const OutlineOp& op : outline.ops) {
        switch (op.kind) {
            case OutlineOp::Kind::MoveTo: cairo_move_to(cr, op.p[0].x, op.p[0].y); break;
            case OutlineOp::Kind::LineTo: cairo_line_to(cr, op.p[0].x, op.p[0].y); break;
            case OutlineOp::Kind::CurveTo:
                cairo_curve_to(cr, op.p[0].x, op.p[0].y, op.p[1].x, op.p[1].y, op.p[2].x, op.p[2].y);
                break;
            case OutlineOp::Kind::Close: cairo_close_path(cr); break;
        }
    }
}

}  // namespace sp
