// The drawing of the worked example, and an arc of 360,000 degrees: the arc
// must cost one LineTo per degree and nothing more. Then the worked example
// written in each format.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "scale/drawing/ScaleDrawing.h"
#include "scale/output/OutputFormat.h"
#include "scale/output/PdfWriter.h"
#include "scale/output/SvgWriter.h"
#include "support/Worked.h"

namespace {

void Run(benchmark::State& state, sp::FormFields f) {
    for (auto _ : state) {
        sp::ScaleParameters p;
        p.Dpi = 600;
        if (sp::ReadScaleParameters(p, f)) state.SkipWithError("input refused");
        benchmark::DoNotOptimize(sp::DrawScale(p, f, {}, false));
    }
}

void BM_WorkedExample(benchmark::State& state) { Run(state, WorkedFields()); }
BENCHMARK(BM_WorkedExample)->Unit(benchmark::kMillisecond);

// Arcs of 3,600, 36,000 and 360,000 degrees: time per degree stays flat.
void BM_LongArc(benchmark::State& state) {
    sp::FormFields f = WorkedFields();
    f.rightAngle = "0";
    f.leftAngle = std::to_string(state.range(0));
    Run(state, f);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_LongArc)->Arg(3600)->Arg(36000)->Arg(360000)->Unit(benchmark::kMillisecond);

// The worked example drawn and written as a file in each format, the way
// scaleplate-render writes it (BMP from the raster, SVG and PDF from the
// recorder), into the temporary folder.
void WriteWorked(benchmark::State& state, sp::OutputFormat format) {
    const sp::FormFields f = WorkedFields();
    const std::string file = "/tmp/scaleplate-bench-" + std::to_string(::getpid()) + sp::FormatInfo(format).extension;
    for (auto _ : state) {
        sp::ScaleParameters p;
        p.Dpi = 600;
        sp::FormFields g = f;
        if (sp::ReadScaleParameters(p, g)) state.SkipWithError("input refused");
        if (sp::FormatInfo(format).source == sp::PictureSource::Raster) {
            const auto picture = sp::DrawScale(p, g, {}, false);
            sp::WritePictureFile(format, picture.get(), nullptr, file);
        } else {
            const sp::DisplayList list = sp::RecordScale(p, g, {}, false);
            sp::WritePictureFile(format, nullptr, &list, file);
        }
    }
    ::unlink(file.c_str());
}
void BM_WorkedBmpFile(benchmark::State& state) { WriteWorked(state, sp::OutputFormat::Bmp); }
void BM_WorkedSvgFile(benchmark::State& state) { WriteWorked(state, sp::OutputFormat::Svg); }
void BM_WorkedPdfFile(benchmark::State& state) { WriteWorked(state, sp::OutputFormat::Pdf); }
BENCHMARK(BM_WorkedBmpFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkedSvgFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkedPdfFile)->Unit(benchmark::kMillisecond);

// The vector documents alone, in memory: the recorder and the writers.
void BM_WorkedSvgDocument(benchmark::State& state) {
    for (auto _ : state) {
        sp::ScaleParameters p;
        p.Dpi = 600;
        sp::FormFields g = WorkedFields();
        if (sp::ReadScaleParameters(p, g)) state.SkipWithError("input refused");
        benchmark::DoNotOptimize(sp::SvgDocument(sp::RecordScale(p, g, {}, false)));
    }
}
BENCHMARK(BM_WorkedSvgDocument)->Unit(benchmark::kMillisecond);
void BM_WorkedPdfDocument(benchmark::State& state) {
    for (auto _ : state) {
        sp::ScaleParameters p;
        p.Dpi = 600;
        sp::FormFields g = WorkedFields();
        if (sp::ReadScaleParameters(p, g)) state.SkipWithError("input refused");
        benchmark::DoNotOptimize(sp::PdfDocument(sp::RecordScale(p, g, {}, false)));
    }
}
BENCHMARK(BM_WorkedPdfDocument)->Unit(benchmark::kMillisecond);

}  // namespace
