// Benchmarks of the calculation and of the whole calculate command.
#include <benchmark/benchmark.h>

#include "calc/calculate.h"

namespace tavrel {
namespace {

// Snapshot, loads, section design and the five checks.
void BM_Calculation(benchmark::State& state) {
    const DesignInput input;
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    for (auto _ : state) {
        calculate(input, results);
        for (Check check : kChecksInOrder) {
            benchmark::DoNotOptimize(checkPasses(results, check));
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Calculation);

// Validation, calculation, result texts, verdicts and messages.
void BM_CalculateCommand(benchmark::State& state) {
    const DesignInput input;
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    for (auto _ : state) {
        auto outcome = runCalculateCommand(input, results);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculateCommand);

}  // namespace
}  // namespace tavrel
