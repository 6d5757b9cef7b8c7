// The picture part of the preview panel: the plate as a white sheet on a
// neutral background, the scale's drawing calls stroked anti-aliased, and at
// 1:1 or closer the exact raster pixels of the saved picture. The wheel zooms
// around the pointer, dragging pans, a double click fits the plate again.
// It takes no keyboard focus: the window's Tab chain stays as it was.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QWidget>
#include <memory>
#include <vector>

#include "scale/drawing/DisplayList.h"
#include "scale/drawing/TextBoxes.h"

class QLabel;

namespace sp {

class TPreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewCanvas(QWidget* parent);

    // A new picture; the view stays where it is unless the plate's size changed.
    // `sheet`, when given, is the picture painted to fit the view: it is
    // shown in place of stroking every call (scaled when zoomed below 1:1).
    void SetList(std::shared_ptr<const DisplayList> list, QImage raster, QImage sheet = {});
    // Texts to mark in red on the picture (grid pixels, before the mirror).
    void SetMarks(std::vector<Box> marks);
    const std::vector<Box>& Marks() const { return marks_; }
    // The size the plate takes when fitted.
    QSize FitSize() const;
    // Faded behind a message or while a newer picture is being drawn.
    void SetFaded(bool faded);
    void SetStale(bool stale);
    const std::shared_ptr<const DisplayList>& List() const { return list_; }

    // Screen pixels per grid pixel.
    double Zoom() const { return zoom_; }
    // Where the picture's top-left corner lies on the widget.
    QPointF Origin() const { return origin_; }
    // True when the view is close enough for the exact raster pixels.
    bool WantsRaster() const { return zoom_ >= 1.0; }
    bool ShowsRaster() const { return WantsRaster() && !raster_.isNull(); }
    void Fit();

signals:
    // The view came to 1:1 or closer and has no raster picture yet.
    void RasterWanted();
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void zoomAt(QPointF at, bool in);
    void paintSheet(QPainter& p) const;
    void paintMarks(QPainter& p) const;
    bool rasterMissing() const;

    std::shared_ptr<const DisplayList> list_;
    QImage raster_, sheet_;
    std::vector<Box> marks_;
    double zoom_ = 1;
    QPointF origin_;  // where grid point (0, 0) lies on the widget
    bool fitted_ = true, faded_ = false, stale_ = false;
    QPointF dragFrom_;
    bool dragging_ = false;
};

}  // namespace sp
