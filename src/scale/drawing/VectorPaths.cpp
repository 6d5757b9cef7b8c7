#include "scale/drawing/VectorPaths.h"

#include <variant>

namespace sp {

namespace {

// Where the raster centres a run, from the pixel's corner. The round dots of
// an even pen and its body along an axis are centred on the corner; a
// slanted body is filled by sampling each pixel at its corner, which centres
// it on the pixel like every odd and one-pixel pen. A run keeps one centring
// (one path), so an even pen sits on the corners only when none of its lines
// is slanted.
double RunOffset(std::int32_t width, bool slanted) { return (width % 2 == 0 && !slanted) ? 0.0 : 0.5; }

class Walker {
public:
    Walker(const std::function<void(const PenRun&)>& run, const std::function<void(const FilledEllipse&)>& ellipse,
           const std::function<void(const TextOutline&)>& text, const std::function<void(const FilledPath&)>& fill)
        : run_(run), ellipse_(ellipse), text_(text), fill_(fill) {}

    void operator()(const DisplayMove& m) {
        Flush();
        pos_ = m.to;
    }
    void operator()(const DisplayLine& l) {
        const bool thin = l.penWidth <= 1;
        if (thin && l.to == pos_) return;  // the raster paints nothing
        const std::int32_t width = thin ? 1 : l.penWidth;
        if (open_ && (static_cast<std::int32_t>(current_.width) != width || current_.color != l.color)) Flush();
        if (!open_) {
            open_ = true;
            slanted_ = false;
            current_.width = width;
            current_.color = l.color;
            corners_.push_back(pos_);
        }
        slanted_ = slanted_ || (l.to.x != pos_.x && l.to.y != pos_.y);
        corners_.push_back(l.to);
        pos_ = l.to;
    }
    void operator()(const DisplayEllipse& e) {
        const double w = static_cast<double>(e.box.Right) - e.box.Left, h = static_cast<double>(e.box.Bottom) - e.box.Top;
        if (w <= 0 || h <= 0) return;
        ellipse_({{e.box.Left + w / 2, e.box.Top + h / 2}, w / 2, h / 2, e.brush});
    }
    void operator()(const DisplayText& t) {
        if (t.outline.empty()) return;
        Flush();
        text_(t.outline);
    }
    void operator()(const DisplayFill& f) {
        if (f.path.empty()) return;
        Flush();
        if (fill_)
            fill_({&f.path, f.color, f.evenOdd});
        else
            text_(f.path);  // a reader that knows only black text
    }
    void Flush() {
        if (open_) {
            const double o = RunOffset(static_cast<std::int32_t>(current_.width), slanted_);
            current_.points.clear();
            for (TPoint c : corners_) current_.points.push_back({c.x + o, c.y + o});
            run_(current_);
        }
        open_ = false;
        corners_.clear();
    }

private:
    const std::function<void(const PenRun&)>& run_;
    const std::function<void(const FilledEllipse&)>& ellipse_;
    const std::function<void(const TextOutline&)>& text_;
    const std::function<void(const FilledPath&)>& fill_;
    TPoint pos_;
    bool open_ = false;
    bool slanted_ = false;
    std::vector<TPoint> corners_;
    PenRun current_;
};

}  // namespace

void WalkVectorPaths(const DisplayList& list, const std::function<void(const PenRun&)>& run,
                     const std::function<void(const FilledEllipse&)>& ellipse,
                     const std::function<void(const TextOutline&)>& text,
                     const std::function<void(const FilledPath&)>& fill) {
    Walker walker(run, ellipse, text, fill);
    for (const DisplayItem& item : list.Items) std::visit(walker, item);
    walker.Flush();
}

}  // namespace sp
