#include "ui/definition/TickDiagram.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "scale/drawing/TextPlacement.h"
#include "text/TextLayout.h"

namespace sp {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A point at `angle` degrees (counter-clockwise from the right) and radius
// `r`, in a y-down frame with the pivot at the origin.
QPointF Polar(double angle, double r) {
    const double a = angle * kPi / 180.0;
    return {r * std::cos(a), -r * std::sin(a)};
}

// As the definition's M, N and S lines draw them: twice, once and half the
// segment length.
double TickLength(TickKind kind, const TickRoom& room) {
    const double major = static_cast<double>(room.tickLengthMm);
    return kind == TickKind::Major ? major : kind == TickKind::Medium ? major / 2 : major / 4;
}

QPainterPath PathOf(const TextOutline& outline) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const OutlineOp& op : outline.ops) {
        const auto at = [&](int k) { return QPointF(op.p[k].x, op.p[k].y); };
        switch (op.kind) {
            case OutlineOp::Kind::MoveTo: path.moveTo(at(0)); break;
            case OutlineOp::Kind::LineTo: path.lineTo(at(0)); break;
            case OutlineOp::Kind::CurveTo: path.cubicTo(at(0), at(1), at(2)); break;
            case OutlineOp::Kind::Close: path.closeSubpath(); break;
        }
    }
    return path;
}

}  // namespace

TTickDiagram::TTickDiagram(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void TTickDiagram::SetScale(long double leftAngle, long double rightAngle, std::vector<GeneratedTick> ticks,
                            const TickRoom& room) {
    left_ = leftAngle;
    right_ = rightAngle;
    ticks_ = std::move(ticks);
    room_ = room;
    stale_ = false;
    update();
}

void TTickDiagram::SetStale() {
    stale_ = true;
    update();
}

// Everything in millimetres of the plate: the arc, the ticks, and the
// numbers as outlines of the plate's font placed by the drawing's rule.
void TTickDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = static_cast<double>(left_), right = static_cast<double>(right_);
    const double radius = static_cast<double>(room_.radiusMm);
    if (!std::isfinite(left) || !std::isfinite(right) || !(radius > 0)) return;

    QPainterPath arc(Polar(left, radius));
    const double span = std::clamp(right - left, -360.0, 360.0);
    for (int i = 1; i <= 180; ++i) arc.lineTo(Polar(left + span * i / 180.0, radius));
    QPainterPath strokes, numbers;
    const TextFont font(room_.font);
    TextStyle style;
    style.height = static_cast<double>(room_.textHeightMm);
    style.inside = room_.inside;
    style.radial = room_.radial;
    style.gap = static_cast<double>(room_.numberGapMm);
    for (const GeneratedTick& t : ticks_) {
        const double a = static_cast<double>(t.angle), length = TickLength(t.kind, room_);
        strokes.moveTo(Polar(a, radius));
        strokes.lineTo(Polar(a, radius + length));
        if (t.label.empty()) continue;
        const double width = font.Width(t.label, style.height);
        const QPointF at = Polar(a, static_cast<double>(NumberDistance(radius, length, a, width, style)));
        numbers.addPath(PathOf(font.Layout(t.label, {at.x(), at.y(), style.height, style.radial ? a - 90.0 : 0.0})));
    }

    // Fit what is drawn into the widget, aspect kept.
    const QRectF box = arc.boundingRect().united(strokes.boundingRect()).united(numbers.boundingRect());
    const QRectF room = QRectF(rect()).adjusted(8, 8, -8, -8);
    const double scale = std::min(room.width() / std::max(box.width(), 1e-9), room.height() / std::max(box.height(), 1e-9));
    p.translate(room.center());
    p.scale(scale, scale);
    p.translate(-box.center());

    const QColor ink = stale_ ? QColor(190, 190, 190) : QColor(Qt::black);
    QPen pen(stale_ ? ink : QColor(150, 150, 150), 1.0);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawPath(arc);
    pen.setColor(ink);
    p.setPen(pen);
    p.drawPath(strokes);
    p.fillPath(numbers, ink);
}

}  // namespace sp
