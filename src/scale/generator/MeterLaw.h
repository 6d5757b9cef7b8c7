// How a meter's pointer deflects with the measured value: the laws of the
// common movements, and a movement measured at a few calibration points.
// Deflection 0 lies at the left angle, full deflection at the right angle.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scale/generator/Pchip.h"

namespace sp {

enum class Law { Linear, Power, Log, Db, OhmSeries, OhmShunt, Points };

// The law's name as the text form and the command line write it
// ("linear", "power", "log", "db", "ohm-series", "ohm-shunt", "points").
std::string LawName(Law law);
// The law of a name; nothing for an unknown one.
std::optional<Law> LawOfName(const std::string& name);

// A value measured on the user's movement and the angle the pointer showed.
struct CalibrationPoint {
    long double value = 0, angle = 0;
};

struct LawInput {
    Law law = Law::Linear;
    long double from = 0, to = 0;       // values at the ends of the scale
    long double exponent = 1;           // power law
    long double center = 0;             // ohmmeters: the value at half deflection
    std::vector<CalibrationPoint> points;  // calibrated movement
    long double leftAngle = 135, rightAngle = 45;  // degrees
};

class MeterLaw {
public:
    // Tests the input; throws EScaleInput with the sentence naming the
    // first problem found.
    explicit MeterLaw(const LawInput& in);

    // The angle in degrees at which value v lies; v between from and to.
    long double Angle(long double v) const;

    const LawInput& Input() const { return in_; }

private:
    long double Deflection(long double v) const;
    void CheckValues() const;
    void PreparePoints();

    LawInput in_;
    std::optional<Pchip> curve_;  // calibration points: angle over value
};

}  // namespace sp
