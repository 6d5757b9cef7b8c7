// scaleplate-render --plate and --save-plate as a user runs them: the
// default picture name, the round trip through a plate file, and a bad
// plate that writes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

#include "support/TestDir.h"

namespace {

struct Outcome {
    int status;
    std::string err;
};

Outcome Render(const std::string& args, const TestDir& dir) {
    const std::string cmd = "'" SCALEPLATE_RENDER "' " + args + " 2>'" + dir.Path("err") + "'";
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.Read("err")};
}

TEST(PlateRender, TheSavedPlateDrawsTheWindowsPictureIntoThePlatesNameAsPdf) {
    TestDir dir;
    const std::string set = "--set Radius=25 --set ValueLeft=0 --set ValueRight=10 --set TextHeight=3,5 --set Unit=V ";
    ASSERT_EQ(Render(set + "--save-plate '" + dir.Path("w.scaleplate") + "'", dir).status, 0);
    ASSERT_EQ(Render(set + "--output '" + dir.Path("window.bmp") + "'", dir).status, 0);
    ASSERT_EQ(Render("--plate '" + dir.Path("w.scaleplate") + "' --output '" + dir.Path("plate.bmp") + "'", dir).status, 0);
    EXPECT_TRUE(dir.Read("window.bmp") == dir.Read("plate.bmp"));
    ASSERT_EQ(Render("--plate '" + dir.Path("w.scaleplate") + "'", dir).status, 0);
    EXPECT_EQ(dir.Read("w.pdf").substr(0, 5), "%PDF-");
}

TEST(PlateRender, ABadPlateGivesItsSentenceStatusOneAndWritesNothing) {
    TestDir dir;
    dir.Write("bad.scaleplate", "format = 1\n[plate]\nwidth = 60\nheight = 40\n[[scale]]\nradus = 20\n");
    const Outcome r = Render("--plate '" + dir.Path("bad.scaleplate") + "' --output '" + dir.Path("p.png") + "'", dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Súbor \"" + dir.Path("bad.scaleplate") + "\", riadok 6, kľúč \"scale.radus\": taký kľúč nepoznám.\n");
    EXPECT_FALSE(FileExistsAt(dir.Path("p.png")));
    // A plate draws alone: the window's options do not mix with it.
    EXPECT_EQ(Render("--plate '" + dir.Path("bad.scaleplate") + "' --set Radius=3", dir).status, 64);
}

}  // namespace
