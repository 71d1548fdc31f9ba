// What one durable write costs when the store already holds a plan of a
// given size: each is an entry appended to the file's journal and flushed,
// and now and then the journal is folded into the file, rewritten whole.

#include "bench_main.h"
#include "plan/saved_plan.h"
#include "plan/table_text.h"
#include "platform/ini_settings_store.h"
#include "tests/support/journal_files.h"
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
    store.checkpoint();
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(store.filePath("Tarvel")).size());
}
BENCHMARK(BM_BudgetWriteOnStoredPlan)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A row deleted from the middle of Guests and put back, each change saved as
// the window saves it: the table's text encoded and written. Two writes per
// iteration; the counter is the wall time per write, flush to disk included.
void BM_TableWriteOnStoredPlan(benchmark::State& state)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    testing::storePlan(store, plan);
    SavedPlan saved(store);
    PlanTable& guests = plan.table(TableId::Guests);
    const int middle = guests.rowCount() / 2 + 1;
    const PlanRow row = guests.row(middle);
    for (auto _ : state) {
        guests.removeAt(middle);
        saved.saveTable(guests);
        guests.move(guests.append(row), middle);
        saved.saveTable(guests);
    }
    state.counters["write"] = benchmark::Counter(static_cast<double>(2 * state.iterations()),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TableWriteOnStoredPlan)->Arg(10)->Arg(10000)->UseRealTime()->Unit(benchmark::kMillisecond);

// Folding a journal that holds one change to Guests into the file: what
// the window's checkpoint costs on a stored plan of the given size.
void BM_CheckpointAfterATableChange(benchmark::State& state)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    testing::storePlan(store, plan);
    SavedPlan saved(store);
    PlanTable& guests = plan.table(TableId::Guests);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        guests.setCell(1, 0, QString::number(++n));
        saved.saveTable(guests);
        state.ResumeTiming();
        store.checkpoint();
    }
}
BENCHMARK(BM_CheckpointAfterATableChange)->Arg(10000)->Unit(benchmark::kMillisecond);

// Loading a plan of 10,000 rows per table in a fresh store (a second start
// after a crash, the command line) while the journal holds the given
// number of changes to Guests, each replayed onto the whole table.
void BM_LoadPlanWithJournaledChanges(benchmark::State& state)
{
    QTemporaryDir dir;
    Plan plan = testing::planWithRows(10000);
    IniSettingsStore writer(dir.path());
    testing::storePlan(writer, plan);
    writer.checkpoint();
    SavedPlan saved(writer);
    PlanTable& guests = plan.table(TableId::Guests);
    for (int change = 0; change < state.range(0); ++change) {
        guests.setCell(change % guests.rowCount() + 1, 0, QStringLiteral("Changed %1").arg(change));
        saved.saveTable(guests);
    }
    for (auto _ : state) {
        IniSettingsStore reader(dir.path());
        Plan loaded;
        SavedPlan fromDisk(reader);
        for (const PlanStep& step : fromDisk.loadSteps(loaded, QDateTime::fromSecsSinceEpoch(0)))
            step.run();
        benchmark::DoNotOptimize(loaded.table(TableId::Guests).rowCount());
    }
    state.counters["journal_bytes"]
        = static_cast<double>(QFileInfo(testing::journalOf(writer.filePath("Tarvel"))).size());
}
BENCHMARK(BM_LoadPlanWithJournaledChanges)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

// Encoding the table's text alone, the part of a table write that is not
// the store's.
void BM_EncodeTableText(benchmark::State& state)
{
    const Plan plan = testing::planWithRows(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeTableText(plan.table(TableId::Guests)));
}
BENCHMARK(BM_EncodeTableText)->Arg(10000)->Unit(benchmark::kMillisecond);

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
