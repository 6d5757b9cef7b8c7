// The text form of a scale described in values and its sentences.
#include <gtest/gtest.h>

#include "scale/generator/DefinitionGenerator.h"
#include "scale/generator/ScaleDescription.h"
#include "scale/input/ScaleInputError.h"

using namespace sp;

namespace {

std::string Refusal(const std::string& text) {
    try {
        ScaleDescription s;
        ParseScaleDescription(text, s);
        GenerateTicks(s);
    } catch (const EScaleInput& e) {
        return e.what();
    }
    return "(accepted)";
}

}  // namespace

TEST(ScaleDescription, ReadsEveryKey) {
    ScaleDescription s;
    ParseScaleDescription("# a VU meter\r\n\r\n Law = db \nFROM=-20\nto=+3\nexponent=1,5\ncenter=500\n"
                   "points=0:135;2,5:120;10:45\nleft=150.5\nright=30\nradius=25\nmajor=10\nmedium=5\nminor=1\n"
                   "labels=-20,-10,0\ndecimal=point\n",
                   s);
    EXPECT_EQ(s.law.law, Law::Db);
    EXPECT_EQ(s.law.from, -20);
    EXPECT_EQ(s.law.to, 3);
    EXPECT_EQ(s.law.exponent, 1.5L);
    EXPECT_EQ(s.law.center, 500);
    ASSERT_EQ(s.law.points.size(), 3u);
    EXPECT_EQ(s.law.points[1].value, 2.5L);
    EXPECT_EQ(s.law.points[1].angle, 120);
    EXPECT_EQ(s.law.leftAngle, 150.5L);
    EXPECT_EQ(s.law.rightAngle, 30);
    EXPECT_EQ(s.room.radiusMm, 25);
    EXPECT_EQ(s.steps.major, 10);
    EXPECT_EQ(s.steps.medium, 5);
    EXPECT_EQ(s.steps.minor, 1);
    EXPECT_EQ(s.steps.numbered, (std::vector<long double>{-20, -10, 0}));
    EXPECT_TRUE(s.room.decimalPoint);
    for (const char* law : {"linear", "power", "log", "db", "ohm-series", "ohm-shunt", "points"})
        EXPECT_EQ(LawName(*LawOfName(law)), law);
}

TEST(ScaleDescription, SentencesForBadText) {
    EXPECT_EQ(Refusal("law = linear\nfrom = abc\n"), "Údaj začiatok stupnice 'abc' nie je číslo.");
    EXPECT_EQ(Refusal("law = linear\nto = 1,2,3\n"), "Údaj koniec stupnice '1,2,3' nie je číslo.");
    EXPECT_EQ(Refusal("law = linear\nfrom = 1e3\n"), "Údaj začiatok stupnice '1e3' nie je číslo.");
    EXPECT_EQ(Refusal("law = cubic\n"), "Neznámy zákon stupnice 'cubic'.");
    EXPECT_EQ(Refusal("colour = red\n"), "Neznámy údaj 'colour'.");
    EXPECT_EQ(Refusal("law linear\n"), "Riadok 'law linear' nemá tvar údaj = hodnota.");
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\n"), "Chýba údaj koniec stupnice.");
    EXPECT_EQ(Refusal("from = 0\nto = 1\n"), "Chýba údaj zákon stupnice.");
    EXPECT_EQ(Refusal("law = power\nfrom = 0\nto = 1\n"), "Chýba údaj exponent.");
    EXPECT_EQ(Refusal("law = ohm-series\nfrom = 0\nto = 1\n"), "Chýba údaj stredná hodnota.");
    EXPECT_EQ(Refusal("law = points\nfrom = 0\nto = 1\n"), "Chýba údaj kalibračné body.");
    EXPECT_EQ(Refusal("law = points\nfrom = 0\nto = 1\npoints = 0:135; 1-45\n"),
              "Kalibračný bod '1-45' nemá tvar HODNOTA:UHOL.");
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 1\nminor = 0\n"), "Údaj krok malých dielikov musí byť väčší ako 0.");
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 1\nradius = -3\n"), "Údaj polomer musí byť väčší ako 0.");
    EXPECT_EQ(Refusal("decimal = dot\n"), "Desatinný znak je 'comma' alebo 'point', nie 'dot'.");
    EXPECT_EQ(Refusal("law = log\nfrom = 0\nto = 100\n"), "Logaritmická stupnica nemôže obsahovať nulu ani záporné hodnoty.");
    EXPECT_EQ(Refusal("law = linear\nfrom = 0\nto = 10\n"), "(accepted)");
}
