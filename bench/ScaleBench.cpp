// The drawing of the worked example, and an arc of 360,000 degrees: the arc
// must cost one LineTo per degree and nothing more.
#include <benchmark/benchmark.h>

#include "ScaleDrawing.h"
#include "Worked.h"

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
    f.edtRAngle = "0";
    f.edtLAngle = std::to_string(state.range(0));
    Run(state, f);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_LongArc)->Arg(3600)->Arg(36000)->Arg(360000)->Unit(benchmark::kMillisecond);

}  // namespace
