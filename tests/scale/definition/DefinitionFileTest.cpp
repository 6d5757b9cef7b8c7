#include <gtest/gtest.h>

#include "base/Errors.h"
#include "scale/definition/DefinitionFile.h"
#include "support/TestDir.h"

using namespace sp;

TEST(DefinitionWriter, SkipsSortsAndDeduplicates) {
    TestDir dir;
    WriteDefinition({{"90", "N"}, {"45", "M"}}, dir.Path("a.txt"));
    EXPECT_EQ(dir.Read("a.txt"), "45,M\r\n90,N\r\n");

    EXPECT_EQ(DefinitionLines({{"5", "M"}, {"45", "N"}, {"100", "M"}}), (std::vector<std::string>{"100,M", "45,N", "5,M"}));
    EXPECT_EQ(DefinitionLines({{" 45 ", "M"}}), (std::vector<std::string>{" 45 ,M"}));
    // "45.5" was skipped too until angles took decimals; it is written now
    // (DecimalAnglesAsTheGeneratorWritesThem).
    for (const char* angle : {"+45", "4 5", "2147483648", ""})
        EXPECT_TRUE(DefinitionLines({{angle, "M"}}).empty()) << angle;
    for (const char* angle : {"-30", "007", "720"})
        EXPECT_EQ(DefinitionLines({{angle, "M"}}), (std::vector<std::string>{std::string(angle) + ",M"}));
    EXPECT_EQ(DefinitionLines({{"1", "m"}, {"2", "Master"}, {"3", "S1"}}),
              (std::vector<std::string>{"1,M", "2,M", "3,S"}));
    for (const char* type : {"X", " M", "1", ""}) EXPECT_TRUE(DefinitionLines({{"45", type}}).empty()) << type;
    EXPECT_EQ(DefinitionLines({{"45", "M"}, {"45", "M"}, {"45", "N"}}), (std::vector<std::string>{"45,M", "45,N"}));
    // Any order of the same rows gives the same file.
    EXPECT_EQ(DefinitionLines({{"45", "N"}, {"-5", "S"}, {"45", "M"}}),
              DefinitionLines({{"45", "M"}, {"45", "N"}, {"-5", "S"}}));

    WriteDefinition({{"", ""}}, dir.Path("empty.txt"));
    EXPECT_EQ(dir.Read("empty.txt"), "");
}

// Rows the generator fills into the editor carry angles with 4 decimals;
// saving must keep them, and every line written must be one the drawing reads.
TEST(DefinitionWriter, DecimalAnglesAsTheGeneratorWritesThem) {
    EXPECT_EQ(DefinitionLines({{"90.0000", "M", "5"}, {"101.2500", "s"}, {" -3.5 ", "N"}, {"45.5", "M"}}),
              (std::vector<std::string>{" -3.5 ,N", "101.2500,S", "45.5,M", "90.0000,M,5"}));
    EXPECT_EQ(DefinitionLines({{".5", "M"}, {"7.", "N"}}), (std::vector<std::string>{".5,M", "7.,N"}));
    // Texts that are no decimal with a point, or that the drawing refuses, stay out.
    for (const char* angle : {"45,5", "4 5.5", "45.2.5", "0x2D.8", "$2D", "1e2", ".", "-.", "2147483648.0", "abc",
                              "+45", " "})
        EXPECT_TRUE(DefinitionLines({{angle, "M"}}).empty()) << angle;
}

TEST(DefinitionWriter, CollationIgnoresCaseOfLettersOnly) {
    EXPECT_EQ(CompareDefinitionLines("a", "A"), 0);
    EXPECT_EQ(CompareDefinitionLines("č", "Č"), 0);
    EXPECT_LT(CompareDefinitionLines("100,M", "45,N"), 0);
    EXPECT_LT(CompareDefinitionLines("45,M", "45,N"), 0);
    EXPECT_NE(CompareDefinitionLines("-30,M", "30,M"), 0);
    EXPECT_LT(CompareDefinitionLines("45", "45,M"), 0);
    // Letters fold to lower case: "_" (between "Z" and "a") sorts before them.
    EXPECT_LT(CompareDefinitionLines("_", "m"), 0);
    EXPECT_LT(CompareDefinitionLines("_", "M"), 0);
    EXPECT_LT(CompareDefinitionLines("45,_", "45,M"), 0);
    // An overlong NUL is no NUL but a malformed character, after every letter.
    EXPECT_GT(CompareDefinitionLines("\xC0\x80", "z"), 0);
}

// Every Slovak letter folds with its capital, also where the code page keeps
// the pair 16 apart (Š/š, Ľ/ľ, Ž/ž) rather than 32.
TEST(DefinitionWriter, CollationFoldsEverySlovakLetter) {
    const char* pairs[][2] = {{"Á", "á"}, {"Ä", "ä"}, {"Č", "č"}, {"Ď", "ď"}, {"É", "é"}, {"Í", "í"},
                              {"Ĺ", "ĺ"}, {"Ľ", "ľ"}, {"Ň", "ň"}, {"Ó", "ó"}, {"Ô", "ô"}, {"Ŕ", "ŕ"},
                              {"Š", "š"}, {"Ť", "ť"}, {"Ú", "ú"}, {"Ý", "ý"}, {"Ž", "ž"}};
    for (const auto& [upper, lower] : pairs) {
        EXPECT_EQ(CompareDefinitionLines(std::string("45,M,") + upper, std::string("45,M,") + lower), 0) << upper;
        EXPECT_LT(CompareDefinitionLines(std::string("45,M,") + upper, "45,M,\xC0\x80"), 0) << upper;
    }
}

TEST(DefinitionReader, LineEndsNulAndNoTrimming) {
    struct Row {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"", {}},
        {"45,M\r\n90,N\r\n", {"45,M", "90,N"}},
        {"45,M\n90,N", {"45,M", "90,N"}},
        {"45,M\r90,N\r", {"45,M", "90,N"}},
        {"45,M\n\r90,N", {"45,M", "", "90,N"}},
        {"45,M\r\n\r\n90,N\r\n", {"45,M", "", "90,N"}},
        {std::string("45,M\r\n9\0,N\r\n12,S", 16), {"45,M", "9"}},
        {" 45 ,m \r\n", {" 45 ,m "}},
        {"\xBC" "ava,S", {"Ľava,S"}},
        {"45,M,1 k\xCE\xA9\n90,M,\xE2\x88\x9E\n", {"45,M,1 kΩ", "90,M,∞"}},  // UTF-8 without the mark
    };
    TestDir dir;
    for (const Row& r : rows) {
        dir.Write("d.txt", r.bytes);
        std::vector<std::string> list = {"old"};
        ReadDefinition(dir.Path("d.txt"), list);
        EXPECT_EQ(list, r.lines) << r.bytes;
    }
}

TEST(DefinitionFile, WriteThenReadGivesTheSameLines) {
    TestDir dir;
    const std::vector<DefinitionRow> rows = {{"90", "n"}, {" 45", "Master"}, {"-10", "S"}, {"720", "N"}};
    WriteDefinition(rows, dir.Path("r.txt"));
    std::vector<std::string> list;
    ReadDefinition(dir.Path("r.txt"), list);
    EXPECT_EQ(list, DefinitionLines(rows));
}

TEST(DefinitionFile, FailuresKeepWhatWasThere) {
    TestDir dir;
    std::vector<std::string> list = {"keep"};
    EXPECT_THROW(ReadDefinition(dir.Path("missing.txt"), list), EFOpenError);
    EXPECT_EQ(list, std::vector<std::string>{"keep"});

    dir.Write("old.txt", "1,M\r\n2,M\r\n3,M\r\n");
    {
        FileSizeLimit limit(4);
        EXPECT_THROW(WriteDefinition({{"45", "M"}, {"90", "N"}}, dir.Path("old.txt")), EWriteError);
    }
    EXPECT_EQ(dir.Read("old.txt"), "1,M\r\n2,M\r\n3,M\r\n");
    EXPECT_EQ(dir.Entries(), 1u);
    try {
        WriteDefinition({{"45", "M"}}, dir.Path("no/such.txt"));
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir.Path("no/such.txt") + "\". No such file or directory");
    }
}

TEST(DefinitionLabels, WrittenOnlyWhenNotEmpty) {
    TestDir dir;
    WriteDefinition({{"90", "M", "0,5"}, {"45", "n", ""}, {"135", "S", " ende "}}, dir.Path("l.txt"));
    EXPECT_EQ(dir.Read("l.txt"), "135,S, ende \r\n45,N\r\n90,M,0,5\r\n");
    // Same angle and kind with two labels: two lines; with the same label once.
    WriteDefinition({{"90", "M", "a"}, {"90", "M", "b"}, {"90", "M", "a"}}, dir.Path("m.txt"));
    EXPECT_EQ(dir.Read("m.txt"), "90,M,a\r\n90,M,b\r\n");
    WriteDefinition({{"90", "M", "Ohm \xC3\xB4"}}, dir.Path("c.txt"));
    EXPECT_EQ(dir.Read("c.txt"), "90,M,Ohm \xF4\r\n");  // Windows-1250 like the rest
}

TEST(DefinitionLabels, RestOfTheLineAfterTheSecondComma) {
    EXPECT_EQ(DefinitionLabel("90,M,0,5"), "0,5");
    EXPECT_EQ(DefinitionLabel("45 , N ,  10 V  "), "10 V");
    EXPECT_EQ(DefinitionLabel("45,M,"), "");
    EXPECT_EQ(DefinitionLabel("45,M"), "");
    EXPECT_EQ(DefinitionLabel("45"), "");
    EXPECT_EQ(DefinitionLabel(",,x"), "x");
    EXPECT_EQ(DefinitionLabel("-3.5,S,-20,,"), "-20,,");
}

TEST(DefinitionLabels, LinesWrittenInTheGivenOrder) {
    TestDir dir;
    WriteDefinitionLines({"135.0000,M,0", "90.0000,N", "45.0000,M,10"}, dir.Path("g.txt"));
    EXPECT_EQ(dir.Read("g.txt"), "135.0000,M,0\r\n90.0000,N\r\n45.0000,M,10\r\n");
    std::vector<std::string> back;
    ReadDefinition(dir.Path("g.txt"), back);
    EXPECT_EQ(back, (std::vector<std::string>{"135.0000,M,0", "90.0000,N", "45.0000,M,10"}));
    WriteDefinitionLines({}, dir.Path("g.txt"));
    EXPECT_EQ(dir.Read("g.txt"), "");
    EXPECT_THROW(WriteDefinitionLines({"1,M"}, dir.Path("no/such.txt")), EFCreateError);
}
