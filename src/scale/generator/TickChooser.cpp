#include "scale/generator/TickChooser.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scale/generator/ValueText.h"
#include "scale/input/ScaleInputError.h"

namespace sp {

namespace {

constexpr long double kTolerance = 1e-9L;  // of a step: multiples found through rounding noise
constexpr int kMaxSubdivisions = 9;        // ticks between two numbered ones
constexpr long double kDigitWidth = 0.9L;  // of the text height, a generous digit

class Chooser {
public:
    Chooser(const MeterLaw& law, const TickRoom& room) : law_(law), room_(room) {
        lo_ = std::min(law.Input().from, law.Input().to);
        hi_ = std::max(law.Input().from, law.Input().to);
        const long double range = hi_ - lo_;
        const int top = static_cast<int>(std::floor(std::log10(range))) + 1;
        for (int e = top - 5; e <= top; ++e)
            for (const long double m : {1.0L, 2.0L, 5.0L}) {
                const long double s = m * std::pow(10.0L, static_cast<long double>(e));
                if (s * static_cast<long double>(kMaxTicks) >= range && s <= range) steps_.push_back(s);
            }
    }

    long double lo_ = 0, hi_ = 0;

    // Arc distance in millimetres between the ticks of two values.
    long double Arc(long double a, long double b) const {
        return std::fabs(law_.Angle(a) - law_.Angle(b)) * std::numbers::pi_v<long double> / 180 * room_.radiusMm;
    }

    // Whether the numbers of two values fit side by side.
    bool NumbersFit(long double a, long double b) const {
        const long double need = (Width(a) + Width(b)) / 2 + room_.textHeightMm / 2;
        return Arc(a, b) >= need;
    }

    // The multiples of s strictly between a and b; stops after one more than
    // a scale may hold (so values so large that a step no longer changes
    // them cannot loop for ever).
    static std::vector<long double> Between(long double a, long double b, long double s) {
        std::vector<long double> v;
        for (long double k = std::floor(a / s + kTolerance) + 1; k * s < b - s * kTolerance; ++k) {
            if (v.size() > kMaxTicks || (!v.empty() && k * s <= v.back())) break;
            v.push_back(k * s);
        }
        return v;
    }

    // The numbered values. A linear scale keeps one step from end to end;
    // on other laws the step may change along the scale, but only at a value
    // numbered under both steps, so every number stays a multiple of the
    // step around it.
    std::vector<long double> ChooseNumbered() const {
        std::vector<long double> even = Uniform();
        if (law_.Input().law == Law::Linear) return even;
        // A law whose spacing is even enough (an exponent near 1, calibration
        // points on a near line) numbers as many values with one step.
        std::vector<long double> varying = Varying();
        return even.size() >= varying.size() ? even : varying;
    }

    // The smallest step whose numbers all have room beside their neighbours
    // between a and b; the pair with an end that is no multiple of the step
    // is left to DropBesideEnds. Empty when no step leaves room.
    std::vector<long double> EvenStretch(long double a, long double b, long double finest, bool aEnd, bool bEnd) const {
        for (const long double s : steps_) {
            if (s < finest * (1 - kTolerance)) continue;
            if ((!aEnd && !IsMultiple(a, s)) || (!bEnd && !IsMultiple(b, s))) continue;
            const std::vector<long double> inside = Between(a, b, s);
            if (inside.empty() || inside.size() > kMaxTicks) continue;
            bool fits = !IsMultiple(a, s) || NumbersFit(a, inside.front());
            fits = fits && (!IsMultiple(b, s) || NumbersFit(inside.back(), b));
            for (std::size_t k = 1; fits && k < inside.size(); ++k) fits = NumbersFit(inside[k - 1], inside[k]);
            if (fits) return inside;
        }
        return {};
    }

    std::vector<long double> Uniform() const {
        std::vector<long double> v = EvenStretch(lo_, hi_, 0, true, true);
        v.insert(v.begin(), lo_);
        v.push_back(hi_);
        return v;
    }

    // Round values first, as a person numbers a crowding scale: 0 and the
    // powers of ten, then five and two times them, each where it has room
    // beside the numbers already placed; then each stretch between two of
    // them on the smallest even step that has room there.
    std::vector<long double> Varying() const {
        std::vector<long double> v{lo_, hi_};
        for (const long double m : {1.0L, 5.0L, 2.0L})
            for (const long double x : Anchors(m)) {
                const auto at = std::lower_bound(v.begin(), v.end(), x);
                if (at == v.begin() || at == v.end() || *at == x) continue;
                if (NumbersFit(*(at - 1), x) && NumbersFit(x, *at)) v.insert(at, x);
            }
        std::vector<long double> out{lo_};
        long double previous = 0;  // the step of the stretch before
        for (std::size_t k = 1; k < v.size(); ++k) {
            const long double a = v[k - 1], b = v[k];
            const std::vector<long double> inside = EvenStretch(a, b, FinestStep(a, b, previous), k == 1, k + 1 == v.size());
            previous = inside.size() > 0 ? Gap(inside, a) : b - a;
            out.insert(out.end(), inside.begin(), inside.end());
            out.push_back(b);
        }
        return out;
    }

    // A stretch numbered on an even step of its own (5 to 10) is split only
    // one 1-2-5 step finer (by 2, which 5 is not a multiple of: not at all),
    // unless the stretch before already runs on the finer step, so the step
    // never jumps from 5 to 1 at a single number.
    long double FinestStep(long double a, long double b, long double previous) const {
        const long double g = b - a;
        const auto own = std::find_if(steps_.begin(), steps_.end(), [&](long double s) { return std::fabs(s - g) <= s * kTolerance; });
        if (own == steps_.end() || !IsMultiple(a, g) || own == steps_.begin()) return 0;
        const long double next = *(own - 1);
        return previous > 0 && previous < next ? previous : next;
    }

    static long double Gap(const std::vector<long double>& inside, long double a) {
        return inside.size() > 1 ? inside[1] - inside[0] : inside[0] - a;
    }

    // 0 and m times the powers of ten strictly inside the scale, by the
    // magnitude of the value (so -10 and 10 alike): 0 first, then the larger
    // ones, which a person numbers before the smaller.
    std::vector<long double> Anchors(long double m) const {
        std::vector<long double> a;
        const long double big = std::max(std::fabs(lo_), std::fabs(hi_));
        const int top = static_cast<int>(std::floor(std::log10(big))) + 1;
        const int bottom = static_cast<int>(std::floor(std::log10(steps_.front())));
        for (int e = bottom; e <= top; ++e)
            for (const long double sign : {-1.0L, 1.0L}) {
                const long double x = sign * m * std::pow(10.0L, static_cast<long double>(e));
                if (x > lo_ && x < hi_) a.push_back(x);
            }
        std::stable_sort(a.begin(), a.end(), [](long double x, long double y) { return std::fabs(x) > std::fabs(y); });
        if (m == 1 && lo_ < 0 && hi_ > 0) a.insert(a.begin(), 0);
        return a;
    }

    // The subdivision of one interval between major ticks: the smallest step
    // with at most 9 ticks inside that keeps them the minimum distance apart.
    std::vector<long double> ChooseMinor(long double a, long double b, long double medium) const {
        for (const long double s : steps_) {
            if (medium > 0 && !IsMultiple(medium, s)) continue;
            const std::vector<long double> inside = Between(a, b, s);
            if (inside.size() > kMaxSubdivisions) continue;
            if (inside.empty()) return {};
            long double prev = a;
            bool fits = true;
            for (const long double t : inside) {
                fits = fits && Arc(prev, t) >= room_.minorGapMm;
                prev = t;
            }
            if (fits && Arc(prev, b) >= room_.minorGapMm) return inside;
        }
        return {};
    }

    // Medium ticks for the minor step: every fifth minor tick on steps of 1
    // and 2 (0.5 among 0.1, 1 among 0.2), every second on steps of 5 (whole
    // numbers among halves), when the interval holds more than three.
    static long double ChooseMedium(long double a, long double b, const std::vector<long double>& minor) {
        if (minor.size() <= 3) return 0;
        const long double s = minor[1] - minor[0];
        const long double mantissa = s / std::pow(10.0L, std::floor(std::log10(s) + kTolerance));
        const long double m = std::nearbyint(mantissa) == 5 ? 2 * s : 5 * s;
        return Between(a, b, m).empty() ? 0 : m;
    }

    static bool IsMultiple(long double v, long double s) {
        const long double q = v / s;
        return std::fabs(q - std::nearbyint(q)) <= kTolerance * std::max(1.0L, std::fabs(q));
    }

private:
    long double Width(long double v) const {
        const std::size_t chars = ValueLabel(v, room_.decimalPoint, room_.plusSign).size();
        return static_cast<long double>(chars) * kDigitWidth * room_.textHeightMm;
    }

    const MeterLaw& law_;
    const TickRoom& room_;
    std::vector<long double> steps_;
};

[[noreturn]] void TooMany() { throw EScaleInput("Stupnica by mala viac ako 2000 dielikov; zvoľte väčší krok."); }

void CheckCount(long double range, long double step) {
    if (range / step > static_cast<long double>(kMaxTicks)) TooMany();
}

// The ticks inside one interval between major ticks, by the user's steps
// where given.
std::vector<long double> Inside(const Chooser& c, long double a, long double b, const TickSteps& steps) {
    if (steps.minor > 0) return Chooser::Between(a, b, steps.minor);
    std::vector<long double> inside = c.ChooseMinor(a, b, steps.medium);
    if (inside.empty() && steps.medium > 0) inside = Chooser::Between(a, b, steps.medium);
    return inside;
}

// The ends keep their numbers exactly as given; a multiple of the step too
// close to an end's number (250 beside the end 260) stays a tick of the
// middle size without its number.
void DropBesideEnds(const Chooser& c, std::vector<Tick>& majors) {
    const auto drop = [](Tick& t) { t = {t.value, TickKind::Medium, false}; };
    for (std::size_t k = majors.size() - 1; k >= 2 && !c.NumbersFit(majors[k - 1].value, c.hi_); --k) drop(majors[k - 1]);
    for (std::size_t k = 1; k + 1 < majors.size() && majors[k].numbered && !c.NumbersFit(c.lo_, majors[k].value); ++k)
        drop(majors[k]);
}

}  // namespace

std::vector<Tick> ChooseTicks(const MeterLaw& law, const TickSteps& steps, const TickRoom& room) {
    Chooser c(law, room);
    const long double range = c.hi_ - c.lo_;
    for (const long double s : {steps.major, steps.medium, steps.minor}) {
        if (s < 0) throw EScaleInput("Krok dielikov musí byť väčší ako 0.");
        if (s > 0) CheckCount(range, s);
    }

    // Major ticks: numbered ones; of the chosen ones, those too close to the
    // end's number are kept as unnumbered ticks of the middle size.
    std::vector<Tick> majors;
    if (!steps.numbered.empty()) {
        std::vector<long double> v = steps.numbered;
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        for (const long double x : v)
            if (x < c.lo_ || x > c.hi_)
                throw EScaleInput("Číslovaná hodnota " + ValueLabel(x, room.decimalPoint, false) + " leží mimo stupnice.");
        if (v.front() != c.lo_) majors.push_back({c.lo_, TickKind::Medium, false});
        for (const long double x : v) majors.push_back({x, TickKind::Major, true});
        if (v.back() != c.hi_) majors.push_back({c.hi_, TickKind::Medium, false});
    } else {
        std::vector<long double> v;
        if (steps.major > 0) {
            v = Chooser::Between(c.lo_, c.hi_, steps.major);
            v.insert(v.begin(), c.lo_);
            v.push_back(c.hi_);
        } else {
            v = c.ChooseNumbered();
        }
        for (const long double x : v) majors.push_back({x, TickKind::Major, true});
        if (steps.major <= 0) DropBesideEnds(c, majors);  // a step the user gave is kept as given
    }

    std::vector<Tick> ticks;
    for (std::size_t k = 0; k < majors.size(); ++k) {
        ticks.push_back(majors[k]);
        if (k + 1 == majors.size()) break;
        const long double a = majors[k].value, b = majors[k + 1].value;
        const std::vector<long double> inside = Inside(c, a, b, steps);
        const long double medium = steps.medium > 0 ? steps.medium : Chooser::ChooseMedium(a, b, inside);
        for (const long double t : inside) {
            const bool isMedium = medium > 0 && Chooser::IsMultiple(t, medium);
            ticks.push_back({t, isMedium ? TickKind::Medium : TickKind::Minor, false});
        }
        if (ticks.size() > kMaxTicks) TooMany();
    }
    if (ticks.size() > kMaxTicks) TooMany();
    return ticks;
}

}  // namespace sp
