#include <gtest/gtest.h>

#include <algorithm>

#include "base/Errors.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/drawing/ScaleNumbers.h"
#include "support/Worked.h"

using namespace sp;

namespace {

DecimalValue Value(const char* text) {
    const auto v = ParseDecimalValue(text);
    EXPECT_TRUE(v.has_value()) << text;
    return v.value_or(DecimalValue{});
}

// The parameters exactly as the drawing left them (MasterEvery filled in,
// doubled with the half-small option).
ScaleParameters Drawn(FormFields f) {
    ScaleParameters p = Fresh();
    EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
    DrawScale(p, f, {}, false);
    return p;
}

std::vector<std::string> Texts(const std::vector<TickNumber>& numbers) {
    std::vector<std::string> out;
    for (const TickNumber& n : numbers) out.push_back(n.Text);
    return out;
}

}  // namespace

struct ParseRow {
    const char* text;
    bool valid;
    DecimalValue value;
};

class ParseDecimal : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseDecimal, ReadsCommaOrPointAndRefusesTheRest) {
    const ParseRow& row = GetParam();
    const auto v = ParseDecimalValue(row.text);
    ASSERT_EQ(v.has_value(), row.valid) << row.text;
    if (row.valid) {
        EXPECT_EQ(*v, row.value) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseDecimal,
    testing::Values(ParseRow{"10", true, {10, 0}}, ParseRow{"-2,5", true, {-25, 1}}, ParseRow{"+0.25", true, {25, 2}},
                    ParseRow{",5", true, {5, 1}}, ParseRow{" 3. ", true, {3, 0}}, ParseRow{"007", true, {7, 0}},
                    ParseRow{"0,000000001", true, {1, 9}}, ParseRow{"", false, {}}, ParseRow{"  ", false, {}},
                    ParseRow{"abc", false, {}}, ParseRow{"1,2.3", false, {}}, ParseRow{"1e3", false, {}},
                    ParseRow{"1 2", false, {}}, ParseRow{"-", false, {}}, ParseRow{",", false, {}},
                    ParseRow{"--1", false, {}}, ParseRow{"1-", false, {}}, ParseRow{"0,0000000001", false, {}},
                    ParseRow{"1234567890123456", false, {}}));

TEST(ScaleNumbers, WorkedExampleNumbersTheMastersRightToLeft) {
    const ScaleParameters p = Drawn(WorkedFields());
    const auto numbers = UniformTickNumbers(p, Value("0"), Value("10"));
    // Tick 0 lies at the right angle (45 degrees) and carries the right value.
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_EQ(numbers[0], (TickNumber{0, 45.0, "10"}));
    EXPECT_EQ(numbers[1], (TickNumber{5, 90.0, "5"}));
    EXPECT_EQ(numbers[2], (TickNumber{10, 135.0, "0"}));
}

TEST(ScaleNumbers, HalfSmallKeepsNumbersOnTheSameMasters) {
    FormFields f = WorkedFields();
    f.halfSmall = true;
    const ScaleParameters p = Drawn(f);
    const auto numbers = UniformTickNumbers(p, Value("0"), Value("10"));
    EXPECT_EQ(numbers, (std::vector<TickNumber>{{0, 45.0, "10"}, {10, 90.0, "5"}, {20, 135.0, "0"}}));
}

// Seven segments with a master every fifth: the masters 0 and 5 and the end
// 7 carry numbers, whether or not the count is a multiple of the interval.
TEST(ScaleNumbers, TheLastTickIsNumberedAfterAShortInterval) {
    const struct {
        const char *segments, *master;
        long texts;
    } rows[] = {{"7", "5", 3}, {"10", "5", 3}, {"3", "5", 2}};
    for (const auto& [segments, master, texts] : rows) {
        FormFields f = WorkedFields();
        f.segments = segments, f.masterEvery = master;
        f.valueLeft = "0", f.valueRight = "7";
        ScaleParameters p = Fresh();
        ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
        const DisplayList list = RecordScale(p, f, {}, false);
        EXPECT_EQ(std::count_if(list.Items.begin(), list.Items.end(),
                                [](const DisplayItem& i) { return std::holds_alternative<DisplayText>(i); }),
                  texts)
            << segments;
    }
}

TEST(ScaleNumbers, FewestDecimalsPerValueWithCommaOrPoint) {
    FormFields f = WorkedFields();
    f.segments = "4";
    f.masterEvery = "1";
    const ScaleParameters p = Drawn(f);
    const auto comma = UniformTickNumbers(p, Value("1"), Value("0"));
    EXPECT_EQ(Texts(comma), (std::vector<std::string>{"0", "0,25", "0,5", "0,75", "1"}));
    const auto point = UniformTickNumbers(p, Value("1"), Value("0"), DecimalMark::Point);
    EXPECT_EQ(Texts(point), (std::vector<std::string>{"0", "0.25", "0.5", "0.75", "1"}));
    EXPECT_EQ(comma[2].Angle, 90.0);
}

TEST(ScaleNumbers, EndsExactAndInexactValuesRoundedToSixDecimals) {
    FormFields f = WorkedFields();
    f.segments = "3";
    f.masterEvery = "1";
    const ScaleParameters p = Drawn(f);
    EXPECT_EQ(Texts(UniformTickNumbers(p, Value("-1"), Value("1,5"))),
              (std::vector<std::string>{"1,5", "0,666667", "-0,166667", "-1"}));
    EXPECT_EQ(Texts(UniformTickNumbers(p, Value("0,1"), Value("0.4"))),
              (std::vector<std::string>{"0,4", "0,3", "0,2", "0,1"}));
}

TEST(ScaleNumbers, FormatRoundsHalvesToEvenAndNeverPrintsMinusZero) {
    EXPECT_EQ(FormatFraction(-1, 10000000, DecimalMark::Comma, MaxShownDecimals), "0");
    EXPECT_EQ(FormatFraction(5, 10000000, DecimalMark::Comma, MaxShownDecimals), "0");
    EXPECT_EQ(FormatFraction(15, 10000000, DecimalMark::Comma, MaxShownDecimals), "0,000002");
    EXPECT_EQ(FormatFraction(-5, 2, DecimalMark::Point, MaxShownDecimals), "-2.5");
    EXPECT_EQ(FormatFraction(-3, 1, DecimalMark::Comma, MaxShownDecimals), "-3");
    EXPECT_EQ(FormatFraction(1234567, 1000, DecimalMark::Comma, MaxShownDecimals), "1234,567");
}

TEST(ScaleNumbers, FailsAsTheDrawingDoes) {
    ScaleParameters p = Drawn(WorkedFields());
    p.MasterEvery = 0;
    EXPECT_THROW(UniformTickNumbers(p, Value("0"), Value("1")), EDivByZero);
    p.MasterEvery = 5;
    p.SegmentCount = 256;
    EXPECT_THROW(UniformTickNumbers(p, Value("0"), Value("1")), ERangeError);
}
