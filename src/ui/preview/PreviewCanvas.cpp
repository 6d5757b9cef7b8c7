#include "ui/preview/PreviewCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "scale/drawing/VectorPaths.h"
#include "ui/preview/PreviewJob.h"

namespace sp {

namespace {

QColor Colour(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

const QColor Background(0x9a, 0x9a, 0x9a);
const QColor Outline(0x60, 0x60, 0x60);
constexpr double ZoomStep = 1.25, MaxZoom = 32;

// The grid's pixels onto the device, with the mirror of the saved picture.
QTransform GridToDevice(const DisplayList& list, QPointF origin, double zoom) {
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(zoom, zoom);
    if (list.Mirrored) t = QTransform(-1, 0, 0, 1, list.Width, 0) * t;
    return t;
}

}  // namespace

namespace {

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

// The vector writers' runs, ellipses and text, in the list's order, so the preview
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
        // Zones, edges and coloured texts: without them a plate would show
        // (and print) with its fills missing.
        [&](const FilledPath& f) {
            QPainterPath path = TextPath(*f.path);
            path.setFillRule(f.evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
            painter.fillPath(path, Colour(f.color));
        });
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

TPreviewCanvas::TPreviewCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("pbxPreview");
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(100, 100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TPreviewCanvas::SetList(std::shared_ptr<const DisplayList> list, QImage raster, QImage sheet) {
    sheet_ = std::move(sheet);
    const bool resized = !list_ || list_->Width != list->Width || list_->Height != list->Height;
    list_ = std::move(list);
    raster_ = std::move(raster);
    if (resized || fitted_) Fit();
    update();
    if (rasterMissing()) emit RasterWanted();
}

bool TPreviewCanvas::rasterMissing() const {
    return WantsRaster() && raster_.isNull() && list_ &&
           std::int64_t{list_->Width} * list_->Height <= PreviewMaxRasterPixels;
}

void TPreviewCanvas::SetFaded(bool faded) {
    if (faded != faded_) update();
    faded_ = faded;
}

void TPreviewCanvas::SetStale(bool stale) {
    if (stale != stale_) update();
    stale_ = stale;
}

void TPreviewCanvas::Fit() {
    fitted_ = true;
    if (!list_ || list_->Width <= 0 || list_->Height <= 0) return;
    const QSize box = FitSize();
    zoom_ = std::min(double(box.width()) / list_->Width, double(box.height()) / list_->Height);
    origin_ = QPointF((width() - zoom_ * list_->Width) / 2, (height() - zoom_ * list_->Height) / 2);
    update();
}

QSize TPreviewCanvas::FitSize() const {
    constexpr int margin = 8;
    return QSize(std::max(1, width() - 2 * margin), std::max(1, height() - 2 * margin));
}

void TPreviewCanvas::paintSheet(QPainter& p) const {
    const QRectF sheet(origin_, QSizeF(zoom_ * list_->Width, zoom_ * list_->Height));
    p.fillRect(sheet, Qt::white);
    if (ShowsRaster()) {
        // The saved picture's own pixels, each a square of whole screen pixels.
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(sheet, raster_);
    } else if (!sheet_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(sheet, sheet_);
    } else {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(GridToDevice(*list_, origin_, zoom_), true);
        PaintDisplayList(p, *list_, 1 / zoom_);
        p.restore();
    }
    p.setPen(QPen(Outline, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(-0.5, -0.5, 0.5, 0.5));
}

void TPreviewCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Background);
    if (list_) paintSheet(p);
    if (faded_ || stale_) p.fillRect(rect(), QColor(255, 255, 255, faded_ ? 170 : 90));
    if (stale_) {
        p.setPen(Qt::black);
        p.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignTop | Qt::AlignRight, "Prekresľuje sa…");
    }
    p.end();
    emit Painted();
}

void TPreviewCanvas::resizeEvent(QResizeEvent*) {
    if (fitted_) Fit();
}

// Below 1:1 each notch zooms by ZoomStep; from 1:1 on, by whole screen
// pixels per picture pixel, so the exact pixels stay squares of equal size.
void TPreviewCanvas::zoomAt(QPointF at, bool in) {
    if (!list_) return;
    double zoom;
    if (zoom_ >= 1 && in) zoom = std::min(MaxZoom, std::floor(zoom_) + 1);
    else if (zoom_ > 1 && !in) zoom = std::ceil(zoom_) - 1;
    else zoom = std::clamp(in ? zoom_ * ZoomStep : zoom_ / ZoomStep, 0.01, 1.0);
    const QPointF grid = (at - origin_) / zoom_;
    origin_ = at - grid * zoom;
    if (zoom >= 1) origin_ = QPointF(std::round(origin_.x()), std::round(origin_.y()));
    zoom_ = zoom;
    fitted_ = false;
    update();
    if (rasterMissing()) emit RasterWanted();
}

void TPreviewCanvas::wheelEvent(QWheelEvent* event) {
    const int dy = event->angleDelta().y();
    if (dy != 0) zoomAt(event->position(), dy > 0);
    event->accept();
}

void TPreviewCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void TPreviewCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    QPointF delta = event->position() - dragFrom_;
    if (zoom_ >= 1) delta = QPointF(std::round(delta.x()), std::round(delta.y()));
    origin_ += delta;
    dragFrom_ += delta;
    fitted_ = false;
    update();
}

void TPreviewCanvas::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
    unsetCursor();
}

void TPreviewCanvas::mouseDoubleClickEvent(QMouseEvent*) { Fit(); }

}  // namespace sp
