// The checked picture pipeline: refusals in the command's order, and a job
// that draws the same picture from the same start on every surface.
#include <gtest/gtest.h>

#include <variant>

#include "base/Errors.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/output/PicturePipeline.h"
#include "support/Worked.h"

using namespace sp;

namespace {

// The refusal sentence, or "" for a job.
std::string Refusal(FormFields f, const std::vector<std::string>& definition = {}, bool active = false) {
    ScaleParameters p = Fresh();
    const PreparedPicture r = PreparePicture(p, f, definition, active);
    const auto* refusal = std::get_if<PictureRefusal>(&r);
    return refusal ? refusal->sentence : "";
}

}  // namespace

TEST(PicturePipeline, RefusesWithTheFirstFailingTestInTheCommandsOrder) {
    const struct {
        std::vector<std::pair<std::string FormFields::*, const char*>> set;
        std::string sentence;
    } rows[] = {
        {{}, ""},
        {{{&FormFields::radius, ""}, {&FormFields::valueLeft, "x"}}, msg::NeedRadius},
        // The texts come before any drawing: no range error for 256 intervals.
        {{{&FormFields::segments, "256"}, {&FormFields::valueLeft, "x"}}, msg::ValueLeftNotNumber},
        {{{&FormFields::valueLeft, "1"}, {&FormFields::valueRight, "x"}}, msg::ValueRightNotNumber},
        {{{&FormFields::unit, "V"}, {&FormFields::textHeight, "0"}}, msg::NeedTextHeight},
        {{{&FormFields::textHeight, "0"}}, ""},  // no text: the height is not asked for
    };
    for (const auto& row : rows) {
        FormFields f = WorkedFields();
        for (const auto& [member, text] : row.set) f.*member = text;
        EXPECT_EQ(Refusal(f), row.sentence) << row.sentence;
    }
    // A label in the definition drawn asks for the text height too.
    FormFields f = WorkedFields();
    f.textHeight = "0";
    EXPECT_EQ(Refusal(f, {"45,M,10", "135,M"}, true), msg::NeedTextHeight);
    EXPECT_EQ(Refusal(f, {"45,M,10", "135,M"}, false), "");
}

TEST(PicturePipeline, JobDrawsTheSamePictureOnEverySurfaceFromTheSameStart) {
    FormFields f = WorkedFields();
    f.halfSmall = true;
    f.valueLeft = "0";
    f.valueRight = "10";
    ScaleParameters p = Fresh();
    const PreparedPicture r = PreparePicture(p, f, {}, false);
    const PictureJob& job = std::get<PictureJob>(r);
    ScaleParameters drawn;
    RasterSurface raster;
    job.Draw(raster, drawn);
    EXPECT_EQ(drawn.SegmentCount, 20);  // the half-small doubling is what the drawing leaves
    EXPECT_EQ(job.params.SegmentCount, 10);
    EXPECT_EQ(job.Record(), job.Record());
    ScaleParameters direct = Fresh();
    FormFields g = f;
    ASSERT_EQ(ReadScaleParameters(direct, g), std::nullopt);
    EXPECT_EQ(job.Record(), RecordScale(direct, g, {}, false));

    // A drawing that fails part way still leaves what it reached.
    FormFields big = WorkedFields();
    big.segments = "200";
    big.halfSmall = true;  // 400 intervals
    ScaleParameters q = Fresh();
    const PreparedPicture failing = PreparePicture(q, big, {}, false);
    RasterSurface surface;
    EXPECT_THROW(std::get<PictureJob>(failing).Draw(surface, q), ERangeError);
    EXPECT_EQ(q.SegmentCount, 400);
}
