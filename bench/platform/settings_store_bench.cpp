// What one durable write costs when the store already holds a plan of a
// given size: QSettings rewrites and syncs the whole file on every write.

#include "bench_main.h"
#include "plan/saved_plan.h"
#include "platform/ini_settings_store.h"
#include "tests/support/sample_plans.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo;

void BM_BudgetWriteOnStoredPlan(benchmark::State& state)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    testing::storePlan(store, testing::planWithRows(static_cast<int>(state.range(0))));
    SavedPlan saved(store);
    int n = 0;
    for (auto _ : state)
        saved.writeBudget(BudgetId::Music, QString::number(++n));
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(store.filePath("Tarvel")).size());
}
BENCHMARK(BM_BudgetWriteOnStoredPlan)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SaveAndLoadWholePlan(benchmark::State& state)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    const Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        testing::storePlan(store, plan);
        Plan loaded;
        SavedPlan saved(store);
        for (const PlanStep& step : saved.loadSteps(loaded, QDateTime::fromSecsSinceEpoch(0)))
            step.run();
        benchmark::DoNotOptimize(loaded.table(TableId::Guests).rowCount());
    }
}
BENCHMARK(BM_SaveAndLoadWholePlan)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return jubilo::bench::runBenchmarks(argc, argv);
}
