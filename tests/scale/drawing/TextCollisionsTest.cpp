// Texts that collide are said, one sentence each, by the check every
// picture command runs after drawing; pictures without collisions say nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "scale/drawing/ScaleDrawing.h"
#include "scale/settings/Settings.h"
#include "support/Worked.h"

using namespace sp;

namespace {

// The first-run plate (80 x 40 mm, radius 15 mm) with `edit` applied,
// drawn on the recorder with the check on.
TextCheck Checked(const std::function<void(FormFields&)>& edit, const std::vector<std::string>& definition = {}) {
    FormFields f = FirstRunFields();
    edit(f);
    ScaleParameters p = Fresh(300);
    EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
    RecordingSurface surface(p.Dpi, p.PixelsPerMm);
    TextCheck check;
    DrawScale(surface, p, f, definition, !definition.empty(), &check);
    return check;
}

using Sentences = std::vector<std::string>;

}  // namespace

TEST(TextCollisions, CrowdedTextsAreSaidRoomyOnesAreNot) {
    const auto values = [](const char* left, const char* right) {
        return [=](FormFields& f) { f.valueLeft = left, f.valueRight = right; };
    };
    // Roomy: 0, 5 and 10 at the three master ticks, and the same with a unit.
    EXPECT_EQ(Checked(values("0", "10")).warnings, Sentences{});
    EXPECT_EQ(Checked([&](FormFields& f) { values("0", "10")(f), f.unit = "V"; }).warnings, Sentences{});
    EXPECT_EQ(Checked([](FormFields&) {}).warnings, Sentences{});  // no text at all

    // A number at every tick: neighbours 9 degrees apart touch, named as read.
    const TextCheck crowded = Checked([&](FormFields& f) { values("-10", "0")(f), f.masterEvery = "1"; });
    ASSERT_EQ(crowded.warnings.size(), 10u);
    EXPECT_EQ(crowded.warnings[2], "Čísla -3 a -2 sa prekrývajú.");
    EXPECT_EQ(crowded.marks.size(), 11u);  // every number once

    // A plate too low for the numbers over the arc.
    EXPECT_EQ(Checked([&](FormFields& f) { values("0", "10")(f), f.height = "20"; }).warnings,
              (Sentences{"Číslo 10 presahuje okraj štítka.", "Číslo 5 presahuje okraj štítka."}));
    // Numbers inside the arc under the unit.
    EXPECT_EQ(Checked([&](FormFields& f) { values("0", "10")(f), f.numbersInside = true, f.unit = "V"; }).warnings,
              Sentences{"Jednotka V a číslo 5 sa prekrývajú."});
    // A label beside a short tick, a long tick two degrees away.
    const TextCheck tick = Checked([](FormFields&) {}, {"90,S,5", "92,M"});
    EXPECT_EQ(tick.warnings, Sentences{"Číslo 5 zasahuje do dielika."});
    ASSERT_EQ(tick.marks.size(), 1u);
    // Its box lies over the pivot's vertical (the plate's middle, 40 mm).
    const double middle = 40 * 300 / 25.4;
    EXPECT_LT(std::min({tick.marks[0].p[0].x, tick.marks[0].p[2].x}), middle);
    EXPECT_GT(std::max({tick.marks[0].p[0].x, tick.marks[0].p[2].x}), middle);
}
