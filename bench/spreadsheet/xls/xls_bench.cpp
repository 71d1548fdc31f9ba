// Saving and opening styled rows of five columns (text, number, money,
// boolean, formula), in memory and through a file.

#include "sample_workbooks.h"

#include "spreadsheet/xls/xls_io.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace jubilo::xls;

void BM_SaveStyledRows(benchmark::State& state)
{
    const XlsWorkbook wb = testing::styledRows(int(state.range(0)));
    const auto path = std::filesystem::temp_directory_path() / "jubilo_xls_bench_save.xls";
    for (auto _ : state)
        writeWorkbook(wb, path);
    state.counters["file_bytes"] = double(std::filesystem::file_size(path));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}

void BM_OpenStyledRows(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / "jubilo_xls_bench_open.xls";
    writeWorkbook(testing::styledRows(int(state.range(0))), path);
    for (auto _ : state) {
        XlsWorkbook wb = readWorkbook(path);
        benchmark::DoNotOptimize(wb.sheets[0].cells.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}

BENCHMARK(BM_SaveStyledRows)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStyledRows)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
