// Definition lines with decimal angles: pictures, and the texts refused.
#include <gtest/gtest.h>

#include <cstring>

#include "base/Errors.h"
#include "scale/definition/DefinitionAngle.h"
#include "scale/drawing/ScaleDrawing.h"
#include "support/Worked.h"

using namespace sp;

namespace {

std::unique_ptr<TBitmap> Picture(const std::vector<std::string>& definition) {
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
    return DrawScale(p, f, definition, true);
}

bool SamePicture(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (std::int32_t y = 0; y < a.Height(); ++y)
        for (std::int32_t x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

}  // namespace

TEST(DefinitionAngle, IntegerTextsKeepTheirValues) {
    EXPECT_EQ(DefinitionAngle("45"), 45.0L);
    EXPECT_EQ(DefinitionAngle("  -30"), -30.0L);
    EXPECT_EQ(DefinitionAngle("+7"), 7.0L);
    EXPECT_EQ(DefinitionAngle("$5A"), 90.0L);
    EXPECT_EQ(DefinitionAngle("0X2d"), 45.0L);
    EXPECT_EQ(DefinitionAngle("$FFFFFFFF"), -1.0L);
}

TEST(DefinitionAngle, DecimalsWithAPoint) {
    EXPECT_EQ(DefinitionAngle("45.25"), 45.25L);
    EXPECT_EQ(DefinitionAngle("-3.5"), -3.5L);
    EXPECT_EQ(DefinitionAngle(" +.5"), 0.5L);
    EXPECT_EQ(DefinitionAngle("7."), 7.0L);
    EXPECT_NEAR(static_cast<double>(DefinitionAngle("123.4567")), 123.4567, 1e-12);
    EXPECT_EQ(DefinitionAngle("2147483647.0"), 2147483647.0L);
}

TEST(DefinitionAngle, EverythingElseIsTheConversionError) {
    for (const char* text : {"", " ", ".", "-.", "45,25", "45.2.5", "4 5.5", "45.5 ", "1e2", "1.5e2", "0x2D.8",
                             "$5A.0", "--1.5", "+-1.5", "2147483648.0", "nan", "inf", "45.25x", "\t45.25"}) {
        try {
            DefinitionAngle(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(DefinitionAngle, TickAtAQuarterDegreeIsDrawnThere) {
    // Pivot (945, 827), radius 591 pixels: 45 degrees starts at (1363, 409),
    // 45.25 degrees at 945 + 591 cos 45.25 = 1361.07, 827 - 591 sin 45.25 = 407.28.
    const auto whole = Picture({"45,M"}), quarter = Picture({"45.25,M"});
    EXPECT_FALSE(SamePicture(*whole, *quarter));
    EXPECT_EQ(whole->Pixel(1363, 409), clBlack);
    EXPECT_EQ(quarter->Pixel(1361, 407), clBlack);
    // The outer ends, 2 x 71 pixels further out, 733 pixels from the pivot:
    // (1463, 309) at 45 degrees, (1461, 306) at 45.25; three pixels apart
    // under a pen of two.
    EXPECT_EQ(whole->Pixel(1463, 309), clBlack);
    EXPECT_EQ(quarter->Pixel(1463, 309), clWhite);
    EXPECT_EQ(quarter->Pixel(1461, 306), clBlack);
    EXPECT_EQ(whole->Pixel(1461, 306), clWhite);
    EXPECT_TRUE(SamePicture(*whole, *Picture({"45.0,M"})));
    EXPECT_TRUE(SamePicture(*whole, *Picture({" +45.000 , m"})));
    EXPECT_TRUE(SamePicture(*Picture({"-3.5,S"}), *Picture({"-3.50,S"})));
    EXPECT_FALSE(SamePicture(*Picture({"-3.5,S"}), *Picture({"-3,S"})));
}

TEST(DefinitionAngle, DecimalCommaIsNoAngle) {
    // "45,25,N" is angle 45 with the kind "25": no letter, length 0 before a kind.
    ScaleParameters p = Fresh();
    FormFields f = WorkedFields();
    ASSERT_EQ(ReadScaleParameters(p, f), std::nullopt);
    try {
        DrawScale(p, f, {"45.25.0,N"}, true);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'45.25.0' is not a valid integer value");
    }
}
