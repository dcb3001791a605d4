// Benchmarks of the input file: one read, apply and write of a whole record, as opening and saving do.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "model/design_input.h"
#include "model/tvrl.h"

namespace {

using namespace tavrel;

// A record that exercises the GBK conversion in values as well as terms.
DesignInput benchRecord() {
    DesignInput input;
    input.slabType = SlabType::Open;
    input.CboSJHZ = "公路-II级";
    input.CboHNTDJ = "C35";
    input.CboHJLB = "III类环境";
    input.txtJKJ = "4.25";
    return input;
}

void BM_TvrlReadWrite(benchmark::State& state) {
    const std::string file = tvrl::write(benchRecord()).value_or("");
    for (auto _ : state) {
        std::istringstream in(file);
        DesignInput input;
        DesignInputTarget target(input);
        tvrl::apply(tvrl::read(in), target);
        auto written = tvrl::write(input);
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_TvrlReadWrite);

}  // namespace
