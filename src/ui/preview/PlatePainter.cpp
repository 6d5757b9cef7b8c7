#include "ui/preview/PlatePainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "scale/drawing/VectorPaths.h"

namespace sp {

namespace {

QColor Colour(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Glyph outlines as one path, filled by the non-zero rule as in the files.
QPainterPath TextPath(const TextOutline& t) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const OutlineOp& op : t.ops) {
        switch (op.kind) {
            case OutlineOp::Kind::MoveTo: path.moveTo(op.p[0].x, op.p[0].y); break;
            case OutlineOp::Kind::LineTo: path.lineTo(op.p[0].x, op.p[0].y); break;
            case OutlineOp::Kind::CurveTo:
                path.cubicTo(op.p[0].x, op.p[0].y, op.p[1].x, op.p[1].y, op.p[2].x, op.p[2].y);
                break;
            case OutlineOp::Kind::Close: path.closeSubpath(); break;
        }
    }
    return path;
}

}  // namespace

// The vector writers' runs, ellipses, text and filled paths (in colour), in the list's order, so the preview
// strokes what the SVG and PDF files hold.
void PaintDisplayList(QPainter& painter, const DisplayList& list, double minWidth) {
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    WalkVectorPaths(
        list,
        [&](const PenRun& run) {
            if (run.points.empty()) return;
            QPainterPath path(QPointF(run.points[0].x, run.points[0].y));
            for (std::size_t i = 1; i < run.points.size(); ++i) path.lineTo(run.points[i].x, run.points[i].y);
            pen.setColor(Colour(run.color));
            pen.setWidthF(std::max(run.width, minWidth));
            painter.strokePath(path, pen);
        },
        [&](const FilledEllipse& e) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Colour(e.color));
            painter.drawEllipse(QPointF(e.centre.x, e.centre.y), e.rx, e.ry);
        },
        [&](const TextOutline& t) { painter.fillPath(TextPath(t), Qt::black); },
        [&](const FilledPath& f) {
            QPainterPath path = TextPath(*f.path);
            path.setFillRule(f.evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
            painter.fillPath(path, Colour(f.color));
        });
}

QTransform GridToDevice(const DisplayList& list, QPointF origin, double zoom) {
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(zoom, zoom);
    if (list.Mirrored) t = QTransform(-1, 0, 0, 1, list.Width, 0) * t;
    return t;
}

QImage PlateImage(const DisplayList& list, QSize size) {
    if (list.Width <= 0 || list.Height <= 0 || size.isEmpty()) return {};
    const QSize fitted = QSize(list.Width, list.Height).scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QImage image(fitted, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double zoom = double(fitted.width()) / list.Width;
    p.setTransform(GridToDevice(list, {0, 0}, zoom));
    PaintDisplayList(p, list, 1 / zoom);
    return image;
}

}  // namespace sp
