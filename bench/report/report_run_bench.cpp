// The report run from the click to the preview's first paint, in-process:
// the plan sheet built and saved by one engine host, reopened by another,
// its picture taken and the preview's viewport drawn. Plans of 1, 100,
// 1,000 and 8,000 rows in every table, the example plan, and the peak
// resident memory of one run at 1,000 rows, measured in a child process of
// its own so no earlier benchmark's pages count. LibreOffice's conversion of
// the same workbook to PDF, the reference, is in plan_pdf_bench.cpp.

#include "bench_main.h"
#include "bench_seam.h"
#include "process_memory.h"

#include "host/engine/engine_host.h"
#include "tests/support/sample_plans.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace jubilo;

constexpr char kChildOption[] = "--report-peak-rss-child=";
constexpr double kKiBPerMiB = 1024;

void timeReport(benchmark::State& state, const Plan& plan)
{
    QTemporaryDir dir;
    bench::BenchSeam seam(dir.path());
    ScopedSystem installed(seam);
    QString failure;
    for (auto _ : state) {
        const auto workbook = bench::runReport(seam, plan, failure);
        if (!workbook) {
            state.SkipWithError(failure.toStdString().c_str());
            break;
        }
        state.PauseTiming();  // the preview keeps its workbook until it closes
        QFile::remove(*workbook);
        state.ResumeTiming();
    }
}

void BM_ReportClickToPreview(benchmark::State& state)
{
    timeReport(state, testing::planWithRows(static_cast<int>(state.range(0))));
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ReportClickToPreview)->Arg(1)->Arg(100)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond);

void BM_ReportClickToPreviewExamplePlan(benchmark::State& state) { timeReport(state, testing::samplePlan()); }
BENCHMARK(BM_ReportClickToPreviewExamplePlan)->Unit(benchmark::kMillisecond);

// The child prints "<VmHWM before the run> <VmHWM after it>" in KiB.
int runChild(int rows)
{
    const Plan plan = testing::planWithRows(rows);
    const long before = bench::peakResidentKiB();
    QTemporaryDir dir;
    bench::BenchSeam seam(dir.path());
    ScopedSystem installed(seam);
    QString failure;
    if (!bench::runReport(seam, plan, failure)) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    std::printf("%ld %ld\n", before, bench::peakResidentKiB());
    return 0;
}

void BM_ReportPeakResidentMemory(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    QList<QByteArray> figures;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kChildOption + QString::number(rows)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            state.SkipWithError(("the child run failed: " + child.readAllStandardError()).constData());
            return;
        }
        figures = child.readAllStandardOutput().trimmed().split(' ');
    }
    state.counters["rows_per_table"] = rows;
    state.counters["before_run_MiB"] = figures.value(0).toDouble() / kKiBPerMiB;
    state.counters["peak_rss_MiB"] = figures.value(1).toDouble() / kKiBPerMiB;
}
BENCHMARK(BM_ReportPeakResidentMemory)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const jubilo::testing::UsEnglishLocale english;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith(kChildOption))
            return runChild(arg.mid(int(sizeof kChildOption) - 1).toInt());
    }
    return jubilo::bench::runBenchmarks(argc, argv);
}
