// The display list painted band by band gives every pixel of the picture the
// drawing sequence paints whole, and the files written band by band are
// byte for byte those written from the whole picture.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "base/Errors.h"
#include "raster/Graphics.h"
#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ListRaster.h"
#include "scale/drawing/ScaleDrawing.h"
#include "scale/output/OutputFormat.h"
#include "support/TestDir.h"
#include "support/Worked.h"

using namespace sp;

namespace {

struct Drawn {
    std::unique_ptr<TBitmap> whole;  // unmirrored, as the file writers get it
    bool mirror = false;
    DisplayList list;
    std::int32_t dpi = 0;
};

// Draws on the raster surface and on the recorder from the same start.
Drawn Draw(FormFields f, const std::vector<std::string>& definition = {}, int dpi = 600) {
    Drawn d;
    ScaleParameters p = Fresh(dpi);
    EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
    ScaleParameters q = p;
    RasterSurface surface(/*deferMirror=*/true);
    DrawScale(surface, p, f, definition, !definition.empty());
    d.whole = surface.TakePicture();
    d.mirror = surface.MirrorPending();
    d.list = RecordScale(q, f, definition, !definition.empty());
    d.dpi = dpi;
    return d;
}

// The first row (from the top) where the list painted in bands of `rows`
// rows differs from the whole picture; -1 when none does.
std::int32_t FirstDifferentRow(const Drawn& d, std::int32_t rows) {
    const TBitmap& whole = *d.whole;
    TBitmap band;
    band.SetBandedSize(whole.Width(), whole.Height(), rows);
    for (std::int32_t top = 0; top < whole.Height(); top += rows) {
        band.MoveBand(top, std::min(rows, whole.Height() - top));
        PaintList(d.list, band);
        for (std::int32_t y = top; y < band.BandBottom(); ++y)
            if (std::memcmp(band.RowBits(y), whole.RowBits(y), whole.Stride()) != 0) return y;
    }
    return -1;
}

// Band heights that put a boundary between every two rows, and some that
// fall anywhere.
constexpr std::int32_t kBandRows[] = {1, 2, 7, 64, 1000};

FormFields Numbered(FormFields f = WorkedFields()) {
    f.textHeight = "2,5";
    f.valueLeft = "0";
    f.valueRight = "10";
    f.unit = "mA";
    return f;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(ListRaster, BandsPaintTheWholePicturesPixels) {
    FormFields frame = WorkedFields();
    frame.frame = frame.mirror = true;
    frame.frameWidth = "9";
    // Wide slanted ticks (corners of the body's quadrilateral), their round
    // dots, a wide arc, the central dot and numbers: with one-row bands a
    // boundary runs through each of them.
    FormFields wide = Numbered();
    wide.segmentWidth = "13";
    wide.arcWidth = "12";
    wide.centralRadius = "6";
    wide.radialNumbers = true;
    struct Row {
        const char* name;
        Drawn d;
    };
    const Row rows[] = {
        {"worked example", Draw(WorkedFields())},
        {"frame and mirror", Draw(frame)},
        {"numbers and unit", Draw(Numbered())},
        {"wide pens and turned numbers", Draw(wide)},
        {"labelled definition", Draw(WorkedFields(), {"135,M,0", "112,S", "90,N,5 V", "45,M,10"})},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(r.d.whole->HasStorage()) << r.name;
        for (std::int32_t bandRows : kBandRows) EXPECT_EQ(FirstDifferentRow(r.d, bandRows), -1) << r.name << ", bands of " << bandRows;
    }
}

// Random scales and definitions, drawn both ways at random band heights.
TEST(ListRaster, RandomScalesAndDefinitionsPaintTheSameInBands) {
    std::mt19937 random(25);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    int drawn = 0;
    for (int i = 0; i < 60; ++i) {
        FormFields f = WorkedFields();
        f.width = std::to_string(pick(10, 90));
        f.height = std::to_string(pick(10, 60));
        f.centerX = std::to_string(pick(-10, 100));
        f.centerY = std::to_string(pick(-10, 70));
        f.radius = std::to_string(pick(1, 60));
        f.centralRadius = std::to_string(pick(0, 40));
        f.leftAngle = std::to_string(pick(-90, 270));
        f.rightAngle = std::to_string(pick(-360, 90));
        f.segments = std::to_string(pick(1, 40));
        f.segmentLength = std::to_string(pick(1, 9));
        f.segmentWidth = std::to_string(pick(1, 30));
        f.arcWidth = std::to_string(pick(0, 25));
        f.frameWidth = std::to_string(pick(1, 20));
        f.masterEvery = std::to_string(pick(0, 6));
        f.doubledArc = pick(0, 1), f.halfSmall = pick(0, 1), f.frame = pick(0, 1), f.mirror = pick(0, 1);
        if (pick(0, 2) == 0) f = Numbered(f), f.numbersInside = pick(0, 1), f.radialNumbers = pick(0, 1);
        std::vector<std::string> definition;
        if (pick(0, 2) == 0)
            for (int k = pick(1, 12); k > 0; --k)
                definition.push_back(std::to_string(pick(-30, 210)) + "," + "MNS"[pick(0, 2)] + (pick(0, 1) ? "," + std::to_string(k) : ""));
        ScaleParameters probe = Fresh(200);
        if (ReadScaleParameters(probe, f)) continue;  // a refusal draws nothing
        Drawn d;
        try {
            d = Draw(f, definition, 200);
        } catch (const EError&) {
            continue;  // refused while drawing, the same on either surface
        }
        ++drawn;
        const std::int32_t bandRows = pick(1, 40);
        EXPECT_EQ(FirstDifferentRow(d, bandRows), -1) << "case " << i << ", bands of " << bandRows;
    }
    EXPECT_GE(drawn, 30);  // the seed gives enough pictures to mean something
}

// The files drawn band by band from the list, mirrored where the list says,
// are those written from the whole picture; the worked example at 600 dpi
// takes two bands.
TEST(ListRaster, BandedFilesAreTheWholePicturesFiles) {
    FormFields f = Numbered();
    f.frame = true;
    for (bool mirror : {false, true}) {
        f.mirror = mirror;
        const Drawn d = Draw(f);
        ASSERT_GT(d.whole->Height(), BandRows(d.whole->Width(), d.whole->Height()));
        for (OutputFormat format : {OutputFormat::Bmp, OutputFormat::Png}) {
            TestDir dir;
            WritePictureFile(format, nullptr, &d.list, dir.Path("banded"), {false, d.dpi});
            WritePictureFile(format, d.whole.get(), nullptr, dir.Path("whole"), {d.mirror, d.dpi});
            const std::string banded = Bytes(dir.Path("banded")), whole = Bytes(dir.Path("whole"));
            EXPECT_GT(whole.size(), 100u);
            EXPECT_TRUE(banded == whole) << FormatInfo(format).name << (mirror ? " mirrored" : "");
        }
    }
}
