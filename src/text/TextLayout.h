// Text as outlines: a font family found by name, text shaped into glyphs and
// turned into outline paths in pixels of the picture grid, and those paths
// filled black into a picture without grey edge pixels.
//
// Units: pixels of the picture grid (the Dpi grid), x to the right, y down,
// pixel (x, y) the unit square from (x, y) to (x + 1, y + 1). Angles in
// degrees, counter-clockwise as the picture is seen.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "raster/Graphics.h"
#include "text/DefaultFont.h"

using cairo_t = struct _cairo;

namespace sp {

struct OutlinePoint {
    double x = 0, y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

// One step of an outline: MoveTo and LineTo use p[0]; CurveTo is a cubic
// Bezier with control points p[0], p[1] and end point p[2]; Close ends the
// current contour.
struct OutlineOp {
    enum class Kind : std::uint8_t { MoveTo, LineTo, CurveTo, Close };
    Kind kind = Kind::MoveTo;
    std::array<OutlinePoint, 3> p{};
    friend bool operator==(const OutlineOp&, const OutlineOp&) = default;
};

// The outlines of a placed text, filled with the non-zero winding rule. A
// plain value: a display list holds it, a vector writer emits it as it is.
struct TextOutline {
    std::vector<OutlineOp> ops;
    bool empty() const { return ops.empty(); }
    friend bool operator==(const TextOutline&, const TextOutline&) = default;
};

// Where and how big a text goes. The box from the baseline up to the cap
// height, as wide as the text's advance, is centred on (x, y) and then
// turned by `rotation` degrees around that point.
struct TextPlacementBox {
    double x = 0, y = 0;
    double capHeight = 0;  // pixels; the height of a capital such as "H"
    double rotation = 0;   // degrees, counter-clockwise; 0 reads upright
};

// One font family for all text. The name is looked up with fontconfig; an
// unknown name gives fontconfig's best match, never an error (only a
// machine with no font at all throws EError).
class TextFont {
public:
    explicit TextFont(const std::string& family = DefaultFontFamily);
    ~TextFont();
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    // The family fontconfig chose, e.g. "DejaVu Sans".
    const std::string& Family() const;
    // Advance width in pixels of `utf8` at the given cap height.
    double Width(const std::string& utf8, double capHeight) const;
    // The outlines of `utf8` (UTF-8; malformed bytes become U+FFFD) placed
    // by `box`. A character the font lacks gives the font's fallback glyph.
    TextOutline Layout(const std::string& utf8, const TextPlacementBox& box) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Fills `outline` in `color` (black unless given) into `bitmap`: a pixel is
// painted when its centre lies inside (no smoothing, no grey), by the
// non-zero winding rule or, with `evenOdd`, the even-odd rule. Only the part
// inside the picture (or the band of it the picture holds) is
// rasterised, so memory and time follow the text's size on the picture. An
// outline reaching beyond 4,000,000 pixels from the origin is not drawn.
void FillOutline(TBitmap& bitmap, const TextOutline& outline, TColor color = clBlack, bool evenOdd = false);

// Appends the outline to cairo's current path (the mask above and the PDF
// writer fill it the same way).
void AddToCairo(cairo_t* cr, const TextOutline& outline);

// The installed scalable font families, sorted, each once.
std::vector<std::string> InstalledFontFamilies();

}  // namespace sp
