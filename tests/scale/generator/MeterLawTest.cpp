// The meter laws and the monotone interpolation against values worked out
// by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scale/generator/MeterLaw.h"
#include "scale/generator/Pchip.h"
#include "scale/input/ScaleInputError.h"

using namespace sp;

namespace {

LawInput Input(Law law, long double from, long double to) {
    LawInput in;
    in.law = law;
    in.from = from;
    in.to = to;
    in.leftAngle = 135;
    in.rightAngle = 45;
    return in;
}

double AngleOf(const LawInput& in, long double v) { return static_cast<double>(MeterLaw(in).Angle(v)); }

std::string Refusal(const LawInput& in) {
    try {
        MeterLaw law(in);
    } catch (const EScaleInput& e) {
        return e.what();
    }
    return "(accepted)";
}

}  // namespace

TEST(MeterLaw, LinearVoltmeter) {
    const LawInput in = Input(Law::Linear, 0, 10);
    EXPECT_DOUBLE_EQ(AngleOf(in, 0), 135);
    EXPECT_DOUBLE_EQ(AngleOf(in, 5), 90);  // half of 135..45
    EXPECT_DOUBLE_EQ(AngleOf(in, 2.5L), 112.5);
    EXPECT_DOUBLE_EQ(AngleOf(in, 10), 45);
    EXPECT_DOUBLE_EQ(AngleOf(Input(Law::Linear, 10, 0), 10), 135);  // the left end's value may be the larger
}

TEST(MeterLaw, PowerLogDecibelOhm) {
    LawInput square = Input(Law::Power, 0, 10);
    square.exponent = 2;
    EXPECT_DOUBLE_EQ(AngleOf(square, 5), 112.5);  // 25 / 100 of the deflection
    EXPECT_NEAR(AngleOf(square, std::sqrt(50.0L)), 90, 1e-12);

    const LawInput log = Input(Law::Log, 1, 100);
    EXPECT_NEAR(AngleOf(log, 10), 90, 1e-12);  // the middle angle
    EXPECT_NEAR(AngleOf(log, 1), 135, 1e-12);
    EXPECT_NEAR(AngleOf(log, 100), 45, 1e-12);

    // VU: full scale +3, 0 VU at 10^(-3/20) = 0.7079458 of the deflection,
    // 135 - 90 x 0.7079458 = 71.28488 degrees; -20 at 10^(-23/20) = 0.0707946.
    const LawInput vu = Input(Law::Db, -20, 3);
    EXPECT_NEAR(AngleOf(vu, 0), 71.28488, 1e-5);
    EXPECT_NEAR((135 - AngleOf(vu, 0)) / 90, 0.708, 5e-4);
    EXPECT_NEAR(AngleOf(vu, -20), 135 - 90 * 0.0707946, 1e-5);
    EXPECT_NEAR(AngleOf(vu, 3), 45, 1e-12);

    LawInput series = Input(Law::OhmSeries, 0, 10000);
    series.center = 500;
    EXPECT_DOUBLE_EQ(AngleOf(series, 0), 45);  // 0 ohm at full deflection
    EXPECT_DOUBLE_EQ(AngleOf(series, 500), 90);
    EXPECT_DOUBLE_EQ(AngleOf(series, 1500), 112.5);  // 500 / 2000
    LawInput shunt = series;
    shunt.law = Law::OhmShunt;
    EXPECT_DOUBLE_EQ(AngleOf(shunt, 0), 135);
    EXPECT_DOUBLE_EQ(AngleOf(shunt, 1500), 67.5);  // 1500 / 2000
}

TEST(MeterLaw, CalibrationPointsOnALineGiveLinearAngles) {
    LawInput in = Input(Law::Points, 0, 10);
    in.points = {{0, 135}, {3, 108}, {7, 72}, {10, 45}};  // 9 degrees per unit, unevenly measured
    const MeterLaw law(in);
    for (int k = 0; k <= 100; ++k) {
        const long double v = k / 10.0L;
        EXPECT_NEAR(static_cast<double>(law.Angle(v)), static_cast<double>(135 - 9 * v), 1e-12) << k;
    }
    in.points = {{10, 45}, {7, 72}, {3, 108}, {0, 135}};  // given from the top: the same curve
    EXPECT_NEAR(static_cast<double>(MeterLaw(in).Angle(5)), 90, 1e-12);
}

TEST(Pchip, HandWorkedCurve) {
    // (0,0) (1,1) (2,4): secants 1 and 3; inner slope 6 / (3/1 + 3/3) = 1.5;
    // end slopes (3x1 - 3)/2 = 0 and (3x3 - 1)/2 = 4.
    const Pchip p({0, 1, 2}, {0, 1, 4});
    EXPECT_NEAR(static_cast<double>(p(0.5L)), 0.3125, 1e-15);
    EXPECT_NEAR(static_cast<double>(p(1.5L)), 2.1875, 1e-15);
    EXPECT_EQ(p(1), 1);
    EXPECT_EQ(p(2), 4);
}

// Intervals of different lengths weigh the inner slopes and the end
// formula; the values are the exact fractions of the textbook curve
// (Fritsch-Butland slopes, three-point ends) worked out in rational numbers.
TEST(Pchip, UnevenIntervalsMatchTheReferenceCurve) {
    const Pchip p({0, 1, 3, 4}, {0, 2, 3, 6});
    const struct {
        long double x, y;
    } rows[] = {{0.5L, 135.0L / 112}, {2, 2015.0L / 812}, {3.5L, 5759.0L / 1392}, {3, 3}};
    for (const auto& r : rows) EXPECT_NEAR(static_cast<double>(p(r.x)), static_cast<double>(r.y), 1e-15) << static_cast<double>(r.x);
}

TEST(Pchip, NeverOvershootsMonotonePoints) {
    const std::vector<long double> xs{0, 1, 2, 3, 4, 6}, ys{0, 0.1L, 0.2L, 5, 5.1L, 5.1L};
    const Pchip p(xs, ys);
    long double prev = -1;
    for (int k = 0; k <= 600; ++k) {
        const long double x = k / 100.0L, y = p(x);
        EXPECT_GE(y, prev - 1e-15L) << "falls at " << static_cast<double>(x);
        const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin()), xs.size() - 1);
        EXPECT_GE(y, ys[i - 1] - 1e-15L) << static_cast<double>(x);
        EXPECT_LE(y, ys[i] + 1e-15L) << static_cast<double>(x);
        prev = y;
    }
}

TEST(MeterLaw, RefusalsNameTheProblem) {
    EXPECT_EQ(Refusal(Input(Law::Linear, 5, 5)), "Začiatok a koniec stupnice nesmú byť rovnaké.");
    LawInput flat = Input(Law::Linear, 0, 10);
    flat.rightAngle = 135;
    EXPECT_EQ(Refusal(flat), "Uhol vľavo a uhol vpravo nesmú byť rovnaké.");
    EXPECT_EQ(Refusal(Input(Law::Log, 0, 100)), "Logaritmická stupnica nemôže obsahovať nulu ani záporné hodnoty.");
    EXPECT_EQ(Refusal(Input(Law::Log, -10, -1)), "Logaritmická stupnica nemôže obsahovať nulu ani záporné hodnoty.");
    LawInput power = Input(Law::Power, 0, 10);
    power.exponent = 0;
    EXPECT_EQ(Refusal(power), "Exponent nesmie byť 0.");
    power.exponent = 0.5L;
    power.from = -1;
    EXPECT_EQ(Refusal(power), "Mocninová stupnica s neceločíselným exponentom nemôže obsahovať záporné hodnoty.");
    power.exponent = 2;
    power.to = 1;
    EXPECT_EQ(Refusal(power), "Mocninová stupnica má na začiatku a na konci rovnakú výchylku.");
    LawInput ohm = Input(Law::OhmSeries, 0, 1000);
    EXPECT_EQ(Refusal(ohm), "Ohmmeter potrebuje strednú hodnotu väčšiu ako 0.");
    ohm.center = 10;
    ohm.from = -5;
    EXPECT_EQ(Refusal(ohm), "Ohmmeter nemôže mať záporné hodnoty.");

    LawInput pts = Input(Law::Points, 0, 10);
    pts.points = {{0, 135}, {10, 45}};
    EXPECT_EQ(Refusal(pts), "Kalibračné body musia byť aspoň tri.");
    pts.points = {{0, 135}, {5, 90}, {3, 100}, {10, 45}};
    EXPECT_EQ(Refusal(pts), "Hodnoty kalibračných bodov musia rásť alebo klesať, bez opakovania.");
    pts.points = {{0, 135}, {5, 90}, {5, 80}, {10, 45}};
    EXPECT_EQ(Refusal(pts), "Hodnoty kalibračných bodov musia rásť alebo klesať, bez opakovania.");
    pts.points = {{0, 135}, {5, 90}, {10, 95}};
    EXPECT_EQ(Refusal(pts), "Uhly kalibračných bodov musia rásť alebo klesať spolu s hodnotami, bez opakovania.");
    pts.points = {{0, 135}, {5, 90}, {10, 45}};
    pts.to = 12.5L;
    EXPECT_EQ(Refusal(pts), "Hodnota 12,5 leží mimo rozsahu kalibračných bodov (0 až 10).");
    pts.to = 10;
    pts.from = -0.5L;
    EXPECT_EQ(Refusal(pts), "Hodnota -0,5 leží mimo rozsahu kalibračných bodov (0 až 10).");
}
