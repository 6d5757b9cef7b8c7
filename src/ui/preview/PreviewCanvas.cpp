#include "ui/preview/PreviewCanvas.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/preview/PlatePainter.h"
#include "ui/preview/PreviewLimits.h"

namespace sp {

namespace {

const QColor Background(0x9a, 0x9a, 0x9a);
const QColor Outline(0x60, 0x60, 0x60);
constexpr double ZoomStep = 1.25, MaxZoom = 32;

}  // namespace

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

void TPreviewCanvas::SetMarks(std::vector<Box> marks) {
    marks_ = std::move(marks);
    update();
}

// Each colliding text framed in red, a little larger than its box so the
// frame does not hide the text.
void TPreviewCanvas::paintMarks(QPainter& p) const {
    if (marks_.empty() || !list_) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QTransform t = GridToDevice(*list_, origin_, zoom_);
    p.setPen(QPen(QColor(220, 0, 0), 2));
    p.setBrush(QColor(255, 0, 0, 40));
    for (const Box& b : marks_) {
        QPolygonF poly;
        for (const OutlinePoint& q : b.p) poly << t.map(QPointF(q.x, q.y));
        const QPointF c = (poly[0] + poly[2]) / 2;
        for (QPointF& q : poly) q += (q - c) * (3 / std::max(1.0, QLineF(c, q).length()));
        p.drawPolygon(poly);
    }
    p.restore();
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
    paintMarks(p);
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
