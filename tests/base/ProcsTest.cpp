#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "base/Cp1250.h"
#include "base/Procs.h"
#include "base/Utf8.h"

using namespace sp;

TEST(IsIntegerStr, AcceptsOnlySignedDecimal32BitIntegers) {
    struct Row {
        const char* text;
        bool yes;
    };
    const Row rows[] = {
        {"  12 ", true},  {"\t12\t", true},       {"+5", false},          {"1 2", false},  {"1.5", false},
        {"", false},      {"   ", false},         {"-", false},           {"--5", false},  {"5-", false},
        {"1-2", false},   {"-0", true},           {"007", true},          {"2147483647", true},
        {"-2147483648", true}, {"2147483648", false}, {"-2147483649", false}, {"0000000000012", true},
        {"99999999999999999999", false}, {"$10", false},
    };
    for (const Row& r : rows) EXPECT_EQ(IsIntegerStr(r.text), r.yes) << "'" << r.text << "'";
}

TEST(FilterDigits, KeepsMinusAndDigitsNeverEmpty) {
    EXPECT_EQ(FilterDigits(""), "0");
    EXPECT_EQ(FilterDigits("abc"), "0");
    EXPECT_EQ(FilterDigits("12 3"), "123");
    EXPECT_EQ(FilterDigits(" -4 5x"), "-45");
    EXPECT_EQ(FilterDigits("1-2"), "1-2");
    EXPECT_EQ(FilterDigits("135°"), "135");
}

TEST(StrToInt, DecimalAndHexPatterns) {
    struct Row {
        const char* text;
        bool ok;
        std::int32_t value;
    };
    const Row rows[] = {
        {"45", true, 45},          {"  45", true, 45},          {"+45", true, 45},
        {"-45", true, -45},        {"45 ", false, 0},           {"\t45", false, 0},
        {"", false, 0},            {"-", false, 0},             {"+", false, 0},
        {"$5A", true, 90},         {"x5a", true, 90},           {"X5A", true, 90},
        {"0x5A", true, 90},        {"0X5a", true, 90},          {"$FFFFFFFF", true, -1},
        {"$100000000", false, 0},  {"$00000000FF", true, 255},  {"-$10", true, -16},
        {"$", false, 0},           {"0x", false, 0},            {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN}, {"2147483648", false, 0}, {"-2147483649", false, 0},
        {"1-2", false, 0},         {"12a", false, 0},           {"- 5", false, 0},
    };
    for (const Row& r : rows) {
        std::int32_t v = 0;
        EXPECT_EQ(TryStrToInt(r.text, v), r.ok) << "'" << r.text << "'";
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.text;
        }
    }
    try {
        StrToInt("M");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'M' is not a valid integer value");
    }
}

TEST(SplitFields, CutsTrimsAndCountsCharacters) {
    FieldArray f;
    SplitFields(" 45 , M ", ',', f);
    EXPECT_EQ(f[1], "45");
    EXPECT_EQ(f[2], "M");
    for (int n = 3; n <= 64; ++n) EXPECT_EQ(f[n], "");

    SplitFields(",M", ',', f);
    EXPECT_EQ(f[1], "");
    EXPECT_EQ(f[2], "M");
    SplitFields("45,,M,extra", ',', f);
    EXPECT_EQ(f[2], "");
    EXPECT_EQ(f[3], "M");
    EXPECT_EQ(f[4], "extra");
    SplitFields("4 5,m", ',', f);
    EXPECT_EQ(f[1], "4 5");
    EXPECT_EQ(f[2], "m");
    SplitFields("45\tM", ',', f);
    EXPECT_EQ(f[1], "45 M");

    SplitFields(std::string(63, ',') + "X", ',', f);
    EXPECT_EQ(f[64], "X");
    EXPECT_THROW(SplitFields(std::string(64, ',') + "X", ',', f), ERangeError);
    SplitFields("X" + std::string(100, ','), ',', f);
    EXPECT_EQ(f[1], "X");

    SplitFields(std::string(300, 'a'), ',', f);
    EXPECT_EQ(f[1], std::string(255, 'a'));
    // The limit counts characters: 300 two-byte letters keep 255 whole ones.
    std::string wide;
    for (int i = 0; i < 300; ++i) wide += "č";
    SplitFields(wide, ',', f);
    EXPECT_EQ(CharCount(f[1]), 255u);
    EXPECT_EQ(f[1].size(), 510u);
    // Blanks after a separator count towards the 255 before the trim.
    SplitFields("1," + std::string(250, ' ') + "abcdefghij", ',', f);
    EXPECT_EQ(f[2], "abcde");
    SplitFields("   ", ',', f);
    EXPECT_EQ(f[1], "");
    // The empty line, too, overwrites every entry of the previous line.
    SplitFields("a,b,c", ',', f);
    SplitFields("", ',', f);
    for (int n = 1; n <= 64; ++n) EXPECT_EQ(f[n], "") << n;
}

TEST(UpperAscii, EveryLetterFromAToZAndNothingElse) {
    EXPECT_EQ(UpperAscii("abcdefghijklmnopqrstuvwxyz"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(UpperAscii("45,m z`{@[ čž ZA"), "45,M Z`{@[ čž ZA");
}

TEST(CheckedArithmetic, RaisesTheNamedErrors) {
    EXPECT_EQ(CheckedAdd(2147483600, 47), 2147483647);
    EXPECT_THROW(CheckedAdd(2147483647, 1), EIntOverflow);
    EXPECT_THROW(CheckedSub(INT32_MIN, 1), EIntOverflow);
    EXPECT_THROW(CheckedDouble(1073741824), EIntOverflow);
    EXPECT_EQ(CheckedDouble(-1073741824), INT32_MIN);
    EXPECT_THROW(CheckedMod(5, 0), EDivByZero);
    EXPECT_EQ(CheckedMod(7, 5), 2);
    EXPECT_EQ(CheckedMod(INT32_MIN, -1), 0);
    EXPECT_THROW(RangeCheck32(2147483648LL), ERangeError);
    EXPECT_EQ(RangeCheck32(-2147483648LL), INT32_MIN);
    EXPECT_STREQ(EIntOverflow().what(), "Integer overflow");
    EXPECT_STREQ(ERangeError().what(), "Range check error");
    EXPECT_STREQ(EDivByZero().what(), "Division by zero");
}

TEST(RoundHalfEven, HalvesGoToEvenInExtendedPrecision) {
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1.5L), 2);
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(70.86614173228346L), 71);
    EXPECT_THROW(RoundHalfEven(1e30L), ERangeError);
    EXPECT_THROW(RoundHalfEven(__builtin_nanl("")), ERangeError);
}

TEST(ErrorBoxText, AppendsAFullStopAfterCharactersSortingAfterIt) {
    EXPECT_EQ(ErrorBoxText("Range check error"), "Range check error.");
    EXPECT_EQ(ErrorBoxText("'x' is not a valid integer value"), "'x' is not a valid integer value.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("a,"), "a,");
    EXPECT_EQ(ErrorBoxText("path/"), "path/.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

// Our Windows-1250 table against the C library's converter, byte by byte.
TEST(Cp1250, AgreesWithIconvAndRoundTrips) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    int compared = 0;
    for (int b = 0x20; b < 0x100; ++b) {
        char in[1] = {static_cast<char>(b)};
        char out[8];
        char* ip = in;
        char* op = out;
        std::size_t il = 1, ol = sizeof out;
        if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;  // unassigned in the C library's table
        }
        EXPECT_EQ(Cp1250ToUtf8(std::string(1, static_cast<char>(b))), std::string(out, op)) << "byte " << b;
        ++compared;
    }
    iconv_close(cd);
    EXPECT_GE(compared, 200);
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1250("Ľavý uhol"), "\xBC" "av\xFD uhol");
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xFF" "b"), "a?b");
    EXPECT_EQ(Utf8ToCp1250("\xC0\x80" "x"), "??x");  // an overlong NUL is no NUL
}

TEST(Utf8, MalformedBytesReadOneByOne) {
    const auto read = [](const std::string& s) {
        std::vector<std::uint32_t> cps;
        for (std::size_t i = 0; i < s.size();) cps.push_back(NextUtf8(s, i));
        return cps;
    };
    constexpr std::uint32_t X = kMalformedUtf8;
    EXPECT_EQ(read("a\xC4\x8D\xE2\x82\xAC\xF0\x9F\x98\x80"), (std::vector<std::uint32_t>{'a', 0x10D, 0x20AC, 0x1F600}));
    EXPECT_EQ(read("\xC0\x80"), (std::vector<std::uint32_t>{X, X}));            // overlong NUL
    EXPECT_EQ(read("\xE0\x80\xAF"), (std::vector<std::uint32_t>{X, X, X}));    // overlong "/"
    EXPECT_EQ(read("\xED\xA0\x80"), (std::vector<std::uint32_t>{X, X, X}));    // a surrogate
    EXPECT_EQ(read("\xF4\x90\x80\x80"), (std::vector<std::uint32_t>{X, X, X, X}));  // above U+10FFFF
    EXPECT_EQ(read("\xC4" "a"), (std::vector<std::uint32_t>{X, 'a'}));           // continuation missing
    EXPECT_EQ(read("\xE2\x82"), (std::vector<std::uint32_t>{X, X}));            // cut at the end
    EXPECT_EQ(read("\x80\xFF"), (std::vector<std::uint32_t>{X, X}));
}
