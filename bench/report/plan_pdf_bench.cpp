// The plan sheet's PDF from its saved workbook: the report run saves the
// .xls (untimed), then each iteration opens it in a new engine host and
// exports the active sheet's pages. The example plan and 1,000 rows in every
// table. LibreOffice's conversion of the same workbooks is the reference,
// run when JUBILO_BENCH_LIBREOFFICE is set.

#include "bench_main.h"
#include "bench_seam.h"

#include "host/engine/engine_host.h"
#include "tests/support/external_tools.h"
#include "tests/support/sample_plans.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

using namespace jubilo;

Plan benchPlan(int rows) { return rows == 0 ? testing::samplePlan() : testing::planWithRows(rows); }

// The plan's workbook as the report run saves it, moved to `path`.
bool saveWorkbook(const Plan& plan, const QString& path, benchmark::State& state)
{
    QTemporaryDir temp;
    bench::BenchSeam seam(temp.path());
    const ScopedSystem installed(seam);
    QString failure;
    const std::optional<QString> saved = bench::runReport(seam, plan, failure);
    if (!saved || !QFile::rename(*saved, path)) {
        state.SkipWithError(("the report run saved no workbook: " + failure).toStdString().c_str());
        return false;
    }
    return true;
}

void setCounters(benchmark::State& state, const QString& pdf)
{
    state.counters["rows_per_table"] = double(state.range(0));
    state.counters["pdf_bytes"] = double(QFile(pdf).size());
    state.counters["pages"] = testing::readPdfPages(pdf).count;
}

// Arg 0: the example plan; otherwise that many rows in every table.
void BM_PlanPdfFromSavedWorkbook(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString workbook = dir.filePath("plan.xls"), pdf = dir.filePath("plan.pdf");
    if (!saveWorkbook(benchPlan(int(state.range(0))), workbook, state))
        return;
    bench::BenchSeam seam(dir.path());  // the clock a header's date would read
    const ScopedSystem installed(seam);
    for (auto _ : state) {
        auto host = createEngineHost(QStringLiteral("Excel.Application"));
        host->workbooks()->open(workbook)->exportAsFixedFormat(xl::kTypePDF, pdf);
        host->quit();
    }
    setCounters(state, pdf);
}
BENCHMARK(BM_PlanPdfFromSavedWorkbook)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// Headless LibreOffice converting the same workbook, its profile made by an
// untimed first conversion.
void BM_PlanPdfByLibreOffice(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("JUBILO_BENCH_LIBREOFFICE")) {
        state.SkipWithError("set JUBILO_BENCH_LIBREOFFICE=1 to run LibreOffice");
        return;
    }
    QTemporaryDir dir;
    const QString workbook = dir.filePath("plan.xls"), out = dir.filePath("out");
    if (!saveWorkbook(benchPlan(int(state.range(0))), workbook, state))
        return;
    const testing::LibreOffice office(dir.filePath("profile"));
    if (!office.convert("pdf", {workbook}, out).succeeded()) {
        state.SkipWithError("LibreOffice did not convert the workbook");
        return;
    }
    for (auto _ : state) {
        const testing::ProcessResult result = office.convert("pdf", {workbook}, out);
        if (!result.succeeded()) {
            state.SkipWithError(result.output.toStdString().c_str());
            break;
        }
    }
    setCounters(state, out + "/plan.pdf");
}
BENCHMARK(BM_PlanPdfByLibreOffice)->Arg(0)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const jubilo::testing::UsEnglishLocale english;
    return jubilo::bench::runBenchmarks(argc, argv);
}
