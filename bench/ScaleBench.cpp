// The drawing of the worked example, and an arc of 360,000 degrees: the arc
// must cost one LineTo per degree and nothing more.
#include <benchmark/benchmark.h>

#include "ScaleDrawing.h"

namespace {

sp::FormFields Worked() {
    sp::FormFields f;
    f.medtWidth = "80";
    f.medtHeight = "40";
    f.edtLAngle = "135";
    f.edtRAngle = "45";
    f.medtX = "40";
    f.medtY = "5";
    f.medtRadius = "25";
    f.medtCentralRadius = "3";
    f.medtSegmentLength = "3";
    f.medtSegmentWidth = "1";
    f.medtArchLine = "2";
    f.medtNumSegments = "10";
    f.medtMasterSegment = "5";
    f.medtFrameLine = "1";
    return f;
}

void Run(benchmark::State& state, sp::FormFields f) {
    for (auto _ : state) {
        sp::ScaleParameters p;
        p.Dpi = 600;
        if (sp::ReadScaleParameters(p, f)) state.SkipWithError("input refused");
        benchmark::DoNotOptimize(sp::DrawScale(p, f, {}, false));
    }
}

void BM_WorkedExample(benchmark::State& state) { Run(state, Worked()); }
BENCHMARK(BM_WorkedExample)->Unit(benchmark::kMillisecond);

// Arcs of 3,600, 36,000 and 360,000 degrees: time per degree stays flat.
void BM_LongArc(benchmark::State& state) {
    sp::FormFields f = Worked();
    f.edtRAngle = "0";
    f.edtLAngle = std::to_string(state.range(0));
    Run(state, f);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_LongArc)->Arg(3600)->Arg(36000)->Arg(360000)->Unit(benchmark::kMillisecond);

}  // namespace
