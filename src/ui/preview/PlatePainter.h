// A display list painted with Qt: the strokes, ellipses and glyph outlines the
// vector files hold, anti-aliased, for the preview and the save dialog.
#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QTransform>

#include "scale/drawing/DisplayList.h"

class QPainter;

namespace sp {

// The grid's pixels onto the device: the picture's top-left corner at
// `origin`, `zoom` device pixels per grid pixel, with the mirror of the saved picture.
QTransform GridToDevice(const DisplayList& list, QPointF origin, double zoom);

// Paints `list` with `painter`, whose transform maps grid pixels to the
// device; strokes are at least `minWidth` grid pixels wide.
void PaintDisplayList(QPainter& painter, const DisplayList& list, double minWidth = 0);

// The whole plate on a white sheet, fitted into `size` (for the save dialog).
QImage PlateImage(const DisplayList& list, QSize size);

}  // namespace sp
