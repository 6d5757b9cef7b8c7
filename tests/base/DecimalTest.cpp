// The one decimal reader under each caller's rules, and the printers.
#include <gtest/gtest.h>

#include "base/Decimal.h"

using namespace sp;

namespace {

// What a caller makes of `text`: "-" for a refusal, else the digits read
// (with a leading "-" when negative).
std::string Read(const char* text, const DecimalSyntax& syntax) {
    const auto d = ScanDecimal(text, syntax);
    return d ? (d->negative ? "-" : "") + d->digits : "refused";
}

}  // namespace

TEST(Decimal, EachCallersRulesDecideWhatIsANumber) {
    const DecimalSyntax values;  // fields and description values
    const DecimalSyntax angles{.comma = false, .markRequired = true, .blanksAround = false};
    const struct {
        const char* text;
        const char* value;
        const char* angle;
    } rows[] = {
        {"-2,5", "-2.5", "refused"},  // a comma separates a definition line's entries
        {"+0.25", "0.25", "0.25"},   {",5", ".5", "refused"},       {"3.", "3.", "3."},
        {"7", "7", "refused"},        // a whole angle is the integer conversion's
        {" 3.5", "3.5", "3.5"},      {"3.5 ", "3.5", "refused"},    {"\t3.5", "3.5", "refused"},
        {"1,2.3", "refused", "refused"}, {"1e3", "refused", "refused"}, {"1 2", "refused", "refused"},
        {"-", "refused", "refused"}, {".", "refused", "refused"},   {"", "refused", "refused"},
        {"--1", "refused", "refused"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Read(r.text, values), r.value) << r.text;
        EXPECT_EQ(Read(r.text, angles), r.angle) << r.text;
    }
}

TEST(Decimal, LimitsArePerCaller) {
    const DecimalText t = *ScanDecimal("-0012.50");
    EXPECT_EQ(ExactDecimal(t, 6, 2), (DecimalValue{-1250, 2}));
    EXPECT_EQ(ExactDecimal(t, 5, 2), std::nullopt);  // leading zeros count
    EXPECT_EQ(ExactDecimal(t, 6, 1), std::nullopt);
    EXPECT_EQ(DecimalNumber(t), -12.5L);
    EXPECT_EQ(DecimalNumber(*ScanDecimal("2147483647.0"), 2147483647.0L), 2147483647.0L);
    EXPECT_EQ(DecimalNumber(*ScanDecimal("2147483647.5"), 2147483647.0L), std::nullopt);
    EXPECT_EQ(DecimalNumber(*ScanDecimal(std::string(5000, '9'))), std::nullopt);  // beyond long double
    EXPECT_EQ(ValueOf({-125, 2}), -1.25L);
}

TEST(Decimal, PrintsTheFewestDecimals) {
    EXPECT_EQ(FormatShortest(2.5L, 6, DecimalMark::Comma), "2,5");
    EXPECT_EQ(FormatShortest(2.5L, 6, DecimalMark::Point), "2.5");
    EXPECT_EQ(FormatShortest(10, 6, DecimalMark::Comma), "10");  // zeros before the mark stay
    EXPECT_EQ(FormatShortest(-0.0000004L, 6, DecimalMark::Comma), "0");
    EXPECT_EQ(FormatShortest(1.0L / 3, 6, DecimalMark::Comma), "0,333333");
    EXPECT_EQ(FormatShortest(0.125L, 2, DecimalMark::Point), "0.12");  // halves to even
    EXPECT_EQ(FormatFixed(45.25L, 4), "45.2500");
    EXPECT_EQ(FormatFraction(1, 3, DecimalMark::Point, 2), "0.33");
    EXPECT_EQ(FormatFraction(-1, 8, DecimalMark::Comma, 6), "-0,125");
}
