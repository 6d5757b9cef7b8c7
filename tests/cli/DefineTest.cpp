// scaleplate-define through the built program: statuses, sentences, the file
// it writes, and that scaleplate-render draws it.
#include <gtest/gtest.h>

#include <string>

#include "support/Program.h"
#include "support/TestDir.h"

namespace {

Outcome Define(const std::string& args) { return RunProgram(SCALEPLATE_DEFINE, args); }

}  // namespace

TEST(Define, VoltmeterToStandardOutputAndFile) {
    TestDir dir;
    const Outcome r = Define("--law linear --from 0 --to 10 --left 135 --right 45 --radius 30");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("135.0000,M,0\r\n133.2000,S\r\n")) << r.out;
    EXPECT_NE(r.out.find("\r\n90.0000,N\r\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\r\n45.0000,M,10\r\n"));
    const Outcome f = Define("--law linear --from 0 --to 10 --left 135 --right 45 --radius 30 --output '" +
                             dir.Path("v.txt") + "'");
    EXPECT_EQ(f.status, 0) << f.err;
    EXPECT_EQ(f.out, "");
    EXPECT_EQ(dir.Read("v.txt"), r.out);
}

TEST(Define, AnglesAndRadiusFromSettings) {
    TestDir dir;
    dir.Write("s.ini", "[Angles]\r\nLeft=150\r\nRight=30\r\n[Center]\r\nRadius=40\r\n");
    Outcome r = Define("--settings '" + dir.Path("s.ini") + "' --law log --from 1 --to 100 --decimal point");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("150.0000,M,1\r\n")) << r.out;
    EXPECT_NE(r.out.find("\r\n90.0000,"), std::string::npos) << r.out;  // 10 halfway between 150 and 30
    EXPECT_TRUE(r.out.ends_with("\r\n30.0000,M,100\r\n"));
    const std::string log = "--law log --from 1 --to 100 --decimal point --left 150 --right 30 --radius ";
    EXPECT_EQ(Define(log + "40").out, r.out);     // the radius came from the file too
    EXPECT_NE(Define(log + "15").out, r.out);     // and it sets the spacing
    // Without settings: the first-run angles 135 and 45.
    r = Define("--law linear --from 0 --to 1 --labels '0;0,5;1'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\r\n90.0000,M,0,5\r\n"), std::string::npos) << r.out;
    r = Define("--settings '" + dir.Path("none.ini") + "' --law linear --from 0 --to 1");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Cannot open file"), std::string::npos) << r.err;
}

TEST(Define, RefusalsUsageAndErrors) {
    TestDir dir;
    const std::string out = " --output '" + dir.Path("x.txt") + "'";
    Outcome r = Define("--law log --from 0 --to 100" + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Logaritmická stupnica nemôže obsahovať nulu ani záporné hodnoty.\n");
    r = Define("--law points --from 0 --to 12 --points 0:135,5:90,10:45" + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Hodnota 12 leží mimo rozsahu kalibračných bodov (0 až 10).\n");
    r = Define("--law power --exponent 0 --from 0 --to 1" + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Exponent nesmie byť 0.\n");
    r = Define("--law linear --from 0 --to 10 --minor 0.001" + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(FileExistsAt(dir.Path("x.txt")));

    r = Define("--law linear --from 0");
    EXPECT_EQ(r.status, 64);
    EXPECT_TRUE(r.err.starts_with("scaleplate-define: --to is required\n")) << r.err;
    EXPECT_EQ(Define("--law linear --from 0 --to 1 --colour red").status, 64);
    EXPECT_EQ(Define("--law linear --from 0 --to").status, 64);
    r = Define("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("Usage: scaleplate-define")) << r.out;

    r = Define("--law linear --from 0 --to 10 --output '" + dir.Path("no/such.txt") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.starts_with("Cannot create file \"" + dir.Path("no/such.txt") + "\".")) << r.err;
}

TEST(Define, RenderDrawsTheDefinition) {
    TestDir dir;
    const std::string vu = dir.Path("vu.txt");
    Outcome r = Define("--law db --from -20 --to +3 --labels=x --output '" + vu + "'");
    EXPECT_EQ(r.status, 64);  // options take their value as the next argument
    r = Define("--law db --from -20 --to +3 --labels -20,-10,-7,-5,-3,-2,-1,0,+1,+2,+3 --output '" + vu + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    // Eleven numbers forced onto a 15 mm arc crowd: said on standard error,
    // and the picture is written all the same.
    r = RunProgram(SCALEPLATE_RENDER, "--definition '" + vu + "' --output '" + dir.Path("vu.bmp") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Čísla -3 a -2 sa prekrývajú.\n"), std::string::npos) << r.err;
    EXPECT_TRUE(FileExistsAt(dir.Path("vu.bmp")));
    // The numbers chosen by the program on the same arc say nothing; an
    // ohmmeter runs to infinity, written in UTF-8 with its mark.
    const std::string ohms = dir.Path("ohms.txt");
    r = Define("--law ohm-series --center 50 --from 0 --to inf --output '" + ohms + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = dir.Read("ohms.txt");
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF" "45.0000,M,0\r\n", 0), 0u) << bytes;
    EXPECT_TRUE(bytes.ends_with("135.0000,M,\xE2\x88\x9E\r\n")) << bytes;
    for (const std::string& def : {vu, ohms}) {
        if (def == vu) {
            ASSERT_EQ(Define("--law db --from -20 --to +3 --output '" + vu + "'").status, 0);
        }
        r = RunProgram(SCALEPLATE_RENDER, "--definition '" + def + "' --output '" + dir.Path("auto.bmp") + "'");
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "") << def;
    }
    dir.Write("empty.txt", "");
    r = RunProgram(SCALEPLATE_RENDER, "--definition '" + dir.Path("empty.txt") + "' --output '" + dir.Path("e.bmp") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string drawn = dir.Read("auto.bmp"), empty = dir.Read("e.bmp");
    ASSERT_EQ(drawn.size(), empty.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i) differing += drawn[i] != empty[i];
    EXPECT_GT(differing, 1000u);  // the ticks, not a pixel or two
}
