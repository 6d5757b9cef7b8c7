// The standard dial marks, each drawn in a square of side 1 centred on the
// origin (y up), with one stroke width for the whole set, so a row of marks
// reads as one family. Every part keeps half a stroke clear of the square's
// edge. The pictures follow the usual practice of instrument dials: a
// permanent magnet is a horseshoe, a moving coil a small hollow rectangle,
// a fixed coil a circle, soft iron a solid bar.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "scale/marks/MarkGeometry.h"
#include "scale/marks/MarkPen.h"

namespace sp {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double W = MarkPen::W;

// The moving-coil mechanism, `k` times the full mark, centred on `c`: a
// horseshoe magnet opening downwards (a half circle with straight legs) and
// the coil, an upright hollow rectangle, between its legs.
void MovingCoil(MarkPen& pen, MarkPoint c, double k) {
    const double r = 0.36 * k, top = c.y + 0.02 * k, foot = c.y - 0.42 * k;
    std::vector<MarkPoint> magnet{{c.x + r, foot}};
    for (const MarkPoint& p : pen.Arc({c.x, top}, r, 0, 180)) magnet.push_back(p);
    magnet.push_back({c.x - r, foot});
    pen.Line(magnet, MarkCap::Butt);
    const double hw = 0.12 * k;
    pen.Closed({{c.x - hw, c.y - 0.22 * k}, {c.x + hw, c.y - 0.22 * k}, {c.x + hw, c.y + 0.14 * k},
                {c.x - hw, c.y + 0.14 * k}});
}

// The moving coil small on the left, room for what feeds it on the right.
constexpr MarkPoint SmallCoil{-0.2, 0};
constexpr double SmallCoilScale = 0.66;

// A rectifier (diode) standing upright on the right: a solid triangle
// pointing up to a bar, with its two leads.
void Rectifier(MarkPen& pen) {
    const double x = 0.31, half = 0.14, base = -0.14, tip = 0.1;
    pen.Line({{x, -0.36}, {x, base}}, MarkCap::Butt);
    pen.Fill({{x - half, base}, {x + half, base}, {x, tip}});
    pen.Line({{x - half, tip + W / 2}, {x + half, tip + W / 2}}, MarkCap::Butt);
    pen.Line({{x, tip + W}, {x, 0.36}}, MarkCap::Butt);
}

// A thermal converter on the right: the heater, a horizontal wire, touched
// from below by the tip of the thermocouple's V, whose two arms are two
// different metals, one drawn thin and one thick.
void ThermalConverter(MarkPen& pen) {
    const double left = 0.14, right = 0.47, y = 0.2;
    const MarkPoint tip{(left + right) / 2, y}, thin{0.16, -0.26}, thick{0.42, -0.26};
    pen.Line({{left, y}, {right, y}}, MarkCap::Butt);
    pen.Line({thin, tip});
    const double dx = thick.x - tip.x, dy = thick.y - tip.y, len = std::hypot(dx, dy);
    const double nx = -dy / len * 0.8 * W, ny = dx / len * 0.8 * W;  // twice as thick as the thin arm, a bit less
    pen.Fill({{tip.x - nx, tip.y - ny}, {thick.x - nx, thick.y - ny}, {thick.x + nx, thick.y + ny},
              {tip.x + nx, tip.y + ny}});
}

// One period of a sine, `amplitude` high, around the line y = `y`.
std::vector<MarkPoint> Sine(double y, double amplitude) {
    std::vector<MarkPoint> points;
    constexpr int Steps = 96;
    for (int i = 0; i <= Steps; ++i) {
        const double t = static_cast<double>(i) / Steps;
        points.push_back({-0.4 + 0.8 * t, y + amplitude * std::sin(2 * Pi * t)});
    }
    return points;
}

// The star of the insulation test: a five-pointed star outline, a little
// plump so a digit fits inside, with the test voltage in kV as its digit
// (none for 500 V, 0 for an instrument not tested).
void TestVoltage(MarkPen& pen, const DialMark& mark) {
    const double r = 0.44, inner = 0.5 * r;
    // Top point at r, the two lower points at -r cos 36 degrees: centred.
    const MarkPoint c{0, -(r - r * std::cos(Pi / 5)) / 2};
    std::vector<MarkPoint> star;
    for (int i = 0; i < 10; ++i) {
        const double a = Pi / 2 + i * Pi / 5, rr = i % 2 == 0 ? r : inner;
        star.push_back({c.x + rr * std::cos(a), c.y + rr * std::sin(a)});
    }
    pen.Closed(star);
    if (mark.kv) pen.Text(std::to_string(*mark.kv), c, 0.2, 0.2);
}

// The dial inclined: an angle sign (a horizontal leg, a leg at the angle
// and the arc between them) and the angle in degrees beside it.
void Inclined(MarkPen& pen, int angle) {
    const MarkPoint v{-0.42, -0.3};
    const double a = angle * Pi / 180, arm = 0.56;
    pen.Line({{v.x + arm, v.y}, v, {v.x + arm * std::cos(a), v.y + arm * std::sin(a)}});
    pen.Line(pen.Arc(v, 0.26, 0, angle), MarkCap::Butt);
    pen.Text(std::to_string(angle) + "°", {0.22, 0.2}, 0.28, 0.5);
}

// Warning, see the instructions: a triangle on its base with an
// exclamation mark (a bar and a dot) inside.
void Warning(MarkPen& pen) {
    pen.Closed({{-0.44, -0.38}, {0.44, -0.38}, {0, 0.38}});
    pen.Line({{0, -0.06}, {0, 0.12}});
    pen.FillCircle({0, -0.21}, 0.05);
}

}  // namespace

MarkGeometry DrawMark(const DialMark& mark, const TextFont& font) {
    MarkPen pen(mark.size, font);
    switch (mark.symbol) {
        case MarkSymbol::MovingCoil: MovingCoil(pen, {0, 0}, 1); break;
        case MarkSymbol::MovingCoilRectifier:
            MovingCoil(pen, SmallCoil, SmallCoilScale);
            Rectifier(pen);
            break;
        case MarkSymbol::Thermal:
            MovingCoil(pen, SmallCoil, SmallCoilScale);
            ThermalConverter(pen);
            break;
        case MarkSymbol::MovingIron:  // the fixed coil and a slanted iron vane inside it
            pen.Circle({0, 0}, 0.4);
            pen.Fill({{-0.2, -0.29}, {-0.06, -0.29}, {0.2, 0.29}, {0.06, 0.29}});
            break;
        case MarkSymbol::Electrodynamic:  // the fixed coil and the moving coil inside it
            pen.Circle({0, 0}, 0.4);
            pen.Closed({{-0.11, -0.2}, {0.11, -0.2}, {0.11, 0.2}, {-0.11, 0.2}});
            break;
        case MarkSymbol::Dc: pen.Line({{-0.4, 0}, {0.4, 0}}); break;
        case MarkSymbol::Ac: pen.Line(Sine(0, 0.17)); break;
        case MarkSymbol::AcDc:  // the straight line over the sine
            pen.Line({{-0.4, 0.17}, {0.4, 0.17}});
            pen.Line(Sine(-0.12, 0.14));
            break;
        case MarkSymbol::Class:  // per cent of the reading when circled
            if (mark.circled) {
                pen.Circle({0, 0}, 0.45);
                pen.Text(ClassText(mark.classTenths), {0, 0}, 0.34, 0.58);
            } else {
                pen.Text(ClassText(mark.classTenths), {0, 0}, 0.5, 0.9);
            }
            break;
        case MarkSymbol::TestVoltage: TestVoltage(pen, mark); break;
        case MarkSymbol::Vertical: pen.Line({{-0.36, -0.38}, {0.36, -0.38}, {0, -0.38}, {0, 0.38}}); break;
        case MarkSymbol::Horizontal: pen.Line({{-0.4, 0.12}, {0.4, 0.12}, {0, 0.12}, {0, -0.14}}); break;
        case MarkSymbol::Inclined: Inclined(pen, mark.angle); break;
        case MarkSymbol::Warning: Warning(pen); break;
        case MarkSymbol::Text: {
            // Wider than the square where the text needs it.
            const double width = pen.Text(mark.text, {0, 0}, 0.5, 1e9);
            return pen.Take(std::max(1.0, width + 2 * W));
        }
    }
    return pen.Take();
}

std::vector<double> RowCentres(const std::vector<double>& widths, double gap) {
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0) +
                         gap * static_cast<double>(widths.empty() ? 0 : widths.size() - 1);
    std::vector<double> centres;
    double x = -total / 2;
    for (double w : widths) {
        centres.push_back(x + w / 2);
        x += w + gap;
    }
    return centres;
}

}  // namespace sp
