// Benchmark of the report command: one complete report of the default buried slab built from the
// results record and written to disk as a .docx file with its figure, in the original and the full format.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "calc/calculate.h"
#include "report/report.h"

namespace {

using namespace tavrel;

// The report figures of the source tree; the drawn ones when present, else the test figures.
std::string figureFolder() {
    const std::string drawn = std::string(TAVREL_SOURCE_DIR) + "/assets/" + std::string(kFigureFolderName);
    if (std::filesystem::exists(drawn + "/暗涵盖板.JPG")) {
        return drawn;
    }
    return std::string(TAVREL_SOURCE_DIR) + "/tests/report/data/" + std::string(kFigureFolderName);
}

// The default input with the project information of a cover page.
DesignInput inputWithProject() {
    DesignInput input;
    input.reportFormat = ReportFormat::Full;
    input.project.project = "G15 沈海高速改扩建工程";
    input.project.structure = "K12+345 1-3.0 m 盖板涵";
    input.project.reportNumber = "JS-2024-017";
    input.project.calculatedBy = "张三";
    return input;
}

// Writes the document `build` makes, once per iteration, into a temporary folder.
template <typename Build>
void writeReports(benchmark::State& state, Build build) {
    std::string folder = (std::filesystem::temp_directory_path() / "tavrel-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/report.docx";
    for (auto _ : state) {
        const Expected<WrittenReport> written = writeDocx(build(), path);
        if (!written) {
            state.SkipWithError(written.error().message.c_str());
            break;
        }
    }
    std::error_code ignored;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
    std::filesystem::remove_all(folder, ignored);
}

void BM_Report(benchmark::State& state) {
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    calculate(DesignInput{}, results);
    const std::string figures = figureFolder();
    writeReports(state, [&] { return buildReport(results, StirrupCheck::NotDone, figures); });
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

void BM_FullReport(benchmark::State& state) {
    const DesignInput input = inputWithProject();
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    calculate(input, results);
    const std::string figures = figureFolder();
    const FullReportContext context{"2024-05-06", "涵洞K12+345.tvrl"};
    writeReports(state,
                 [&] { return buildFullReport(input, results, StirrupCheck::NotDone, figures, context); });
}
BENCHMARK(BM_FullReport)->Unit(benchmark::kMillisecond);

}  // namespace
