// Benchmarks of design mode: one design by the search against the naive way (the calculate command on
// every candidate of the ranges), and a design table.
#include <benchmark/benchmark.h>

#include <thread>

#include "design/design_search.h"
#include "design/design_table.h"

namespace tavrel {
namespace {

// Runs one search on the request, counting the calculations it takes.
void runSearch(benchmark::State& state, DesignOutcome (*search)(const DesignRequest&),
               const DesignRequest& request) {
    for (auto _ : state) {
        DesignOutcome outcome = search(request);
        benchmark::DoNotOptimize(outcome);
        state.counters["candidates"] = static_cast<double>(outcome.candidatesEvaluated);
    }
}

// The default buried slab, end thickness 20-150 cm, every diameter.
void BM_DesignOne(benchmark::State& state) {
    runSearch(state, findDesign, DesignRequest{});
}
BENCHMARK(BM_DesignOne)->Unit(benchmark::kMillisecond);

void BM_DesignOneNaive(benchmark::State& state) {
    runSearch(state, findDesignExhaustively, DesignRequest{});
}
BENCHMARK(BM_DesignOneNaive)->Unit(benchmark::kMillisecond);

// The cheapest objective scans thicker slabs until their concrete alone costs more.
void BM_DesignOneCheapest(benchmark::State& state) {
    DesignRequest request;
    request.objective = DesignObjective::Cheapest;
    runSearch(state, findDesign, request);
}
BENCHMARK(BM_DesignOneCheapest)->Unit(benchmark::kMillisecond);

// 11 clear spans 1-6 m by 11 steps × 40 fills 0.5-20 m of the default buried slab, on every core.
void BM_DesignTable(benchmark::State& state) {
    TableRequest request;
    request.spans = clearSpanValues({1.0, 6.0, 0.5}).texts;
    request.fills = fillHeightValues({0.5, 20.0, 0.5}).texts;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (auto _ : state) {
        DesignTable table = runDesignTable(request, threads);
        benchmark::DoNotOptimize(table);
    }
    state.counters["cells"] = static_cast<double>(request.spans.size() * request.fills.size());
    state.counters["threads"] = threads;
}
BENCHMARK(BM_DesignTable)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavrel
