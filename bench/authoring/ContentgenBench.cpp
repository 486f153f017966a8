// How long the generator takes for a database of a given number of tests (20
// questions of 4 options each, as many articles as tests). The target is
// 10 000 tests in a few seconds.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "authoring/contentgen/Generator.h"

namespace {

void GenerateTests(benchmark::State& state) {
    zuno::authoring::GenerateOptions options;
    options.output = std::filesystem::temp_directory_path() / ("zuno-bench-" + std::to_string(getpid()) + ".db");
    options.tests = state.range(0);
    options.questions = 20;
    options.options = 4;
    options.articles = state.range(0);
    options.humor = state.range(0);
    for (auto _ : state) {
        const auto counts = zuno::authoring::GenerateContentDatabase(options);
        benchmark::DoNotOptimize(counts.options);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(options.output);
}
BENCHMARK(GenerateTests)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
