#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "scale/input/FieldTable.h"
#include "scale/settings/IniFile.h"
#include "scale/settings/Settings.h"
#include "support/TestDir.h"

using namespace sp;

namespace {

// Counts how often a file of the folder is put in place (renamed over, or
// written and closed) while it lives: one save must be one replacement.
class ReplacementCount {
public:
    explicit ReplacementCount(const std::string& folder) : fd_(::inotify_init1(IN_NONBLOCK)) {
        ::inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~ReplacementCount() { ::close(fd_); }
    int Of(const std::string& name) {
        alignas(inotify_event) char buf[65536];
        for (ssize_t n; (n = ::read(fd_, buf, sizeof buf)) > 0;)
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
                if (e->len > 0 && name == e->name) ++count_;
                at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        return count_;
    }

private:
    int fd_;
    int count_ = 0;
};

}  // namespace

TEST(SettingsPath, ExtensionReplacedOrAppended) {
    EXPECT_EQ(SettingsPath("/opt/tools/scaleplate"), "/opt/tools/scaleplate.ini");
    EXPECT_EQ(SettingsPath("/opt/tools/Meter.exe"), "/opt/tools/Meter.ini");
    EXPECT_EQ(SettingsPath("/opt/v1.2/scaleplate"), "/opt/v1.2/scaleplate.ini");
    EXPECT_EQ(SettingsPath("/opt/a.b/c.d.e"), "/opt/a.b/c.d.ini");
}

TEST(SettingsPath, TitleAndFolder) {
    EXPECT_EQ(ApplicationTitle("/opt/tools/scaleplate"), "scaleplate");
    EXPECT_EQ(ApplicationTitle("/opt/v1.2/SCALEPLATE.bin.x"), "Scaleplate");
    EXPECT_EQ(ProgramFolder("/opt/v1.2/scaleplate"), "/opt/v1.2/");
}

TEST(Settings, FirstRunFileLineByLineAndLoadedBack) {
    TestDir dir;
    const std::string path = dir.Path("scaleplate.ini");
    ReplacementCount writes(dir.Path(""));
    CreateSettings(path);
    EXPECT_EQ(writes.Of("scaleplate.ini"), 1);
    EXPECT_EQ(dir.Read("scaleplate.ini"),
              "[Dimensions]\r\nWidth=80\r\nHeight=40\r\nDpi=600\r\n[Angles]\r\nLeft=135\r\nRight=45\r\n"
              "[Center]\r\nX=40\r\nY=1\r\nRadius=15\r\nCentralRadius=3\r\n[Scale]\r\nSegments=10\r\n"
              "SegmentLength=3\r\nFrameWidth=1\r\nArchWidth=2\r\nSegmentWidth=1\r\nMaster=5\r\nDoubled=0\r\n"
              "HalfSmall=0\r\nFrame=0\r\nMirror=0\r\n"
              // The texts' keys follow every older line, in a section of their own.
              "[Numbers]\r\nValueLeft=\r\nValueRight=\r\nUnit=\r\nTextHeight=3,5\r\nFont=DejaVu Sans\r\n"
              "Inside=0\r\nRadial=0\r\nDecimalPoint=0\r\n"
              // The number gap after them: empty, a quarter of the text height,
              // as files without the key draw.
              "NumberGap=\r\n");
    FormFields f;
    std::int32_t dpi = 0;
    LoadSettings(path, f, dpi);
    EXPECT_EQ(f, FirstRunFields());
    EXPECT_EQ(dpi, 600);
    EXPECT_EQ(f.segments, "10");
    EXPECT_EQ(f.radius, "15");
    EXPECT_FALSE(f.mirror);

    // An existing file is left alone.
    dir.Write("scaleplate.ini", "[Scale]\r\nMirror=0\r\n");
    CreateSettings(path);
    EXPECT_EQ(dir.Read("scaleplate.ini"), "[Scale]\r\nMirror=0\r\n");
}

TEST(Settings, MissingKeysTakeTheirDefaults) {
    TestDir dir;
    dir.Write("s.ini", "[Scale]\nMirror=0\n");
    FormFields f;
    std::int32_t dpi = 0;
    LoadSettings(dir.Path("s.ini"), f, dpi);
    EXPECT_EQ(f.centerY, "5");
    EXPECT_EQ(f.radius, "30");
    EXPECT_EQ(f.arcWidth, "1");
    EXPECT_EQ(f.width, "80");
    EXPECT_TRUE(f.doubledArc);
    EXPECT_TRUE(f.frame);
    EXPECT_FALSE(f.halfSmall);
    EXPECT_FALSE(f.mirror);
    EXPECT_EQ(dpi, 600);
}

// Each key left out in turn, every other key present with another value:
// the one missing takes its own default, written out here by hand.
TEST(Settings, EachMissingKeyTakesItsOwnDefault) {
    FormFields expected;
    expected.width = "80", expected.height = "40", expected.leftAngle = "135", expected.rightAngle = "45";
    expected.centerX = "40", expected.centerY = "5", expected.radius = "30", expected.centralRadius = "3";
    expected.segments = "10", expected.segmentLength = "3", expected.frameWidth = "1", expected.arcWidth = "1";
    expected.segmentWidth = "1", expected.masterEvery = "5", expected.textHeight = "3,5", expected.font = "DejaVu Sans";
    expected.doubledArc = expected.frame = expected.mirror = true;
    TestDir dir;
    std::int32_t dpi = 0;
    FormFields f;
    dir.Write("empty.ini", "");
    LoadSettings(dir.Path("empty.ini"), f, dpi);
    EXPECT_EQ(f, expected);
    for (const FieldRow& left : FieldTable()) {
        std::string text, section;
        for (const FieldRow& row : FieldTable()) {
            if (&row == &left) continue;
            if (row.section != section) text += "[" + (section = row.section) + "]\r\n";
            const bool flag = row.kind == FieldKind::Check;
            text += std::string(row.key) + "=" + (flag ? (expected.*row.flag ? "0" : "1") : "77") + "\r\n";
        }
        dir.Write("s.ini", text);
        LoadSettings(dir.Path("s.ini"), f, dpi);
        if (left.kind == FieldKind::Check)
            EXPECT_EQ(f.*left.flag, expected.*left.flag) << left.key;
        else
            EXPECT_EQ(f.*left.text, expected.*left.text) << left.key;
        EXPECT_NE(f, expected) << left.key;  // the other keys were read
    }
}

// Line ends of old Macintosh editors: a carriage return alone ends a line.
TEST(Settings, CarriageReturnAloneEndsALine) {
    TestDir dir;
    dir.Write("mac.ini", "[Scale]\rMirror=0\rSegments=7\r[Center]\rRadius=20\rX=12");
    FormFields f;
    std::int32_t dpi = 0;
    LoadSettings(dir.Path("mac.ini"), f, dpi);
    EXPECT_FALSE(f.mirror);
    EXPECT_EQ(f.segments, "7");
    EXPECT_EQ(f.radius, "20");
    EXPECT_EQ(f.centerX, "12");
}

TEST(IniFile, NumbersAndFlags) {
    TestDir dir;
    const std::string path = dir.Path("n.ini");
    struct Row {
        const char* text;
        std::int32_t dpi;
    };
    const Row rows[] = {{"0x12C", 300}, {"300dpi", 600}, {"", 600},         {"-5", -5},   {"2147483648", 600},
                        {"  600", 600}, {"+600", 600},   {"$258", 600},     {"x258", 600}, {"600 ", 600},
                        {"6OO", 600},   {"0X258", 600},  {"-0x10", -16},    {"0x", 600}};
    for (const Row& r : rows) {
        dir.Write("n.ini", std::string("[Dimensions]\r\nDpi=") + r.text + "\r\n");
        EXPECT_EQ(IniFile(path).ReadNumber("Dimensions", "Dpi", 600), r.dpi) << r.text;
    }
    dir.Write("n.ini", "[Scale]\nDoubled=2\nFrame=-1\nMirror=true\nHalfSmall=yes\n");
    const IniFile ini(path);
    EXPECT_TRUE(ini.ReadFlag("Scale", "Doubled", false));
    EXPECT_TRUE(ini.ReadFlag("Scale", "Frame", false));
    EXPECT_TRUE(ini.ReadFlag("Scale", "Mirror", true));
    EXPECT_FALSE(ini.ReadFlag("Scale", "HalfSmall", false));
}

TEST(IniFile, ReadRules) {
    TestDir dir;
    dir.Write("r.ini",
              "; comment\r\nWidth=1\r\n[dimensions]\r\n  WIDTH = 120 \r\nHeight=\r\n[Other]\rKey=x\r"
              "[Dimensions]\nDepth=7\nWidth=999\n");
    const IniFile ini(dir.Path("r.ini"));
    EXPECT_EQ(ini.ReadText("Dimensions", "Width", "d"), "120");
    EXPECT_EQ(ini.ReadText("Dimensions", "Height", "d"), "");
    EXPECT_EQ(ini.ReadText("Dimensions", "Depth", "d"), "7");
    EXPECT_EQ(ini.ReadText("Other", "key", "d"), "x");
    EXPECT_EQ(ini.ReadText("Dimensions", "Missing", "d"), "d");
    EXPECT_EQ(ini.ReadText("Nothing", "Width", "d"), "d");
    EXPECT_EQ(IniFile(dir.Path("none.ini")).ReadText("Dimensions", "Width", "d"), "d");
    dir.Write("long.ini", "[A]\r\nK=" + std::string(1000000, 'v') + "\r\n");
    EXPECT_EQ(IniFile(dir.Path("long.ini")).ReadText("A", "K", "").size(), 2047u);
    dir.Write("cp.ini", "[A]\r\nK=\xBE\xE1\r\n");
    EXPECT_EQ(IniFile(dir.Path("cp.ini")).ReadText("A", "K", ""), "ľá");
}

TEST(IniFile, WritesKeepEveryOtherLine) {
    TestDir dir;
    const std::string path = dir.Path("w.ini");
    dir.Write("w.ini", "; my notes\n[Dimensions]\nWidth=80\nDpi=300\nUnknown=keep me\n\n[Extra]\nA=1\n");
    IniFile ini(path);
    ini.WriteText("dimensions", "width", "120");
    ini.WriteText("Dimensions", "Height", "40");
    ini.WriteText("Scale", "Mirror", "1");
    EXPECT_EQ(dir.Read("w.ini"),
              "; my notes\n[Dimensions]\nwidth=120\nDpi=300\nUnknown=keep me\nHeight=40\n\n[Extra]\nA=1\n[Scale]\nMirror=1\n");
    // Values with blanks at the ends, quotes and Slovak letters read back unchanged.
    // A value beyond the code page turns the file into UTF-8 with the
    // byte-order mark (it read back as "??" before that rule).
    for (const std::string v : {" 80", "8 ", "\"q\"", "", "Ľavý", "a=b;c", "\"", "日本"}) {
        ini.WriteText("T", "V", v);
        EXPECT_EQ(ini.ReadText("T", "V", "default"), v) << v;
        EXPECT_EQ(dir.Read("w.ini").rfind("\xEF\xBB\xBF", 0) == 0, v == "日本") << v;
    }
}

TEST(IniFile, NewLinesTakeTheFilesFirstLineEnd) {
    // A file edited on two systems: the first line end found is the file's.
    TestDir dir;
    dir.Write("e.ini", "[Dimensions]\nWidth=80\r\n[Scale]\r\nMirror=0\r\n");
    IniFile ini(dir.Path("e.ini"));
    ini.WriteText("Dimensions", "Height", "40");
    ini.WriteText("Angles", "Left", "135");
    EXPECT_EQ(dir.Read("e.ini"), "[Dimensions]\nWidth=80\r\nHeight=40\n[Scale]\r\nMirror=0\r\n[Angles]\nLeft=135\n");
}

TEST(Settings, SaveWritesEveryFieldAndKeepsDpi) {
    TestDir dir;
    const std::string path = dir.Path("s.ini");
    CreateSettings(path);
    IniFile(path).WriteNumber("Dimensions", "Dpi", 300);
    FormFields f = FirstRunFields();
    f.width = "";
    f.height = " 5";
    f.frame = true;
    f.mirror = true;
    f.leftAngle = "135°";
    SaveSettings(path, f);
    FormFields g;
    std::int32_t dpi = 0;
    LoadSettings(path, g, dpi);
    EXPECT_EQ(g, f);
    EXPECT_EQ(dpi, 300);
    EXPECT_EQ(IniFile(path).ReadText("Scale", "Frame", ""), "1");
}

// A save reads the file once and replaces it once, with the bytes a key by
// key save gave: the mark, comments, unknown keys and their order stay.
TEST(Settings, SaveReplacesTheFileOnceKeepingWhatItDoesNotKnow) {
    TestDir dir;
    const std::string path = dir.Path("s.ini");
    dir.Write("s.ini", "\xEF\xBB\xBF; moje poznámky\n[Scale]\nMirror=0\nOwn=Ω\n\n[Dimensions]\nDpi=300\n");
    FormFields f = FirstRunFields();
    f.unit = "kΩ";
    f.frame = true;
    ReplacementCount writes(dir.Path(""));
    SaveSettings(path, f);
    EXPECT_EQ(writes.Of("s.ini"), 1);
    EXPECT_EQ(dir.Read("s.ini"),
              "\xEF\xBB\xBF; moje poznámky\n[Scale]\nMirror=0\nOwn=Ω\nSegments=10\nSegmentLength=3\nFrameWidth=1\n"
              "ArchWidth=2\nSegmentWidth=1\nMaster=5\nDoubled=0\nHalfSmall=0\nFrame=1\n\n[Dimensions]\nDpi=300\n"
              "Width=80\nHeight=40\n[Angles]\nLeft=135\nRight=45\n[Center]\nX=40\nY=1\nRadius=15\nCentralRadius=3\n"
              "[Numbers]\nValueLeft=\nValueRight=\nUnit=kΩ\nTextHeight=3,5\nFont=DejaVu Sans\nInside=0\nRadial=0\n"
              "DecimalPoint=0\nNumberGap=\n");
}

// A settings file saved by a Linux editor in UTF-8 without the mark: read
// as UTF-8 and kept so, not shown as "Î©".
TEST(Settings, Utf8WithoutTheMarkStaysUtf8) {
    TestDir dir;
    const std::string path = dir.Path("s.ini");
    dir.Write("s.ini", "[Numbers]\nUnit=Ω\nFont=Ľubovoľné\n");
    FormFields f;
    std::int32_t dpi = 0;
    LoadSettings(path, f, dpi);
    EXPECT_EQ(f.unit, "Ω");
    EXPECT_EQ(f.font, "Ľubovoľné");
    f.unit = "∞";
    SaveSettings(path, f);
    const std::string bytes = dir.Read("s.ini");
    const std::string start = "[Numbers]\nUnit=∞\nFont=Ľubovoľné\nValueLeft=\nValueRight=\n";
    EXPECT_EQ(bytes.substr(0, start.size()), start) << bytes;
    FormFields g;
    LoadSettings(path, g, dpi);
    EXPECT_EQ(g, f);
}

TEST(Settings, FailedWritesRaiseAndLoseNothing) {
    TestDir dir;
    const std::string path = dir.Path("s.ini");
    CreateSettings(path);
    const std::string before = dir.Read("s.ini");
    FormFields f = FirstRunFields();
    // The file may grow by the first key's new byte but not by the font's:
    // a save key by key would leave the new width behind.
    f.width = "123";
    f.font = "DejaVu Sans Mono";
    {
        FileSizeLimit limit(before.size() + 1);
        try {
            SaveSettings(path, f);
            FAIL();
        } catch (const EIniFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
        }
    }
    EXPECT_EQ(dir.Read("s.ini"), before);
    EXPECT_EQ(dir.Entries(), 1u);
    EXPECT_THROW(CreateSettings(dir.Path("no/s.ini")), EIniFileError);
}

// Found by fuzzing: a value ending in an overlong UTF-8 NUL was written
// without quotes and lost its end on reading back.
TEST(IniFile, MalformedTextReadsBackAsWrittenThroughTheCodePage) {
    TestDir dir;
    IniFile ini(dir.Path("m.ini"));
    ini.WriteText("S", "K", "a\xC0\x80");
    EXPECT_EQ(ini.ReadText("S", "K", ""), "a??");
    ini.WriteText("S", "K", std::string("b\0", 2));
    EXPECT_EQ(ini.ReadText("S", "K", ""), std::string("b\0", 2));
}
