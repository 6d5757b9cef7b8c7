// Bad files and failing disks through the real code paths: nothing crashes,
// every value follows the rules, and nothing already on disk gets shorter.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "base/Errors.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/settings/IniFile.h"
#include "scale/settings/Settings.h"
#include "support/TestDir.h"
#include "support/Worked.h"

using namespace sp;

TEST(Faults, ReadOnlyFolderGivesTheCreateErrorWithTheSystemsReason) {
    TestDir dir;
    // Root may write anywhere on a normal file system; sysfs refuses even root.
    std::string folder = "/sys/kernel";
    if (::geteuid() != 0) {
        folder = dir.Path("ro");
        std::filesystem::create_directory(folder);
        ::chmod(folder.c_str(), 0555);
    }
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no read-only folder here";
    try {
        WriteDefinition({{"45", "M"}}, folder + "/scale.txt");
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + folder + "/scale.txt\". Permission denied");
    }
    try {
        IniFile(folder + "/s.ini").WriteText("A", "B", "c");
        FAIL();
    } catch (const EIniFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + folder + "/s.ini");
    }
}

TEST(Faults, OddSettingsFilesGiveTheValuesTheRulesGive) {
    TestDir dir;
    const std::string path = dir.Path("s.ini");
    std::string binary = "\x01\x02\xFF\xFE[Scale\x00]\r\n";
    binary += std::string("Mirror=\x00\x01", 9) + "\r\n";
    const std::string bigLine = "Junk=" + std::string(1 << 20, 'x');
    const std::string file = binary + "Width=1\r\n" +                        // no section yet: ignored
                             "[Dimensions]\r" + bigLine + "\r" +             // CR-only line ends
                             "Width=" + std::string(3000, '7') + "\r" +      // cut at 2047 characters
                             "Width=11\r" +                                  // duplicate key: the first counts
                             "[Center]\nY=9\n[center]\nY=8\nX=4\n" +         // duplicate section
                             "[Scale]\nDoubled=true\nHalfSmall=yes\nFrame=-1\nMirror=0\n";
    dir.Write("s.ini", file);
    FormFields f;
    std::int32_t dpi = 0;
    LoadSettings(path, f, dpi);
    EXPECT_EQ(f.width, std::string(2047, '7'));
    EXPECT_EQ(f.centerY, "9");
    EXPECT_EQ(f.centerX, "4");  // found in the second [center]
    EXPECT_EQ(f.height, "40");
    EXPECT_EQ(dpi, 600);
    EXPECT_TRUE(f.doubledArc);      // "true" is no integer: default yes
    EXPECT_FALSE(f.halfSmall);  // "yes": default no
    EXPECT_TRUE(f.frame);
    EXPECT_FALSE(f.mirror);

    // A save keeps every line it does not write.
    f.width = "80";
    SaveSettings(path, f);
    const std::string after = dir.Read("s.ini");
    EXPECT_NE(after.find(bigLine + "\r"), std::string::npos);
    EXPECT_NE(after.find(binary), std::string::npos);
    EXPECT_NE(after.find("Width=1\r\n"), std::string::npos);
    EXPECT_NE(after.find("Width=11\r"), std::string::npos);
    EXPECT_NE(after.find("[center]\nY=8\n"), std::string::npos);
    EXPECT_GE(after.size(), file.size() - 3000);  // only the long value shrank
    FormFields g;
    LoadSettings(path, g, dpi);
    EXPECT_EQ(g, f);
}

TEST(Faults, OddDefinitionFiles) {
    TestDir dir;
    std::string big;
    for (int i = 0; i < 1000000; ++i) big += std::to_string(i % 360) + (i % 2 ? ",N\r\n" : ",S\n");
    dir.Write("big.txt", big);
    std::vector<std::string> list;
    ReadDefinition(dir.Path("big.txt"), list);
    ASSERT_EQ(list.size(), 1000000u);
    EXPECT_EQ(list[999999], "279,N");

    dir.Write("odd.txt", std::string("45,M\r90,N\n\r\n54,S\0tail\r\n", 24));
    ReadDefinition(dir.Path("odd.txt"), list);
    EXPECT_EQ(list, (std::vector<std::string>{"45,M", "90,N", "", "54,S"}));

    // 200 commas: fields beyond the 64th are fine while empty, an error when not.
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    EXPECT_NO_THROW(DrawScale(p, f, {"90,M" + std::string(200, ',')}, true));
    EXPECT_THROW(DrawScale(p, f, {"90,M" + std::string(200, ',') + "x"}, true), ERangeError);
}
