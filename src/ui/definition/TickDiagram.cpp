#include "ui/definition/TickDiagram.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace sp {

namespace {

// In units of the arc's radius: where the ticks end and the numbers stand.
constexpr double kMajor = 0.14, kMedium = 0.09, kMinor = 0.05, kNumbers = 1.26;
constexpr double kPi = 3.14159265358979323846;

// A point at `angle` degrees (counter-clockwise from the right) and radius
// `r`, in a y-down frame with the pivot at the origin.
QPointF Polar(double angle, double r) {
    const double a = angle * kPi / 180.0;
    return {r * std::cos(a), -r * std::sin(a)};
}

double TickLength(TickKind kind) {
    return kind == TickKind::Major ? kMajor : kind == TickKind::Medium ? kMedium : kMinor;
}

// The box around the arc with room for the ticks and numbers. The pivot is
// left out: on the usual 90 degree arc it would take half the room.
QRectF Bounds(double left, double right) {
    const double span = std::clamp(right - left, -360.0, 360.0);
    double x0 = Polar(left, 1.0).x(), x1 = x0, y0 = Polar(left, 1.0).y(), y1 = y0;
    for (int i = 0; i <= 96; ++i) {
        for (const double r : {1.0, kNumbers + 0.06}) {
            const QPointF p = Polar(left + span * i / 96.0, r);
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

}  // namespace

TTickDiagram::TTickDiagram(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void TTickDiagram::SetScale(long double leftAngle, long double rightAngle, std::vector<GeneratedTick> ticks) {
    left_ = leftAngle;
    right_ = rightAngle;
    ticks_ = std::move(ticks);
    stale_ = false;
    update();
}

void TTickDiagram::SetStale() {
    stale_ = true;
    update();
}

void TTickDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = static_cast<double>(left_), right = static_cast<double>(right_);
    if (!std::isfinite(left) || !std::isfinite(right)) return;

    // Fit the box into the widget, aspect kept, a margin for the numbers' width.
    const QRectF box = Bounds(left, right);
    const QRectF room = QRectF(rect()).adjusted(14, 8, -14, -8);
    const double scale = std::min(room.width() / std::max(box.width(), 1e-9), room.height() / std::max(box.height(), 1e-9));
    p.translate(room.center());
    p.scale(scale, scale);
    p.translate(-box.center());

    const QColor ink = stale_ ? QColor(190, 190, 190) : QColor(Qt::black);
    QPen pen(stale_ ? ink : QColor(150, 150, 150), 1.0);
    pen.setCosmetic(true);
    p.setPen(pen);
    QPainterPath arc(Polar(left, 1.0));
    const double span = std::clamp(right - left, -360.0, 360.0);
    for (int i = 1; i <= 180; ++i) arc.lineTo(Polar(left + span * i / 180.0, 1.0));
    p.drawPath(arc);
    p.drawEllipse(QPointF(0, 0), 2.0 / scale, 2.0 / scale);  // the pivot, when in sight

    QFont font = p.font();
    font.setPixelSize(10);
    const QFontMetricsF metrics(font);
    for (const GeneratedTick& t : ticks_) {
        const double a = static_cast<double>(t.angle);
        pen.setColor(ink);
        pen.setWidthF(t.kind == TickKind::Major ? 2.0 : 1.0);
        p.setPen(pen);
        p.drawLine(Polar(a, 1.0), Polar(a, 1.0 + TickLength(t.kind)));
        if (t.label.empty()) continue;
        // The number upright at its place, in pixels rather than arc units.
        const QPointF at = p.transform().map(Polar(a, kNumbers));
        p.save();
        p.resetTransform();
        p.setFont(font);
        const QString text = QString::fromStdString(t.label);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.capHeight());
        p.drawText(QPointF(at.x() - size.width() / 2, at.y() + size.height() / 2), text);
        p.restore();
    }
}

}  // namespace sp
