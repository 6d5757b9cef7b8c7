#include "scale/generator/MeterLaw.h"

#include <algorithm>
#include <cmath>

#include "scale/generator/ValueText.h"
#include "scale/input/ScaleInputError.h"

namespace sp {

namespace {

const std::pair<Law, const char*> kNames[] = {
    {Law::Linear, "linear"},        {Law::Power, "power"},         {Law::Log, "log"},       {Law::Db, "db"},
    {Law::OhmSeries, "ohm-series"}, {Law::OhmShunt, "ohm-shunt"}, {Law::Points, "points"},
};

[[noreturn]] void Refuse(const std::string& sentence) { throw EScaleInput(sentence); }

std::string Shown(long double v) { return ValueLabel(v, false, false); }

bool Rising(const std::vector<CalibrationPoint>& p, long double CalibrationPoint::*field) {
    for (std::size_t k = 1; k < p.size(); ++k)
        if (!(p[k].*field > p[k - 1].*field)) return false;
    return true;
}

bool Falling(const std::vector<CalibrationPoint>& p, long double CalibrationPoint::*field) {
    for (std::size_t k = 1; k < p.size(); ++k)
        if (!(p[k].*field < p[k - 1].*field)) return false;
    return true;
}

}  // namespace

std::string LawName(Law law) {
    for (const auto& [l, name] : kNames)
        if (l == law) return name;
    return {};
}

std::optional<Law> LawOfName(const std::string& name) {
    for (const auto& [l, n] : kNames)
        if (name == n) return l;
    return std::nullopt;
}

MeterLaw::MeterLaw(const LawInput& in) : in_(in) {
    if (in_.from == in_.to) Refuse("Začiatok a koniec stupnice nesmú byť rovnaké.");
    if (in_.law != Law::Points && in_.leftAngle == in_.rightAngle)
        Refuse("Uhol vľavo a uhol vpravo nesmú byť rovnaké.");
    CheckValues();
    if (in_.law == Law::Points) PreparePoints();
}

void MeterLaw::CheckValues() const {
    const long double lo = std::min(in_.from, in_.to), hi = std::max(in_.from, in_.to);
    const bool ohms = in_.law == Law::OhmSeries || in_.law == Law::OhmShunt;
    if (std::isinf(lo) || (std::isinf(hi) && !ohms)) Refuse("Nekonečno môže byť len koncom stupnice ohmmetra.");
    switch (in_.law) {
        case Law::Log:
            if (lo <= 0) Refuse("Logaritmická stupnica nemôže obsahovať nulu ani záporné hodnoty.");
            break;
        case Law::Power: {
            const long double p = in_.exponent;
            if (p == 0) Refuse("Exponent nesmie byť 0.");
            if (p != std::nearbyint(p) && lo < 0)
                Refuse("Mocninová stupnica s neceločíselným exponentom nemôže obsahovať záporné hodnoty.");
            if (p < 0 && lo <= 0 && hi >= 0) Refuse("Mocninová stupnica so záporným exponentom nemôže obsahovať nulu.");
            if (std::pow(in_.from, p) == std::pow(in_.to, p))
                Refuse("Mocninová stupnica má na začiatku a na konci rovnakú výchylku.");
            break;
        }
        case Law::OhmSeries:
        case Law::OhmShunt:
            if (!(in_.center > 0)) Refuse("Ohmmeter potrebuje strednú hodnotu väčšiu ako 0.");
            if (lo < 0) Refuse("Ohmmeter nemôže mať záporné hodnoty.");
            break;
        default:
            break;
    }
}

void MeterLaw::PreparePoints() {
    std::vector<CalibrationPoint> p = in_.points;
    if (p.size() < 3) Refuse("Kalibračné body musia byť aspoň tri.");
    const bool valuesUp = Rising(p, &CalibrationPoint::value);
    if (!valuesUp && !Falling(p, &CalibrationPoint::value))
        Refuse("Hodnoty kalibračných bodov musia rásť alebo klesať, bez opakovania.");
    if (!valuesUp) std::reverse(p.begin(), p.end());
    if (!Rising(p, &CalibrationPoint::angle) && !Falling(p, &CalibrationPoint::angle))
        Refuse("Uhly kalibračných bodov musia rásť alebo klesať spolu s hodnotami, bez opakovania.");
    for (const long double v : {in_.from, in_.to})
        if (v < p.front().value || v > p.back().value)
            Refuse("Hodnota " + Shown(v) + " leží mimo rozsahu kalibračných bodov (" + Shown(p.front().value) +
                   " až " + Shown(p.back().value) + ").");
    std::vector<long double> xs, ys;
    for (const CalibrationPoint& c : p) {
        xs.push_back(c.value);
        ys.push_back(c.angle);
    }
    curve_.emplace(std::move(xs), std::move(ys));
}

long double MeterLaw::Deflection(long double v) const {
    const long double a = in_.from, b = in_.to;
    switch (in_.law) {
        case Law::Linear:
            return (v - a) / (b - a);
        case Law::Power: {
            const long double p = in_.exponent;
            return (std::pow(v, p) - std::pow(a, p)) / (std::pow(b, p) - std::pow(a, p));
        }
        case Law::Log:
            return std::log(v / a) / std::log(b / a);
        case Law::Db:
            return std::pow(10.0L, (v - b) / 20);
        case Law::OhmSeries:
            return in_.center / (in_.center + v);
        case Law::OhmShunt:
            return std::isinf(v) ? 1 : v / (v + in_.center);
        case Law::Points:
            break;
    }
    return 0;
}

long double MeterLaw::Angle(long double v) const {
    if (curve_) return (*curve_)(v);
    return in_.leftAngle + (in_.rightAngle - in_.leftAngle) * Deflection(v);
}

}  // namespace sp
