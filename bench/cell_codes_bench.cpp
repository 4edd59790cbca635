// Throughput of the cell code conversions over a spread of values.

#include "model/cell_codes.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void BM_TextToCode(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int v = 0; v < 4096; ++v)
        texts.push_back(mdlMain::CodeToText(v * 16 + 3, 2));
    std::int64_t sum = 0;
    for (auto _ : state) {
        for (const auto& t : texts)
            sum += mdlMain::TextToCode(t);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

void BM_CodeToText(benchmark::State& state) {
    std::size_t total = 0;
    for (auto _ : state) {
        for (std::int32_t v = 0; v < 4096; ++v) {
            const std::string text = mdlMain::CodeToText(v * 16 + 3, 2);
            total += static_cast<unsigned char>(text[1]);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * 4096);
}

void BM_EncodeCell(benchmark::State& state) {
    unsigned char cells[2 * 4096];
    for (auto _ : state) {
        for (std::int32_t v = 0; v < 4096; ++v)
            mdlMain::EncodeCell(v * 16 + 3, cells + 2 * v);
        benchmark::DoNotOptimize(cells);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 4096);
}

} // namespace

BENCHMARK(BM_TextToCode);
BENCHMARK(BM_CodeToText);
BENCHMARK(BM_EncodeCell);

BENCHMARK_MAIN();
