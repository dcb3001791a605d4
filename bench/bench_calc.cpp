// Benchmarks of the calculation and of the whole calculate command.
#include <benchmark/benchmark.h>

#include "calc/calculate.h"

namespace tavrel {
namespace {

// Snapshot, loads, section design and the five checks of `input`.
void calculateRepeatedly(benchmark::State& state, const DesignInput& input) {
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

// The default slab under the 2004 edition.
void BM_Calculation(benchmark::State& state) {
    calculateRepeatedly(state, DesignInput{});
}
BENCHMARK(BM_Calculation);

// The default slab under the 2018 edition (HRB400, safety class 二级): the serviceability moments, the
// upper limit in shear and the effective-ratio crack width on top.
void BM_Calculation2018(benchmark::State& state) {
    DesignInput input;
    DesignInputTarget(input).selectEdition(Edition::Jtg2018);
    calculateRepeatedly(state, input);
}
BENCHMARK(BM_Calculation2018);

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
