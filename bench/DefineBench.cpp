// Generating definitions from values: a linear scale of exactly 2,000 ticks
// (the most a scale may have), and a logarithmic one whose steps the program
// chooses along a long arc.
#include <benchmark/benchmark.h>

#include "scale/generator/DefinitionGenerator.h"
#include "scale/input/ScaleInputError.h"

namespace {

void Generate(benchmark::State& state, const std::string& text) {
    sp::ScaleDescription desc;
    sp::ParseScaleDescription(text, desc);
    std::size_t lines = 0;
    for (auto _ : state) {
        try {
            const auto definition = sp::GenerateDefinition(desc);
            lines = definition.size();
            benchmark::DoNotOptimize(definition.data());
        } catch (const sp::EError& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    state.counters["ticks"] = static_cast<double>(lines);
}

void BM_Linear2000Ticks(benchmark::State& state) {
    Generate(state, "law=linear\nfrom=0\nto=1999\nmajor=100\nmedium=10\nminor=1\nleft=135\nright=45\nradius=30\n");
}
BENCHMARK(BM_Linear2000Ticks)->Unit(benchmark::kMillisecond);

void BM_LogChosenSteps(benchmark::State& state) {
    Generate(state, "law=log\nfrom=1\nto=1000\nleft=180\nright=0\nradius=300\n");
}
BENCHMARK(BM_LogChosenSteps)->Unit(benchmark::kMillisecond);

}  // namespace
