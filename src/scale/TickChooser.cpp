#include "TickChooser.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ScaleInputError.h"
#include "ValueText.h"

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

    // Numbered values walking up from the low end: at each one the step of
    // the last one while it leaves room for both numbers (so a widening
    // scale keeps a regular step), else the smallest step that does.
    std::vector<long double> ChooseNumbered() const {
        std::vector<long double> v{lo_};
        long double last = 0;
        while (v.back() < hi_) {
            long double next = hi_;
            if (last > 0) {
                const long double n = NextMultiple(v.back(), last);
                if (n > v.back() && n < hi_ - last * kTolerance && NumbersFit(v.back(), n)) {
                    v.push_back(n);
                    continue;
                }
            }
            for (const long double s : steps_) {
                const long double n = NextMultiple(v.back(), s);
                if (n >= hi_ - s * kTolerance) break;
                if (NumbersFit(v.back(), n)) {
                    next = n;
                    last = s;
                    break;
                }
            }
            if (!(next > v.back()) || v.size() > kMaxTicks) next = hi_;
            v.push_back(next);
        }
        return v;
    }

    static long double NextMultiple(long double v, long double s) { return (std::floor(v / s + kTolerance) + 1) * s; }

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
        if (steps.major <= 0)  // a step the user gave is kept as given
            for (std::size_t k = majors.size() - 1; k >= 2 && !c.NumbersFit(majors[k - 1].value, c.hi_); --k)
                majors[k - 1] = {majors[k - 1].value, TickKind::Medium, false};
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
