#include <gtest/gtest.h>

#include "base/Errors.h"
#include "scale/input/ScaleParameters.h"
#include "support/Worked.h"

using namespace sp;

TEST(ScaleParameters, MillimetresToPixelsAt600Dpi) {
    EXPECT_EQ(PixelsPerMmOf(600), 23.62204724409449);
    const int cases[][2] = {{80, 1890}, {40, 945}, {5, 118}, {25, 591}, {3, 71}, {30, 709}, {999, 23598}};
    for (const auto& c : cases) EXPECT_EQ(LengthToPixels(c[0], PixelsPerMmOf(600)), c[1]) << c[0];

    // The same figures through ReadScaleParameters.
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    f.centralRadius = "30";
    f.radius = "30";
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    EXPECT_EQ(p.Width, 1890);
    EXPECT_EQ(p.Height, 945);
    EXPECT_EQ(p.CenterX, 945);
    EXPECT_EQ(p.CenterY, 118);
    EXPECT_EQ(p.SegmentLength, 71);
    EXPECT_EQ(p.Radius, 709);
    EXPECT_EQ(p.CentralRadius, 699);  // equal to the radius: radius - 10
    EXPECT_EQ(p.LeftAngle, 135);
    EXPECT_EQ(p.RightAngle, 45);
    EXPECT_EQ(p.SegmentCount, 10);
    EXPECT_EQ(p.SegmentWidth, 1);
}

TEST(ScaleParameters, EachTestShowsItsSentenceInOrder) {
    struct Row {
        std::string FormFields::*field;
        const char* text;
        const char* message;
    };
    const Row rows[] = {
        {&FormFields::height, "0", msg::NeedHeight},
        {&FormFields::width, "", msg::NeedWidth},
        {&FormFields::segments, "0", msg::NeedSegments},
        {&FormFields::segmentLength, "0", msg::NeedSegmentLength},
        {&FormFields::segmentWidth, "", msg::NeedSegmentWidth},
        {&FormFields::radius, "0", msg::NeedRadius},
    };
    for (const Row& r : rows) {
        ScaleParameters p = Fresh();
        FormFields f = WorkedFields();
        f.*r.field = r.text;
        EXPECT_EQ(ReadScaleParameters(p, f), std::string(r.message)) << r.message;
    }
    ScaleParameters p0 = Fresh(0);
    FormFields f0 = WorkedFields();
    EXPECT_EQ(ReadScaleParameters(p0, f0), std::string(msg::NeedHeight));
    EXPECT_EQ(p0.PixelsPerMm, 0.0);
}

TEST(ScaleParameters, AngleRepairAndTests) {
    struct Row {
        const char* left;
        const char* right;
        const char* leftAfter;
        std::optional<std::string> message;
        bool convertError;
    };
    const Row rows[] = {
        {"135°", "45", "135", std::nullopt, false},
        {"abc", "-10", "0", std::nullopt, false},
        {" 45", "-20", " 45", std::nullopt, false},
        {"45", "45", "45", msg::AnglesEqual, false},
        {"45", "135", "45", msg::LeftNotGreater, false},
        {"200", "-20", "200", std::nullopt, false},
        {"-", "45", "-", std::nullopt, true},
        {"45 ", "0", "45 ", std::nullopt, true},
        {"1-2", "0", "1-2", std::nullopt, true},
        // A decimal angle is refused as typed, never repaired into another
        // number (1355, 445); other texts with a point are repaired.
        {"135.5", "45", "135.5", msg::LeftNotWhole, false},
        {" -44,5 ", "-90", " -44,5 ", msg::LeftNotWhole, false},
        {"135,5°", "45", "135,5°", msg::LeftNotWhole, false},
        {"135", "44,5", "135", msg::RightNotWhole, false},
        {"abc", "0.5", "0", msg::RightNotWhole, false},
        {"1 35", "45", "135", std::nullopt, false},
        {"1.2.3", "45", "123", std::nullopt, false},
        {"135.", "45", "135", std::nullopt, false},
    };
    for (const Row& r : rows) {
        ScaleParameters p = Fresh();
        FormFields f = WorkedFields();
        f.leftAngle = r.left;
        f.rightAngle = r.right;
        if (r.convertError) {
            try {
                ReadScaleParameters(p, f);
                ADD_FAILURE() << r.left;
            } catch (const EConvertError& e) {
                EXPECT_EQ(std::string(e.what()), std::string("'") + r.leftAfter + "' is not a valid integer value");
            }
        } else {
            EXPECT_EQ(ReadScaleParameters(p, f), r.message) << r.left;
        }
        EXPECT_EQ(f.leftAngle, r.leftAfter);
        EXPECT_EQ(f.rightAngle, r.right);
    }
}

TEST(ScaleParameters, ValuesCarryOverWhenAFieldIsNoInteger) {
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    f.centerX = "";  // first command: 0 is accepted
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    EXPECT_EQ(p.CenterX, 0);
    f.centerX = "40";
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    f.centerX = "";
    f.segments = "1 5";
    p.SegmentCount = 20;  // as a half-small picture leaves it
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    EXPECT_EQ(p.CenterX, 945);
    EXPECT_EQ(p.SegmentCount, 20);

    // A message for a later field leaves the earlier values stored.
    ScaleParameters q = Fresh();
    FormFields g = WorkedFields();
    g.width = "50";
    g.leftAngle = "90x";
    g.radius = "";
    EXPECT_EQ(ReadScaleParameters(q, g), std::string(msg::NeedRadius));
    EXPECT_EQ(q.Width, 1181);
    EXPECT_EQ(g.leftAngle, "90");

    // Central radius: empty on the first command becomes 1.
    ScaleParameters c = Fresh();
    FormFields h = WorkedFields();
    h.centralRadius = "";
    ASSERT_EQ(ReadScaleParameters(c, h), std::nullopt);
    EXPECT_EQ(c.CentralRadius, 1);
}

TEST(ScaleParameters, CentralRadiusRefusesOnlyNegativeValues) {
    // A radius of 5 pixels at 100 dpi... a central radius not below it goes to
    // radius - 10 = -5; the next command with an empty field refuses it.
    ScaleParameters p = Fresh(25);
    FormFields f = WorkedFields();
    f.radius = "5";
    f.segmentLength = "30";
    f.centerX = "0";
    f.centerY = "0";
    f.centralRadius = "10";
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    EXPECT_EQ(p.Radius, 5);
    EXPECT_EQ(p.CentralRadius, -5);
    f.centralRadius = "";
    EXPECT_EQ(ReadScaleParameters(p, f), std::string(msg::NeedCentralRadius));
}

TEST(ScaleParameters, AbsurdDpiGivesTheRangeError) {
    ScaleParameters p = Fresh(2147483647);
    FormFields f = WorkedFields();
    EXPECT_THROW(ReadScaleParameters(p, f), ERangeError);
}
