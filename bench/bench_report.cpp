// Benchmark of the report command: one complete report of the default buried slab built from the
// results record and written to disk as a .docx file with its figure.
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

void BM_Report(benchmark::State& state) {
    CalculationResults results;
    initialiseCrackWidthFactors(results);
    calculate(DesignInput{}, results);
    const std::string figures = figureFolder();

    std::string folder = (std::filesystem::temp_directory_path() / "tavrel-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/report.docx";
    for (auto _ : state) {
        const Expected<WrittenReport> written =
            writeDocx(buildReport(results, StirrupCheck::NotDone, figures), path);
        if (!written) {
            state.SkipWithError(written.error().message.c_str());
            break;
        }
    }
    std::error_code ignored;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

}  // namespace
