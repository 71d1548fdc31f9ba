// buildPlanSheet plus SaveAs for plans of 1, 10, 100 and 1,000 rows in
// every table.

#include "bench_main.h"
#include "host/engine/engine_host.h"
#include "report/plan_sheet.h"
#include "tests/support/sample_plans.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo;

void BM_BuildPlanSheetAndSave(benchmark::State& state)
{
    const Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.xls");
    auto host = createEngineHost("Excel.Application");
    for (auto _ : state) {
        auto book = host->workbooks()->add();
        buildPlanSheet(*host, plan);
        book->saveAs(path, xl::kExcel8);
        host->setDisplayAlerts(false);
        book->close();
    }
    host->quit();
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_BuildPlanSheetAndSave)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const jubilo::testing::UsEnglishLocale english;
    return jubilo::bench::runBenchmarks(argc, argv);
}
