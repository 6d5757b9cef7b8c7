// The multimeter preset drawn and written in each format, the way
// scaleplate-render --plate writes it (BMP and PNG from the raster, SVG and
// PDF from the recorder); and a plate of 20 scales drawn on the raster.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "scale/output/OutputFormat.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateReader.h"

namespace {

const sp::Plate& Multimeter() {
    static const sp::Plate plate = sp::ReadPlateFile(SCALEPLATE_PRESETS "/multimeter.scaleplate");
    return plate;
}

void WriteMultimeter(benchmark::State& state, sp::OutputFormat format) {
    const std::string file = "/tmp/scaleplate-bench-" + std::to_string(::getpid()) + sp::FormatInfo(format).extension;
    const sp::Plate& plate = Multimeter();
    for (auto _ : state) {
        if (sp::FormatInfo(format).source == sp::PictureSource::Raster) {
            bool mirrored = false;
            const auto picture = sp::DrawPlateRaster(plate, "", &mirrored);
            sp::WritePictureFile(format, picture.get(), nullptr, file, {mirrored, plate.plate.dpi});
        } else {
            const sp::DisplayList list = sp::RecordPlate(plate, "");
            sp::WritePictureFile(format, nullptr, &list, file);
        }
    }
    ::unlink(file.c_str());
}

void BM_MultimeterBmp(benchmark::State& state) { WriteMultimeter(state, sp::OutputFormat::Bmp); }
void BM_MultimeterPng(benchmark::State& state) { WriteMultimeter(state, sp::OutputFormat::Png); }
void BM_MultimeterSvg(benchmark::State& state) { WriteMultimeter(state, sp::OutputFormat::Svg); }
void BM_MultimeterPdf(benchmark::State& state) { WriteMultimeter(state, sp::OutputFormat::Pdf); }
BENCHMARK(BM_MultimeterBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultimeterPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultimeterSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultimeterPdf)->Unit(benchmark::kMillisecond);

// Twenty linear scales, 3 mm apart, each with its numbers and a zone, on a
// 160 x 120 mm plate at 600 dpi.
void BM_TwentyScales(benchmark::State& state) {
    std::string text = "format = 1\n[plate]\nwidth = 160\nheight = 120\npivot = [80, 5]\n";
    for (int i = 0; i < 20; ++i) {
        text += "[[scale]]\nradius = " + std::to_string(40 + 3 * i) +
                "\nlaw = \"linear\"\nfrom = 0\nto = 100\nnumber_height = 1.5\n"
                "[[scale.zone]]\nfrom = 80\nto = 100\ncolor = \"red\"\nwidth = 0.5\n";
    }
    const sp::Plate plate = sp::ParsePlate(text, "twenty.scaleplate");
    for (auto _ : state) benchmark::DoNotOptimize(sp::DrawPlateRaster(plate, ""));
}
BENCHMARK(BM_TwentyScales)->Unit(benchmark::kMillisecond);

}  // namespace
