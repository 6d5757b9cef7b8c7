// The window's scale as a plate: the plate written for it, read back and
// drawn, gives the window's picture byte for byte.
#include <gtest/gtest.h>

#include "scale/output/PictureCommand.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/plate/PlateReader.h"
#include "scale/plate/PlateWriter.h"
#include "support/TestDir.h"
#include "support/Worked.h"

namespace {

struct Case {
    const char* name;
    int dpi;
    std::vector<std::string> definition;  // empty: uniform segments
    void (*set)(sp::FormFields&);
};

std::string WindowPicture(const Case& c, const TestDir& dir) {
    sp::PictureSession s;
    s.Params = Fresh(c.dpi);
    s.DefinitionList = c.definition;
    s.DefinitionActive = !c.definition.empty();
    sp::FormFields f = WorkedFields();
    c.set(f);
    const sp::PictureResult r = sp::RunPictureCommand(s, f, [&] { return sp::SaveTarget(dir.Path("window.bmp")); });
    EXPECT_EQ(r.outcome, sp::PictureResult::Saved) << r.message;
    return dir.Read("window.bmp");
}

std::string PlatePicture(const Case& c, const TestDir& dir) {
    sp::ScaleParameters p = Fresh(c.dpi);
    sp::FormFields f = WorkedFields();
    c.set(f);
    sp::Plate plate;
    EXPECT_FALSE(sp::WindowPlate(p, f, c.definition, !c.definition.empty(), plate));
    sp::WritePlateFile(plate, dir.Path("window.scaleplate"));
    const sp::Plate read = sp::ReadPlateFile(dir.Path("window.scaleplate"));
    EXPECT_EQ(read, plate);
    bool mirrored = false;
    const auto picture = sp::DrawPlateRaster(read, dir.Path(""), &mirrored);
    sp::WritePictureFile(sp::OutputFormat::Bmp, picture.get(), nullptr, dir.Path("plate.bmp"), {mirrored, c.dpi});
    return dir.Read("plate.bmp");
}

TEST(WindowPlate, DrawsTheWindowsPicturePixelForPixel) {
    const std::vector<std::string> definition{"10,M,50", "20,x", "30,N", "45.5,S", "60,M,40", "90.25,M,25", "135,M,0"};
    const Case cases[] = {
        {"worked example", 600, {}, [](sp::FormFields&) {}},
        {"numbers and a unit", 600, {},
         [](sp::FormFields& f) {
             f.valueLeft = "0";
             f.valueRight = "2,5";
             f.textHeight = "3,5";
             f.unit = " mA ";
         }},
        {"definition with labels, inside", 600, definition,
         [](sp::FormFields& f) {
             f.textHeight = "3";
             f.unit = "V";
             f.numbersInside = true;
         }},
        {"every option at 300 dpi", 300, {},
         [](sp::FormFields& f) {
             f.halfSmall = f.doubledArc = f.frame = f.mirror = f.radialNumbers = f.decimalPoint = true;
             f.arcWidth = "5";
             f.frameWidth = "3";
             f.segmentWidth = "2";
             f.masterEvery = "0";
             f.valueLeft = "-1";
             f.valueRight = "1";
             f.textHeight = "2,5";
         }},
        {"no arc, dual arc, definition", 600, definition,
         [](sp::FormFields& f) {
             f.arcWidth = "0";
             f.doubledArc = true;
         }},
    };
    for (const Case& c : cases) {
        TestDir dir;
        const std::string window = WindowPicture(c, dir);
        ASSERT_GT(window.size(), 54u) << c.name;
        EXPECT_TRUE(window == PlatePicture(c, dir)) << c.name;
    }
}

TEST(WindowPlate, ARefusedInputGivesTheWindowsSentenceAndNoPlate) {
    sp::ScaleParameters p = Fresh();
    sp::FormFields f = WorkedFields();
    f.radius = "";
    p.Radius = 0;
    sp::Plate plate;
    EXPECT_EQ(sp::WindowPlate(p, f, {}, false, plate), std::optional<std::string>(sp::msg::NeedRadius));
    EXPECT_EQ(plate, sp::Plate{});
}

}  // namespace
