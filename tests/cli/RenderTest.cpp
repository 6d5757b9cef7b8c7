// scaleplate-render through the built program: exit codes, messages, files.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/Program.h"
#include "support/TestDir.h"

namespace {

Outcome Render(const std::string& args, const std::string& prefix = "") {
    return RunProgram(SCALEPLATE_RENDER, args, prefix);
}

}  // namespace

TEST(Render, DefaultScaleFromFirstRunValues) {
    TestDir dir;
    const Outcome r = Render("--output '" + dir.Path("a.bmp") + "' --print-parameters");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("PixelsPerMm=23.622047244094489\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Radius=354\n"), std::string::npos) << r.out;  // 15 mm
    EXPECT_EQ(dir.Read("a.bmp").size(), 5360094u);
    EXPECT_EQ(dir.Entries(), 1u);  // no settings file made
}

TEST(Render, SettingsFileSetsAndDefinition) {
    TestDir dir;
    dir.Write("s.ini", "[Dimensions]\r\nDpi=300\r\nWidth=20\r\n");
    Outcome r = Render("--settings '" + dir.Path("s.ini") + "' --set height=10 --set Mirror=0 --output '" +
                   dir.Path("b.bmp") + "' --print-parameters");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Dpi=300\nPixelsPerMm=11.811023622047244\nHeight=118\nWidth=236\n"), std::string::npos) << r.out;

    dir.Write("d.txt", "90,M\r\n");
    r = Render("--definition '" + dir.Path("d.txt") + "' --output '" + dir.Path("c.bmp") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    r = Render("--definition '" + dir.Path("none.txt") + "' --output '" + dir.Path("d.bmp") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Načítanie definičného súboru sa nepodarilo.\n");
    dir.Write("bad.txt", "M,45\r\n");
    r = Render("--definition '" + dir.Path("bad.txt") + "' --output '" + dir.Path("e.bmp") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "'M' is not a valid integer value.\n");
    EXPECT_FALSE(FileExistsAt(dir.Path("d.bmp")));
    EXPECT_FALSE(FileExistsAt(dir.Path("e.bmp")));
}

TEST(Render, MessagesErrorsAndUsage) {
    TestDir dir;
    const std::string out = " --output '" + dir.Path("x.bmp") + "'";
    Outcome r = Render("--set Left=45" + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Ľavý a pravý uhol nemôžu byť rovnaké.\n");
    r = Render("--set Left=- --print-parameters" + out);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "'-' is not a valid integer value.\n");
    EXPECT_NE(r.out.find("Width=1890\n"), std::string::npos);  // stored so far
    r = Render("--set Segments=256" + out);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Range check error.\n");
    r = Render("--settings '" + dir.Path("none.ini") + "'" + out);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Cannot open file \"" + dir.Path("none.ini") + "\". No such file or directory.\n");
    r = Render("--output '" + dir.Path("no/x.bmp") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Cannot create file \"" + dir.Path("no/x.bmp") + "\". No such file or directory.\n");
    EXPECT_EQ(Render("--set Dpi=abc" + out).status, 64);
    EXPECT_EQ(Render("--set Frame=true" + out).status, 64);
    EXPECT_EQ(Render("--set Nothing=1" + out).status, 64);
    EXPECT_EQ(Render("").status, 64);
    EXPECT_EQ(Render("--bogus" + out).status, 64);
    r = Render("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage: scaleplate-render"), std::string::npos);
    EXPECT_EQ(dir.Entries(), 0u);
}

// A value typed after --set is checked against its field's kind (exit 64,
// nothing drawn); the angles are free text and meet the picture's own tests.
TEST(Render, SetValuesSuitTheirFields) {
    TestDir dir;
    const std::string out = " --output '" + dir.Path("x.svg") + "'";
    struct Row {
        const char* set;
        int status;
        const char* err;  // the first line of standard error
    };
    const Row rows[] = {
        {"X=30.5", 64, "scaleplate-render: Hodnota kľúča X musí byť celé číslo od 0 do 999."},
        {"X=", 64, "scaleplate-render: Hodnota kľúča X musí byť celé číslo od 0 do 999."},
        {"width=1000", 64, "scaleplate-render: Hodnota kľúča Width musí byť celé číslo od 0 do 999."},
        {"SegmentWidth=100", 64, "scaleplate-render: Hodnota kľúča SegmentWidth musí byť celé číslo od 0 do 99."},
        {"Radius=-5", 64, "scaleplate-render: Hodnota kľúča Radius musí byť celé číslo od 0 do 999."},
        {"Frame=2", 64, "scaleplate-render: Hodnota kľúča Frame musí byť 0 alebo 1."},
        {"Mirror=0x0", 64, "scaleplate-render: Hodnota kľúča Mirror musí byť 0 alebo 1."},
        {"ValueRight=ten", 64,
         "scaleplate-render: Hodnota kľúča ValueRight musí byť číslo (s desatinnou čiarkou alebo bodkou)."},
        {"TextHeight=3,5,", 64,
         "scaleplate-render: Hodnota kľúča TextHeight musí byť číslo (s desatinnou čiarkou alebo bodkou)."},
        {"Dpi=300dpi", 64, "scaleplate-render: Hodnota kľúča Dpi musí byť celé číslo."},
        {"Left=135.5", 1, "Ľavý uhol musí byť celé číslo."},
        {"Right=44,5", 1, "Pravý uhol musí byť celé číslo."},
        {"Left=135°", 0, ""},
        {"X=035", 0, ""},
        {"TextHeight=2.5", 0, ""},
        {"ValueLeft=", 0, ""},
    };
    for (const Row& r : rows) {
        const Outcome o = Render(std::string("--set ") + r.set + out);
        EXPECT_EQ(o.status, r.status) << r.set;
        EXPECT_EQ(o.err.substr(0, o.err.find('\n')), r.err) << r.set;
        EXPECT_EQ(FileExistsAt(dir.Path("x.svg")), r.status == 0) << r.set;
        std::remove(dir.Path("x.svg").c_str());
    }
    // A settings file keeps its own rules: X=30.5 is no whole number and
    // leaves X at 0, a flag of 2 counts as set.
    dir.Write("s.ini", "[Center]\r\nX=30.5\r\n[Scale]\r\nFrame=2\r\n");
    const Outcome o = Render("--settings '" + dir.Path("s.ini") + "' --print-parameters" + out);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("CenterX=0\n"), std::string::npos) << o.out;
}

TEST(Render, FullDiskAndTooLargePictureLoseNothing) {
    TestDir dir;
    dir.Write("old.bmp", std::string(1000, 'o'));
    Outcome r = Render("--output '" + dir.Path("old.bmp") + "'", "ulimit -f 100;");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Stream write error.\n");
    EXPECT_EQ(dir.Read("old.bmp"), std::string(1000, 'o'));
    EXPECT_EQ(dir.Entries(), 1u);

    // Larger than the file format can describe (167 GB).
    r = Render("--set Dpi=6000 --set Width=999 --set Height=999 --output '" + dir.Path("huge.bmp") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Out of system resources.\n");
    EXPECT_EQ(dir.Entries(), 1u);
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's shadow memory cannot live under ulimit -v
    // A band of rows larger than the memory the process may have (one row
    // of 354 million pixels): refused before anything is drawn, not killed.
    r = Render("--set Dpi=9000000 --set Width=999 --set Height=999 --output '" + dir.Path("big.png") + "'",
               "ulimit -v 1000000;");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Out of system resources.\n");
    EXPECT_EQ(dir.Entries(), 1u);
    // The largest plate is larger than that memory too, but drawn in bands
    // it is written (as PNG: a few hundred KB instead of 1.67 GB).
    r = Render("--set Width=999 --set Height=999 --output '" + dir.Path("largest.png") + "'", "ulimit -v 1000000;");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.Read("largest.png").substr(1, 3), "PNG");
    EXPECT_EQ(dir.Entries(), 2u);
#endif
}
