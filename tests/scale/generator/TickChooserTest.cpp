// Ticks chosen for scales described in values: the ends, the steps, the
// least distances, and the definitions that come out.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/settings/Settings.h"
#include "scale/generator/DefinitionGenerator.h"
#include "scale/input/ScaleInputError.h"
#include "support/Worked.h"

using namespace sp;

namespace {

ScaleDescription Described(const std::string& text) {
    ScaleDescription s;
    ParseScaleDescription("left = 135\nright = 45\nradius = 30\n" + text, s);
    return s;
}

std::vector<std::string> Numbers(const std::vector<GeneratedTick>& ticks) {
    std::vector<std::string> n;
    for (const GeneratedTick& t : ticks)
        if (!t.label.empty()) n.push_back(t.label);
    return n;
}

double ArcMm(const GeneratedTick& a, const GeneratedTick& b, long double radius) {
    return static_cast<double>(std::fabs(a.angle - b.angle) * std::numbers::pi_v<long double> / 180 * radius);
}

// What every chosen scale must keep: the user's end values exactly, values
// rising, numbered ticks major, neighbours at least 0.8 mm apart, at most 9
// ticks between two major ones.
void ExpectWellFormed(const std::vector<GeneratedTick>& t, long double from, long double to, long double radius) {
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t.front().value, from);
    EXPECT_EQ(t.back().value, to);
    EXPECT_EQ(t.front().kind, TickKind::Major);
    EXPECT_EQ(t.back().kind, TickKind::Major);
    int since = 0;
    for (std::size_t k = 1; k < t.size(); ++k) {
        EXPECT_GT(t[k].value, t[k - 1].value);
        EXPECT_GE(ArcMm(t[k - 1], t[k], radius), 0.8) << static_cast<double>(t[k].value);
        if (!t[k].label.empty()) {
            EXPECT_EQ(t[k].kind, TickKind::Major);
        }
        since = t[k].kind == TickKind::Major ? 0 : since + 1;
        EXPECT_LE(since, 9 + 1 + 9);  // a major kept without number may split an interval
    }
}

std::string Refusal(const std::string& text) {
    try {
        GenerateTicks(Described(text));
    } catch (const EScaleInput& e) {
        return e.what();
    }
    return "(accepted)";
}

}  // namespace

TEST(TickChooser, VoltmeterZeroToTen) {
    // 90 degrees at 30 mm: 4.71 mm per volt. Numbers "8" and "10" need
    // (3.15 + 6.3) / 2 + 1.75 = 6.5 mm, so every second volt is numbered;
    // minor ticks every 0.2 V (0.94 mm; 0.1 V would be 19 between numbers),
    // medium ones on the odd volts.
    const auto t = GenerateTicks(Described("law = linear\nfrom = 0\nto = 10\n"));
    ExpectWellFormed(t, 0, 10, 30);
    EXPECT_EQ(Numbers(t), (std::vector<std::string>{"0", "2", "4", "6", "8", "10"}));
    ASSERT_EQ(t.size(), 51u);
    for (std::size_t k = 0; k < t.size(); ++k) {
        EXPECT_NEAR(static_cast<double>(t[k].value), 0.2 * static_cast<double>(k), 1e-12);
        const TickKind want = k % 10 == 0 ? TickKind::Major : k % 5 == 0 ? TickKind::Medium : TickKind::Minor;
        EXPECT_EQ(t[k].kind, want) << k;
    }
    const auto lines = DefinitionLinesOf(t);
    EXPECT_EQ(lines.front(), "135.0000,M,0");
    EXPECT_EQ(lines[1], "133.2000,S");
    EXPECT_EQ(lines[25], "90.0000,N");  // 5 V at 90 degrees
    EXPECT_EQ(lines.back(), "45.0000,M,10");
}

TEST(TickChooser, EndsStayTheUsersValues) {
    auto t = GenerateTicks(Described("law = linear\nfrom = 0\nto = 260\nradius = 40\n"));
    ExpectWellFormed(t, 0, 260, 40);
    EXPECT_EQ(Numbers(t).back(), "260");
    t = GenerateTicks(Described("law = linear\nfrom = 0,3\nto = 9,7\n"));
    ExpectWellFormed(t, 0.3L, 9.7L, 30);
    EXPECT_EQ(Numbers(t).front(), "0,3");
    EXPECT_EQ(Numbers(t).back(), "9,7");
}

TEST(TickChooser, LogarithmicScaleCrowdsTowardsTheTop) {
    const auto t = GenerateTicks(Described("law = log\nfrom = 1\nto = 100\nradius = 40\n"));
    ExpectWellFormed(t, 1, 100, 40);
    const auto n = Numbers(t);
    EXPECT_EQ(n.front(), "1");
    EXPECT_NE(std::find(n.begin(), n.end(), "10"), n.end());
    for (const GeneratedTick& g : t)
        if (g.label == "10") {
            EXPECT_EQ(DefinitionLinesOf({g})[0], "90.0000,M,10");
        }
    // Steps grow along the scale: between 1 and 2 finer values than between 10 and 20.
    long double lowGap = 100, highGap = 0;
    for (std::size_t k = 1; k < t.size(); ++k) {
        if (t[k].value <= 2) lowGap = std::min(lowGap, t[k].value - t[k - 1].value);
        if (t[k].value > 10 && t[k].value <= 20) highGap = std::max(highGap, t[k].value - t[k - 1].value);
    }
    EXPECT_LT(lowGap * 5, highGap);
}

TEST(TickChooser, VuScaleWithItsNumbers) {
    const auto t = GenerateTicks(Described("law = db\nfrom = -20\nto = 3\nradius = 40\n"
                                      "labels = -20, -10, -7, -5, -3, -2, -1, 0, +1, +2, +3\n"));
    EXPECT_EQ(Numbers(t), (std::vector<std::string>{"-20", "-10", "-7", "-5", "-3", "-2", "-1", "0", "+1", "+2", "+3"}));
    EXPECT_EQ(t.front().value, -20);
    EXPECT_EQ(t.back().value, 3);
    const auto lines = DefinitionLinesOf(t);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "71.2849,M,0"), lines.end());
    EXPECT_EQ(lines.back(), "45.0000,M,+3");
    const auto chosen = GenerateTicks(Described("law = db\nfrom = -20\nto = 3\nradius = 40\n"));
    ExpectWellFormed(chosen, -20, 3, 40);
}

TEST(TickChooser, UsersStepsAndTheLimit) {
    const auto t = GenerateTicks(Described("law = linear\nfrom = 0\nto = 10\nmajor = 5\nmedium = 1\nminor = 0,5\n"));
    ASSERT_EQ(t.size(), 21u);
    EXPECT_EQ(Numbers(t), (std::vector<std::string>{"0", "5", "10"}));
    EXPECT_EQ(t[1].kind, TickKind::Minor);
    EXPECT_EQ(t[2].kind, TickKind::Medium);
    const auto full = GenerateTicks(Described("law = linear\nfrom = 0\nto = 1999\nmajor = 100\nmedium = 10\nminor = 1\n"));
    EXPECT_EQ(full.size(), 2000u);
    const char* tooMany = "Stupnica by mala viac ako 2000 dielikov; zvoľte väčší krok.";
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 2000\nmajor = 100\nminor = 1\n"), tooMany);
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 10\nminor = 0,001\n"), tooMany);
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 10\nlabels = 0; 5; 10,5\n"), "Číslovaná hodnota 10,5 leží mimo stupnice.");
}

// The program's own medium ticks: only an interval of more than three minor
// ticks gets one (a fifth or a second of them); three stay plain.
TEST(TickChooser, MediumTicksOnlyAmongMoreThanThreeMinorOnes) {
    const struct {
        const char* steps;
        const char* kinds;  // the ticks' kinds from 0 up to the first major tick after it
    } rows[] = {
        {"major = 2\nminor = 0,5\n", "MSSSM"},
        {"major = 10\nminor = 1\n", "MSSSSNSSSSM"},
        {"major = 5\nminor = 0,5\n", "MSNSNSNSNSM"},
    };
    for (const auto& r : rows) {
        const auto t = GenerateTicks(Described(std::string("law = linear\nfrom = 0\nto = 20\n") + r.steps));
        std::string kinds;
        for (const GeneratedTick& tick : t) kinds += static_cast<char>(tick.kind);
        EXPECT_EQ(kinds.substr(0, kinds.find('M', 1) + 1), r.kinds) << r.steps;
    }
}

// Zero at either end of a power law with a negative exponent: refused, not
// drawn with angles that are no numbers.
TEST(TickChooser, NegativePowerRefusesAZeroEnd) {
    const char* sentence = "Mocninová stupnica so záporným exponentom nemôže obsahovať nulu.";
    EXPECT_EQ(Refusal("law = power\nexponent = -1\nfrom = 0\nto = 10\n"), sentence);
    EXPECT_EQ(Refusal("law = power\nexponent = -2\nfrom = -10\nto = 0\n"), sentence);
    EXPECT_EQ(Refusal("law = power\nexponent = -0,5\nfrom = 10\nto = 0\n"), sentence);
    EXPECT_EQ(Refusal("law = power\nexponent = -1\nfrom = 1\nto = 10\n"), "(accepted)");
}

TEST(TickChooser, DecimalSeparatorOfTheNumbers) {
    auto t = GenerateTicks(Described("law = linear\nfrom = 0\nto = 1\nlabels = 0; 0,5; 1\n"));
    EXPECT_EQ(Numbers(t), (std::vector<std::string>{"0", "0,5", "1"}));
    const auto lines = DefinitionLinesOf(t);
    const auto half = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("90.0000"); });
    ASSERT_NE(half, lines.end());
    EXPECT_EQ(*half, "90.0000,M,0,5");
    EXPECT_EQ(DefinitionLabel(*half), "0,5");
    t = GenerateTicks(Described("law = linear\nfrom = 0\nto = 1\nlabels = 0, 0.5, 1\ndecimal = point\n"));
    EXPECT_EQ(Numbers(t), (std::vector<std::string>{"0", "0.5", "1"}));
}

TEST(TickChooser, GeneratedDefinitionDraws) {
    const auto lines = GenerateDefinition(Described("law = points\nfrom = 0\nto = 10\npoints = 0:135; 2:120; 5:95; 10:45\n"));
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    const DisplayList list = RecordScale(p, f, lines, true);
    std::size_t ticks = 0;
    for (const DisplayItem& item : list.Items) ticks += std::holds_alternative<DisplayMove>(item);
    EXPECT_EQ(ticks, 1 + lines.size());  // the arc's one MoveTo, then one per line
    EXPECT_EQ(lines.front().substr(0, 10), "135.0000,M");
    EXPECT_EQ(lines.back().substr(0, 9), "45.0000,M");
}

TEST(TickChooser, HugeValuesEndInsteadOfLooping) {
    // A range of ten units of precision at 1e25: the steps are far below the values'
    // precision; the scale must still end, at its two values.
    const ScaleDescription s = Described("law = linear\nfrom = 10000000000000000000000000\nto = 10000000000000000010000000\n");
    ASSERT_GT(s.law.to, s.law.from);
    const auto t = GenerateTicks(s);
    EXPECT_EQ(t.front().value, s.law.from);
    EXPECT_EQ(t.back().value, s.law.to);
    EXPECT_LE(t.size(), kMaxTicks);
}

namespace {

std::vector<std::string> NumbersAt(const std::string& law, int radius) {
    return Numbers(GenerateTicks(Described(law + "radius = " + std::to_string(radius) + "\n")));
}

using Labels = std::vector<std::string>;

// The tick of a value, or nullptr.
const GeneratedTick* TickOf(const std::vector<GeneratedTick>& t, long double v) {
    for (const GeneratedTick& g : t)
        if (std::fabs(g.value - v) < 1e-9L) return &g;
    return nullptr;
}

}  // namespace

TEST(TickChooser, LinearScaleKeepsOneStep) {
    // 0-20 V on 90 degrees at 15 mm: the numbers stand beyond the 6 mm
    // ticks, about 24 mm from the pivot, where 5 V is 9.4 mm: "5" beside
    // "10" (3.1 and 6.2 mm wide) keeps 1.75 mm, so the step is 5.
    EXPECT_EQ(NumbersAt("law = linear\nfrom = 0\nto = 20\n", 15), (Labels{"0", "5", "10", "15", "20"}));
    EXPECT_EQ(NumbersAt("law = linear\nfrom = 0\nto = 20\n", 30), (Labels{"0", "5", "10", "15", "20"}));
    // 0-260 at 40 mm: step 50; 250 beside the end's "260" has no room, it
    // stays a tick.
    const auto t = GenerateTicks(Described("law = linear\nfrom = 0\nto = 260\nradius = 40\n"));
    ExpectWellFormed(t, 0, 260, 40);
    EXPECT_EQ(Numbers(t), (Labels{"0", "50", "100", "150", "200", "260"}));
    const GeneratedTick* last = TickOf(t, 250);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->kind, TickKind::Medium);
    EXPECT_EQ(last->label, "");
    // At 30 mm still step 50; at 15 mm step 100, and 200 stays an
    // unnumbered tick beside "260".
    const auto mid = GenerateTicks(Described("law = linear\nfrom = 0\nto = 260\n"));
    EXPECT_EQ(Numbers(mid), (Labels{"0", "50", "100", "150", "200", "260"}));
    const auto small = GenerateTicks(Described("law = linear\nfrom = 0\nto = 260\nradius = 15\n"));
    EXPECT_EQ(Numbers(small), (Labels{"0", "100", "260"}));
    ASSERT_NE(TickOf(small, 200), nullptr);
    EXPECT_EQ(TickOf(small, 200)->kind, TickKind::Medium);
    // A law close to linear numbers like the linear one.
    EXPECT_EQ(NumbersAt("law = power\nexponent = 1,1\nfrom = 0\nto = 10\n", 30), (Labels{"0", "2", "4", "6", "8", "10"}));
    // One step from end to end at every radius: numbered values other than
    // the ends are evenly spaced.
    for (int r = 15; r <= 90; r += 5) {
        const auto n = GenerateTicks(Described("law = linear\nfrom = 0\nto = 260\nradius = " + std::to_string(r) + "\n"));
        std::vector<long double> v;
        for (const GeneratedTick& g : n)
            if (!g.label.empty()) v.push_back(g.value);
        for (std::size_t k = 2; k + 1 < v.size(); ++k) EXPECT_NEAR(static_cast<double>(v[k] - v[k - 1]), static_cast<double>(v[1] - v[0]), 1e-9) << r;
    }
}

namespace {

// A scale of the table, drawn as the generated definition on a plate with
// room around it: the texts must not collide (the check every picture runs).
std::vector<std::string> Collisions(const std::string& law, int radius) {
    const auto lines = GenerateDefinition(Described(law + "radius = " + std::to_string(radius) + "\n"));
    ScaleParameters p = Fresh(200);
    FormFields f = FirstRunFields();
    f.radius = std::to_string(radius);
    f.width = std::to_string(2 * radius + 60);
    f.height = std::to_string(radius + 30);
    f.centerX = std::to_string(radius + 30);
    f.centerY = "3";
    EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
    RecordingSurface surface(p.Dpi, p.PixelsPerMm);
    TextCheck check;
    DrawScale(surface, p, f, lines, true, &check);
    return check.warnings;
}

// The longest arc between two neighbouring ticks, in millimetres.
double WidestGap(const std::vector<GeneratedTick>& t, long double radius) {
    double widest = 0;
    for (std::size_t k = 1; k < t.size(); ++k) widest = std::max(widest, ArcMm(t[k - 1], t[k], radius));
    return widest;
}

}  // namespace

// The numbers a person draws on these scales with 3.5 mm numbers beside 6 mm
// numbered ticks, as many as keep half the text height apart: one step on a
// linear scale, 1-2-5 in every decade alike on a logarithmic one, the VU
// values, an ohmmeter's round values around its centre up to infinity.
TEST(TickChooser, NumberedAsAPersonWould) {
    const struct {
        const char* law;
        int radius;
        Labels numbers;
    } cases[] = {
        {"law = linear\nfrom = 0\nto = 10\n", 30, {"0", "2", "4", "6", "8", "10"}},
        {"law = linear\nfrom = 0\nto = 260\n", 40, {"0", "50", "100", "150", "200", "260"}},
        {"law = linear\nfrom = 0\nto = 1\n", 30, {"0", "0,2", "0,4", "0,6", "0,8", "1"}},
        {"law = log\nfrom = 1\nto = 100\n", 15, {"1", "10", "100"}},
        {"law = log\nfrom = 1\nto = 100\n", 26, {"1", "2", "10", "20", "100"}},
        {"law = log\nfrom = 1\nto = 100\n", 40, {"1", "2", "5", "10", "20", "50", "100"}},
        {"law = db\nfrom = -20\nto = 3\n", 15, {"-20", "-5", "0", "+3"}},
        {"law = db\nfrom = -20\nto = 3\n", 30, {"-20", "-5", "-2", "0", "+3"}},
        {"law = db\nfrom = -20\nto = 3\n", 60, {"-20", "-10", "-7", "-5", "-3", "-2", "-1", "0", "+1", "+2", "+3"}},
        {"law = ohm-series\ncenter = 50\nfrom = 0\nto = inf\n", 26, {"0", "10", "50", "200", "\xE2\x88\x9E"}},
        {"law = ohm-series\ncenter = 50\nfrom = 0\nto = \xE2\x88\x9E\n", 40, {"0", "10", "20", "50", "100", "500", "\xE2\x88\x9E"}},
        {"law = ohm-series\ncenter = 50\nfrom = 0\nto = 10000\n", 15, {"0", "20", "50", "10k"}},
        {"law = ohm-shunt\ncenter = 10\nfrom = 0\nto = inf\n", 26, {"0", "2", "5", "10", "20", "50", "\xE2\x88\x9E"}},
        {"law = points\nfrom = 0\nto = 10\npoints = 0:135; 2:120; 5:95; 10:45\n", 15, {"0", "2", "4", "6", "8", "10"}},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.law) + "at " + std::to_string(c.radius) + " mm";
        const auto t = GenerateTicks(Described(c.law + std::string("radius = ") + std::to_string(c.radius) + "\n"));
        EXPECT_EQ(Numbers(t), c.numbers) << what;
        // Ticks fill the whole arc: no stretch wider than a few least distances.
        EXPECT_LE(WidestGap(t, c.radius), 5.0) << what;
        for (std::size_t k = 1; k < t.size(); ++k) EXPECT_GE(ArcMm(t[k - 1], t[k], c.radius), 0.8) << what;
        EXPECT_EQ(Collisions(c.law, c.radius), std::vector<std::string>{}) << what;
    }
}

TEST(TickChooser, InfinityAndLabelsAsTyped) {
    // Labels with SI prefixes are values printed as typed; VALUE=TEXT prints
    // its text; infinity ends an ohmmeter and only an ohmmeter.
    const auto t = GenerateTicks(Described("law = ohm-series\ncenter = 50\nfrom = 0\nto = inf\n"
                                           "labels = 0; 50; 1000=1 k; 2,2k; 1M; \xE2\x88\x9E\n"));
    EXPECT_EQ(Numbers(t), (Labels{"0", "50", "1 k", "2,2k", "1M", "\xE2\x88\x9E"}));
    ASSERT_NE(TickOf(t, 2200), nullptr);
    EXPECT_NE(TickOf(t, 1e6L), nullptr);
    EXPECT_TRUE(std::isinf(t.back().value));
    EXPECT_EQ(DefinitionLinesOf({t.back()})[0], "135.0000,M,\xE2\x88\x9E");  // infinity at no deflection
    EXPECT_EQ(DefinitionLinesOf({t.front()})[0], "45.0000,M,0");
    const auto m = GenerateTicks(Described("law = linear\nfrom = 0\nto = 1\nlabels = 0; 500m; 1\n"));
    EXPECT_EQ(Numbers(m), (Labels{"0", "500m", "1"}));
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = inf\n"), "Nekonečno môže byť len koncom stupnice ohmmetra.");
    EXPECT_EQ(Refusal("law = ohm-series\ncenter = 50\nfrom = 0\nto = 1x\n"), "Údaj koniec stupnice '1x' nie je číslo.");
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 10\nlabels = 5=\n"), "Číslovaná hodnota '5=' nemá text.");
}

TEST(TickChooser, StepChangesOnlyWhereBothStepsNumber) {
    // Square law 0-10: the low end crowds; 5 is numbered, and from 5 the
    // step may not drop to 1 (6, 7, 8, 9), as 5 is no multiple of 2.
    for (const int r : {15, 30, 40, 60}) {
        EXPECT_EQ(NumbersAt("law = power\nexponent = 2\nfrom = 0\nto = 10\n", r), (Labels{"0", "5", "10"})) << r;
    }
    // Every numbered value is a multiple of the smaller even step beside it
    // (1, 2, 3, 5 would put 5 after a step of 2).
    const std::vector<std::string> laws = {"law = log\nfrom = 1\nto = 100\n", "law = log\nfrom = 1\nto = 1000\n",
                                           "law = power\nexponent = 2\nfrom = 0\nto = 100\n",
                                           "law = ohm-series\ncenter = 50\nfrom = 0\nto = 1000\n"};
    for (const std::string& law : laws)
        for (int r = 15; r <= 100; r += 5) {
            std::vector<long double> v;
            for (const GeneratedTick& g : GenerateTicks(Described(law + "radius = " + std::to_string(r) + "\n")))
                if (!g.label.empty()) v.push_back(g.value);
            for (std::size_t k = 1; k + 1 < v.size(); ++k) {
                const long double step = std::min(v[k] - v[k - 1], v[k + 1] - v[k]);
                const long double mantissa = step / std::pow(10.0L, std::floor(std::log10(step) + 1e-9L));
                const bool ladder = std::fabs(mantissa - 1) < 1e-9L || std::fabs(mantissa - 2) < 1e-9L || std::fabs(mantissa - 5) < 1e-9L;
                const long double q = v[k] / step;
                if (ladder) {
                    EXPECT_NEAR(static_cast<double>(q), std::round(static_cast<double>(q)), 1e-6) << law << r;
                }
            }
        }
}
