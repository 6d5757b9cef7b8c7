#include "scale/generator/TickChooser.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

#include "scale/generator/NumberRoom.h"
#include "scale/generator/ValueText.h"
#include "scale/input/ScaleInputError.h"

namespace sp {

namespace {

constexpr long double kTolerance = 1e-9L;  // of a step: multiples found through rounding noise
constexpr int kMaxSubdivisions = 9;        // ticks between two numbered ones
constexpr int kMaxDecade = 30;             // an infinite end: round values are sought up to 10^30
constexpr long double kWideStretch = 4;    // least tick distances that make a stretch worth splitting

long double Pow10(int e) { return std::pow(10.0L, static_cast<long double>(e)); }

bool IsOhms(Law l) { return l == Law::OhmSeries || l == Law::OhmShunt; }

// The values a VU meter customarily numbers, the most wanted first.
constexpr long double kVuValues[] = {0, -10, -5, -3, -2, -1, 1, 2, -7, -30, -40, -50, -60};

class Chooser {
public:
    Chooser(const MeterLaw& law, const TickRoom& room, const TickSteps& steps)
        : law_(law), room_(room), numbers_(law, room) {
        lo_ = std::min(law.Input().from, law.Input().to);
        hi_ = std::max(law.Input().from, law.Input().to);
        top_ = std::isinf(hi_) ? FiniteTop() : hi_;
        for (std::size_t k = 0; k < steps.numbered.size() && k < steps.numberedText.size(); ++k)
            if (!steps.numberedText[k].empty()) given_[steps.numbered[k]] = steps.numberedText[k];
        MakeSteps();
    }

    long double lo_ = 0, hi_ = 0;

    std::string Label(long double v) const {
        const auto at = given_.find(v);
        return at != given_.end() ? at->second : numbers_.Label(v);
    }

    // Arc distance in millimetres between the ticks of two values.
    long double Arc(long double a, long double b) const {
        return std::fabs(law_.Angle(a) - law_.Angle(b)) * std::numbers::pi_v<long double> / 180 * room_.radiusMm;
    }

    // Whether the numbers of two values fit side by side, as drawn.
    bool NumbersFit(long double a, long double b) const { return numbers_.Fit(a, Label(a), b, Label(b)); }

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

    static bool IsMultiple(long double v, long double s) {
        const long double q = v / s;
        return std::fabs(q - std::nearbyint(q)) <= kTolerance * std::max(1.0L, std::fabs(q));
    }

    // The numbered values. A linear scale keeps one step from end to end;
    // logarithmic, ohmmeter and decibel scales number round values where they
    // fit; on other laws the step may change along the scale, but only at a
    // value numbered under both steps.
    std::vector<long double> ChooseNumbered() const {
        switch (law_.Input().law) {
            case Law::Linear: return Uniform();
            case Law::Log: return Decades();
            case Law::OhmSeries:
            case Law::OhmShunt: return Anchored(OhmValues(), law_.Input().center);
            case Law::Db: return Anchored(VuValues(), std::nullopt);
            default: break;
        }
        // A law whose spacing is even enough (an exponent near 1, calibration
        // points on a near line) numbers as many values with one step.
        std::vector<long double> even = Uniform(), varying = Varying();
        return even.size() >= varying.size() ? even : varying;
    }

    // The unnumbered ticks between two numbered values; `medium`, when the
    // user gave it, the step of the medium ones.
    std::vector<Tick> Fill(long double a, long double b, long double medium) const {
        if (std::isinf(b)) return Split(a, b);
        const std::vector<long double> inside = ChooseMinor(a, b, medium);
        // An even scale that no even step fills is too short for ticks.
        if (inside.empty() && medium <= 0 && law_.Input().law != Law::Linear) return Split(a, b);
        std::vector<long double> v = inside;
        if (v.empty() && medium > 0) v = Between(a, b, medium);
        if (medium <= 0 && law_.Input().law != Law::Linear && Refinable(a, b, v)) return Refined(a, b, v);
        const long double m = medium > 0 ? medium : ChooseMedium(a, b, inside);
        std::vector<Tick> out;
        for (const long double t : v) out.push_back({t, m > 0 && IsMultiple(t, m) ? TickKind::Medium : TickKind::Minor, false, {}});
        return out;
    }

    // On a crowding scale one even step for a whole interval is set by its
    // crowded end and leaves wide stretches at the other: those are split
    // once more, the first ticks becoming medium ones.
    bool Refinable(long double a, long double b, const std::vector<long double>& v) const {
        long double prev = a;
        for (std::size_t k = 0; k <= v.size(); ++k) {
            const long double x = k < v.size() ? v[k] : b;
            if (Arc(prev, x) > kWideStretch * room_.minorGapMm && !ChooseMinor(prev, x, 0).empty()) return true;
            prev = x;
        }
        return false;
    }

    std::vector<Tick> Refined(long double a, long double b, const std::vector<long double>& v) const {
        std::vector<Tick> out;
        long double prev = a;
        for (std::size_t k = 0; k <= v.size(); ++k) {
            const long double x = k < v.size() ? v[k] : b;
            if (Arc(prev, x) > kWideStretch * room_.minorGapMm)
                for (const long double t : ChooseMinor(prev, x, 0)) out.push_back({t, TickKind::Minor, false, {}});
            if (k < v.size()) out.push_back({x, TickKind::Medium, false, {}});
            prev = x;
        }
        return out;
    }

    // Medium ticks for the minor step: every fifth minor tick on steps of 1
    // and 2 (0.5 among 0.1, 1 among 0.2), every second on steps of 5 (whole
    // numbers among halves), when the interval holds more than three.
    static long double ChooseMedium(long double a, long double b, const std::vector<long double>& minor) {
        if (minor.size() <= 3) return 0;
        const long double s = minor[1] - minor[0];
        const long double mantissa = s / Pow10(static_cast<int>(std::floor(std::log10(s) + kTolerance)));
        const long double m = std::nearbyint(mantissa) == 5 ? 2 * s : 5 * s;
        return Between(a, b, m).empty() ? 0 : m;
    }

    // Whether the numbers beside the ends were placed without a look at
    // their room (an even step from end to end).
    bool NeedsDropBesideEnds() const {
        const Law l = law_.Input().law;
        return l == Law::Linear || l == Law::Power || l == Law::Points;
    }

private:
    // Where round values stop on a scale with an infinite end: the first
    // power of ten whose tick lies closer to infinity's than two ticks may.
    long double FiniteTop() const {
        int e = static_cast<int>(std::floor(std::log10(std::max(law_.Input().center, 1.0L))));
        while (e < kMaxDecade && Arc(Pow10(e), hi_) >= room_.minorGapMm) ++e;
        return Pow10(e);
    }

    // Steps of 1, 2 and 5 times a power of ten up to the range; a linear
    // scale needs none so fine that it would hold more than kMaxTicks, the
    // decade-wise scales reach down to the fine steps of their low end.
    void MakeSteps() {
        const long double range = top_ - lo_;
        const int top = static_cast<int>(std::floor(std::log10(range))) + 1;
        int bottom = top - 5;
        if (law_.Input().law == Law::Log) bottom = std::min(bottom, static_cast<int>(std::floor(std::log10(lo_))) - 2);
        if (IsOhms(law_.Input().law))
            bottom = std::min(bottom, static_cast<int>(std::floor(std::log10(law_.Input().center))) - 3);
        const bool fine = bottom < top - 5;
        for (int e = bottom; e <= top; ++e)
            for (const long double m : {1.0L, 2.0L, 5.0L}) {
                const long double s = m * Pow10(e);
                if ((fine || s * static_cast<long double>(kMaxTicks) >= range) && s <= range) steps_.push_back(s);
            }
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

    // Inserts x into the sorted values when its number fits beside both
    // neighbours (or, `forced`, whatever its room).
    bool Insert(std::vector<long double>& v, long double x, bool forced = false) const {
        const auto at = std::lower_bound(v.begin(), v.end(), x);
        if (at == v.begin() || at == v.end() || *at == x) return false;
        if (!forced && !(NumbersFit(*(at - 1), x) && NumbersFit(x, *at))) return false;
        v.insert(at, x);
        return true;
    }

    // The ends, the value that must be numbered, then each round value where
    // it has room beside the numbers already placed.
    std::vector<long double> Anchored(const std::vector<long double>& order, std::optional<long double> forced) const {
        std::vector<long double> v{lo_, hi_};
        if (forced) Insert(v, *forced, true);
        for (const long double x : order) Insert(v, x);
        return v;
    }

    // A logarithmic scale numbers the same in every decade: the powers of
    // ten, then the twos and the fives, each kind only where every one of it
    // has room (so 2 is not numbered unless 20 is too).
    std::vector<long double> Decades() const {
        std::vector<long double> v{lo_, hi_};
        for (const long double x : Round(1)) Insert(v, x);
        for (const long double m : {2.0L, 5.0L}) {
            std::vector<long double> with = v;
            bool all = true;
            for (const long double x : Round(m)) all = all && Insert(with, x);
            if (all) v = std::move(with);
        }
        return v;
    }

    // m times the powers of ten strictly inside the scale, below an infinite
    // end up to FiniteTop, the larger first (a person numbers 100 before 10).
    std::vector<long double> Round(long double m) const {
        std::vector<long double> a;
        const int bottom = static_cast<int>(std::floor(std::log10(steps_.front())));
        const int top = static_cast<int>(std::floor(std::log10(std::max(std::fabs(lo_), std::fabs(top_))))) + 1;
        for (int e = top; e >= bottom; --e)
            for (const long double sign : {1.0L, -1.0L}) {
                const long double x = sign * m * Pow10(e);
                if (x > lo_ && x < hi_ && x <= top_) a.push_back(x);
            }
        std::stable_sort(a.begin(), a.end(), [](long double x, long double y) { return std::fabs(x) > std::fabs(y); });
        return a;
    }

    std::vector<long double> OhmValues() const {
        std::vector<long double> order;
        for (const long double m : {1.0L, 5.0L, 2.0L})
            for (const long double x : Round(m)) order.push_back(x);
        return order;
    }

    std::vector<long double> VuValues() const {
        std::vector<long double> order(std::begin(kVuValues), std::end(kVuValues));
        for (const long double x : Round(1)) order.push_back(x);
        return order;
    }

    // Round values first, as a person numbers a crowding scale: 0 and the
    // powers of ten, then five and two times them, each where it has room
    // beside the numbers already placed; then each stretch between two of
    // them on the smallest even step that has room there.
    std::vector<long double> Varying() const {
        std::vector<long double> v{lo_, hi_};
        if (lo_ < 0 && hi_ > 0) Insert(v, 0);
        for (const long double m : {1.0L, 5.0L, 2.0L})
            for (const long double x : Round(m)) Insert(v, x);
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

    // An interval no even step fills (it crowds towards one end, or runs to
    // infinity): ticks on the round values 1, 2 and 5 times a power of ten
    // that keep the minimum distance, the powers of ten of the middle size,
    // and each stretch between them filled evenly where it has room.
    std::vector<Tick> Split(long double a, long double b) const {
        std::vector<long double> kept;
        long double prev = a;
        for (const long double x : RoundBetween(a, b)) {
            if (Arc(x, b) < room_.minorGapMm) break;
            if (Arc(prev, x) < room_.minorGapMm) continue;
            kept.push_back(x);
            prev = x;
        }
        std::vector<Tick> out;
        prev = a;
        for (const long double x : kept) {
            for (const long double t : ChooseMinor(prev, x, 0)) out.push_back({t, TickKind::Minor, false, {}});
            out.push_back({x, IsMultiple(std::log10(x), 1) ? TickKind::Medium : TickKind::Minor, false, {}});
            prev = x;
        }
        if (!std::isinf(b) && !kept.empty())
            for (const long double t : ChooseMinor(prev, b, 0)) out.push_back({t, TickKind::Minor, false, {}});
        return out;
    }

    std::vector<long double> RoundBetween(long double a, long double b) const {
        std::vector<long double> v;
        for (int e = static_cast<int>(std::floor(std::log10(steps_.front()))); e <= kMaxDecade; ++e)
            for (const long double m : {1.0L, 2.0L, 5.0L}) {
                const long double x = m * Pow10(e);
                if (x > a && x < b) v.push_back(x);
            }
        return v;
    }

    const MeterLaw& law_;
    const TickRoom& room_;
    NumberRoom numbers_;
    long double top_ = 0;  // the highest finite value round values go up to
    std::map<long double, std::string> given_;
    std::vector<long double> steps_;
};

[[noreturn]] void TooMany() { throw EScaleInput("Stupnica by mala viac ako 2000 dielikov; zvoľte väčší krok."); }

// The ends keep their numbers exactly as given; a multiple of the step too
// close to an end's number (250 beside the end 260) stays a tick of the
// middle size without its number.
void DropBesideEnds(const Chooser& c, std::vector<Tick>& majors) {
    const auto drop = [](Tick& t) { t = {t.value, TickKind::Medium, false, {}}; };
    for (std::size_t k = majors.size() - 1; k >= 2 && !c.NumbersFit(majors[k - 1].value, c.hi_); --k) drop(majors[k - 1]);
    for (std::size_t k = 1; k + 1 < majors.size() && majors[k].numbered && !c.NumbersFit(c.lo_, majors[k].value); ++k)
        drop(majors[k]);
}

std::vector<Tick> Majors(const Chooser& c, const TickSteps& steps, const TickRoom& room) {
    std::vector<Tick> majors;
    const auto numbered = [&](long double x) { return Tick{x, TickKind::Major, true, c.Label(x)}; };
    if (!steps.numbered.empty()) {
        std::vector<long double> v = steps.numbered;
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        for (const long double x : v)
            if (x < c.lo_ || x > c.hi_)
                throw EScaleInput("Číslovaná hodnota " + ValueLabel(x, room.decimalPoint, false) + " leží mimo stupnice.");
        if (v.front() != c.lo_) majors.push_back({c.lo_, TickKind::Medium, false, {}});
        for (const long double x : v) majors.push_back(numbered(x));
        if (v.back() != c.hi_) majors.push_back({c.hi_, TickKind::Medium, false, {}});
        return majors;
    }
    std::vector<long double> v;
    if (steps.major > 0) {
        v = Chooser::Between(c.lo_, c.hi_, steps.major);
        v.insert(v.begin(), c.lo_);
        v.push_back(c.hi_);
    } else {
        v = c.ChooseNumbered();
    }
    for (const long double x : v) majors.push_back(numbered(x));
    if (steps.major <= 0 && c.NeedsDropBesideEnds()) DropBesideEnds(c, majors);  // a step the user gave is kept as given
    return majors;
}

}  // namespace

std::vector<Tick> ChooseTicks(const MeterLaw& law, const TickSteps& steps, const TickRoom& room) {
    Chooser c(law, room, steps);
    const long double range = c.hi_ - c.lo_;
    for (const long double s : {steps.major, steps.medium, steps.minor}) {
        if (s < 0) throw EScaleInput("Krok dielikov musí byť väčší ako 0.");
        if (s > 0 && range / s > static_cast<long double>(kMaxTicks)) TooMany();
    }
    const std::vector<Tick> majors = Majors(c, steps, room);
    std::vector<Tick> ticks;
    for (std::size_t k = 0; k < majors.size(); ++k) {
        ticks.push_back(majors[k]);
        if (k + 1 == majors.size()) break;
        const long double a = majors[k].value, b = majors[k + 1].value;
        if (steps.minor > 0) {
            const std::vector<long double> inside = Chooser::Between(a, b, steps.minor);
            const long double m = steps.medium > 0 ? steps.medium : Chooser::ChooseMedium(a, b, inside);
            for (const long double t : inside) {
                const bool medium = m > 0 && Chooser::IsMultiple(t, m);
                ticks.push_back({t, medium ? TickKind::Medium : TickKind::Minor, false, {}});
            }
        } else {
            for (Tick& t : c.Fill(a, b, steps.medium)) ticks.push_back(std::move(t));
        }
        if (ticks.size() > kMaxTicks) TooMany();
    }
    if (ticks.size() > kMaxTicks) TooMany();
    return ticks;
}

}  // namespace sp
