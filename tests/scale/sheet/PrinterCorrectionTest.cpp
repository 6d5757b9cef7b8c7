// The printers' factors in the settings file: each printer its own, kept to
// three decimals, 1.000 for a printer not there or a value no one could
// print with; the lines before the section stay byte for byte.
#include <gtest/gtest.h>

#include "scale/sheet/PrinterCorrection.h"
#include "support/TestDir.h"

namespace {

using sp::PrinterFactors;

TEST(PrinterCorrection, EachPrinterKeepsItsOwnFactorsAndNothingElseChanges) {
    TestDir dir;
    const std::string path = dir.Path("scaleplate.ini");
    const std::string older = "[Dimensions]\r\nWidth=66\r\n[Window]\r\nPreview=1\r\n";
    dir.Write("scaleplate.ini", older);
    sp::WritePrinterFactors(path, "HP LaserJet 1020", {1.006, 0.9984});
    sp::WritePrinterFactors(path, "Kopírka=2. poschodie", {0.994, 1.1});
    sp::WritePrinterFactors(path, "HP LaserJet 1020", {1.004, 0.998});  // measured again
    const std::string after = dir.Read("scaleplate.ini");
    EXPECT_EQ(after.substr(0, older.size()), older);
    EXPECT_EQ(sp::ReadPrinterFactors(path, "HP LaserJet 1020"), (PrinterFactors{1.004, 0.998}));
    EXPECT_EQ(sp::ReadPrinterFactors(path, "Kopírka=2. poschodie"), (PrinterFactors{0.994, 1.1}));
    EXPECT_EQ(sp::ReadPrinterFactors(path, "Brother"), (PrinterFactors{1, 1}));
    EXPECT_NE(after.find("HP LaserJet 1020.X=1.004\r\n"), std::string::npos) << after;

    // Hand-edited values a printer could not need read as no correction.
    for (const char* bad : {"1.5", "0,995", "abc", "1.006x", "nan", ""}) {
        dir.Write("bad.ini", std::string("[PrinterCorrection]\r\nP.X=") + bad + "\r\nP.Y=1.002\r\n");
        EXPECT_EQ(sp::ReadPrinterFactors(dir.Path("bad.ini"), "P"), (PrinterFactors{1, 1.002})) << bad;
    }
}

}  // namespace
