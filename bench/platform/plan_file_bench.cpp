// Opening a plan file and loading it into a Plan through SavedPlan, as
// opening a plan does before the window shows it; and writing a new plan
// file whole, as saving a plan under a new name does.

#include "plan/saved_plan.h"
#include "plan/stored_values.h"
#include "platform/plan_file_store.h"
#include "tests/support/sample_plans.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo;

void BM_OpenAndLoadPlanFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("party.jubilo");
    PlanFileStore::create(path, storedValues(testing::planWithRows(static_cast<int>(state.range(0)))));
    for (auto _ : state) {
        const auto store = PlanFileStore::open(path);
        Plan plan;
        SavedPlan saved(*store);
        for (const PlanStep& step : saved.loadSteps(plan, QDateTime::fromSecsSinceEpoch(0)))
            step.run();
        benchmark::DoNotOptimize(plan.table(TableId::Activities).rowCount());
    }
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_OpenAndLoadPlanFile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CreatePlanFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    for (auto _ : state)
        PlanFileStore::create(dir.filePath("party.jubilo"), storedValues(plan));
}
BENCHMARK(BM_CreatePlanFile)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
