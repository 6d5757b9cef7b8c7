// The picture of the worked example: create (white), mirror, save.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "raster/Graphics.h"
#include "raster/Mirror.h"
#include "scale/drawing/ScaleDrawing.h"

namespace {

const std::string kOut = "/tmp/scaleplate-bench.bmp";

std::unique_ptr<sp::TBitmap> Create() {
    auto b = std::make_unique<sp::TBitmap>();
    b->SetHeight(945);
    b->SetWidth(1890);
    return b;
}

void BM_CreateWhite(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Create());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 5360040);
}
BENCHMARK(BM_CreateWhite)->Unit(benchmark::kMillisecond);

void BM_Mirror(benchmark::State& state) {
    auto b = Create();
    for (auto _ : state) sp::FlipBitmap(*b, 1);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 5360040);
}
BENCHMARK(BM_Mirror)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    auto b = Create();
    for (auto _ : state) b->SaveToFile(kOut);
    ::unlink(kOut.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 5360094);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

}  // namespace
