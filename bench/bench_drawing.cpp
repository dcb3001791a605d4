// Benchmarks of the drawing: the schedule and the A3 sheet of the default buried slab, and the sheet
// written as DXF and as SVG, each from a calculated record as the command and the window start.
#include <benchmark/benchmark.h>

#include "calc/calculate.h"
#include "design/bar_schedule.h"
#include "drawing/dxf_writer.h"
#include "drawing/sheet_content.h"
#include "drawing/svg_writer.h"

namespace tavrel {
namespace {

CalculationResults calculatedDefault() {
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    calculate(DesignInput{}, results);
    return results;
}

void BM_DrawingSheet(benchmark::State& state) {
    const CalculationResults results = calculatedDefault();
    for (auto _ : state) {
        drawing::Drawing sheet = drawing::drawingOf(barSchedule(results), {});
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_DrawingSheet)->Unit(benchmark::kMicrosecond);

void BM_DrawingSheetAsDxf(benchmark::State& state) {
    const CalculationResults results = calculatedDefault();
    for (auto _ : state) {
        std::string bytes = drawing::dxfBytes(drawing::drawingOf(barSchedule(results), {}));
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_DrawingSheetAsDxf)->Unit(benchmark::kMicrosecond);

void BM_DrawingSheetAsSvg(benchmark::State& state) {
    const CalculationResults results = calculatedDefault();
    for (auto _ : state) {
        std::string text = drawing::svgText(drawing::drawingOf(barSchedule(results), {}));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_DrawingSheetAsSvg)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavrel
