// The generator dialog's sketch of a scale: the arc from the left to the
// right angle and one stroke per generated tick (long for numbered, middle
// for medium, short for minor ticks) at their lengths on the plate, and the
// numbers in the plate's font, height and place, so that numbers that crowd
// on the plate crowd here too. Fitted to the widget; the picture itself is
// drawn by the scale drawing from the saved definition.
#pragma once

#include <QWidget>
#include <vector>

#include "scale/generator/DefinitionGenerator.h"

namespace sp {

class TTickDiagram : public QWidget {
    Q_OBJECT
public:
    explicit TTickDiagram(QWidget* parent = nullptr);

    // The arc in degrees, counter-clockwise from the right as the scale's
    // angles are, and the ticks on it.
    // `room`: the radius, tick length and the numbers as the plate has them.
    void SetScale(long double leftAngle, long double rightAngle, std::vector<GeneratedTick> ticks, const TickRoom& room);
    // Keeps the last scale but greys it: the values typed since are refused.
    void SetStale();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    long double left_ = 135, right_ = 45;
    std::vector<GeneratedTick> ticks_;
    TickRoom room_;
    bool stale_ = false;
};

}  // namespace sp
