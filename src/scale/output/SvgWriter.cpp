#include "scale/output/SvgWriter.h"

#include <cstdio>

#include "scale/drawing/VectorPaths.h"

namespace sp {

namespace {

std::string Num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.12g", v);
    return buf;
}

std::string Colour(TColor c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

// Glyph outlines as one filled path; the group's stroke is switched off.
std::string TextPath(const TextOutline& t, TColor colour = clBlack, bool evenOdd = false) {
    std::string d;
    for (const OutlineOp& op : t.ops) {
        switch (op.kind) {
            case OutlineOp::Kind::MoveTo: d += "M" + Num(op.p[0].x) + ' ' + Num(op.p[0].y); break;
            case OutlineOp::Kind::LineTo: d += "L" + Num(op.p[0].x) + ' ' + Num(op.p[0].y); break;
            case OutlineOp::Kind::CurveTo:
                d += "C";
                for (int i = 0; i < 3; ++i) d += (i ? " " : "") + Num(op.p[i].x) + ' ' + Num(op.p[i].y);
                break;
            case OutlineOp::Kind::Close: d += 'Z'; break;
        }
    }
    return "<path stroke=\"none\" fill=\"" + Colour(colour) + "\" fill-rule=\"" +
           (evenOdd ? "evenodd" : "nonzero") + "\" d=\"" + d + "\"/>\n";
}

}  // namespace

std::string SvgDocument(const DisplayList& list) {
    const std::string w = std::to_string(list.Width), h = std::to_string(list.Height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(list.WidthMm) +
           "mm\" height=\"" + Num(list.HeightMm) + "mm\" viewBox=\"0 0 " + w + " " + h +
           "\" preserveAspectRatio=\"none\">\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    svg += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    if (list.Mirrored) svg += " transform=\"matrix(-1 0 0 1 " + w + " 0)\"";
    svg += ">\n";
    WalkVectorPaths(
        list,
        [&](const PenRun& run) {
            svg += "<path stroke=\"" + Colour(run.color) + "\" stroke-width=\"" + Num(run.width) + "\" d=\"M";
            for (std::size_t i = 0; i < run.points.size(); ++i) {
                if (i == 1) svg += 'L';
                if (i > 1) svg += ' ';
                svg += Num(run.points[i].x) + ' ' + Num(run.points[i].y);
            }
            svg += "\"/>\n";
        },
        [&](const FilledEllipse& e) {
            svg += "<ellipse cx=\"" + Num(e.centre.x) + "\" cy=\"" + Num(e.centre.y) + "\" rx=\"" + Num(e.rx) +
                   "\" ry=\"" + Num(e.ry) + "\" fill=\"" + Colour(e.color) + "\"/>\n";
        },
        [&](const TextOutline& t) { svg += TextPath(t); },
        [&](const FilledPath& f) { svg += TextPath(*f.path, f.color, f.evenOdd); });
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace sp
